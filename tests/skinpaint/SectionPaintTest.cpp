// Section backgrounds and whole items: transparency over a known or unknown
// parent, texture and gradient shares, corner images and frames, glyphs and
// the disabled look.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "PaintTestKit.h"
#include "skin/sSkinManager.h"
#include "skinpaint/sDisabledLook.h"
#include "skinpaint/sMaskGlyph.h"
#include "skinpaint/sSectionBackground.h"
#include "skinpaint/sSectionItem.h"

using namespace skinpaint;
using namespace painttest;

namespace {

struct Sections : ::testing::Test {
    TTestSkin skin{Filled(8, 8, Opaque(0x0000FF))};
    int black = -1;
    void SetUp() override { black = skin.AddSection("BLACK", 0x000000, 2); }
    void Paint(gfx::TBitmap& b, const ParentBackground& g, gfx::TPoint offset, int state = 0) {
        PaintSectionBackground(black, "BLACK", g, KEY_COLOR, -1, -1, &skin.Tables, b, offset, {0, 0, b.Width(), b.Height()},
                               state);
    }
};

}  // namespace

TEST_F(Sections, FullTransparencyOverAParentBitmapShowsExactlyTheParentAtTheControlsPlace) {
    skin.Section(black).Transparency = 100;
    const gfx::TBitmap parent = Noise(20, 20, 9);
    gfx::TBitmap b = Filled(4, 3, 0);
    Paint(b, BackgroundFromBitmap(parent, 5, 6), {2, 1});
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) ASSERT_EQ(Px(b, x, y), Px(parent, x + 7, y + 7));
}

TEST_F(Sections, NothingKnownBehindPaintsOpaqueWhateverTheTransparency) {
    skin.Section(black).Transparency = 100;
    gfx::TBitmap b = Filled(3, 3, 0);
    Paint(b, EmptyBackground, {0, 0});
    EXPECT_TRUE(AllEqual(b, {0, 0, 3, 3}, Opaque(0)));
    skin.Section(black).Transparency = 40;
    b = Filled(3, 3, 0);
    Paint(b, EmptyBackground, {0, 0});
    EXPECT_TRUE(AllEqual(b, {0, 0, 3, 3}, Opaque(0)));
}

TEST_F(Sections, FortyPercentOverAWhiteParentColourGives102) {
    skin.Section(black).Transparency = 40;
    ParentBackground white;
    white.FillColor = 0xFFFFFF;
    gfx::TBitmap b = Filled(3, 3, 0);
    Paint(b, white, {0, 0});
    EXPECT_TRUE(AllEqual(b, {0, 0, 3, 3}, Opaque(0x666666)));
}

TEST_F(Sections, FortyPercentOverAParentBitmapBlendsWithTheWeightOfTheParent) {
    skin.Section(black).Transparency = 40;
    const gfx::TBitmap parent = Filled(4, 4, Opaque(0xFFFFFF));
    gfx::TBitmap b = Filled(2, 2, 0);
    Paint(b, BackgroundFromBitmap(parent, 0, 0), {0, 0});
    // a = 40 * 255 / 100 = 102: (255 * 102 + 0 + 127) >> 8 = 102; the alpha
    // takes the same arithmetic, (255 * 255 + 127) >> 8 = 254.
    EXPECT_EQ(Px(b, 1, 1), 0xFE666666u);
}

TEST_F(Sections, HotStatesUseTheHotLookAndStatesAreLimited) {
    skin.Section(black).HotColor = 0x00FF00;
    gfx::TBitmap b = Filled(2, 2, 0);
    Paint(b, EmptyBackground, {0, 0}, 5);
    EXPECT_EQ(Px(b, 0, 0), Opaque(0x00FF00));
}

TEST_F(Sections, ACustomColourReplacesTheLook) {
    skin.Section(black).Transparency = 100;
    gfx::TBitmap b = Filled(2, 2, 0);
    PaintSectionBackground(black, "BLACK", BackgroundFromBitmap(b, 0, 0), 0x0000FF, -1, -1, &skin.Tables, b, {0, 0},
                           {0, 0, 2, 2}, 0);
    EXPECT_EQ(Px(b, 1, 1), Opaque(0xFF0000));
}

