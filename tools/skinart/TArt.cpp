#include "TArt.h"

#include <algorithm>
#include <cmath>

namespace skinart {

TRgba Hex(unsigned rgb, float alpha) {
    return {((rgb >> 16) & 0xFF) / 255.0f, ((rgb >> 8) & 0xFF) / 255.0f, (rgb & 0xFF) / 255.0f, alpha};
}

TRgba Mix(TRgba a, TRgba b, float t) {
    return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t, a.A + (b.A - a.A) * t};
}

TRgba WithAlpha(TRgba c, float alpha) { return {c.R, c.G, c.B, alpha}; }

bool IsBlank(const TRgba& c) { return c.A == 0 && c.R == 0 && c.G == 0 && c.B == 0; }

TShape RoundRect(float x0, float y0, float x1, float y1, float tl, float tr, float br, float bl) {
    return [=](float x, float y) {
        const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
        const float r = x < cx ? (y < cy ? tl : bl) : (y < cy ? tr : br);
        const float dx = std::fabs(x - cx) - ((x1 - x0) / 2 - r);
        const float dy = std::fabs(y - cy) - ((y1 - y0) / 2 - r);
        const float outside = std::hypot(std::max(dx, 0.0f), std::max(dy, 0.0f));
        return outside + std::min(std::max(dx, dy), 0.0f) - r;
    };
}

TShape RoundRect(float x0, float y0, float x1, float y1, float radius) {
    return RoundRect(x0, y0, x1, y1, radius, radius, radius, radius);
}

TShape Circle(float cx, float cy, float radius) {
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) - radius; };
}

TShape Triangle(float x0, float y0, float x1, float y1, float x2, float y2) {
    const float winding = (x1 - x0) * (y2 - y0) - (y1 - y0) * (x2 - x0) > 0 ? 1.0f : -1.0f;
    auto edge = [=](float ax, float ay, float bx, float by, float x, float y) {
        const float length = std::hypot(bx - ax, by - ay);
        return -winding * ((bx - ax) * (y - ay) - (by - ay) * (x - ax)) / length;
    };
    return [=](float x, float y) {
        return std::max({edge(x0, y0, x1, y1, x, y), edge(x1, y1, x2, y2, x, y), edge(x2, y2, x0, y0, x, y)});
    };
}

TShape Capsule(float x0, float y0, float x1, float y1, float thickness) {
    return [=](float x, float y) {
        const float vx = x1 - x0, vy = y1 - y0;
        const float length2 = vx * vx + vy * vy;
        const float t = length2 == 0 ? 0 : std::clamp(((x - x0) * vx + (y - y0) * vy) / length2, 0.0f, 1.0f);
        return std::hypot(x - (x0 + t * vx), y - (y0 + t * vy)) - thickness / 2;
    };
}

TShape Ring(TShape shape, float width) {
    return [=](float x, float y) {
        const float d = shape(x, y);
        return std::max(d, -d - width);
    };
}

TShape Union(TShape a, TShape b) {
    return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

TPaint Solid(TRgba colour) {
    return [=](float, float) { return colour; };
}

TPaint VerticalGradient(float y0, float y1, TRgba top, TRgba bottom) {
    return [=](float, float y) { return Mix(top, bottom, std::clamp((y - y0) / (y1 - y0), 0.0f, 1.0f)); };
}

TPaint HorizontalGradient(float x0, float x1, TRgba left, TRgba right) {
    return [=](float x, float) { return Mix(left, right, std::clamp((x - x0) / (x1 - x0), 0.0f, 1.0f)); };
}

TPaint Glass(float y0, float y1, TRgba top, TRgba middle, TRgba lower, TRgba bottom) {
    return [=](float, float y) {
        const float t = std::clamp((y - y0) / (y1 - y0), 0.0f, 1.0f);
        return t < 0.48f ? Mix(top, middle, t / 0.48f) : Mix(lower, bottom, (t - 0.48f) / 0.52f);
    };
}

void TArt::Blend(int x, int y, TRgba c, float coverage) {
    if (x < 0 || y < 0 || x >= FWidth || y >= FHeight) return;
    TRgba& d = At(x, y);
    const float a = std::clamp(c.A * coverage, 0.0f, 1.0f);
    const float out = a + d.A * (1 - a);
    if (out <= 0) return;
    d.R = (c.R * a + d.R * d.A * (1 - a)) / out;
    d.G = (c.G * a + d.G * d.A * (1 - a)) / out;
    d.B = (c.B * a + d.B * d.A * (1 - a)) / out;
    d.A = out;
}

void TArt::Fill(const TShape& shape, const TPaint& paint) {
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x) {
            const float px = x + 0.5f, py = y + 0.5f;
            const float coverage = std::clamp(0.5f - shape(px, py), 0.0f, 1.0f);
            if (coverage > 0) Blend(x, y, paint(px, py), coverage);
        }
}

void TArt::Draw(const TArt& other, int x0, int y0) {
    for (int y = 0; y < other.Height(); ++y)
        for (int x = 0; x < other.Width(); ++x) Blend(x0 + x, y0 + y, other.At(x, y));
}

void TArt::Blur(float radius) {
    const int reach = static_cast<int>(std::ceil(radius * 3));
    std::vector<float> kernel(size_t(2 * reach + 1));
    float sum = 0;
    for (int i = -reach; i <= reach; ++i) sum += kernel[size_t(i + reach)] = std::exp(-0.5f * (i * i) / (radius * radius));
    for (float& k : kernel) k /= sum;
    auto pass = [&](bool horizontal) {
        std::vector<TRgba> out(FPixels.size());
        for (int y = 0; y < FHeight; ++y)
            for (int x = 0; x < FWidth; ++x) {
                float r = 0, g = 0, b = 0, a = 0;
                for (int i = -reach; i <= reach; ++i) {
                    const int sx = horizontal ? x + i : x, sy = horizontal ? y : y + i;
                    if (sx < 0 || sy < 0 || sx >= FWidth || sy >= FHeight) continue;
                    const TRgba& p = At(sx, sy);
                    const float w = kernel[size_t(i + reach)] * p.A;
                    r += p.R * w, g += p.G * w, b += p.B * w, a += w;
                }
                TRgba& o = out[size_t(y) * size_t(FWidth) + size_t(x)];
                o = a > 0 ? TRgba{r / a, g / a, b / a, a} : TRgba{};
            }
        FPixels = std::move(out);
    };
    pass(true);
    pass(false);
}

void TArt::Fade(float factor) {
    for (TRgba& p : FPixels) p.A *= factor;
}

void TArt::Harden(float threshold) {
    for (TRgba& p : FPixels) p = p.A < threshold ? TRgba{} : WithAlpha(p, 1);
}

TArt TArt::FlippedVertically() const {
    TArt out(FWidth, FHeight);
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x) out.At(x, FHeight - 1 - y) = At(x, y);
    return out;
}

TArt TArt::Transposed() const {
    TArt out(FHeight, FWidth);
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x) out.At(y, x) = At(x, y);
    return out;
}

}  // namespace skinart
