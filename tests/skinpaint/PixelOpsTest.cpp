// The pixel operations: their arithmetic at the values the painters rely on,
// their edges (inclusive or not) and their clipping.
#include <gtest/gtest.h>

#include "PaintTestKit.h"
#include "skinpaint/sBlendOps.h"
#include "skinpaint/sColorOps.h"
#include "skinpaint/sPieceCopy.h"

using namespace skinpaint;
using namespace painttest;

TEST(MixColors, TakesTheShareOfTheFirstColourAndKeepsItsTopByte) {
    // 40 percent of white over black: nearest(0.4 * 255) = 102.
    EXPECT_EQ(MixColors(0xFFFFFF, 0x000000, 0.4), 0x666666);
    EXPECT_EQ(MixColors(0x01000000 | 0x0000FF, 0x00FF00, 0.5), 0x01000000 | 0x008080);
}

TEST(FadeRectToColor, WholeBitmapRectangleCoversExactlyTheBitmap) {
    gfx::TBitmap b = Filled(4, 3, Opaque(0xC8C8C8));
    FadeRectToColor(b, {0, 0, 4, 3}, 50, 0x000000);
    EXPECT_TRUE(AllEqual(b, {0, 0, 4, 3}, Opaque(0x646464)));
}

TEST(FadeRectToColor, SmallerRectangleAlsoTakesItsRightColumnAndBottomRow) {
    gfx::TBitmap b = Filled(5, 5, 0x10C8C8C8);
    FadeRectToColor(b, {1, 1, 3, 3}, 30, 0xFFFFFF);
    // 30 percent of 200 and 70 percent of 255: 238.5 rounds to 239; alpha stays.
    EXPECT_TRUE(AllEqual(b, {1, 1, 4, 4}, 0x10EFEFEF));
    EXPECT_EQ(Px(b, 4, 4), 0x10C8C8C8u);
    EXPECT_EQ(Px(b, 0, 1), 0x10C8C8C8u);
}

TEST(FillRect32, WritesOpaqueColourInsideTheBitmapOnly) {
    gfx::TBitmap b = Filled(4, 4, 0);
    FillRect32(b, {-2, 2, 10, 10}, 0x0000FF);
    EXPECT_TRUE(AllEqual(b, {0, 2, 4, 4}, Opaque(0xFF0000)));
    EXPECT_TRUE(AllEqual(b, {0, 0, 4, 2}, 0));
}

TEST(SetRectAlpha, SkipsSeeThroughKeyPixelsWhenAsked) {
    gfx::TBitmap b = Filled(2, 1, 0x80123456);
    SetPx(b, 1, 0, Key);
    SetRectAlpha(b, {0, 0, 2, 1}, 0xFF, true);
    EXPECT_EQ(Px(b, 0, 0), 0xFF123456u);
    EXPECT_EQ(Px(b, 1, 0), Key);
}

TEST(Grey, AveragesTheChannelsAndTheKeyedVariantSparesTheKey) {
    gfx::TBitmap b = Filled(2, 1, Opaque(0x0A1420));
    SetPx(b, 1, 0, Opaque(0xFF00FF));
    GrayScaleKeyed(b, 0xFF00FF);
    EXPECT_EQ(Px(b, 0, 0), Opaque(0x141414));
    EXPECT_EQ(Px(b, 1, 0), Opaque(0xFF00FF));
    GrayScale(b);
    EXPECT_EQ(Px(b, 1, 0), Opaque(0xAAAAAA));
}

TEST(BlendBitmapOver, WeightsTheDestinationAndClipsANegativePointFromTheSource) {
    gfx::TBitmap dst = Filled(4, 4, 0), src = Filled(4, 4, 0xFFFFFFFF);
    SetPx(src, 2, 2, 0xFF000000);
    BlendBitmapOver(dst, {-2, -2}, src, {0, 0, 4, 4}, 0);
    // Source (2, 2) lands on (0, 0); only a 2 x 2 block is covered.
    EXPECT_EQ(Px(dst, 0, 0), 0xFE000000u);
    EXPECT_EQ(Px(dst, 1, 1), 0xFEFEFEFEu);
    EXPECT_EQ(Px(dst, 2, 0), 0u);
    EXPECT_EQ(Px(dst, 0, 2), 0u);
}

