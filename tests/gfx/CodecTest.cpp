#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string_view>

#include "PixelHelpers.h"
#include "gfx/ImageCodecs.h"

using namespace gfx;
using namespace gfxtest;

namespace {

std::string ReadData(const std::string& name) {
    std::ifstream in(std::string(GFX_TEST_DATA) + "/" + name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void Put(std::string& s, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) s.push_back(char(v >> (8 * i)));
}

// A BMP file with a BITMAPINFOHEADER (or, with a 12-byte header size, a core
// header), an optional palette or colour masks, and the given pixel rows.
std::string Bmp(int width, int height, int bits, const std::string& extra, const std::string& pixels,
                uint32_t compression = 0, uint32_t headerSize = 40, uint32_t colorsUsed = 0) {
    std::string s = "BM";
    const uint32_t pixelsAt = 14 + headerSize + uint32_t(extra.size());
    Put(s, pixelsAt + uint32_t(pixels.size()), 4);
    Put(s, 0, 4);
    Put(s, pixelsAt, 4);
    Put(s, headerSize, 4);
    if (headerSize == 12) {
        Put(s, uint32_t(width), 2), Put(s, uint32_t(height), 2), Put(s, 1, 2), Put(s, uint32_t(bits), 2);
    } else {
        Put(s, uint32_t(width), 4), Put(s, uint32_t(height), 4), Put(s, 1, 2), Put(s, uint32_t(bits), 2);
        Put(s, compression, 4), Put(s, uint32_t(pixels.size()), 4), Put(s, 0, 4), Put(s, 0, 4);
        Put(s, colorsUsed, 4), Put(s, 0, 4);
        if (headerSize > 40) s.append(headerSize - 40, '\0');
    }
    return s + extra + pixels;
}

std::string Palette(std::initializer_list<uint32_t> colours, int entryBytes = 4) {
    std::string s;
    for (uint32_t c : colours) Put(s, c, entryBytes);
    return s;
}

uint32_t Bgr(const TBitmap& b, int x, int y) {
    const uint8_t* p = b.ScanLine(y) + x * 3;
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16;
}

}  // namespace

TEST(BmpReader, PalettedFilesOfOneFourAndEightBitsBecome24Bit) {
    // Bottom-up: the first stored row is the bottom one.
    const std::string one = Bmp(3, 2, 1, Palette({0x000000, 0xFFFFFF}), std::string("\xA0\0\0\0\x40\0\0\0", 8));
    TBitmap b = ReadBmp(one);
    EXPECT_EQ(b.PixelFormat(), pf24bit);
    EXPECT_EQ(Bgr(b, 0, 0), 0u);
    EXPECT_EQ(Bgr(b, 1, 0), 0xFFFFFFu);
    EXPECT_EQ(Bgr(b, 0, 1), 0xFFFFFFu);
    EXPECT_EQ(Bgr(b, 2, 1), 0xFFFFFFu);

    const std::string four =
        Bmp(3, 1, 4, Palette({0x0000FF, 0x00FF00, 0xFF0000}), std::string("\x21\x00\0\0", 4), 0, 40, 3);
    b = ReadBmp(four);
    EXPECT_EQ(Bgr(b, 0, 0), 0xFF0000u);
    EXPECT_EQ(Bgr(b, 1, 0), 0x00FF00u);
    EXPECT_EQ(Bgr(b, 2, 0), 0x0000FFu);

    // An index beyond the palette reads as black.
    const std::string eight = Bmp(2, 1, 8, Palette({0x123456}), std::string("\x00\x09\0\0", 4), 0, 40, 1);
    b = ReadBmp(eight);
    EXPECT_EQ(Bgr(b, 0, 0), 0x123456u);
    EXPECT_EQ(Bgr(b, 1, 0), 0u);
}

TEST(BmpReader, TopDownCoreHeaderAndBitfieldFiles) {
    // Negative height: rows stored top first.
    std::string rows = std::string("\x01\x02\x03\x00", 4) + std::string("\x04\x05\x06\x00", 4);
    TBitmap b = ReadBmp(Bmp(1, -2, 24, "", rows));
    EXPECT_EQ(Bgr(b, 0, 0), 0x030201u);
    EXPECT_EQ(Bgr(b, 0, 1), 0x060504u);

    b = ReadBmp(Bmp(1, 1, 8, Palette({0xAABBCC}, 3), std::string("\0\0\0\0", 4), 0, 12));
    EXPECT_EQ(Bgr(b, 0, 0), 0xAABBCCu);

    // 32 bits with masks for red in the low byte and alpha in the top byte.
    std::string masks;
    Put(masks, 0x000000FF, 4), Put(masks, 0x0000FF00, 4), Put(masks, 0x00FF0000, 4);
    b = ReadBmp(Bmp(1, 1, 32, masks, std::string("\x11\x22\x33\x44", 4), 3));
    EXPECT_EQ(b.PixelFormat(), pf32bit);
    EXPECT_EQ(Px(b, 0, 0), 0x44112233u);
}

TEST(BmpReader, MalformedFilesRaiseAClearError) {
    const std::string good = Bmp(2, 2, 24, "", std::string(16, '\x7F'));
    EXPECT_NO_THROW(ReadBmp(good));
    for (size_t cut : {0ul, 2ul, 20ul, 40ul, good.size() - 1})
        EXPECT_THROW(ReadBmp(good.substr(0, cut)), EInvalidGraphic);
    EXPECT_THROW(ReadBmp("XY" + good.substr(2)), EInvalidGraphic);
    EXPECT_THROW(ReadBmp(Bmp(0, 2, 24, "", "")), EInvalidGraphic);
    EXPECT_THROW(ReadBmp(Bmp(2, 2, 16, "", std::string(16, '\0'))), EInvalidGraphic);
    EXPECT_THROW(ReadBmp(Bmp(2, 2, 8, "", std::string(16, '\0'), 1)), EInvalidGraphic);  // RLE8
    EXPECT_THROW(ReadBmp(Bmp(2, 2, 24, "", std::string(16, '\0'), 0, 20)), EInvalidGraphic);
    // A header that claims a huge picture over a few bytes fails before allocating.
    EXPECT_THROW(ReadBmp(Bmp(30000, 30000, 24, "", std::string(16, '\0'))), EInvalidGraphic);
    EXPECT_THROW(ReadBmp(Bmp(20000, 20000, 1, "", std::string(16, '\0'))), EInvalidGraphic);
    try {
        ReadBmp(good.substr(0, 60));
        FAIL();
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "Bitmap image is not valid: truncated");
    }
}

