#include "TMasterAtlas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "gfx/PixelAccess.h"

namespace skinart {

namespace {

unsigned char Byte(float v) { return static_cast<unsigned char>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255)); }

}  // namespace

void TMasterAtlas::Grow(int height) {
    if (height <= FHeight) return;
    FPixels.resize(size_t(FWidth) * size_t(height));
    FHeight = height;
}

TMasterAtlas::TPixel& TMasterAtlas::At(int x, int y) { return FPixels[size_t(y) * size_t(FWidth) + size_t(x)]; }

bool TMasterAtlas::Overlaps(int x, int y, int w, int h) const {
    for (const TPlaced& p : FPlaced)
        if (x < p.Right() && p.X < x + w && y < p.Bottom() && p.Y < y + h) return true;
    return false;
}

void TMasterAtlas::Write(const TPlaced& at, const std::vector<TArt>& frames, TRgba matte) {
    if (at.Right() > FWidth || Overlaps(at.X, at.Y, at.Right() - at.X, at.Bottom() - at.Y))
        throw std::logic_error("master piece does not fit");
    // All rows at once, so that no pixel reference below outlives a resize.
    Grow(at.Bottom());
    for (int s = 0; s < at.States; ++s) {
        const TArt& frame = frames[size_t(s)];
        for (int y = 0; y < at.FrameHeight; ++y)
            for (int x = 0; x < at.FrameWidth; ++x) {
                const TRgba& c = frame.At(x, y);
                TPixel& p = At(at.X + s * at.FrameWidth + x, at.Y + y);
                if (at.MaskKind == 1) {
                    // The mask says how much of what lies below shows through.
                    TPixel& m = At(at.X + s * at.FrameWidth + x, at.Y + at.FrameHeight + y);
                    m.R = m.G = m.B = Byte(1 - c.A);
                    if (IsBlank(c)) continue;
                    p = {Byte(c.R), Byte(c.G), Byte(c.B)};
                } else {
                    if (c.A < 1.0f / 512) continue;
                    const TRgba o = Mix(matte, WithAlpha(c, 1), c.A);
                    p = {Byte(o.R), Byte(o.G), Byte(o.B)};
                }
                // A colour that rounds to the key would vanish.
                if (p.R == 255 && p.G == 0 && p.B == 255) p.G = 1;
            }
    }
    FPlaced.push_back(at);
}

TPlaced TMasterAtlas::PlaceAt(int x, int y, const std::vector<TArt>& frames, int maskKind, TRgba matte) {
    TPlaced at{x, y, frames[0].Width(), frames[0].Height(), static_cast<int>(frames.size()), maskKind};
    Write(at, frames, matte);
    return at;
}

TPlaced TMasterAtlas::Place(const std::vector<TArt>& frames, int maskKind, TRgba matte) {
    const int w = frames[0].Width() * static_cast<int>(frames.size());
    const int h = frames[0].Height() * (maskKind + 1);
    for (;;) {
        if (FShelfX + w > FWidth) {
            FShelfY += FShelfHeight + 1;
            FShelfX = 0;
            FShelfHeight = 0;
        }
        // Pieces placed at fixed positions are stepped over.
        const auto blocking = std::find_if(FPlaced.begin(), FPlaced.end(), [&](const TPlaced& p) {
            return FShelfX <= p.Right() && p.X <= FShelfX + w && FShelfY <= p.Bottom() && p.Y <= FShelfY + h;
        });
        if (blocking == FPlaced.end()) break;
        FShelfX = blocking->Right() + 1;
    }
    TPlaced at{FShelfX, FShelfY, frames[0].Width(), frames[0].Height(), static_cast<int>(frames.size()), maskKind};
    FShelfX += w + 1;
    FShelfHeight = std::max(FShelfHeight, h);
    Write(at, frames, matte);
    return at;
}

gfx::TBitmap TMasterAtlas::Bitmap() const {
    gfx::TBitmap bitmap(FWidth, FHeight, gfx::pf24bit);
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x) {
            const TPixel& p = FPixels[size_t(y) * size_t(FWidth) + size_t(x)];
            gfx::StorePixel(bitmap, x, y, {p.B, p.G, p.R, 255});
        }
    return bitmap;
}

std::string GlyphReference(const TPlaced& piece) {
    char text[64];
    std::snprintf(text, sizeof text, "@%04d@%04d@%04d@%04d@%d@%d", piece.X, piece.Y, piece.Right(), piece.Bottom(),
                  piece.States, piece.MaskKind);
    return text;
}

std::string FrameReference(const TPlaced& piece, int left, int top, int right, int bottom, int drawFlags,
                           int uniformMargin) {
    char text[96];
    std::snprintf(text, sizeof text, "^%04d^%04d^%04d^%04d^%04d^%04d^%04d^%04d^%d^%d^%d^%d", piece.X, piece.Y,
                  piece.Right(), piece.Bottom(), left, top, right, bottom, piece.States, piece.MaskKind, drawFlags,
                  uniformMargin);
    return text;
}

std::string TextureReference(const TPlaced& piece, int fillMode) {
    char text[64];
    std::snprintf(text, sizeof text, "~%04d~%04d~%04d~%04d~%02d~%d", piece.X, piece.Y, piece.Right(), piece.Bottom(),
                  fillMode, piece.MaskKind);
    return text;
}

}  // namespace skinart
