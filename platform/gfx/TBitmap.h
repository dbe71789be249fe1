#pragma once
// A device-independent bitmap: plain contiguous memory, rows top-down, each row
// Stride() bytes from the previous one, so pixel loops take ScanLine(y) once per
// row and walk it.
//
// Formats: pf32bit is blue, green, red, alpha (alpha 255 is opaque); pf24bit is
// blue, green, red with rows padded to four bytes; pf8bit is one grey byte per
// pixel (0 black, 255 white), rows padded to four bytes.
//
// A new or enlarged area is zero: black, and for pf32bit alpha 0. Changing the
// format converts the picture: to pf32bit the alpha byte is 0 (the source had
// none, and skin loaders decide it themselves); to pf8bit the grey is the
// luminance (77 R + 150 G + 29 B) / 256 rounded.
#include <cstdint>
#include <memory>
#include <vector>

#include "gfx/Colors.h"
#include "rtl/Exceptions.h"

namespace gfx {

class TCanvas;

// A picture that cannot be made: malformed or truncated image data, an
// unsupported kind of image, or a size beyond the limits below.
class EInvalidGraphic : public rtl::Exception { using Exception::Exception; };

enum TPixelFormat { pf8bit, pf24bit, pf32bit };
enum TTransparentMode { tmAuto, tmFixed };

class TBitmap {
public:
    // Neither side may exceed this, nor the picture MaxBitmapPixels pixels, so
    // that no size read from a file asks for gigabytes.
    static constexpr int MaxBitmapSide = 32767;
    static constexpr int64_t MaxBitmapPixels = int64_t(1) << 26;

    TBitmap();
    TBitmap(int width, int height, TPixelFormat format = pf32bit);
    ~TBitmap();
    TBitmap(TBitmap&& other) noexcept;
    TBitmap& operator=(TBitmap&& other) noexcept;
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;
    // Copies picture, format and transparency settings.
    void Assign(const TBitmap& source);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    bool Empty() const { return FWidth == 0 || FHeight == 0; }
    // Keeps the part of the old picture that still fits, at the top-left. Raises
    // EInvalidGraphic for a negative or too large size.
    void SetSize(int width, int height);

    TPixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TPixelFormat format);
    int BytesPerPixel() const { return BytesPerPixelOf(FPixelFormat); }
    static int BytesPerPixelOf(TPixelFormat format);
    int Stride() const { return FStride; }

    uint8_t* ScanLine(int y) { return FBits.data() + size_t(y) * size_t(FStride); }
    const uint8_t* ScanLine(int y) const { return FBits.data() + size_t(y) * size_t(FStride); }

    // Drawn with its transparent colour left out (TCanvas::Draw). In tmAuto the
    // transparent colour is that of the bottom-left pixel.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value) { FTransparent = value; }
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode mode) { FTransparentMode = mode; }
    TColor TransparentColor() const;
    // Also switches to tmFixed.
    void SetTransparentColor(TColor color);

    TCanvas& Canvas();

private:
    static int StrideOf(int width, TPixelFormat format);

    int FWidth = 0;
    int FHeight = 0;
    int FStride = 0;
    TPixelFormat FPixelFormat = pf32bit;
    std::vector<uint8_t> FBits;
    bool FTransparent = false;
    TTransparentMode FTransparentMode = tmAuto;
    TColor FTransparentColor = 0;
    std::unique_ptr<TCanvas> FCanvas;
};

}  // namespace gfx