// Both writers against their readers, for each format the program stores:
// 32 bits keep colour and alpha exactly (a fully transparent magenta pixel
// included), 24 bits keep colour, and 8-bit grey comes back as 24-bit grey.
struct TCodec {
    const char* Name;
    std::string (*Write)(const TBitmap&);
    TBitmap (*Read)(std::string_view);
};

const TCodec Codecs[] = {{"BMP", WriteBmp, ReadBmp}, {"PNG", WritePng, ReadPng}};

TEST(CodecRoundTrip, EveryFormatComesBackUnchangedThroughBmpAndPng) {
    auto picture = [] {
        TBitmap b = Numbered(7, 5);
        SetPx(b, 3, 3, 0x00FF00FFu);
        return b;
    };
    const TBitmap b32 = picture();
    TBitmap b24 = picture();
    b24.SetPixelFormat(pf24bit);
    TBitmap grey(3, 2, pf8bit);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) grey.ScanLine(y)[x] = uint8_t(5 + 70 * x + 30 * y);

    for (const TCodec& codec : Codecs) {
        SCOPED_TRACE(codec.Name);
        TBitmap back = codec.Read(codec.Write(b32));
        ASSERT_EQ(back.PixelFormat(), pf32bit);
        ASSERT_EQ(back.Width(), 7);
        ASSERT_EQ(back.Height(), 5);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x) EXPECT_EQ(Px(back, x, y), Px(b32, x, y)) << x << "," << y;

        back = codec.Read(codec.Write(b24));
        ASSERT_EQ(back.PixelFormat(), pf24bit);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x) EXPECT_EQ(Bgr(back, x, y), Bgr(b24, x, y)) << x << "," << y;

        back = codec.Read(codec.Write(grey));
        ASSERT_EQ(back.PixelFormat(), pf24bit);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x) EXPECT_EQ(Bgr(back, x, y), grey.ScanLine(y)[x] * 0x010101u) << x << "," << y;

        EXPECT_THROW(codec.Write(TBitmap()), EInvalidGraphic);
    }
}

TEST(PngReader, MalformedAndOversizedFilesRaiseAClearError) {
    const std::string good = WritePng(Numbered(20, 20));
    for (size_t cut : {0ul, 8ul, 33ul, good.size() / 2, good.size() - 13})
        EXPECT_THROW(ReadPng(good.substr(0, cut)), EInvalidGraphic);
    std::string corrupt = good;
    corrupt[40] ^= 0x55;  // inside the image data: its checksum fails
    EXPECT_THROW(ReadPng(corrupt), EInvalidGraphic);
    // Claims 20000 x 20000 pixels in an 80-byte file.
    std::string huge = good;
    for (int i : {16, 20}) huge[i] = 0, huge[i + 1] = 0, huge[i + 2] = char(0x4E), huge[i + 3] = char(0x20);
    EXPECT_THROW(ReadPng(huge), EInvalidGraphic);
}

TEST(JpegReader, DecodesColourGreyProgressiveAndCmykFiles) {
    for (const char* name : {"rgb.jpg", "progressive.jpg", "cmyk.jpg"}) {
        TBitmap b = ReadJpeg(ReadData(name));
        ASSERT_EQ(b.Width(), 16) << name;
        ASSERT_EQ(b.Height(), 8);
        EXPECT_EQ(b.PixelFormat(), pf24bit);
        const uint8_t* left = b.ScanLine(4) + 2 * 3;    // red
        const uint8_t* right = b.ScanLine(4) + 13 * 3;  // blue
        EXPECT_LT(left[0], 24) << name;
        EXPECT_GT(left[2], 230) << name;
        EXPECT_GT(right[0], 230) << name;
        EXPECT_LT(right[2], 24) << name;
    }
    TBitmap grey = ReadJpeg(ReadData("grey.jpg"));
    const uint8_t* p = grey.ScanLine(0);
    EXPECT_EQ(p[0], p[1]);
    EXPECT_EQ(p[1], p[2]);
}

TEST(JpegReader, MalformedAndTruncatedFilesRaiseAClearError) {
    const std::string good = ReadData("rgb.jpg");
    ASSERT_FALSE(good.empty());
    for (size_t cut : {0ul, 2ul, 20ul, good.size() / 2, good.size() - 30})
        EXPECT_THROW(ReadJpeg(good.substr(0, cut)), EInvalidGraphic) << cut;
    EXPECT_THROW(ReadJpeg("not a picture"), EInvalidGraphic);
}

TEST(ImageReader, TellsFormatsApartByTheirFirstBytes) {
    EXPECT_EQ(ReadImage(ReadData("rgb.jpg")).Width(), 16);
    EXPECT_EQ(ReadImage(WritePng(Numbered(3, 2))).Width(), 3);
    EXPECT_EQ(ReadImage(WriteBmp(Numbered(4, 2))).Width(), 4);
    EXPECT_THROW(ReadImage("GIF89a"), EInvalidGraphic);
}
