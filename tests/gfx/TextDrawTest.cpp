#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "PixelHelpers.h"
#include "gfx/ImageCodecs.h"
#include "gfx/TCanvas.h"

using namespace gfx;
using namespace gfxtest;

namespace {

constexpr uint32_t White = 0xFFFFFFFFu;

// A white picture with a clear brush and black text.
TBitmap Paper(int width, int height) {
    TBitmap b(width, height);
    b.Canvas().Brush.Color = clWhite;
    b.Canvas().FillRect({0, 0, width, height});
    b.Canvas().Brush.Style = bsClear;
    b.Canvas().Font.Color = clBlack;
    return b;
}

// The bounds of every pixel that is not white.
TRect Ink(const TBitmap& b) {
    TRect r{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (Px(b, x, y) != White)
                r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1)};
    return r;
}

}  // namespace

TEST(FontMetrics, MsSansSerifEightPointIsElevenPixelsInAThirteenPixelCell) {
    TBitmap b(1, 1);
    TCanvas& c = b.Canvas();
    EXPECT_EQ(c.Font.Name, "MS Sans Serif");
    EXPECT_EQ(c.Font.Size(), 8);
    const TTextMetric tm = c.GetTextMetrics();
    EXPECT_EQ(tm.tmHeight, 13);
    EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 11);
    EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
    EXPECT_EQ(c.TextHeight("Ag"), 13);
    // A positive height names the cell: 13 gives the same font.
    c.Font.Height = 13;
    EXPECT_EQ(c.GetTextMetrics().tmHeight, 13);
    EXPECT_EQ(c.TextWidth("Kestrune"), (TCanvas(b).TextWidth("Kestrune")));
    c.Font.SetSize(12);
    EXPECT_EQ(c.Font.Height, -16);
    EXPECT_EQ(c.GetTextMetrics().tmHeight - c.GetTextMetrics().tmInternalLeading, 16);
}

TEST(FontMetrics, ExtentsAddUpAndControlCharactersAreEmpty) {
    TBitmap b(1, 1);
    TCanvas& c = b.Canvas();
    EXPECT_EQ(c.GetTextExtentPoint32(""), (TSize{0, 13}));
    EXPECT_EQ(c.TextWidth("Start"), c.TextWidth("St") + c.TextWidth("art"));
    EXPECT_EQ(c.TextWidth("a\tb\r\n"), c.TextWidth("ab"));
    EXPECT_GT(c.TextWidth("W"), c.TextWidth("i"));
    // The faces the windows name all measure alike, through the alias file.
    const int width = c.TextWidth("Open video file when process completes");
    c.Font.Name = "tahoma";
    EXPECT_EQ(c.TextWidth("Open video file when process completes"), width);
    c.Font.Style = fsBold;
    EXPECT_GT(c.TextWidth("Open video file when process completes"), width);
}

