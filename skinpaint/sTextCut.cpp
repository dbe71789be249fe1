#include "skinpaint/sTextCut.h"

namespace skinpaint {

std::string CutTextToWidth(const gfx::TCanvas& canvas, std::string_view text, int width) {
    if (width <= 0) return {};
    if (canvas.TextWidth(text) <= width) return std::string(text);
    while (!text.empty()) {
        text.remove_suffix(1);
        if (canvas.TextWidth(std::string(text) + "...") <= width) break;
    }
    return text.empty() ? std::string() : std::string(text) + "...";
}

}  // namespace skinpaint
