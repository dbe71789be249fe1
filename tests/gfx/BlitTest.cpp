#include <gtest/gtest.h>

#include "PixelHelpers.h"
#include "gfx/TCanvas.h"

using namespace gfx;
using namespace gfxtest;

TEST(BlockCopy, CopiesAllFourBytesBetween32BitBitmaps) {
    TBitmap src = Numbered(4, 4), dst(4, 4);
    EXPECT_TRUE(dst.Canvas().BitBlt(1, 0, 2, 3, src.Canvas(), 2, 1));
    EXPECT_EQ(Px(dst, 1, 0), 0xC8070102u);
    EXPECT_EQ(Px(dst, 2, 2), 0xC8070303u);
    EXPECT_EQ(Px(dst, 0, 0), 0u);
    EXPECT_EQ(Px(dst, 3, 0), 0u);
    EXPECT_FALSE(dst.Canvas().BitBlt(0, 0, 0, 3, src.Canvas(), 0, 0));
}

TEST(BlockCopy, WholeRowsOfEqualBitmapsCopyInOneGoWithinTheClip) {
    TBitmap src = Numbered(3, 4), dst(3, 4);
    const TRegion clip = TRegion::FromRects({{0, 0, 3, 2}, {0, 3, 3, 4}});
    dst.Canvas().SelectClipRgn(&clip);
    dst.Canvas().BitBlt(0, 1, 3, 3, src.Canvas(), 0, 0);
    EXPECT_EQ(Px(dst, 0, 0), 0u);
    EXPECT_EQ(Px(dst, 2, 1), 0xC8070002u);
    EXPECT_EQ(Px(dst, 1, 2), 0u);
    EXPECT_EQ(Px(dst, 1, 3), 0xC8070201u);
}

TEST(BlockCopy, FromFormatsWithoutAlphaWritesOpaquePixels) {
    TBitmap src(2, 1, pf24bit), dst(2, 1);
    src.ScanLine(0)[0] = 1, src.ScanLine(0)[1] = 2, src.ScanLine(0)[2] = 3;
    dst.Canvas().BitBlt(0, 0, 2, 1, src.Canvas(), 0, 0);
    EXPECT_EQ(Px(dst, 0, 0), 0xFF030201u);
    TBitmap back(2, 1, pf24bit);
    back.Canvas().BitBlt(0, 0, 2, 1, dst.Canvas(), 0, 0);
    EXPECT_EQ(back.ScanLine(0)[2], 3);
}