TEST(BlendBitmapOver, DoesNothingWithAPictureNarrowerThanTwoPixels) {
    gfx::TBitmap dst = Filled(1, 4, 0), src = Filled(4, 4, 0xFFFFFFFF);
    BlendBitmapOver(dst, {0, 0}, src, {0, 0, 4, 4}, 0);
    EXPECT_TRUE(AllEqual(dst, {0, 0, 1, 4}, 0));
}

TEST(BlendKeyedImage, TakesTheRectangleInclusiveAndSkipsTheKeyColour) {
    gfx::TBitmap dst = Filled(4, 4, 0), src = Filled(4, 4, Opaque(0x646464));
    SetPx(src, 1, 1, Opaque(0xFF00FF));
    BlendKeyedImage(dst, {0, 0}, src, {0, 0, 1, 1}, 0xFF00FF, 0.4);
    // nearest(100 - 100 * 0.4) = 60 per byte, alpha 255 - 102 = 153.
    EXPECT_EQ(Px(dst, 0, 0), 0x993C3C3Cu);
    EXPECT_EQ(Px(dst, 1, 0), 0x993C3C3Cu);
    EXPECT_EQ(Px(dst, 1, 1), 0u);
    EXPECT_EQ(Px(dst, 2, 0), 0u);
}

// A 2 x 1 keyed piece: an orange pixel and a see-through one.
struct KeyedPiece : ::testing::Test {
    gfx::TBitmap src = Filled(2, 1, 0x00FF8000 | 0xFF000000);
    gfx::TBitmap parent = Filled(8, 8, Opaque(0x00FF00));
    gfx::TBitmap dst = Filled(4, 4, 0x40112233);
    void SetUp() override { SetPx(src, 1, 0, Key); }
};

TEST_F(KeyedPiece, ReplacingTakesTheParentPixelBehindTheKeyWithFullAlpha) {
    SetPx(parent, 3, 5, Opaque(0x0000FF));
    CopyKeyedPiece(dst, src, 0, true, BackgroundFromBitmap(parent, 2, 5), 0xFF00FF, {0, 0, 1, 0}, 0);
    EXPECT_EQ(Px(dst, 0, 0), 0xFFFF8000u);
    EXPECT_EQ(Px(dst, 1, 0), Opaque(0x0000FF));
}

TEST_F(KeyedPiece, IntoTheBackgroundsOwnBitmapOnlyTheOpaquePixelsAreCopied) {
    CopyKeyedPiece(dst, src, 0, true, BackgroundFromBitmap(dst, 0, 0), 0xFF00FF, {0, 0, 1, 0}, 0);
    EXPECT_EQ(Px(dst, 0, 0), 0xFFFF8000u);
    EXPECT_EQ(Px(dst, 1, 0), 0x40112233u);
}

TEST_F(KeyedPiece, WithoutReplaceTheKeyLeavesTheDestination) {
    CopyKeyedPiece(dst, src, 2, false, BackgroundFromBitmap(parent, 0, 0), 0xFF00FF, {0, 0, 1, 0}, 3);
    EXPECT_EQ(Px(dst, 2, 3), 0xFFFF8000u);
    EXPECT_EQ(Px(dst, 3, 3), 0x40112233u);
}

TEST_F(KeyedPiece, WithoutAReadyBackgroundTheKeyBecomesItsColour) {
    ParentBackground colour;
    colour.FillColor = 0x0000FF;
    CopyKeyedPiece(dst, src, 3, false, colour, 0xFF00FF, {0, 0, 1, 0}, 0);
    // The second pixel would land outside the bitmap and is skipped.
    EXPECT_EQ(Px(dst, 3, 0), 0xFFFF8000u);
}

