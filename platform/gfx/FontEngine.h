#pragma once
// Fonts on FreeType, faces found through fontconfig with the program's alias
// file. Glyphs are rendered once per font and character and kept: fully hinted
// by the font's own instructions (stems and advances on whole pixels, as on
// Windows), edges greyscale anti-aliased. Texts are single bytes in
// Windows-1252.
//
// For the main (painting) thread only: nothing here is locked.
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "gfx/TFont.h"

namespace gfx {

// TEXTMETRIC's fields that layouts use, in pixels.
struct TTextMetric {
    int tmHeight = 0;  // tmAscent + tmDescent: the line height
    int tmAscent = 0;
    int tmDescent = 0;
    int tmInternalLeading = 0;  // tmHeight less the character height
    int tmExternalLeading = 0;
    int tmAveCharWidth = 0;
};

struct TGlyph {
    int Advance = 0;
    // Coverage box: Left from the pen position, Top rows above the baseline.
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Rows = 0;
    std::vector<uint8_t> Coverage;  // Width x Rows, 0 none to 255 full
};

class TFontInstance {
public:
    TFontInstance(const TFont& font);
    ~TFontInstance();
    TFontInstance(const TFontInstance&) = delete;
    TFontInstance& operator=(const TFontInstance&) = delete;

    const TTextMetric& Metrics() const { return FMetrics; }
    // Rows below the baseline where the underline starts, and its thickness.
    int UnderlinePosition() const { return FUnderlinePosition; }
    int UnderlineThickness() const { return FUnderlineThickness; }
    // Control characters (below 32) have no picture and no width.
    const TGlyph& Glyph(unsigned char ch);
    int Advance(unsigned char ch) { return Glyph(ch).Advance; }

private:
    struct TFace;
    std::unique_ptr<TFace> FFace;
    TTextMetric FMetrics;
    int FUnderlinePosition = 1;
    int FUnderlineThickness = 1;
    std::array<std::unique_ptr<TGlyph>, 256> FGlyphs;
};

// The instance for a font's face, height and weight and slant; kept for the
// life of the program.
TFontInstance& FontInstance(const TFont& font);

}  // namespace gfx