TEST(DrawTextCalcRect, MeasuresWithoutDrawing) {
    TBitmap b = Paper(50, 50);
    TCanvas& c = b.Canvas();
    TRect r{10, 20, 10, 20};
    EXPECT_EQ(c.DrawText("Start", r, DT_CALCRECT | DT_SINGLELINE), 13);
    EXPECT_EQ(r, (TRect{10, 20, 10 + c.TextWidth("Start"), 33}));
    r = {0, 0, c.TextWidth("one two"), 0};
    EXPECT_EQ(c.DrawText("one two three", r, DT_CALCRECT | DT_WORDBREAK), 26);
    EXPECT_EQ(r, (TRect{0, 0, c.TextWidth("one two"), 26}));
    r = {5, 5, 40, 40};
    EXPECT_EQ(c.DrawText("", r, DT_CALCRECT), 0);
    EXPECT_EQ(r, (TRect{5, 5, 5, 5}));
    r = {5, 5, 40, 40};
    c.DrawText("", r, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(r, (TRect{5, 5, 5, 18}));
    // A word longer than the box widens the measured box.
    r = {0, 0, 10, 0};
    c.DrawText("a verylongword", r, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(r.Right, c.TextWidth("verylongword"));
    EXPECT_EQ(Ink(b), (TRect{INT_MAX, INT_MAX, INT_MIN, INT_MIN}));
}

TEST(DrawTextPlacement, AlignmentMovesTheSameInkByWholePixels) {
    const int boxWidth = 100, boxHeight = 40;
    auto inkFor = [&](unsigned format) {
        TBitmap b = Paper(boxWidth, boxHeight);
        TRect r{0, 0, boxWidth, boxHeight};
        b.Canvas().DrawText("Help", r, format | DT_SINGLELINE);
        return Ink(b);
    };
    TBitmap probe(1, 1);
    const int w = probe.Canvas().TextWidth("Help");
    const TRect left = inkFor(DT_LEFT);
    EXPECT_EQ(inkFor(DT_CENTER), OffsetRect(left, (boxWidth - w) / 2, 0));
    EXPECT_EQ(inkFor(DT_RIGHT), OffsetRect(left, boxWidth - w, 0));
    EXPECT_EQ(inkFor(DT_VCENTER), OffsetRect(left, 0, boxHeight / 2 - 13 / 2));
    EXPECT_EQ(inkFor(DT_BOTTOM), OffsetRect(left, 0, boxHeight - 13));
    EXPECT_EQ(inkFor(DT_CENTER | DT_VCENTER), OffsetRect(left, (boxWidth - w) / 2, boxHeight / 2 - 13 / 2));
}

TEST(DrawTextPlacement, ClipsToTheBoxUnlessNoClipAndStopsBelowIt) {
    TBitmap clipped = Paper(60, 40), free = Paper(60, 40);
    TRect r{0, 0, 12, 8};
    EXPECT_EQ(clipped.Canvas().DrawText("Wide text", r, DT_SINGLELINE), 13);
    const TRect ink = Ink(clipped);
    EXPECT_LE(ink.Right, 12);
    EXPECT_LE(ink.Bottom, 8);
    free.Canvas().DrawText("Wide text", r, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(Ink(free).Right, 12);
    // Only lines that start inside the box are made: the result says how many.
    TBitmap lines = Paper(60, 60);
    r = {0, 0, 60, 13};
    EXPECT_EQ(lines.Canvas().DrawText("a\nb\nc", r, 0), 13);
    r = {0, 0, 60, 14};
    EXPECT_EQ(lines.Canvas().DrawText("a\nb\nc", r, 0), 26);
    r = {0, 10, 60, 14};
    EXPECT_EQ(lines.Canvas().DrawText("a\nb\nc", r, DT_NOCLIP), 39);
}

TEST(DrawTextPrefix, UnderlinesOnlyThePrefixedCharacter) {
    TBitmap b = Paper(60, 20);
    TCanvas& c = b.Canvas();
    TRect r{0, 0, 60, 20};
    c.DrawText("&File", r, DT_SINGLELINE);
    const TFontInstance& font = FontInstance(c.Font);
    const int row = c.GetTextMetrics().tmAscent + const_cast<TFontInstance&>(font).UnderlinePosition();
    const int f = c.TextWidth("F");
    for (int x = 0; x < f; ++x) EXPECT_EQ(Px(b, x, row), 0xFF000000u) << x;
    for (int x = f + 1; x < 60; ++x) EXPECT_EQ(Px(b, x, row), White) << x;
    TBitmap hidden = Paper(60, 20);
    hidden.Canvas().DrawText("&File", r, DT_SINGLELINE | DT_HIDEPREFIX);
    EXPECT_EQ(Px(hidden, 1, row), White);
}

TEST(DrawTextBackground, SolidBrushFillsEachLineCell) {
    TBitmap b = Paper(80, 40);
    TCanvas& c = b.Canvas();
    c.Brush.Style = bsSolid;
    c.Brush.Color = clRed;
    TRect r{5, 5, 80, 40};
    c.DrawText("ab\nabc", r, 0);
    EXPECT_EQ(Px(b, 5, 5), 0xFFFF0000u);
    EXPECT_EQ(Px(b, 5 + c.TextWidth("ab"), 5), White);
    EXPECT_EQ(Px(b, 5 + c.TextWidth("ab"), 18), 0xFFFF0000u);
    EXPECT_EQ(Px(b, 5, 31), White);
}

TEST(TextAlpha, CoverageBecomesAlphaOverTransparencyAndOpaqueStaysOpaque) {
    TBitmap clear(60, 16);  // black, alpha 0
    TCanvas& c = clear.Canvas();
    c.Brush.Style = bsClear;
    c.Font.Color = clWhite;
    c.TextOut(2, 1, "Glow");
    int partial = 0, full = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 60; ++x) {
            const uint8_t* p = clear.ScanLine(y) + x * 4;
            // White over nothing: every channel is the coverage.
            ASSERT_TRUE(p[0] == p[3] && p[1] == p[3] && p[2] == p[3]) << x << "," << y;
            partial += p[3] > 0 && p[3] < 255;
            full += p[3] == 255;
        }
    EXPECT_GT(partial, 0);  // anti-aliased edges
    EXPECT_GT(full, 0);     // and solid stems

    TBitmap opaque = Paper(60, 16);
    opaque.Canvas().Font.Color = RGB(33, 33, 33);
    opaque.Canvas().TextOut(2, 1, "Glow");
    int exact = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 60; ++x) {
            ASSERT_EQ(opaque.ScanLine(y)[x * 4 + 3], 255);
            exact += Px(opaque, x, y) == 0xFF212121u;
        }
    EXPECT_GT(exact, 10);  // fully covered stems take exactly the text colour
}

TEST(TextAlpha, GreyMapsTakeBlackTextOnWhite) {
    TBitmap map(40, 16, pf8bit);
    TCanvas& c = map.Canvas();
    c.Brush.Color = clWhite;
    c.FillRect({0, 0, 40, 16});
    c.Brush.Style = bsClear;
    c.Font.Color = clBlack;
    c.TextOut(0, 0, "Hello");
    int black = 0, grey = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 40; ++x) {
            const int v = map.ScanLine(y)[x];
            black += v == 0;
            grey += v > 0 && v < 255;
        }
    EXPECT_GT(black, 10);
    EXPECT_GT(grey, 0);
    EXPECT_EQ(map.ScanLine(15)[39], 255);
}

