// Windows BMP files, read and written with our own code.
#include <algorithm>
#include <bit>
#include <cstring>

#include "gfx/ImageCodecs.h"
#include "gfx/PixelAccess.h"

namespace gfx {

namespace {

constexpr uint32_t BI_RGB = 0, BI_BITFIELDS = 3;

[[noreturn]] void Invalid(const char* why) { throw EInvalidGraphic(std::string("Bitmap image is not valid: ") + why); }

class TBytes {
public:
    explicit TBytes(std::string_view data) : FData(data) {}
    uint32_t U32(size_t at) const { return uint32_t(U16(at)) | uint32_t(U16(at + 2)) << 16; }
    uint16_t U16(size_t at) const {
        if (at > FData.size() || FData.size() - at < 2) Invalid("truncated");
        return uint16_t(uint8_t(FData[at]) | uint8_t(FData[at + 1]) << 8);
    }
    const uint8_t* At(size_t at) const { return reinterpret_cast<const uint8_t*>(FData.data()) + at; }
    size_t Size() const { return FData.size(); }

private:
    std::string_view FData;
};

// One channel of a BITFIELDS pixel, scaled to 0..255.
struct TMaskChannel {
    uint32_t Mask = 0;
    int Shift = 0;
    uint32_t Max = 0;
    explicit TMaskChannel(uint32_t mask) : Mask(mask) {
        if (!mask) return;
        Shift = std::countr_zero(mask);
        Max = mask >> Shift;
    }
    uint8_t Of(uint32_t pixel) const { return Mask ? uint8_t(((pixel & Mask) >> Shift) * 255 / Max) : 0; }
};

void PutLE(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(char((value >> (8 * i)) & 0xFF));
}

}  // namespace

TBitmap ReadBmp(std::string_view data) {
    const TBytes in(data);
    if (data.size() < 26 || data[0] != 'B' || data[1] != 'M') Invalid("no BMP signature");
    const uint32_t pixelsAt = in.U32(10);
    const uint32_t headerSize = in.U32(14);
    int64_t width, height;
    unsigned bits;
    uint32_t compression = BI_RGB, colorsUsed = 0;
    size_t paletteEntry = 4;
    if (headerSize == 12) {
        width = in.U16(18);
        height = int16_t(in.U16(20));
        bits = in.U16(24);
        paletteEntry = 3;
    } else if (headerSize >= 40) {
        width = int32_t(in.U32(18));
        height = int32_t(in.U32(22));
        bits = in.U16(28);
        compression = in.U32(30);
        colorsUsed = in.U32(46);
    } else {
        Invalid("unknown header");
    }
    if (width <= 0 || height == 0) Invalid("empty size");
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) Invalid("unsupported bit count");
    if (compression != BI_RGB && !(compression == BI_BITFIELDS && bits == 32)) Invalid("unsupported compression");
    const bool topDown = height < 0;
    if (topDown) height = -height;
    if (width > TBitmap::MaxBitmapSide || height > TBitmap::MaxBitmapSide) Invalid("too large");

    const int64_t rowSize = (width * bits + 31) / 32 * 4;
    if (pixelsAt > data.size() || int64_t(data.size() - pixelsAt) < rowSize * height) Invalid("truncated");

