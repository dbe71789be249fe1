#pragma once
// A small anti-aliased painter for the skin's artwork: a picture of straight
// (not premultiplied) RGBA floats, shapes given by signed distance functions,
// and source-over blending. It runs once at development time, so clarity
// beats speed.
#include <functional>
#include <vector>

namespace skinart {

struct TRgba {
    float R = 0, G = 0, B = 0, A = 0;
};

// 0xRRGGBB as written in art programs.
TRgba Hex(unsigned rgb, float alpha = 1);
TRgba Mix(TRgba a, TRgba b, float t);
TRgba WithAlpha(TRgba c, float alpha);
// A pixel that nothing was painted into: it lies outside every shape. A pixel
// with a colour but no alpha is see-through, yet inside a shape.
bool IsBlank(const TRgba& c);

// A signed distance: negative inside the shape, in pixels.
using TShape = std::function<float(float x, float y)>;
// The colour at a point (for gradients).
using TPaint = std::function<TRgba(float x, float y)>;

// Rounded rectangle from (x0, y0) to (x1, y1) with one radius per corner:
// top-left, top-right, bottom-right, bottom-left.
TShape RoundRect(float x0, float y0, float x1, float y1, float tl, float tr, float br, float bl);
TShape RoundRect(float x0, float y0, float x1, float y1, float radius);
TShape Circle(float cx, float cy, float radius);
// A triangle through three points, in either winding.
TShape Triangle(float x0, float y0, float x1, float y1, float x2, float y2);
// A line from (x0, y0) to (x1, y1) with round ends.
TShape Capsule(float x0, float y0, float x1, float y1, float thickness);
// The band of a shape between its edge and `width` pixels inside it.
TShape Ring(TShape shape, float width);
TShape Union(TShape a, TShape b);

TPaint Solid(TRgba colour);
// Top to bottom from `top` at y0 to `bottom` at y1.
TPaint VerticalGradient(float y0, float y1, TRgba top, TRgba bottom);
TPaint HorizontalGradient(float x0, float x1, TRgba left, TRgba right);
// A glassy fill: `top` to `middle` over the upper part, then a step down to
// `lower` and on to `bottom`.
TPaint Glass(float y0, float y1, TRgba top, TRgba middle, TRgba lower, TRgba bottom);

class TArt {
public:
    TArt(int width, int height) : FWidth(width), FHeight(height), FPixels(size_t(width) * size_t(height)) {}

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    TRgba& At(int x, int y) { return FPixels[size_t(y) * size_t(FWidth) + size_t(x)]; }
    const TRgba& At(int x, int y) const { return FPixels[size_t(y) * size_t(FWidth) + size_t(x)]; }

    // Source-over of `colour` with its alpha times `coverage`.
    void Blend(int x, int y, TRgba colour, float coverage = 1);
    void Fill(const TShape& shape, const TPaint& paint);
    void Fill(const TShape& shape, TRgba colour) { Fill(shape, Solid(colour)); }
    // Places `other` with its top-left corner at (x, y), blended over.
    void Draw(const TArt& other, int x, int y);
    // Gaussian blur of the whole picture (alpha-weighted colours).
    void Blur(float radius);
    // Multiplies every alpha by `factor`.
    void Fade(float factor);
    // Pixels below `threshold` alpha vanish (become blank), the others become
    // opaque: for edges that a window region cuts, where half-covered pixels
    // cannot be.
    void Harden(float threshold);
    TArt FlippedVertically() const;
    // Rows become columns: a top tab becomes a left tab.
    TArt Transposed() const;

private:
    int FWidth, FHeight;
    std::vector<TRgba> FPixels;
};

}  // namespace skinart
