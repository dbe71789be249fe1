#pragma once
// The line layout of DrawText, apart from the pixels: line breaks, word breaks,
// prefix characters, tab stops, end ellipsis and right-to-left reading order, on
// the advances of a font.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace gfx {

class TFontInstance;

// DrawText formats, with their Windows numbers.
enum : unsigned {
    DT_TOP = 0x0,
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,  // with DT_SINGLELINE only
    DT_BOTTOM = 0x8,   // with DT_SINGLELINE only
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_EXPANDTABS = 0x40,
    DT_NOCLIP = 0x100,
    DT_EXTERNALLEADING = 0x200,
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800,
    DT_END_ELLIPSIS = 0x8000,
    DT_RTLREADING = 0x20000,
    DT_HIDEPREFIX = 0x100000,
};

struct TTextLine {
    std::string Text;                 // the characters to draw, left to right
    std::vector<int> X;               // where each starts, from the line's left
    std::vector<uint8_t> Underlined;  // 1 under a prefixed character
    int Width = 0;
};

// Lines of text for a box maxWidth wide. maxLines > 0 stops after that many
// lines; with word breaks and end ellipsis the last of them then ends in "..."
// when text is left over.
std::vector<TTextLine> LayoutText(std::string_view text, unsigned format, int maxWidth, int maxLines,
                                  TFontInstance& font);

}  // namespace gfx
