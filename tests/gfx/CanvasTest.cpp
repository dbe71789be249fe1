#include <gtest/gtest.h>

#include "PixelHelpers.h"
#include "gfx/TCanvas.h"

using namespace gfx;
using namespace gfxtest;

namespace {
constexpr uint32_t Red = 0xFFFF0000u, Blue = 0xFF0000FFu;
}

TEST(CanvasFill, WritesOpaqueColourRightAndBottomExclusive) {
    TBitmap b(4, 3);
    b.Canvas().Brush.Color = clRed;
    b.Canvas().FillRect({1, 1, 3, 5});
    EXPECT_EQ(Picture(b, Red), "....\n.##.\n.##.\n");
    b.Canvas().Brush.Style = bsClear;
    b.Canvas().Brush.Color = clBlue;
    b.Canvas().FillRect({0, 0, 4, 3});
    EXPECT_EQ(Px(b, 0, 0), 0u);
}

TEST(CanvasFill, WorksOnEveryFormatAndResolvesSystemColours) {
    TBitmap b24(2, 1, pf24bit), b8(2, 1, pf8bit);
    b24.Canvas().Brush.Color = clBtnFace;
    b24.Canvas().FillRect({1, 0, 2, 1});
    EXPECT_EQ(b24.ScanLine(0)[3], 200);
    EXPECT_EQ(b24.ScanLine(0)[5], 212);
    EXPECT_EQ(b24.ScanLine(0)[0], 0);
    b8.Canvas().Brush.Color = clWhite;
    b8.Canvas().FillRect({0, 0, 1, 1});
    EXPECT_EQ(b8.ScanLine(0)[0], 255);
    EXPECT_EQ(b8.ScanLine(0)[1], 0);
}

TEST(CanvasFrame, DrawsAOnePixelBorderInside) {
    TBitmap b(5, 4);
    b.Canvas().Brush.Color = clRed;
    b.Canvas().FrameRect({0, 0, 5, 4});
    EXPECT_EQ(Picture(b, Red), "#####\n#...#\n#...#\n#####\n");
    TBitmap thin(3, 3);
    thin.Canvas().Brush.Color = clRed;
    thin.Canvas().FrameRect({1, 0, 2, 3});
    EXPECT_EQ(Picture(thin, Red), ".#.\n.#.\n.#.\n");
}

TEST(CanvasLines, LeaveOutTheEndPointAndMoveThePen) {
    TBitmap b(5, 5);
    TCanvas& c = b.Canvas();
    c.Pen.Color = clBlue;
    c.MoveTo(0, 0);
    c.LineTo(4, 0);
    c.LineTo(4, 4);
    c.MoveTo(0, 4);
    c.LineTo(3, 1);
    EXPECT_EQ(Picture(b, Blue), "#####\n....#\n..#.#\n.#..#\n#....\n");
    EXPECT_EQ(c.PenPos(), (TPoint{3, 1}));
}

TEST(CanvasPixels, ReadAndWriteWithinTheClipOnly) {
    TBitmap b(3, 3);
    TCanvas& c = b.Canvas();
    c.SetPixels(1, 1, RGB(1, 2, 3));
    EXPECT_EQ(c.Pixels(1, 1), RGB(1, 2, 3));
    EXPECT_EQ(Px(b, 1, 1), 0xFF010203u);
    EXPECT_EQ(c.Pixels(3, 0), CLR_INVALID);
    c.SetPixels(-1, 0, clRed);  // outside: nothing happens
    c.IntersectClipRect({0, 0, 1, 1});
    EXPECT_EQ(c.Pixels(1, 1), CLR_INVALID);
    c.SetPixels(2, 2, clRed);
    EXPECT_EQ(Px(b, 2, 2), 0u);
}

TEST(CanvasMapping, ViewportAndDeviceOriginsAddUp) {
    TBitmap b(6, 6);
    TCanvas& c = b.Canvas();
    c.SetDeviceOrigin({2, 1});
    EXPECT_EQ(c.SetViewportOrg(1, 1), (TPoint{0, 0}));
    c.Brush.Color = clRed;
    c.FillRect({0, 0, 1, 1});
    EXPECT_EQ(Px(b, 3, 2), Red);
    EXPECT_EQ(c.ClipRect(), (TRect{-3, -2, 3, 4}));
}

TEST(CanvasClip, SelectedRegionIsInDeviceCoordinatesAndRectanglesInLogical) {
    TBitmap b(6, 4);
    TCanvas& c = b.Canvas();
    c.SetViewportOrg(1, 0);
    TRegion region = TRegion::FromRects({{0, 0, 2, 2}, {4, 2, 6, 4}});
    EXPECT_EQ(c.SelectClipRgn(&region), COMPLEXREGION);
    c.Brush.Color = clRed;
    c.FillRect({-1, 0, 5, 4});
    EXPECT_EQ(Picture(b, Red), "##....\n##....\n....##\n....##\n");
    EXPECT_EQ(c.ExcludeClipRect({3, 3, 5, 4}), COMPLEXREGION);  // logical: device x 4..6
    c.SelectClipRgn(nullptr);
    c.ExcludeClipRect({0, 0, 4, 4});
    c.Brush.Color = clBlue;
    c.FillRect({-1, 0, 5, 4});
    EXPECT_EQ(Picture(b, Blue), "#....#\n#....#\n#....#\n#....#\n");
}

TEST(CanvasClip, DeviceClipLimitsEverythingAndSurvivesRestore) {
    TBitmap b(4, 2);
    TCanvas& c = b.Canvas();
    const TRegion visible(TRect{0, 0, 2, 2});
    c.SetDeviceClip(&visible);
    const int saved = c.SaveDC();
    c.SelectClipRgn(nullptr);
    EXPECT_TRUE(c.RestoreDC(saved));
    c.Brush.Color = clRed;
    c.FillRect({0, 0, 4, 2});
    EXPECT_EQ(Picture(b, Red), "##..\n##..\n");
}

TEST(CanvasState, SaveAndRestoreBringBackToolsOriginClipAndMode) {
    TBitmap b(4, 4);
    TCanvas& c = b.Canvas();
    c.Brush.Color = clRed;
    const int first = c.SaveDC();
    c.Brush.Color = clBlue;
    c.Brush.Style = bsClear;
    c.SetViewportOrg(2, 2);
    c.IntersectClipRect({0, 0, 1, 1});
    c.SetStretchBltMode(HALFTONE);
    EXPECT_EQ(c.SaveDC(), 2);
    EXPECT_TRUE(c.RestoreDC(-1));
    EXPECT_EQ(c.ViewportOrg(), (TPoint{2, 2}));
    EXPECT_TRUE(c.RestoreDC(first));
    EXPECT_EQ(c.Brush.Color, clRed);
    EXPECT_EQ(c.Brush.Style, bsSolid);
    EXPECT_EQ(c.ViewportOrg(), (TPoint{0, 0}));
    EXPECT_EQ(c.StretchBltMode(), COLORONCOLOR);
    EXPECT_EQ(c.ClipRect(), (TRect{0, 0, 4, 4}));
    EXPECT_FALSE(c.RestoreDC(1));
    EXPECT_FALSE(c.RestoreDC(-1));
    EXPECT_EQ(c.SetStretchBltMode(7), 0);
}
