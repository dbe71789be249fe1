// The fast run kernels against the general ones, bit for bit, over every
// weight and run lengths that leave every kind of tail.
#include <gtest/gtest.h>

#include <vector>

#include "PaintTestKit.h"
#include "skinpaint/sPixelKernels.h"

using namespace skinpaint;
using namespace painttest;

namespace {

std::vector<uint8_t> Bytes(const gfx::TBitmap& b, int row = 0) { return {b.ScanLine(row), b.ScanLine(row) + b.Width() * 4}; }

// A fast kernel's whole vectors, the rest by the general kernel.
void BlendOverWith(const kernels::TFastKernels& set, uint8_t* d, const uint8_t* s, size_t n, int a) {
    const size_t done = set.BlendOver(d, s, n, a);
    kernels::BlendOverGeneral(d + done * 4, s + done * 4, n - done, a);
}
void AlphaOverWith(const kernels::TFastKernels& set, uint8_t* d, const uint8_t* s, size_t n) {
    const size_t done = set.AlphaOver(d, s, n);
    kernels::AlphaOverGeneral(d + done * 4, s + done * 4, n - done, 100);
}

}  // namespace

TEST(PixelKernels, EveryFastBlendOverEqualsTheGeneralForEveryWeightAndLength) {
    const gfx::TBitmap dst = Noise(37, 1, 1), src = Noise(37, 1, 2);
    for (const kernels::TFastKernels& set : kernels::FastKernelSets())
        for (int a = 0; a <= 255; ++a)
            for (size_t n : {0, 1, 3, 4, 5, 8, 9, 15, 16, 17, 37}) {
                std::vector<uint8_t> general = Bytes(dst), fast = Bytes(dst);
                kernels::BlendOverGeneral(general.data(), src.ScanLine(0), n, a);
                BlendOverWith(set, fast.data(), src.ScanLine(0), n, a);
                ASSERT_EQ(general, fast) << set.Name << ", a " << a << ", " << n << " pixels";
            }
}

TEST(PixelKernels, EveryFastAlphaOverEqualsTheGeneralForEveryAlphaPair) {
    // Row sa holds every destination alpha under source alpha sa, mixed colours.
    gfx::TBitmap dst(256, 256), src(256, 256);
    const gfx::TBitmap colours = Noise(256, 256, 3);
    for (int sa = 0; sa < 256; ++sa)
        for (int da = 0; da < 256; ++da) {
            const uint32_t c = Px(colours, da, sa);
            SetPx(src, da, sa, (c & 0xFFFFFF) | uint32_t(sa) << 24);
            SetPx(dst, da, sa, (~c & 0xFFFFFF) | uint32_t(da) << 24);
        }
    for (const kernels::TFastKernels& set : kernels::FastKernelSets())
        for (int row = 0; row < 256; ++row)
            for (size_t n : {size_t(1), size_t(6), size_t(13), size_t(256)}) {
                std::vector<uint8_t> general = Bytes(dst, row), fast = general;
                kernels::AlphaOverGeneral(general.data(), src.ScanLine(row), n, 100);
                AlphaOverWith(set, fast.data(), src.ScanLine(row), n);
                ASSERT_EQ(general, fast) << set.Name << ", source alpha " << row << ", " << n << " pixels";
            }
}

TEST(PixelKernels, SeeThroughVectorsOfTheFastAlphaPathChangeNothing) {
    gfx::TBitmap src = Noise(16, 1, 4), dst = Noise(16, 1, 5);
    for (int x = 0; x < 16; ++x) SetPx(src, x, 0, Px(src, x, 0) & 0xFFFFFF);
    for (const kernels::TFastKernels& set : kernels::FastKernelSets()) {
        std::vector<uint8_t> before = Bytes(dst), after = Bytes(dst);
        AlphaOverWith(set, after.data(), src.ScanLine(0), 16);
        EXPECT_EQ(before, after) << set.Name;
    }
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
