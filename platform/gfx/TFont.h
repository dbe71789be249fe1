#pragma once
// The logical font of a canvas, as the window layouts give it: a face name that
// the program's font aliases map to an installed face, a height, a style, the
// text colour and an escapement.
#include <string>

#include "gfx/Colors.h"

namespace gfx {

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4 };
using TFontStyles = unsigned;

// The screen resolution that point sizes refer to.
constexpr int PixelsPerInch = 96;

struct TFont {
    std::string Name = "MS Sans Serif";
    // Negative: the character height in pixels (the em size, what a point size
    // gives); positive: the cell height, ascent plus descent; 0: the default.
    int Height = -11;
    TFontStyles Style = 0;
    TColor Color = clWindowText;
    // Tenths of a degree counter-clockwise; text output turns by a quarter turn
    // (900, 1800, 2700, the nearest one for other values). Only TextOut uses it:
    // DrawText lays out and draws level lines whatever the escapement.
    int Orientation = 0;

    // Points at PixelsPerInch, rounded as MulDiv does: 8 pt is Height -11.
    int Size() const;
    void SetSize(int points);

    bool operator==(const TFont&) const = default;
};

}  // namespace gfx