TEST(BlockCopy, SourceOutsideItsBitmapLeavesTheDestinationAlone) {
    TBitmap src = Numbered(2, 2), dst(4, 4);
    dst.Canvas().Brush.Color = clWhite;
    dst.Canvas().FillRect({0, 0, 4, 4});
    dst.Canvas().BitBlt(0, 0, 4, 4, src.Canvas(), -1, -1);
    EXPECT_EQ(Px(dst, 0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(Px(dst, 1, 1), 0xC8070000u);
    EXPECT_EQ(Px(dst, 2, 2), 0xC8070101u);
    EXPECT_EQ(Px(dst, 3, 3), 0xFFFFFFFFu);
}

TEST(BlockCopy, OverlappingCopyWithinOneBitmapReadsTheOldPicture) {
    TBitmap b = Numbered(4, 1);
    b.Canvas().BitBlt(1, 0, 3, 1, b.Canvas(), 0, 0);
    EXPECT_EQ(Px(b, 1, 0), 0xC8070000u);
    EXPECT_EQ(Px(b, 3, 0), 0xC8070002u);
}

TEST(BlockCopy, SourceAndDestinationOriginsAndClipApply) {
    TBitmap src = Numbered(4, 4), dst(4, 4);
    src.Canvas().SetViewportOrg(1, 1);  // source logical (0, 0) is pixel (1, 1)
    dst.Canvas().IntersectClipRect({0, 0, 1, 4});
    dst.Canvas().BitBlt(0, 0, 2, 2, src.Canvas(), 0, 0);
    EXPECT_EQ(Px(dst, 0, 0), 0xC8070101u);
    EXPECT_EQ(Px(dst, 0, 1), 0xC8070201u);
    EXPECT_EQ(Px(dst, 1, 0), 0u);
}

TEST(StretchCopy, ColourOnColourTakesThePixelUnderEachCentre) {
    TBitmap src = Numbered(4, 2), big(8, 1), small(2, 1);
    big.Canvas().StretchBlt(0, 0, 8, 1, src.Canvas(), 0, 0, 4, 1);
    for (int x = 0; x < 8; ++x) EXPECT_EQ(Px(big, x, 0) & 0xFF, uint32_t(x / 2)) << x;
    small.Canvas().StretchBlt(0, 0, 2, 1, src.Canvas(), 0, 0, 4, 1);
    EXPECT_EQ(Px(small, 0, 0) & 0xFF, 1u);
    EXPECT_EQ(Px(small, 1, 0) & 0xFF, 3u);
    TBitmap three(3, 1);  // 4 -> 3: centres at 2/3, 2, 10/3
    three.Canvas().StretchBlt(0, 0, 3, 1, src.Canvas(), 0, 0, 4, 1);
    EXPECT_EQ(Px(three, 0, 0) & 0xFF, 0u);
    EXPECT_EQ(Px(three, 1, 0) & 0xFF, 2u);
    EXPECT_EQ(Px(three, 2, 0) & 0xFF, 3u);
    TBitmap tall(1, 4);
    tall.Canvas().StretchBlt(0, 0, 1, 4, src.Canvas(), 3, 0, 1, 2);
    EXPECT_EQ(Px(tall, 0, 1), 0xC8070003u);
    EXPECT_EQ(Px(tall, 0, 2), 0xC8070103u);
}

TEST(StretchCopy, HalftoneAveragesTheCoveredAreaExactly) {
    TBitmap src(4, 2);
    SetPx(src, 0, 0, 0xFF000000u), SetPx(src, 1, 0, 0xFF0000FFu);
    SetPx(src, 0, 1, 0xFF0000FFu), SetPx(src, 1, 1, 0xFF0000FFu);
    SetPx(src, 2, 0, 0x00646464u), SetPx(src, 3, 0, 0x00646464u);
    SetPx(src, 2, 1, 0x00646464u), SetPx(src, 3, 1, 0x00646464u);
    TBitmap dst(2, 1);
    dst.Canvas().SetStretchBltMode(HALFTONE);
    dst.Canvas().StretchBlt(0, 0, 2, 1, src.Canvas(), 0, 0, 4, 2);
    EXPECT_EQ(Px(dst, 0, 0), 0xFF0000BFu);  // 3/4 of 255 is 191.25
    EXPECT_EQ(Px(dst, 1, 0), 0x00646464u);  // flat areas stay exact, alpha included
}

TEST(StretchCopy, HalftoneEnlargingBlendsOnlyAtSourcePixelEdges) {
    TBitmap src(2, 1), dst(3, 1);
    SetPx(src, 0, 0, 0xFF000000u);
    SetPx(src, 1, 0, 0xFF0000FFu);
    dst.Canvas().SetStretchBltMode(HALFTONE);
    dst.Canvas().StretchBlt(0, 0, 3, 1, src.Canvas(), 0, 0, 2, 1);
    EXPECT_EQ(Px(dst, 0, 0), 0xFF000000u);
    EXPECT_EQ(Px(dst, 1, 0), 0xFF000080u);  // half of each
    EXPECT_EQ(Px(dst, 2, 0), 0xFF0000FFu);
}

TEST(StretchCopy, HalftoneHonoursTheClipAndTheSourceEdge) {
    TBitmap src(2, 2), dst(4, 4);
    src.Canvas().Brush.Color = clRed;
    src.Canvas().FillRect({0, 0, 2, 2});
    dst.Canvas().SetStretchBltMode(HALFTONE);
    dst.Canvas().IntersectClipRect({0, 0, 4, 2});
    dst.Canvas().StretchBlt(0, 0, 4, 4, src.Canvas(), 0, 0, 2, 2);
    EXPECT_EQ(Picture(dst, 0xFFFF0000u), "####\n####\n....\n....\n");
}

TEST(KeyedCopy, LeavesOutPixelsOfTheKeyColourWhateverTheirAlpha) {
    TBitmap src(3, 1), dst(3, 1);
    SetPx(src, 0, 0, 0x00FF00FFu);  // magenta, alpha 0
    SetPx(src, 1, 0, 0xFFFF00FFu);  // magenta, alpha 255
    SetPx(src, 2, 0, 0x80112233u);
    dst.Canvas().Brush.Color = clWhite;
    dst.Canvas().FillRect({0, 0, 3, 1});
    dst.Canvas().TransparentBlt(0, 0, 3, 1, src.Canvas(), 0, 0, 3, 1, clFuchsia);
    EXPECT_EQ(Px(dst, 0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(Px(dst, 1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(Px(dst, 2, 0), 0x80112233u);
}

TEST(KeyedCopy, DrawOfATransparentBitmapUsesItsBottomLeftColour) {
    TBitmap banner(2, 2, pf24bit), form(2, 2);
    banner.Canvas().Brush.Color = clLime;
    banner.Canvas().FillRect({0, 0, 2, 2});
    banner.Canvas().SetPixels(1, 0, clRed);
    banner.SetTransparent(true);
    form.Canvas().Brush.Color = clWhite;
    form.Canvas().FillRect({0, 0, 2, 2});
    form.Canvas().Draw(0, 0, banner);
    EXPECT_EQ(Picture(form, 0xFFFFFFFFu), "#.\n##\n");
    EXPECT_EQ(Px(form, 1, 0), 0xFFFF0000u);
    banner.SetTransparent(false);
    form.Canvas().StretchDraw({0, 0, 1, 1}, banner);
    EXPECT_EQ(Px(form, 0, 0), 0xFF00FF00u);
}