TEST_F(Sections, TextureAndGradientSharingAllArePaintedInOnePass) {
    skin::TsGeneralData& s = skin.Section(black);
    s.ImagePercent = 40;
    s.GradientPercent = 60;
    s.GradientArray = {{0xFFFFFF, 0xFFFFFF, 100, 0}};
    s.PatternIndex = skin.AddEntry({0, 0, 2, 2}, 1, 0, 0, 0, skin::ikTexture);
    gfx::TBitmap b = Filled(3, 3, 0);
    Paint(b, EmptyBackground, {0, 0});
    // Texture pure blue over white with f = 102: blue 255, others (255 * 154) >> 8 = 153.
    EXPECT_EQ(Px(b, 2, 2), 0xFF9999FFu);
}

TEST_F(Sections, ImageShareBelowAHundredFadesTowardTheColour) {
    skin::TsGeneralData& s = skin.Section(black);
    s.ImagePercent = 50;
    s.PatternIndex = skin.AddEntry({0, 0, 2, 2}, 1, 0, 0, 0, skin::ikTexture);
    gfx::TBitmap b = Filled(4, 4, Opaque(0x123456));
    PaintSectionBackground(black, "BLACK", EmptyBackground, KEY_COLOR, -1, -1, &skin.Tables, b, {0, 0}, {0, 0, 2, 2}, 0);
    EXPECT_EQ(Px(b, 1, 1), Opaque(0x000080));  // half of 255 blue, rounded up
    EXPECT_EQ(Px(b, 2, 2), Opaque(0x123456));  // nothing outside the rectangle
}

// What lies behind a rectangle inside the painted bitmap comes from the
// background at (X + offset.x, Y + offset.y): the offset already says where
// the rectangle lies, so its own left and top are not added again.
TEST_F(Sections, WhatLiesBehindARectangleStartsAtTheBackgroundPlusTheOffset) {
    const gfx::TBitmap parent = Noise(20, 20, 9);
    const gfx::TRect rect{1, 2, 4, 4};
    const gfx::TPoint offset{2, 1};
    const int X = 5, Y = 6;
    for (const int transparency : {100, 40}) {
        SCOPED_TRACE(transparency);
        skin.Section(black).Transparency = transparency;
        gfx::TBitmap b = Filled(6, 6, 0);
        PaintSectionBackground(black, "BLACK", BackgroundFromBitmap(parent, X, Y), KEY_COLOR, -1, -1, &skin.Tables, b,
                               offset, rect, 0);
        for (int y = rect.Top; y < rect.Bottom; ++y)
            for (int x = rect.Left; x < rect.Right; ++x) {
                const uint32_t behind = Px(parent, X + offset.X + x - rect.Left, Y + offset.Y + y - rect.Top);
                uint32_t want = behind;
                if (transparency == 40) {
                    // (d * 102 + s * 153 + 127) >> 8 over opaque black.
                    want = 0;
                    for (int shift = 0; shift < 32; shift += 8) {
                        const uint32_t d = behind >> shift & 0xFF, s = shift == 24 ? 255 : 0;
                        want |= ((d * 102 + s * 153 + 127) >> 8) << shift;
                    }
                }
                ASSERT_EQ(Px(b, x, y), want) << "at " << x << ", " << y;
            }
        EXPECT_EQ(Px(b, 0, 0), 0u) << "nothing outside the rectangle";
    }
}