// An entry of one 2 x 1 picture over its 2 x 1 mask.
struct MaskedPiece : ::testing::Test {
    gfx::TBitmap src = Filled(2, 2, Opaque(0x204060));
    skin::TsMaskData entry;
    gfx::TBitmap dst = Filled(2, 1, Opaque(0xC8C8C8));
    void SetUp() override {
        entry.SourceRect = {0, 0, 2, 2};
        SetPx(src, 0, 1, Opaque(0xFFFFFF));  // mask 255: the destination stays
        SetPx(src, 1, 1, Opaque(0x000000));  // mask 0: the picture is copied
    }
};

TEST_F(MaskedPiece, MaskWhiteKeepsTheDestinationAndBlackCopiesThePicture) {
    CopyMaskedPiece({0, 0, 2, 1}, {0, 0, 2, 1}, dst, entry, false, EmptyBackground, src);
    EXPECT_EQ(Px(dst, 0, 0), Opaque(0xC8C8C8));
    EXPECT_EQ(Px(dst, 1, 0), Opaque(0x204060));
}

TEST_F(MaskedPiece, ReplacingShowsTheParentThroughKeyPixels) {
    SetPx(src, 1, 0, Key);
    gfx::TBitmap parent = Filled(4, 4, 0x7F0000FF);
    dst = Filled(2, 1, 0);
    CopyMaskedPiece({0, 0, 2, 1}, {0, 0, 2, 1}, dst, entry, true, BackgroundFromBitmap(parent, 1, 1), src);
    EXPECT_EQ(Px(dst, 0, 0), 0xFF000000u);  // mask white over black, made opaque
    EXPECT_EQ(Px(dst, 1, 0), Opaque(0x0000FF));
}

TEST_F(MaskedPiece, WithoutAReadyBackgroundKeyPixelsTakeTheColourOnlyWhenReplacing) {
    SetPx(src, 1, 0, Key);
    ParentBackground colour;
    colour.FillColor = 0x00FF00;
    CopyMaskedPiece({0, 0, 2, 1}, {0, 0, 2, 1}, dst, entry, false, colour, src);
    EXPECT_EQ(Px(dst, 1, 0), Opaque(0xC8C8C8));
    CopyMaskedPiece({0, 0, 2, 1}, {0, 0, 2, 1}, dst, entry, true, colour, src);
    EXPECT_EQ(Px(dst, 1, 0), Opaque(0x00FF00));
}

TEST(CopyAlphaImage, BlendsByTheSourceAlphaAndGrowsTheDestinationAlpha) {
    gfx::TBitmap src = Filled(2, 1, 0x80FF0000), dst = Filled(3, 1, 0x40000000);
    CopyAlphaImage(dst, {1, 0, 3, 1}, src, {0, 0, 2, 1}, false, EmptyBackground);
    // (255 * 128) >> 8 = 127; 64 + 128 * 191 / 255 = 159.
    EXPECT_EQ(Px(dst, 1, 0), 0x9F7F0000u);
    EXPECT_EQ(Px(dst, 0, 0), 0x40000000u);
}

TEST(CopyAlphaImage, ReplacingTakesTheBackgroundBehindSeeThroughPixels) {
    gfx::TBitmap src = Filled(1, 1, Key), dst = Filled(1, 1, 0), parent = Filled(2, 2, Opaque(0x123456));
    CopyAlphaImage(dst, {0, 0, 1, 1}, src, {0, 0, 1, 1}, true, BackgroundFromBitmap(parent, 1, 1));
    EXPECT_EQ(Px(dst, 0, 0), Opaque(0x123456));
}

TEST(DrawAlphaImage, ScalesTheAlphaByTheTransparencyAndTintsByGrey) {
    gfx::TBitmap src = Filled(1, 1, 0xFF808080), dst = Filled(2, 1, 0xFF000000);
    DrawAlphaImage(dst, {0, 0, 1, 1}, src, {0, 0, 1, 1}, 50, NO_TINT);
    EXPECT_EQ(Px(dst, 0, 0), 0xFF3F3F3Fu);  // x = 127: (128 * 127) >> 8
    DrawAlphaImage(dst, {1, 0, 2, 1}, src, {0, 0, 1, 1}, 0, 0x0000FF);
    EXPECT_EQ(Px(dst, 1, 0), 0xFF7F0000u);  // red 255 * 128 / 255 = 128, then (128 * 255) >> 8
}
