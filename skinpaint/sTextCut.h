#pragma once
// Shortening a text to a width with "...".
#include <string>
#include <string_view>

#include "gfx/TCanvas.h"

namespace skinpaint {

// text when it fits into width pixels in the canvas font; else the longest
// start of it that fits with "..." after it, or an empty text when none does
// (and for a width of 0 or less).
std::string CutTextToWidth(const gfx::TCanvas& canvas, std::string_view text, int width);

}  // namespace skinpaint
