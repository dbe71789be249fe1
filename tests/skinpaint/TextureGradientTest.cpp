// Texture fill modes with what each leaves uncovered, masked textures, and
// the three kinds of gradient with their step geometry.
#include <gtest/gtest.h>

#include "PaintTestKit.h"
#include "skin/sGradient.h"
#include "skinpaint/sGradientFill.h"
#include "skinpaint/sTexture.h"

using namespace skinpaint;
using namespace painttest;

namespace {

// A 2 x 2 texture tile of four colours at (0, 0) of the master.
struct Textures : ::testing::Test {
    TTestSkin skin{Filled(2, 2, 0)};
    int tile = -1;
    gfx::TBitmap b = Filled(5, 5, 0);
    void SetUp() override {
        SetPx(skin.Tables.MasterImage, 0, 0, Opaque(1)), SetPx(skin.Tables.MasterImage, 1, 0, Opaque(2));
        SetPx(skin.Tables.MasterImage, 0, 1, Opaque(3)), SetPx(skin.Tables.MasterImage, 1, 1, Opaque(4));
        tile = skin.AddEntry({0, 0, 2, 2}, 1, 0, 0, 0, skin::ikTexture);
    }
    gfx::TRect Fill(int mode) {
        gfx::TRect r{0, 0, 5, 5};
        EXPECT_TRUE(FillTexture(b, r, nullptr, mode, &skin.Entry(tile)));
        return r;
    }
};

}  // namespace

TEST_F(Textures, TiledCoversAllFromTheTopLeftWithCutLastColumnAndRow) {
    EXPECT_EQ(Fill(tfTile), AllCovered);
    EXPECT_EQ(Px(b, 4, 4), Opaque(1));
    EXPECT_EQ(Px(b, 3, 2), Opaque(2));
}

TEST_F(Textures, StretchedCoversAllWithOneTile) {
    EXPECT_EQ(Fill(tfStretch), AllCovered);
    EXPECT_EQ(Px(b, 2, 2), Opaque(4));  // centre 2.5 of 5 maps to source 1
    EXPECT_EQ(Px(b, 1, 1), Opaque(1));
}

TEST_F(Textures, BandsLeaveTheRestUncovered) {
    EXPECT_EQ(Fill(tfTopBand), (gfx::TRect{0, 2, 5, 5}));
    EXPECT_EQ(Px(b, 4, 1), Opaque(3));
    EXPECT_EQ(Px(b, 0, 2), 0u);
    b = Filled(5, 5, 0);
    EXPECT_EQ(Fill(tfLeftBand), (gfx::TRect{2, 0, 5, 5}));
    EXPECT_EQ(Px(b, 1, 4), Opaque(2));
    b = Filled(5, 5, 0);
    EXPECT_EQ(Fill(tfBottomBand), (gfx::TRect{0, 0, 5, 3}));
    EXPECT_EQ(Px(b, 0, 3), Opaque(1));
    b = Filled(5, 5, 0);
    EXPECT_EQ(Fill(tfRightBand), (gfx::TRect{0, 0, 3, 5}));
    EXPECT_EQ(Px(b, 3, 0), Opaque(1));
    b = Filled(5, 5, 0);
    EXPECT_EQ(Fill(99), (gfx::TRect{0, 0, 3, 5}));  // any other mode is the right band
}

TEST_F(Textures, StretchedBandsSpanTheWholeSide) {
    EXPECT_EQ(Fill(tfTopBandStretched), (gfx::TRect{0, 2, 5, 5}));
    EXPECT_EQ(Px(b, 4, 0), Opaque(2));
    EXPECT_EQ(Px(b, 2, 1), Opaque(4));
    b = Filled(5, 5, 0);
    EXPECT_EQ(Fill(tfLeftBandStretched), (gfx::TRect{2, 0, 5, 5}));
    EXPECT_EQ(Px(b, 0, 4), Opaque(3));
}

TEST_F(Textures, WholeTilesOnlyLeaveThePartialRowAndColumnUnpainted) {
    EXPECT_EQ(Fill(tfWholeTiles), AllCovered);
    EXPECT_EQ(Px(b, 3, 3), Opaque(4));
    EXPECT_TRUE(AllEqual(b, {4, 0, 5, 5}, 0));
    EXPECT_TRUE(AllEqual(b, {0, 4, 5, 5}, 0));
}

TEST_F(Textures, APictureIsTiledOverEverything) {
    gfx::TBitmap picture(2, 1, gfx::pf24bit);
    gfx::TRect r{1, 1, 4, 2};
    EXPECT_TRUE(FillTexture(b, r, &picture, tfRightBand, nullptr));
    EXPECT_EQ(r, AllCovered);
    EXPECT_EQ(Px(b, 3, 1), Opaque(0));
}

