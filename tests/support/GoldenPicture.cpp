#include "GoldenPicture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "gfx/ImageCodecs.h"
#include "gfx/TCanvas.h"

namespace golden {

int DifferenceFromGolden(const gfx::TBitmap& picture, const std::string& folder, const std::string& name) {
    const std::string path = folder + "/" + name + ".png";
    if (std::getenv("KESTRUNE_UPDATE_GOLDEN")) std::ofstream(path, std::ios::binary) << gfx::WritePng(picture);
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const gfx::TBitmap expected = gfx::ReadPng(bytes.str());
    int differing = 0;
    if (expected.Width() != picture.Width() || expected.Height() != picture.Height() ||
        expected.PixelFormat() != picture.PixelFormat()) {
        differing = -1;
    } else {
        const int bytesPerPixel = picture.PixelFormat() == gfx::pf32bit   ? 4
                                  : picture.PixelFormat() == gfx::pf24bit ? 3
                                                                          : 1;
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x)
                differing += std::memcmp(expected.ScanLine(y) + x * bytesPerPixel,
                                         picture.ScanLine(y) + x * bytesPerPixel, size_t(bytesPerPixel)) != 0;
    }
    if (differing) std::ofstream(name + "-actual.png", std::ios::binary) << gfx::WritePng(picture);
    return differing;
}

void ExpectGoldenColours(const gfx::TBitmap& picture, const std::string& folder, const std::string& name) {
    gfx::TBitmap colours;
    colours.Assign(picture);
    colours.SetPixelFormat(gfx::pf24bit);
    EXPECT_EQ(DifferenceFromGolden(colours, folder, name), 0) << "see " << name << "-actual.png beside the test program";
}

gfx::TBitmap SideBySide(const std::vector<gfx::TBitmap>& pictures, int gap) {
    int width = 0, height = 0;
    for (const gfx::TBitmap& picture : pictures) {
        width += picture.Width() + (width ? gap : 0);
        height = std::max(height, picture.Height());
    }
    gfx::TBitmap sheet;
    sheet.SetPixelFormat(gfx::pf24bit);
    sheet.SetSize(width, height);
    sheet.Canvas().Brush.Color = gfx::clWhite;
    sheet.Canvas().FillRect(gfx::Bounds(0, 0, width, height));
    int x = 0;
    for (const gfx::TBitmap& picture : pictures) {
        sheet.Canvas().Draw(x, 0, picture);
        x += picture.Width() + gap;
    }
    return sheet;
}

}  // namespace golden
