#include <gtest/gtest.h>

#include "PixelHelpers.h"
#include "gfx/TCanvas.h"

using namespace gfx;
using namespace gfxtest;

TEST(BitmapLayout, RowsAreTopDownWithFourByteAlignedStrides) {
    TBitmap b32(5, 3, pf32bit), b24(5, 3, pf24bit), b8(5, 3, pf8bit);
    EXPECT_EQ(b32.Stride(), 20);
    EXPECT_EQ(b24.Stride(), 16);
    EXPECT_EQ(b8.Stride(), 8);
    EXPECT_EQ(b24.ScanLine(2) - b24.ScanLine(0), 32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(Px(b32, x, y), 0u);  // new pictures are zero
}

TEST(BitmapLayout, ResizingKeepsTheTopLeftAndZeroesTheRest) {
    TBitmap b = Numbered(4, 4);
    b.SetSize(6, 2);
    EXPECT_EQ(Px(b, 3, 1), 0xC8070103u);
    EXPECT_EQ(Px(b, 4, 0), 0u);
    b.SetSize(2, 5);
    EXPECT_EQ(Px(b, 1, 1), 0xC8070101u);
    EXPECT_EQ(Px(b, 1, 4), 0u);
}

TEST(BitmapLayout, RefusesSizesBeyondTheLimits) {
    TBitmap b;
    EXPECT_THROW(b.SetSize(-1, 5), EInvalidGraphic);
    EXPECT_THROW(b.SetSize(40000, 1), EInvalidGraphic);
    EXPECT_THROW(b.SetSize(30000, 30000), EInvalidGraphic);
    EXPECT_TRUE(b.Empty());
}

TEST(BitmapFormats, ConversionTo32BitsLeavesAlphaZeroAndBackDropsIt) {
    TBitmap b(2, 1, pf24bit);
    b.ScanLine(0)[0] = 10, b.ScanLine(0)[1] = 20, b.ScanLine(0)[2] = 30;
    b.SetPixelFormat(pf32bit);
    EXPECT_EQ(b.Stride(), 8);
    EXPECT_EQ(Px(b, 0, 0), 0x001E140Au);
    SetPx(b, 1, 0, 0x80FFFFFFu);
    b.SetPixelFormat(pf24bit);
    EXPECT_EQ(b.ScanLine(0)[3], 255);
    EXPECT_EQ(b.ScanLine(0)[0], 10);
}

TEST(BitmapFormats, GreyIsTheLuminanceAndExpandsToEqualChannels) {
    TBitmap b(3, 1, pf32bit);
    SetPx(b, 0, 0, 0xFFFFFFFFu);
    SetPx(b, 1, 0, 0xFF0000FFu);  // blue
    SetPx(b, 2, 0, 0xFFFF0000u);  // red
    b.SetPixelFormat(pf8bit);
    EXPECT_EQ(b.ScanLine(0)[0], 255);
    EXPECT_EQ(b.ScanLine(0)[1], 29);
    EXPECT_EQ(b.ScanLine(0)[2], 77);
    b.SetPixelFormat(pf24bit);
    EXPECT_EQ(b.ScanLine(0)[6], 77);
    EXPECT_EQ(b.ScanLine(0)[7], 77);
    EXPECT_EQ(b.ScanLine(0)[8], 77);
}

TEST(BitmapTransparency, AutomaticColourIsTheBottomLeftPixel) {
    TBitmap b(3, 3, pf24bit);
    b.Canvas().Brush.Color = clLime;
    b.Canvas().FillRect({0, 2, 1, 3});
    EXPECT_EQ(b.TransparentColor(), clLime);
    b.SetTransparentColor(clRed);
    EXPECT_EQ(b.TransparentMode(), tmFixed);
    EXPECT_EQ(b.TransparentColor(), clRed);
}

TEST(BitmapAssign, CopiesPictureAndSettingsAndMovesKeepThePixels) {
    TBitmap a = Numbered(3, 2);
    a.SetTransparent(true);
    TBitmap b;
    b.Assign(a);
    EXPECT_EQ(Px(b, 2, 1), Px(a, 2, 1));
    EXPECT_TRUE(b.Transparent());
    TBitmap c(std::move(b));
    EXPECT_EQ(Px(c, 2, 1), 0xC8070102u);
    c.Canvas().Brush.Color = clWhite;
    c.Canvas().FillRect({0, 0, 1, 1});
    EXPECT_EQ(Px(c, 0, 0), 0xFFFFFFFFu);
}

TEST(Colours, SystemColoursComeFromTheClassicTable) {
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(212, 208, 200));
    EXPECT_EQ(ColorToRGB(TColor(0xFF00000F)), RGB(212, 208, 200));  // as skins write it
    EXPECT_EQ(ColorToRGB(TColor(0xFF000014)), clWhite);            // button highlight
    EXPECT_EQ(ColorToRGB(TColor(0xFF000010)), RGB(128, 128, 128));  // grey text
    EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
    EXPECT_EQ(ColorToRGB(SystemColor(99)), 0);
    EXPECT_EQ(ColorToRGB(0x00F1CEB0), 0x00F1CEB0);
    EXPECT_EQ(GetRValue(RGB(1, 2, 3)), 1);
    EXPECT_EQ(GetBValue(RGB(1, 2, 3)), 3);
}
