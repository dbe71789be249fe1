// Nine-slice frames: which pieces go where, shrunk margins, state frames,
// tiling and stretching, masks and see-through corners.
#include <gtest/gtest.h>

#include "PaintTestKit.h"
#include "skinpaint/sSkinFrame.h"

using namespace skinpaint;
using namespace painttest;

namespace {

// A master of two 3 x 3 state frames (x 0..2 and 3..5) whose every pixel is
// 0xSSYX: state S, row Y, column X.
gfx::TBitmap NumberedMaster(int height = 3) {
    gfx::TBitmap b(6, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < 6; ++x) SetPx(b, x, y, Opaque(uint32_t(x / 3) << 8 | uint32_t(y) << 4 | uint32_t(x % 3)));
    return b;
}

uint32_t Cell(int state, int row, int column) { return Opaque(uint32_t(state) << 8 | uint32_t(row) << 4 | uint32_t(column)); }

}  // namespace

TEST(ShrunkMargins, NarrowRectangleLosesEquallyAndTheOddPixelFromTheRight) {
    TTestSkin skin(NumberedMaster());
    const int e = skin.AddEntry({0, 0, 6, 3}, 2, 0, 5, 0);
    const TFrameMargins m = ShrunkMargins(skin.Entry(e), 9, 7);
    EXPECT_EQ(m.Left, 5);
    EXPECT_EQ(m.Right, 4);
    EXPECT_EQ(m.Top, 4);
    EXPECT_EQ(m.Bottom, 3);
}

TEST(PaintSkinFrame, TilesOneStateFrameAroundTheRectangleAndLeavesTheCentre) {
    TTestSkin skin(NumberedMaster());
    const int e = skin.AddEntry({0, 0, 6, 3}, 2, 0, 1, 0);
    gfx::TBitmap b = Filled(7, 6, 0);
    PaintSkinFrame(b, {1, 1, 6, 5}, EmptyBackground, skin.Entry(e), 1, false);
    EXPECT_EQ(Px(b, 1, 1), Cell(1, 0, 0));
    EXPECT_EQ(Px(b, 5, 1), Cell(1, 0, 2));
    EXPECT_EQ(Px(b, 1, 4), Cell(1, 2, 0));
    EXPECT_EQ(Px(b, 5, 4), Cell(1, 2, 2));
    for (int x = 2; x < 5; ++x) EXPECT_EQ(Px(b, x, 1), Cell(1, 0, 1));  // the 1-pixel top side tiled
    for (int y = 2; y < 4; ++y) EXPECT_EQ(Px(b, 5, y), Cell(1, 1, 2));
    EXPECT_TRUE(AllEqual(b, {2, 2, 5, 4}, 0));  // no centre without bit 2
    EXPECT_EQ(Px(b, 0, 0), 0u);
}

TEST(PaintSkinFrame, CentreSliceOnlyWithBitTwo) {
    TTestSkin skin(NumberedMaster());
    const int e = skin.AddEntry({0, 0, 6, 3}, 2, 0, 1, 4);
    gfx::TBitmap b = Filled(5, 5, 0);
    PaintSkinFrame(b, {0, 0, 5, 5}, EmptyBackground, skin.Entry(e), 0, false);
    EXPECT_TRUE(AllEqual(b, {1, 1, 4, 4}, Cell(0, 1, 1)));
}

TEST(PaintSkinFrame, StateBeyondTheFramesPaintsTheLastFrame) {
    TTestSkin skin(NumberedMaster());
    const int e = skin.AddEntry({0, 0, 6, 3}, 2, 0, 1, 0);
    gfx::TBitmap b = Filled(3, 3, 0);
    PaintSkinFrame(b, {0, 0, 3, 3}, EmptyBackground, skin.Entry(e), 7, false);
    EXPECT_EQ(Px(b, 0, 0), Cell(1, 0, 0));
}

TEST(PaintSkinFrame, NothingForStateZeroWithBitOneOrARectangleOnePixelWide) {
    TTestSkin skin(NumberedMaster());
    const int quiet = skin.AddEntry({0, 0, 6, 3}, 2, 0, 1, 2);
    const int plain = skin.AddEntry({0, 0, 6, 3}, 2, 0, 1, 0);
    gfx::TBitmap b = Filled(3, 3, 0);
    PaintSkinFrame(b, {0, 0, 3, 3}, EmptyBackground, skin.Entry(quiet), 0, false);
    PaintSkinFrame(b, {0, 0, 1, 3}, EmptyBackground, skin.Entry(plain), 0, false);
    EXPECT_TRUE(AllEqual(b, {0, 0, 3, 3}, 0));
    PaintSkinFrame(b, {0, 0, 3, 3}, EmptyBackground, skin.Entry(quiet), 1, false);
    EXPECT_EQ(Px(b, 0, 0), Cell(1, 0, 0));
}

