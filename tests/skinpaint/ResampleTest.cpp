// Filtered resizing and stretched masked pieces.
#include <gtest/gtest.h>

#include "PaintTestKit.h"
#include "skinpaint/sResample.h"
#include "skinpaint/sStretchMaskedPiece.h"

using namespace skinpaint;
using namespace painttest;

TEST(ResampleBitmap, RefusesASourceSmallerThanTwoByTwo) {
    gfx::TBitmap out;
    try {
        ResampleBitmap(Filled(1, 5, 0), out, 4, rfMitchell, 4);
        FAIL() << "no exception";
    } catch (const rtl::Exception& e) {
        EXPECT_EQ(e.Message(), "Source bitmap is too small");
    }
}

TEST(ResampleBitmap, EqualSizesCopyAndEnlargingKeepsFlatColourFlat) {
    const gfx::TBitmap noise = Noise(5, 4, 1);
    gfx::TBitmap out;
    ResampleBitmap(noise, out, 5, rfBox, 4);
    EXPECT_EQ(Px(out, 3, 2), Px(noise, 3, 2));
    for (TResampleFilter f : {rfBox, rfTriangle, rfHermite, rfBell, rfBSpline, rfLanczos3, rfMitchell})
        for (auto [w, h] : {std::pair{13, 9}, std::pair{7, 40}}) {
            ResampleBitmap(Filled(6, 5, 0x80C86432), out, w, f, h);
            ASSERT_EQ(out.PixelFormat(), gfx::pf32bit);
            ASSERT_TRUE(AllEqual(out, {0, 0, w, h}, 0x80C86432)) << "filter " << f << " to " << w << " x " << h;
        }
}

TEST(ResampleBitmap, ShrinkingAveragesNeighbours) {
    gfx::TBitmap stripes(4, 2), out;
    for (int x = 0; x < 4; ++x) SetPx(stripes, x, 0, x % 2 ? 0xFFFFFFFF : 0xFF000000), SetPx(stripes, x, 1, Px(stripes, x, 0));
    ResampleBitmap(stripes, out, 2, rfTriangle, 2);
    // Each half-size sample takes its pixel and half of each neighbour.
    const int grey = int(Px(out, 1, 0) & 0xFF);
    EXPECT_GT(grey, 0x40);
    EXPECT_LT(grey, 0xC0);
}

TEST(ResampleBitmap, ASourceWithoutAlphaGivesTwentyFourBits) {
    gfx::TBitmap out;
    ResampleBitmap(gfx::TBitmap(3, 3, gfx::pf8bit), out, 6, rfTriangle, 6);
    EXPECT_EQ(out.PixelFormat(), gfx::pf24bit);
    EXPECT_EQ(out.Width(), 6);
}

TEST(ResampleFilter, ValuesAtTheKnots) {
    EXPECT_DOUBLE_EQ(ResampleFilterValue(rfBox, 0.5), 1);
    EXPECT_DOUBLE_EQ(ResampleFilterValue(rfBox, -0.5), 0);
    EXPECT_DOUBLE_EQ(ResampleFilterValue(rfHermite, 0.5), 0.5);
    EXPECT_DOUBLE_EQ(ResampleFilterValue(rfMitchell, 0), 8.0 / 9);
    EXPECT_NEAR(ResampleFilterValue(rfMitchell, 1), 1.0 / 18, 1e-12);
    EXPECT_DOUBLE_EQ(ResampleFilterValue(rfBSpline, 0), 2.0 / 3);
    EXPECT_DOUBLE_EQ(ResampleFilterValue(rfLanczos3, 0), 1);
    EXPECT_DOUBLE_EQ(ResampleFilterValue(rfBell, 1.5), 0);
}

namespace {

// A one-pixel piece at (0, 0) whose mask pixel sits at (0, 1).
gfx::TBitmap OnePixelPiece(uint32_t mask) {
    gfx::TBitmap src = Filled(2, 2, Opaque(0x0000FF));
    SetPx(src, 0, 1, mask);
    return src;
}

}  // namespace

TEST(StretchMaskedPiece, OnePixelCentreFollowsItsMask) {
    gfx::TBitmap b = Filled(4, 4, Opaque(0xC8C8C8));
    StretchMaskedPiece(b, {1, 1, 3, 3}, OnePixelPiece(Opaque(0xFFFFFF)), {0, 0, 1, 1}, 1, true);
    EXPECT_TRUE(AllEqual(b, {0, 0, 4, 4}, Opaque(0xC8C8C8)));
    StretchMaskedPiece(b, {1, 1, 3, 3}, OnePixelPiece(Opaque(0)), {0, 0, 1, 1}, 1, true);
    EXPECT_TRUE(AllEqual(b, {1, 1, 3, 3}, Opaque(0x0000FF)));
    b = Filled(4, 4, Opaque(0xC8C8C8));
    StretchMaskedPiece(b, {1, 1, 3, 3}, OnePixelPiece(Opaque(0x808080)), {0, 0, 1, 1}, 1, true);
    // ((200 - 0) * 128 + 0) >> 8 = 100; blue ((200 - 255) * 128 + 255 * 256) >> 8 = 227.
    EXPECT_EQ(Px(b, 2, 2), Opaque(0x6464E3));
}

TEST(StretchMaskedPiece, NothingForPiecesOutsideTheSourceOrDestinationsLeftOfTheBitmap) {
    gfx::TBitmap b = Filled(4, 4, 0);
    StretchMaskedPiece(b, {0, 0, 2, 2}, OnePixelPiece(Opaque(0)), {1, 1, 2, 2}, 1, false);
    StretchMaskedPiece(b, {-1, 0, 2, 2}, OnePixelPiece(Opaque(0)), {0, 0, 1, 1}, 1, false);
    EXPECT_TRUE(AllEqual(b, {0, 0, 4, 4}, 0));
}

TEST(StretchMaskedPiece, EnlargedSidesBlendTheNearestPixelThroughTheNearestMask) {
    gfx::TBitmap src = Filled(2, 2, Opaque(0x0000FF));
    SetPx(src, 1, 0, Opaque(0x00FF00));
    SetPx(src, 0, 1, Opaque(0)), SetPx(src, 1, 1, Opaque(0xFFFFFF));
    gfx::TBitmap b = Filled(4, 2, Opaque(0x111111));
    StretchMaskedPiece(b, {0, 0, 4, 1}, src, {0, 0, 2, 1}, 1, false);
    EXPECT_EQ(Px(b, 1, 0), Opaque(0x0000FF));
    EXPECT_EQ(Px(b, 2, 0), Opaque(0x111111));
}
