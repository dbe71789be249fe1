#pragma once
// What a top-level window shows, pixel by pixel, as premultiplied blue,
// green, red, alpha: its painted surface opaque, or its layered look (the
// picture's own alpha, the constant opacity, the colour key). The headless
// compositor blends these rows; the X11 backend sends them to an ARGB window.
#include <cstdint>

#include "ui/WindowRecord.h"

namespace ui {

// `out` receives 4 * width bytes for pixels x .. x + width - 1 of row y,
// which must lie on the surface.
void ShownRow(const TWindow& w, int y, int x, int width, uint8_t* out);

}  // namespace ui