TEST(PaintSkinFrame, OddWidthTakesTheMissingPixelFromTheRightCorner) {
    TTestSkin skin(NumberedMaster());
    const int e = skin.AddEntry({0, 0, 3, 3}, 1, 0, 1, 0);
    skin.Entry(e).MarginLeft = skin.Entry(e).MarginRight = 2;
    gfx::TBitmap b = Filled(3, 3, 0);
    PaintSkinFrame(b, {0, 0, 3, 3}, EmptyBackground, skin.Entry(e), 0, false);
    // Width 3 < 4: k = 0, odd width: right margin 1; centre 0 wide.
    EXPECT_EQ(Px(b, 0, 0), Cell(0, 0, 0));
    EXPECT_EQ(Px(b, 1, 0), Cell(0, 0, 1));
    EXPECT_EQ(Px(b, 2, 0), Cell(0, 0, 2));
}

TEST(PaintSkinFrame, StretchedSidesTakeTheNearestSourcePixel) {
    gfx::TBitmap master(4, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) SetPx(master, x, y, Opaque(uint32_t(y) << 4 | uint32_t(x)));
    TTestSkin skin(std::move(master));
    const int e = skin.AddEntry({0, 0, 4, 3}, 1, 0, 1, 1);
    gfx::TBitmap b = Filled(6, 3, 0);
    PaintSkinFrame(b, {0, 0, 6, 3}, EmptyBackground, skin.Entry(e), 0, false);
    // The 2-pixel top side (columns 1, 2) over 4 pixels: 1, 1, 2, 2.
    EXPECT_EQ(Px(b, 1, 0), Opaque(0x01));
    EXPECT_EQ(Px(b, 2, 0), Opaque(0x01));
    EXPECT_EQ(Px(b, 3, 0), Opaque(0x02));
    EXPECT_EQ(Px(b, 4, 0), Opaque(0x02));
    EXPECT_EQ(Px(b, 5, 0), Opaque(0x03));
}

TEST(PaintSkinFrame, MaskedFramesUseHalfTheHeightAndBlendThroughTheMask) {
    // One 2 x 2 frame over its mask: white (keep) on the left, black (copy) on the right.
    gfx::TBitmap master = Filled(2, 4, Opaque(0x336699));
    for (int y = 2; y < 4; ++y) SetPx(master, 0, y, Opaque(0xFFFFFF)), SetPx(master, 1, y, Opaque(0x000000));
    TTestSkin skin(std::move(master));
    const int e = skin.AddEntry({0, 0, 2, 4}, 1, 1, 1, 0);
    gfx::TBitmap b = Filled(2, 2, Opaque(0xC0C0C0));
    PaintSkinFrame(b, {0, 0, 2, 2}, EmptyBackground, skin.Entry(e), 0, false);
    EXPECT_EQ(Px(b, 0, 0), Opaque(0xC0C0C0));
    EXPECT_EQ(Px(b, 1, 1), Opaque(0x336699));
}

TEST(PaintSkinFrame, SeeThroughCornersShowTheParentOnlyWhenUpdatingCorners) {
    gfx::TBitmap master = Filled(3, 3, Opaque(0x404040));
    SetPx(master, 0, 0, Key);
    TTestSkin skin(std::move(master));
    const int e = skin.AddEntry({0, 0, 3, 3}, 1, 0, 1, 0);
    skin.Entry(e).CornerTransparency = 1;
    const gfx::TBitmap parent = Filled(10, 10, Opaque(0x00FF00));
    gfx::TBitmap b = Filled(3, 3, 0x11111111);
    PaintSkinFrame(b, {0, 0, 3, 3}, BackgroundFromBitmap(parent, 4, 4), skin.Entry(e), 0, false);
    EXPECT_EQ(Px(b, 0, 0), 0x11111111u);
    PaintSkinFrame(b, {0, 0, 3, 3}, BackgroundFromBitmap(parent, 4, 4), skin.Entry(e), 0, true);
    EXPECT_EQ(Px(b, 0, 0), Opaque(0x00FF00));
    // Nothing known behind: the key colour stays, opaque, for the window region.
    PaintSkinFrame(b, {0, 0, 3, 3}, EmptyBackground, skin.Entry(e), 0, true);
    EXPECT_EQ(Px(b, 0, 0), Opaque(0xFF00FF));
}
