#pragma once
// Gouraud-shaded triangles, shaped like the platform's GradientFill with
// GRADIENT_FILL_TRIANGLE: vertices with 16-bit channels, triangles as vertex
// index triples. A pixel belongs to a triangle when its centre lies inside;
// a centre on an edge that two triangles share goes to exactly one of them,
// so triangles that tile a rectangle paint each of its pixels once.
#include <cstdint>
#include <vector>

#include "gfx/TBitmap.h"

namespace skinpaint {

struct TTriVertex {
    int X = 0;
    int Y = 0;
    // Channel values 0..0xFF00: the byte times 256.
    uint16_t Red = 0;
    uint16_t Green = 0;
    uint16_t Blue = 0;
    uint16_t Alpha = 0;
};

struct TGradientTriangle {
    int Vertex1, Vertex2, Vertex3;
};

// Paints into a 32-bit bitmap (others are left alone); each channel is the
// vertices' values weighted by the pixel centre's barycentric coordinates,
// rounded, then its high byte. Triangles naming a vertex that does not exist
// are passed over.
void GradientFill(gfx::TBitmap& bitmap, const std::vector<TTriVertex>& vertices,
                  const std::vector<TGradientTriangle>& triangles);

}  // namespace skinpaint