// A texture with a mask is not laid in the background pass, and since it is
// a valid entry no JPEG pattern stands in for it: the colour fills the place.
// Only a texture that is no valid entry gives way to the pattern.
TEST_F(Sections, AMaskedTextureIsDroppedWithoutFallingBackToThePattern) {
    skin::TsGeneralData& s = skin.Section(black);
    s.ImagePercent = 100;
    skin::TsPatternData pattern;
    pattern.Image = std::make_unique<gfx::TBitmap>(Filled(2, 2, Opaque(0x00FF00)));
    pattern.SectionName = "BLACK";
    pattern.KeyName = "PATTERN";
    skin.Tables.Patterns.push_back(std::move(pattern));
    const int masked = skin.AddEntry({0, 0, 2, 2}, 1, 1, 0, 0, skin::ikTexture);
    const struct {
        const char* Situation;
        int Texture;
        uint32_t Want;
    } cases[] = {
        {"masked texture", masked, Opaque(0)},
        {"no texture at all", -1, Opaque(0x00FF00)},
        {"a texture index beyond the table", 99, Opaque(0x00FF00)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Situation);
        gfx::TBitmap b = Filled(3, 3, 0);
        PaintSectionBackground(black, "BLACK", EmptyBackground, KEY_COLOR, -1, c.Texture, &skin.Tables, b, {0, 0},
                               {0, 0, 3, 3}, 0);
        EXPECT_TRUE(AllEqual(b, {0, 0, 3, 3}, c.Want));
    }
}

// Without a manager of their own, the section painters use the default one.
TEST(DefaultManager, StandsInForANullManagerInTheSectionPainters) {
    gfx::TBitmap b = Filled(4, 4, 0);
    PaintSectionBackground(0, "GREEN", EmptyBackground, KEY_COLOR, -1, -1, nullptr, b, {0, 0}, {0, 0, 4, 4}, 0);
    ASSERT_TRUE(AllEqual(b, {0, 0, 4, 4}, 0)) << "no default manager, nothing painted";

    skin::TsSkinManager manager(nullptr);
    ASSERT_EQ(skin::TsSkinManager::DefaultManager(), &manager);
    const int green = AddSection(manager, "GREEN", 0x00FF00);
    const struct {
        const char* Painter;
        std::function<void(gfx::TBitmap&)> Paint;
    } painters[] = {
        {"PaintSectionBackground",
         [&](gfx::TBitmap& t) {
             PaintSectionBackground(green, "GREEN", EmptyBackground, KEY_COLOR, -1, -1, nullptr, t, {0, 0},
                                    {0, 0, 4, 4}, 0);
         }},
        {"PaintSectionItem",
         [&](gfx::TBitmap& t) {
             PaintSectionItem(green, "GREEN", EmptyBackground, -1, -1, nullptr, t, {0, 0}, {0, 0, 4, 4}, 0);
         }},
        {"PaintSectionItemToDC",
         [&](gfx::TBitmap& t) {
             PaintSectionItemToDC(green, "GREEN", EmptyBackground, nullptr, t.Canvas(), {0, 0}, {0, 0, 4, 4}, 0);
         }},
    };
    for (const auto& p : painters) {
        SCOPED_TRACE(p.Painter);
        gfx::TBitmap t = Filled(4, 4, 0);
        p.Paint(t);
        EXPECT_TRUE(AllEqual(t, {0, 0, 4, 4}, Opaque(0x00FF00)));
    }
}

TEST_F(Sections, ItemPaintsNothingForARectangleBeyondTheBitmap) {
    gfx::TBitmap b = Filled(4, 4, 0);
    PaintSectionItem(black, "BLACK", EmptyBackground, -1, -1, &skin.Tables, b, {0, 0}, {1, 1, 5, 4}, 0);
    PaintSectionItem(black, "BLACK", EmptyBackground, -1, -1, &skin.Tables, b, {0, 0}, {-1, 0, 2, 2}, 0);
    PaintSectionItem(black, "BLACK", EmptyBackground, -1, -1, nullptr, b, {0, 0}, {0, 0, 2, 2}, 0);
    EXPECT_TRUE(AllEqual(b, {0, 0, 4, 4}, 0));
}

TEST_F(Sections, ItemPutsCornerImagesInTheCornersKeepingWhatTheirKeyPixelsCover) {
    gfx::TBitmap& master = skin.Tables.MasterImage;
    SetPx(master, 1, 0, Key);
    const int glyph = skin.AddEntry({0, 0, 2, 1}, 1, 0, 0, 0, skin::ikGlyph);
    skin.Section(black).ImgBtmRightIndex = glyph;
    skin.Section(black).ImgTopLeftIndex = glyph;
    gfx::TBitmap b = Filled(5, 5, 0);
    PaintSectionItem(black, "BLACK", EmptyBackground, -1, -1, &skin.Tables, b, {0, 0}, {0, 0, 5, 5}, 0);
    EXPECT_EQ(Px(b, 0, 0), Opaque(0x0000FF));
    EXPECT_EQ(Px(b, 1, 0), Opaque(0));
    EXPECT_EQ(Px(b, 3, 4), Opaque(0x0000FF));
    EXPECT_EQ(Px(b, 4, 4), Opaque(0));
}

