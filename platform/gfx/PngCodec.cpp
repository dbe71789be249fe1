// PNG through libpng's simplified interface, which converts every colour type
// and bit depth to 8-bit BGR or BGRA for us.
#include <png.h>

#include "gfx/ImageCodecs.h"

namespace gfx {

namespace {

// Deflate expands at most 1032 times and a pixel takes at least one bit, so a
// file this small cannot hold that many pixels: refuse before allocating.
constexpr int64_t MaxPixelsPerByte = 8 * 1032;

struct TPngImage : png_image {
    TPngImage() : png_image{} { version = PNG_IMAGE_VERSION; }
    ~TPngImage() { png_image_free(this); }
    [[noreturn]] void Fail() const { throw EInvalidGraphic(std::string("PNG image is not valid: ") + message); }
};

}  // namespace

TBitmap ReadPng(std::string_view data) {
    TPngImage image;
    if (!png_image_begin_read_from_memory(&image, data.data(), data.size())) image.Fail();
    if (image.width > unsigned(TBitmap::MaxBitmapSide) || image.height > unsigned(TBitmap::MaxBitmapSide) ||
        int64_t(image.width) * image.height > MaxPixelsPerByte * int64_t(data.size()))
        throw EInvalidGraphic("PNG image is not valid: too large");
    const bool alpha = image.format & PNG_FORMAT_FLAG_ALPHA;
    image.format = alpha ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
    TBitmap bitmap(int(image.width), int(image.height), alpha ? pf32bit : pf24bit);
    if (!png_image_finish_read(&image, nullptr, bitmap.ScanLine(0), bitmap.Stride(), nullptr)) image.Fail();
    return bitmap;
}

std::string WritePng(const TBitmap& bitmap) {
    if (bitmap.Empty()) throw EInvalidGraphic("An empty bitmap cannot be written as PNG");
    TPngImage image;
    image.width = png_uint_32(bitmap.Width());
    image.height = png_uint_32(bitmap.Height());
    image.format = bitmap.PixelFormat() == pf32bit   ? PNG_FORMAT_BGRA
                   : bitmap.PixelFormat() == pf24bit ? PNG_FORMAT_BGR
                                                     : PNG_FORMAT_GRAY;
    png_alloc_size_t size = 0;
    if (!png_image_write_get_memory_size(image, size, 0, bitmap.ScanLine(0), bitmap.Stride(), nullptr))
        image.Fail();
    std::string out(size, '\0');
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, bitmap.ScanLine(0), bitmap.Stride(), nullptr))
        image.Fail();
    out.resize(size);
    return out;
}

}  // namespace gfx
