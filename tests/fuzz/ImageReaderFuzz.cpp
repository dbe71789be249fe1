// One image reader (READER: ReadBmp, ReadPng or ReadJpeg) on arbitrary bytes:
// it either raises EInvalidGraphic or gives a picture within the size limits,
// and for the lossless formats that picture survives its own writer unchanged.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "gfx/ImageCodecs.h"

#ifdef WRITER
namespace {

bool SamePixels(const gfx::TBitmap& a, const gfx::TBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height() || a.PixelFormat() != b.PixelFormat()) return false;
    for (int y = 0; y < a.Height(); ++y)
        if (std::memcmp(a.ScanLine(y), b.ScanLine(y), size_t(a.Width()) * a.BytesPerPixel()) != 0) return false;
    return true;
}

}  // namespace
#endif

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        const gfx::TBitmap picture = gfx::READER(bytes);
        if (picture.Empty() || int64_t(picture.Width()) * picture.Height() > gfx::TBitmap::MaxBitmapPixels) abort();
#ifdef WRITER
        if (!SamePixels(picture, gfx::READER(gfx::WRITER(picture)))) abort();
#endif
    } catch (const gfx::EInvalidGraphic&) {
    }
    return 0;
}