TEST(TextTurns, EscapementTurnsThePictureAboutTheReferencePoint) {
    TBitmap level(40, 16), up(16, 40), down(16, 40);
    for (TBitmap* b : {&level, &up, &down}) {
        b->Canvas().Brush.Style = bsClear;
        b->Canvas().Font.Color = clWhite;
    }
    level.Canvas().TextOut(0, 0, "Turn");
    up.Canvas().Font.Orientation = 900;  // reads upwards
    up.Canvas().TextOut(0, 40, "Turn");
    down.Canvas().Font.Orientation = -900;  // same as 2700: reads downwards
    down.Canvas().TextOut(16, 0, "Turn");
    for (int v = 0; v < 16; ++v)
        for (int u = 0; u < 40; ++u) {
            ASSERT_EQ(Px(up, v, 39 - u), Px(level, u, v)) << u << "," << v;
            ASSERT_EQ(Px(down, 15 - v, u), Px(level, u, v)) << u << "," << v;
        }
}

// The golden picture holds the look of the labels with the font aliases in
// effect; KESTRUNE_UPDATE_GOLDEN=1 writes it anew after a deliberate change.
TEST(TextGolden, LabelsLookAsRecorded) {
    TBitmap b(260, 150);
    TCanvas& c = b.Canvas();
    c.Brush.Color = RGB(176, 206, 241);
    c.FillRect({0, 0, 260, 150});
    c.Brush.Style = bsClear;
    c.Font.Color = RGB(33, 33, 33);
    c.Font.Style = fsBold;
    c.TextOut(8, 4, "YouTube URL:");
    c.Font.Style = 0;
    TRect r{8, 20, 250, 33};
    c.DrawText("Example: http://www.youtube.com/watch?v=Kestrune", r, DT_SINGLELINE | DT_END_ELLIPSIS);
    r = {8, 36, 120, 80};
    c.DrawText("Open video file when &process completes", r, DT_WORDBREAK | DT_CENTER);
    c.Font.Name = "Tahoma";
    c.Font.SetSize(12);
    c.Font.Style = fsBold | fsUnderline;
    c.Font.Color = clNavy;
    c.TextOut(8, 84, "Kestrune 2.8");
    c.Font = TFont();
    c.Font.Orientation = 900;
    c.TextOut(240, 140, "Turned");
    c.Font.Orientation = 0;
    c.Font.Style = fsItalic;
    c.TextOut(130, 40, "Italic Ag");
    c.Font.Style = 0;
    c.Brush.Style = bsSolid;
    c.Brush.Color = clBtnFace;
    r = {8, 110, 200, 140};
    c.DrawText("Done.\tOK", r, DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER | DT_RIGHT);

    const std::string golden = std::string(GFX_TEST_DATA) + "/text-labels.png";
    if (std::getenv("KESTRUNE_UPDATE_GOLDEN")) std::ofstream(golden, std::ios::binary) << WritePng(b);
    std::ifstream in(golden, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const TBitmap expected = ReadPng(bytes.str());
    ASSERT_EQ(expected.Width(), b.Width());
    int differing = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) differing += Px(expected, x, y) != Px(b, x, y);
    if (differing) std::ofstream("text-labels-actual.png", std::ios::binary) << WritePng(b);
    EXPECT_EQ(differing, 0) << "see text-labels-actual.png in the test's working folder";
}
