// The window frame's helpers: see-through runs of corners, border rings and
// bands, and children kept out of a parent's painting.
#include <gtest/gtest.h>

#include "PaintTestKit.h"
#include "skinpaint/sFrameSupport.h"

using namespace skinpaint;
using namespace painttest;

TEST(CollectKeyRuns, ListsTheSeeThroughRunsOfTheTopOrBottomCornersAtTheWindowEdges) {
    // One 6 x 4 frame with margins 2: the top-left corner's row 0 is see-through
    // in both columns, the top-right corner's in its outer column, the
    // bottom-right corner's last row in its outer column.
    gfx::TBitmap master = Filled(12, 4, Opaque(0x808080));
    SetPx(master, 0, 0, Key), SetPx(master, 1, 0, Key);
    SetPx(master, 5, 0, Key);
    SetPx(master, 5, 3, Key);
    SetPx(master, 6, 0, Key);  // the second state frame does not count
    TTestSkin skin(std::move(master));
    const int e = skin.AddEntry({0, 0, 12, 4}, 2, 0, 2, 0);
    std::vector<gfx::TRect> runs;
    CollectKeyRuns(runs, skin.Entry(e), false, 100, 0);
    EXPECT_EQ(runs, (std::vector<gfx::TRect>{{0, 0, 2, 1}, {99, 0, 100, 1}}));
    runs.clear();
    CollectKeyRuns(runs, skin.Entry(e), true, 100, 48);
    EXPECT_EQ(runs, (std::vector<gfx::TRect>{{99, 49, 100, 50}}));
}

TEST(CopyBorderRing, CopiesTheFourStripsAndLeavesTheInside) {
    gfx::TBitmap cache = Filled(6, 5, Opaque(0x0000FF)), window = Filled(6, 5, 0);
    CopyBorderRing(window.Canvas(), cache, 2);
    EXPECT_TRUE(AllEqual(window, {0, 0, 6, 2}, Opaque(0x0000FF)));
    EXPECT_TRUE(AllEqual(window, {4, 0, 6, 5}, Opaque(0x0000FF)));
    EXPECT_TRUE(AllEqual(window, {0, 3, 6, 5}, Opaque(0x0000FF)));
    EXPECT_TRUE(AllEqual(window, {2, 2, 4, 3}, 0));
}

TEST(FillBorderBands, FillsEachBandWithItsOwnWidthAndKeepsTheBrush) {
    gfx::TBitmap b = Filled(6, 6, 0);
    gfx::TCanvas& c = b.Canvas();
    c.Brush.Color = gfx::clWhite;
    FillBorderBands(c, {1, 1, 6, 6}, 1, 0, 2, 1, 0x00FF00);
    EXPECT_TRUE(AllEqual(b, {1, 1, 2, 6}, Opaque(0x00FF00)));
    EXPECT_TRUE(AllEqual(b, {4, 1, 6, 6}, Opaque(0x00FF00)));
    EXPECT_TRUE(AllEqual(b, {1, 5, 6, 6}, Opaque(0x00FF00)));
    EXPECT_TRUE(AllEqual(b, {2, 1, 4, 5}, 0));
    EXPECT_EQ(c.Brush.Color, gfx::clWhite);
}

TEST(ExcludeGraphicChildren, KeepsPaintingOffTheMovedChildRectangles) {
    gfx::TBitmap b = Filled(6, 6, 0);
    gfx::TCanvas& c = b.Canvas();
    ExcludeGraphicChildren(c, {{0, 0, 2, 2}}, {3, 3});
    c.Brush = {0x0000FF, gfx::bsSolid};
    c.FillRect({0, 0, 6, 6});
    EXPECT_EQ(Px(b, 3, 3), 0u);
    EXPECT_EQ(Px(b, 5, 5), Opaque(0xFF0000));
}