// Each mode over a 5 x 3 rectangle with a 2 x 2 tile whose mask copies its
// left column and keeps the destination under its right one. 'a' is the tile's
// colour, '.' what the bitmap held, 'g' the background's colour.
TEST(FillMaskedTexture, WholeRowsOrWholeTilesThenTheBands) {
    gfx::TBitmap master = Filled(2, 4, Opaque(0x0000AA));
    for (int y = 2; y < 4; ++y) SetPx(master, 0, y, Opaque(0)), SetPx(master, 1, y, Opaque(0xFFFFFF));
    TTestSkin skin(std::move(master));
    const int e = skin.AddEntry({0, 0, 2, 4}, 1, 1, 0, 0, skin::ikTexture);
    ParentBackground colour;
    colour.FillColor = 0x00FF00;
    const struct {
        int Mode;
        const char* Rows[3];
    } cases[] = {
        {tfTile, {"a.a.a", "a.a.a", "....."}},  // whole rows, the last column cut
        {tfWholeTiles, {"a.a.g", "a.a.g", "ggggg"}},
        {tfLeftBand, {".....", ".....", "....."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Mode);
        gfx::TBitmap b = Filled(5, 3, Opaque(0x777777));
        FillMaskedTexture(b, {0, 0, 5, 3}, colour, c.Mode, skin.Entry(e));
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) {
                const char want = c.Rows[y][x];
                EXPECT_EQ(Px(b, x, y), Opaque(want == 'a' ? 0x0000AA : want == 'g' ? 0x00FF00 : 0x777777))
                    << "at " << x << ", " << y;
            }
    }
}

TEST(ParseGradientData, SevenFieldsMakeOneStepAndPercentsAreHeldTo100) {
    const skin::TsGradArray steps = skin::ParseGradientData("1;2;150;0;0;3;4");
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0].Percent, 100);
}

namespace {

skin::TsGradientStep Step(int c1, int c2, int percent, int mode) { return {c1, c2, uint8_t(percent), mode}; }

}  // namespace

TEST(FillGradient, TwoVerticalHalvesShareTheMiddleRow) {
    gfx::TBitmap b = Filled(2, 10, 0);
    FillGradient(b, {0, 0, 2, 10}, {Step(0x000010, 0x000020, 50, 0), Step(0x000080, 0x0000F0, 50, 0)}, 0);
    EXPECT_EQ(Px(b, 0, 0), Opaque(0x100000));
    EXPECT_EQ(Px(b, 1, 4), Opaque(0x1D0000));  // 16 + 16 * 4 / 5 = 28.8
    EXPECT_EQ(Px(b, 0, 5), Opaque(0x800000));  // painted over by the second step
    EXPECT_EQ(Px(b, 0, 9), Opaque(0xF00000));
}

TEST(FillGradient, HorizontalStepsComputeTheFirstRowForAll) {
    gfx::TBitmap b = Filled(5, 3, 0);
    FillGradient(b, {0, 0, 5, 3}, {Step(0x0000FF, 0x0000FF, 40, 1), Step(0x00FF00, 0x00FF00, 60, 1)}, 7);
    // The first step ends at column nearest(40 * 5 / 100) = 2, painted over by the second.
    EXPECT_EQ(Px(b, 1, 2), Opaque(0xFF0000));
    EXPECT_EQ(Px(b, 2, 0), Opaque(0x00FF00));
    EXPECT_EQ(Px(b, 4, 1), Opaque(0x00FF00));
}

TEST(FillGradient, FourCornersRepeatTheLastStepForMissingVertices) {
    gfx::TBitmap b = Filled(20, 20, 0);
    FillGradient(b, {0, 0, 20, 20}, {Step(0x0000FF, 0, 0, 2), Step(0x00FF00, 0, 0, 0), Step(0xFF0000, 0, 0, 0)}, 0);
    auto red = [&](int x, int y) { return Px(b, x, y) >> 16 & 0xFF; };
    auto blue = [&](int x, int y) { return Px(b, x, y) & 0xFF; };
    EXPECT_GE(red(0, 0), 0xE0u);  // the red top-left corner
    EXPECT_GE(blue(19, 0), 0xE0u);
    EXPECT_GE(blue(19, 19), 0xE0u);  // bottom-right and bottom-left repeat step 2's blue
    EXPECT_GE(blue(0, 19), 0xE0u);
    EXPECT_LT(red(0, 19), 0x20u);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) ASSERT_EQ(Px(b, x, y) >> 24, 0xFFu) << "every pixel painted";
}

TEST(FillGradient, ClipsToTheBitmapAndIgnoresUnknownModes) {
    gfx::TBitmap b = Filled(3, 3, 0);
    FillGradient(b, {-5, -5, 1, 1}, {Step(0xFFFFFF, 0xFFFFFF, 100, 0)}, 0);
    EXPECT_EQ(Px(b, 0, 0), Opaque(0xFFFFFF));
    EXPECT_EQ(Px(b, 1, 1), 0u);
    FillGradient(b, {0, 0, 3, 3}, {Step(0xFFFFFF, 0xFFFFFF, 100, 9)}, 0);
    EXPECT_EQ(Px(b, 2, 2), 0u);
}
