#pragma once
// Colour values with a meaning of their own for the skin painters.
#include "gfx/Colors.h"

namespace skinpaint {

using gfx::TColor;

// Magenta marks see-through pixels of skin images and, in background answers,
// a parent of which nothing is known. The same number in both layouts.
constexpr TColor KEY_COLOR = 0xFF00FF;
// A skin image pixel is see-through only when its whole 32-bit value, alpha
// included, is this: the loaders leave alpha 0 on magenta and 255 elsewhere.
constexpr uint32_t KeyPixel = 0x00FF00FF;
// No tint for DrawAlphaImage.
constexpr TColor NO_TINT = 0x1FFFFFFF;

}  // namespace skinpaint
