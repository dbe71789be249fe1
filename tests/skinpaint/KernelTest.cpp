// The fast run kernels against the general ones, bit for bit, over every
// weight and run lengths that leave every kind of tail.
#include <gtest/gtest.h>

#include <vector>

#include "PaintTestKit.h"
#include "skinpaint/sPixelKernels.h"

using namespace skinpaint;
using namespace painttest;

namespace {

std::vector<uint8_t> Bytes(const gfx::TBitmap& b) { return {b.ScanLine(0), b.ScanLine(0) + b.Width() * 4}; }

}  // namespace

TEST(PixelKernels, FastBlendOverEqualsGeneralForEveryWeightAndLength) {
    const gfx::TBitmap dst = Noise(37, 1, 1), src = Noise(37, 1, 2);
    for (int a = 0; a <= 255; ++a)
        for (size_t n : {0, 1, 3, 4, 5, 8, 15, 16, 17, 37}) {
            std::vector<uint8_t> general = Bytes(dst), fast = Bytes(dst);
            kernels::BlendOverGeneral(general.data(), src.ScanLine(0), n, a);
            kernels::BlendOverFast(fast.data(), src.ScanLine(0), n, a);
            ASSERT_EQ(general, fast) << "a " << a << ", " << n << " pixels";
        }
}

TEST(PixelKernels, FastAlphaOverEqualsGeneralForEveryAlphaPair) {
    // Row sa holds every destination alpha under source alpha sa, mixed colours.
    gfx::TBitmap dst(256, 256), src(256, 256);
    const gfx::TBitmap colours = Noise(256, 256, 3);
    for (int sa = 0; sa < 256; ++sa)
        for (int da = 0; da < 256; ++da) {
            const uint32_t c = Px(colours, da, sa);
            SetPx(src, da, sa, (c & 0xFFFFFF) | uint32_t(sa) << 24);
            SetPx(dst, da, sa, (~c & 0xFFFFFF) | uint32_t(da) << 24);
        }
    for (int row = 0; row < 256; ++row)
        for (size_t n : {size_t(1), size_t(6), size_t(256)}) {
            std::vector<uint8_t> general(dst.ScanLine(row), dst.ScanLine(row) + 1024), fast = general;
            kernels::AlphaOverGeneral(general.data(), src.ScanLine(row), n, 100);
            kernels::AlphaOverFast(fast.data(), src.ScanLine(row), n);
            ASSERT_EQ(general, fast) << "source alpha " << row << ", " << n << " pixels";
        }
}

TEST(PixelKernels, SeeThroughBlocksOfTheFastAlphaPathChangeNothing) {
    gfx::TBitmap src = Noise(8, 1, 4), dst = Noise(8, 1, 5);
    for (int x = 0; x < 8; ++x) SetPx(src, x, 0, Px(src, x, 0) & 0xFFFFFF);
    std::vector<uint8_t> before = Bytes(dst), after = Bytes(dst);
    kernels::AlphaOverFast(after.data(), src.ScanLine(0), 8);
    EXPECT_EQ(before, after);
}

TEST(PixelKernels, ArithmeticAtTheEnds) {
    // a = 0 copies the source as (s * 255 + 127) >> 8: white becomes 254.
    uint8_t d[4] = {0, 0, 0, 0};
    const uint8_t white[4] = {255, 255, 255, 255};
    kernels::BlendOverRun(d, white, 1, 0);
    EXPECT_EQ(d[0], 254);
    EXPECT_EQ(d[3], 254);
    // An opaque white source over black: (255 * 255) >> 8 = 254, alpha full.
    uint8_t e[4] = {0, 0, 0, 0};
    kernels::AlphaOverRun(e, white, 1, 100);
    EXPECT_EQ(e[0], 254);
    EXPECT_EQ(e[3], 255);
    // Half the source alpha through the weight: x = 255 * 50 / 100 = 127.
    uint8_t f[4] = {0, 0, 0, 0};
    kernels::AlphaOverRun(f, white, 1, 50);
    EXPECT_EQ(f[0], (255 * 127) >> 8);
    EXPECT_EQ(f[3], 127);
}

TEST(PixelKernels, MaskBlendKeepsTheDestinationUnderWhiteAndTakesThePictureUnderBlack) {
    const uint8_t picture[4] = {10, 20, 30, 255}, white[4] = {255, 255, 255, 255}, black[4] = {0, 0, 0, 255};
    uint8_t kept[4] = {200, 150, 100, 255}, taken[4] = {200, 150, 100, 0};
    kernels::MaskBlendPixel(kept, picture, white);
    kernels::MaskBlendPixel(taken, picture, black);
    EXPECT_EQ(std::vector<int>(kept, kept + 4), (std::vector<int>{200, 150, 100, 255}));
    EXPECT_EQ(std::vector<int>(taken, taken + 4), (std::vector<int>{10, 20, 30, 255}));
}