TEST_F(Sections, ItemToDCCopiesTheItemAtTheRectangle) {
    gfx::TBitmap target = Filled(6, 6, 0);
    PaintSectionItemToDC(black, "BLACK", EmptyBackground, &skin.Tables, target.Canvas(), {0, 0}, {2, 2, 4, 5}, 0);
    EXPECT_TRUE(AllEqual(target, {2, 2, 4, 5}, Opaque(0)));
    EXPECT_EQ(Px(target, 4, 2), 0u);
}

TEST(PaintMaskGlyph, HalfStrengthLiftsTheMaskAndKeyedGlyphsBlendHalfway) {
    gfx::TBitmap master = Filled(2, 2, Opaque(0x000000));
    SetPx(master, 0, 1, Opaque(0x000000)), SetPx(master, 1, 1, Opaque(0x646464));
    TTestSkin skin(std::move(master));
    const int masked = skin.AddEntry({0, 0, 2, 2}, 1, 1, 0, 0, skin::ikGlyph);
    const int keyed = skin.AddEntry({0, 0, 1, 1}, 1, 0, 0, 0, skin::ikGlyph);
    gfx::TBitmap b = Filled(3, 1, Opaque(0xC8C8C8));
    PaintMaskGlyph(b, {0, 0}, 0, EmptyBackground, skin.Entry(masked), gdHalf);
    // Mask 0 lifted to 100: (200 * 100) >> 8 = 78; mask 100 to 200: 156.
    EXPECT_EQ(Px(b, 0, 0), Opaque(0x4E4E4E));
    EXPECT_EQ(Px(b, 1, 0), Opaque(0x9C9C9C));
    PaintMaskGlyph(b, {2, 0}, 0, EmptyBackground, skin.Entry(keyed), gdHalf);
    EXPECT_EQ(Px(b, 2, 0), Opaque(0x646464));
}

TEST(PaintMaskGlyph, CutsPartsLeftOfTheBitmapFromBothSides) {
    gfx::TBitmap master = Filled(3, 1, Opaque(1));
    SetPx(master, 2, 0, Opaque(3));
    TTestSkin skin(std::move(master));
    const int e = skin.AddEntry({0, 0, 3, 1}, 1, 0, 0, 0, skin::ikGlyph);
    gfx::TBitmap b = Filled(2, 1, 0);
    PaintMaskGlyph(b, {-2, 0}, 0, EmptyBackground, skin.Entry(e), gdNormal);
    EXPECT_EQ(Px(b, 0, 0), Opaque(3));
    EXPECT_EQ(Px(b, 1, 0), 0u);
}

TEST(PaintDisabledLook, BlendsSixtyPercentOfTheParentOrHalfOfItsColour) {
    gfx::TBitmap b = Filled(2, 2, Opaque(0x0A1420));
    PaintDisabledLook(b, dkGrayed, 0, {0, 0}, EmptyBackground);
    EXPECT_EQ(Px(b, 0, 0), Opaque(0x141414));
    const gfx::TBitmap parent = Filled(4, 4, Opaque(0x646464));
    PaintDisabledLook(b, dkBlended, 0, {1, 1}, BackgroundFromBitmap(parent, 1, 1));
    EXPECT_EQ(Px(b, 1, 1), Opaque(0x444444));  // nearest(100 - 80 * 0.4) = 68
    b = Filled(2, 2, Opaque(0));
    PaintDisabledLook(b, dkBlended, 0xC8C8C8, {0, 0}, EmptyBackground);
    EXPECT_EQ(Px(b, 1, 1), Opaque(0x646464));
}
