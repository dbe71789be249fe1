#pragma once
// The symbols a skinned system menu shows before its window commands
// (minimise, maximise, close, restore), drawn as shapes where a symbol font
// would give them.
#include "gfx/Geometry.h"
#include "gfx/TCanvas.h"
#include "skin/sSkinRecords.h"
#include "skinpaint/sPaintConst.h"

namespace skinpaint {

enum TacSystemGlyph { sgNone, sgMinimize, sgMaximize, sgClose, sgRestore };

// The symbol of a system command (SC_MINIMIZE ...), sgNone for the others.
TacSystemGlyph SystemGlyphOf(int command);

// The side of the square a symbol fills, as the symbol font shows it at 10 points.
inline constexpr int SystemGlyphSize = 9;

// The symbol with its top-left corner at `at`, in the look's colours: each
// contour colour that is not -1 moved a pixel to its side, then the font colour.
void DrawSystemGlyph(gfx::TCanvas& canvas, TacSystemGlyph glyph, gfx::TPoint at, const skin::TsGenState& look);

}  // namespace skinpaint