    size_t paletteAt = 14 + size_t(headerSize);
    TMaskChannel red(0xFF0000), green(0xFF00), blue(0xFF), alpha(0xFF000000);
    if (compression == BI_BITFIELDS) {
        red = TMaskChannel(in.U32(54));
        green = TMaskChannel(in.U32(58));
        blue = TMaskChannel(in.U32(62));
        const uint32_t alphaMask = headerSize >= 56 ? in.U32(66) : 0;
        // As in uncompressed files, a byte that the colours leave free is alpha.
        const uint32_t used = red.Mask | green.Mask | blue.Mask;
        alpha = TMaskChannel(alphaMask ? alphaMask : (used & 0xFF000000) ? 0 : 0xFF000000);
        if (headerSize == 40) paletteAt += 12;
    }
    TBgra palette[256] = {};
    if (bits <= 8) {
        // Entries that the file leaves out before the pixels read as black.
        size_t count = colorsUsed && colorsUsed < (1u << bits) ? colorsUsed : (1u << bits);
        const size_t end = std::min<size_t>(pixelsAt, data.size());
        count = std::min(count, end > paletteAt ? (end - paletteAt) / paletteEntry : 0);
        for (size_t i = 0; i < count; ++i) {
            const uint8_t* p = in.At(paletteAt + i * paletteEntry);
            palette[i] = {p[0], p[1], p[2], 255};
        }
    }

    TBitmap bitmap(int(width), int(height), bits == 32 ? pf32bit : pf24bit);
    for (int y = 0; y < bitmap.Height(); ++y) {
        const uint8_t* src = in.At(pixelsAt + size_t(rowSize) * size_t(topDown ? y : bitmap.Height() - 1 - y));
        uint8_t* dst = bitmap.ScanLine(y);
        if (bits == 24) {
            std::memcpy(dst, src, size_t(width) * 3);
        } else if (bits == 32) {
            for (int x = 0; x < bitmap.Width(); ++x, src += 4, dst += 4) {
                const uint32_t v = uint32_t(src[0]) | uint32_t(src[1]) << 8 | uint32_t(src[2]) << 16 | uint32_t(src[3]) << 24;
                TPixel<pf32bit>::Store(dst, {blue.Of(v), green.Of(v), red.Of(v), alpha.Of(v)});
            }
        } else {
            const unsigned perByte = 8 / bits, mask = (1u << bits) - 1;
            for (int x = 0; x < bitmap.Width(); ++x, dst += 3) {
                const unsigned shift = 8 - bits * (x % perByte + 1);
                TPixel<pf24bit>::Store(dst, palette[(src[x / perByte] >> shift) & mask]);
            }
        }
    }
    return bitmap;
}

std::string WriteBmp(const TBitmap& bitmap) {
    if (bitmap.Empty()) throw EInvalidGraphic("An empty bitmap cannot be written as BMP");
    const int bits = bitmap.BytesPerPixel() * 8;
    const uint32_t rowSize = uint32_t((bitmap.Width() * bits + 31) / 32 * 4);
    const uint32_t paletteSize = bits == 8 ? 256 * 4 : 0;
    const uint32_t pixelsAt = 14 + 40 + paletteSize;
    std::string out;
    out.reserve(pixelsAt + size_t(rowSize) * bitmap.Height());
    out += "BM";
    PutLE(out, pixelsAt + rowSize * uint32_t(bitmap.Height()), 4);
    PutLE(out, 0, 4);
    PutLE(out, pixelsAt, 4);
    PutLE(out, 40, 4);
    PutLE(out, uint32_t(bitmap.Width()), 4);
    PutLE(out, uint32_t(bitmap.Height()), 4);
    PutLE(out, 1, 2);
    PutLE(out, uint32_t(bits), 2);
    PutLE(out, BI_RGB, 4);
    PutLE(out, rowSize * uint32_t(bitmap.Height()), 4);
    PutLE(out, 3780, 4);  // 96 dpi in pixels per metre
    PutLE(out, 3780, 4);
    PutLE(out, bits == 8 ? 256 : 0, 4);
    PutLE(out, 0, 4);
    for (uint32_t i = 0; i < paletteSize / 4; ++i) PutLE(out, i | i << 8 | i << 16, 4);
    for (int y = bitmap.Height() - 1; y >= 0; --y) {
        const size_t start = out.size();
        out.append(reinterpret_cast<const char*>(bitmap.ScanLine(y)), size_t(bitmap.Width()) * bitmap.BytesPerPixel());
        out.resize(start + rowSize, '\0');
    }
    return out;
}

}  // namespace gfx
