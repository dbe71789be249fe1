#include "gfx/TBitmap.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "gfx/PixelAccess.h"
#include "gfx/TCanvas.h"
#include "rtl/IntConvert.h"

namespace gfx {

namespace {

template <TPixelFormat From, TPixelFormat To>
void ConvertRows(const TBitmap& src, TBitmap& dst) {
    for (int y = 0; y < src.Height(); ++y) {
        const uint8_t* s = src.ScanLine(y);
        uint8_t* d = dst.ScanLine(y);
        for (int x = 0; x < src.Width(); ++x, s += TPixel<From>::Size, d += TPixel<To>::Size) {
            TBgra p = TPixel<From>::Load(s);
            if constexpr (From != pf32bit) p.A = 0;
            TPixel<To>::Store(d, p);
        }
    }
}

}  // namespace

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height, TPixelFormat format) : FPixelFormat(format) {
    SetSize(width, height);
}

TBitmap::~TBitmap() = default;

TBitmap::TBitmap(TBitmap&& other) noexcept { *this = std::move(other); }

TBitmap& TBitmap::operator=(TBitmap&& other) noexcept {
    if (this == &other) return *this;
    FWidth = std::exchange(other.FWidth, 0);
    FHeight = std::exchange(other.FHeight, 0);
    FStride = std::exchange(other.FStride, 0);
    FPixelFormat = other.FPixelFormat;
    FBits = std::move(other.FBits);
    FTransparent = other.FTransparent;
    FTransparentMode = other.FTransparentMode;
    FTransparentColor = other.FTransparentColor;
    // A canvas belongs to its bitmap object, not to the pixels.
    FCanvas.reset();
    other.FCanvas.reset();
    return *this;
}

void TBitmap::Assign(const TBitmap& source) {
    if (this == &source) return;
    FWidth = source.FWidth;
    FHeight = source.FHeight;
    FStride = source.FStride;
    FPixelFormat = source.FPixelFormat;
    FBits = source.FBits;
    FTransparent = source.FTransparent;
    FTransparentMode = source.FTransparentMode;
    FTransparentColor = source.FTransparentColor;
}

int TBitmap::BytesPerPixelOf(TPixelFormat format) {
    return format == pf32bit ? 4 : format == pf24bit ? 3 : 1;
}

int TBitmap::StrideOf(int width, TPixelFormat format) {
    const int bytes = width * BytesPerPixelOf(format);
    return format == pf32bit ? bytes : (bytes + 3) & ~3;
}

void TBitmap::SetSize(int width, int height) {
    if (width < 0 || height < 0 || width > MaxBitmapSide || height > MaxBitmapSide ||
        int64_t(width) * height > MaxBitmapPixels)
        throw EInvalidGraphic("Bitmap size " + rtl::IntToStr(width) + " x " + rtl::IntToStr(height) +
                              " is not possible");
    if (width == FWidth && height == FHeight) return;
    const int stride = StrideOf(width, FPixelFormat);
    std::vector<uint8_t> bits(size_t(stride) * size_t(height));
    const size_t keep = size_t(std::min(stride, FStride));
    for (int y = 0; y < std::min(height, FHeight); ++y)
        std::memcpy(bits.data() + size_t(y) * stride, ScanLine(y), keep);
    FBits = std::move(bits);
    FWidth = width;
    FHeight = height;
    FStride = stride;
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
    if (format == FPixelFormat) return;
    TBitmap converted(FWidth, FHeight, format);
    WithFormat(FPixelFormat, [&]<TPixelFormat From>() {
        WithFormat(format, [&]<TPixelFormat To>() { ConvertRows<From, To>(*this, converted); });
    });
    FBits = std::move(converted.FBits);
    FStride = converted.FStride;
    FPixelFormat = format;
}

TColor TBitmap::TransparentColor() const {
    if (FTransparentMode == tmFixed || Empty()) return FTransparentColor;
    return BgraToColor(LoadPixel(*this, 0, FHeight - 1));
}

void TBitmap::SetTransparentColor(TColor color) {
    FTransparentColor = color;
    FTransparentMode = tmFixed;
}

TCanvas& TBitmap::Canvas() {
    if (!FCanvas) FCanvas = std::make_unique<TCanvas>(*this);
    return *FCanvas;
}

}  // namespace gfx
