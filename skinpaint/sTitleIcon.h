#pragma once
// The icon at the left of a skinned title band.
#include "gfx/TBitmap.h"
#include "skin/sSkinRecords.h"
#include "skinpaint/sFormGeometry.h"
#include "ui/Types.h"

namespace skinpaint {

// Where the icon goes: from BiLeft past the border, width x height or, when
// those are 0, a size that fits the caption; centred in the title band.
gfx::TRect TitleIconRect(const TFormGeometry& geometry, const skin::TsSkinData& info, int width, int height);

// A glyph of its own when it is not empty (its magenta pixels see-through),
// else the icon, into the window picture.
void DrawTitleIcon(gfx::TBitmap& picture, const gfx::TRect& rect, const gfx::TBitmap& glyph, ui::HICON icon);

}  // namespace skinpaint
