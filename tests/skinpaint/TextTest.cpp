// Skinned text: contours, disabled colours, hue and saturation, the web
// button's underline, cutting to a width, and the glow.
#include <gtest/gtest.h>

#include <algorithm>

#include "BindingTestKit.h"
#include "PaintTestKit.h"
#include "skin/sSkinManager.h"
#include "skinpaint/sGlowText.h"
#include "skinpaint/sSkinText.h"
#include "skinpaint/sTextCut.h"

using namespace skinpaint;
using namespace painttest;

namespace {

constexpr unsigned Format = gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_CENTER;

struct Texts : ::testing::Test {
    TTestSkin skin{Filled(1, 1, 0)};
    int label = -1;
    gfx::TBitmap b = Filled(80, 30, Opaque(0xFFFFFF));
    gfx::TRect box{0, 0, 80, 30};
    void SetUp() override {
        label = skin.AddSection("LABEL", 0xFFFFFF, 2);
        b.Canvas().Font.Height = -20;
        b.Canvas().Font.Style = gfx::fsBold;
    }
    // The same text drawn plainly in one colour, with `style` added.
    gfx::TBitmap Plain(gfx::TColor color, gfx::TFontStyles style = 0) {
        gfx::TBitmap p = Filled(80, 30, Opaque(0xFFFFFF));
        gfx::TCanvas& c = p.Canvas();
        c.Font = b.Canvas().Font;
        c.Font.Style |= style;
        c.Font.Color = color;
        c.Brush.Style = gfx::bsClear;
        gfx::TRect r = box;
        c.DrawText("Wg", r, Format);
        return p;
    }
    static bool Same(const gfx::TBitmap& a, const gfx::TBitmap& c) {
        for (int y = 0; y < a.Height(); ++y)
            if (!std::equal(a.ScanLine(y), a.ScanLine(y) + a.Width() * 4, c.ScanLine(y))) return false;
        return true;
    }
};

// A control's text: the sections are a skin manager's, the control's binding
// uses one of them.
struct ControlTexts : Texts {
    TBindingScene scene;
    TBoundControl control{&scene.Form, {0, 0, 80, 30}};
    // A section of two states, white, to which the control is bound.
    skin::TsGeneralData& Bind(const std::string& name) {
        skin::TsGeneralData& section = scene.Skin.Section(scene.Skin.AddSection(name, 0xFFFFFF, 2));
        control.SkinData.SetSkinSection(name);
        return section;
    }
};

}  // namespace

TEST_F(Texts, ALookWithoutContoursDrawsTheTextOnce) {
    skin.Section(label).StateLook[0].FontColor = 0x336699;
    WriteSectionText(b.Canvas(), "Wg", true, &skin.Tables, 0, label, Format, box);
    EXPECT_TRUE(Same(b, Plain(0x336699)));
}

TEST_F(Texts, ANullManagerMeansTheDefaultManager) {
    skin.Section(label).StateLook[0].FontColor = 0x336699;
    WriteSectionText(b.Canvas(), "Wg", true, nullptr, 0, label, Format, box);
    EXPECT_TRUE(Same(b, Filled(80, 30, Opaque(0xFFFFFF)))) << "no default manager, nothing drawn";

    skin::TsSkinManager manager(nullptr);
    manager.Sections.push_back(skin.Section(label));
    WriteSectionText(b.Canvas(), "Wg", true, nullptr, 0, 0, Format, box);
    EXPECT_TRUE(Same(b, Plain(0x336699)));
}

TEST_F(Texts, ContoursAreCopiesMovedOnePixelEachWay) {
    skin.Section(label).StateLook[1].TCRight = 0x0000FF;
    WriteSectionText(b.Canvas(), "Wg", true, &skin.Tables, 1, label, Format, box);
    // The right contour first, one pixel to the right, then the text.
    gfx::TBitmap expected = Filled(80, 30, Opaque(0xFFFFFF));
    gfx::TCanvas& c = expected.Canvas();
    c.Font = b.Canvas().Font;
    c.Brush.Style = gfx::bsClear;
    c.Font.Color = 0x0000FF;
    gfx::TRect r = gfx::OffsetRect(box, 1, 0);
    c.DrawText("Wg", r, Format);
    c.Font.Color = 0;
    r = box;
    c.DrawText("Wg", r, Format);
    EXPECT_TRUE(Same(b, expected));
}

TEST_F(Texts, DisabledBlackTextOnAWhiteSectionIs153) {
    WriteSectionText(b.Canvas(), "Wg", false, &skin.Tables, 0, label, Format, box);
    uint32_t darkest = 0xFF;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 80; ++x) darkest = std::min(darkest, Px(b, x, y) & 0xFF);
    EXPECT_EQ(darkest, 153u);
}

TEST_F(ControlTexts, NoHueOrSaturationKeepsTheSkinColoursAndGreyIgnoresTheHue) {
    skin::TsGeneralData& label = Bind("LABEL");
    label.StateLook[0].FontColor = 0x3366CC;
    WriteControlText(b.Canvas(), "Wg", true, false, control.SkinData, Format, box);
    EXPECT_TRUE(Same(b, Plain(0x3366CC)));
    b = Filled(80, 30, Opaque(0xFFFFFF));
    b.Canvas().Font.Height = -20, b.Canvas().Font.Style = gfx::fsBold;
    label.StateLook[0].FontColor = 0x555555;
    control.SkinData.SetHUEOffset(90);
    WriteControlText(b.Canvas(), "Wg", true, false, control.SkinData, Format, box);
    EXPECT_TRUE(Same(b, Plain(0x555555)));
}

TEST_F(ControlTexts, AHotWebButtonIsUnderlinedAndTheNormalOneIsNot) {
    Bind("WEBBUTTON");
    WriteControlText(b.Canvas(), "Wg", true, true, control.SkinData, Format, box);
    EXPECT_TRUE(Same(b, Plain(0, gfx::fsUnderline)));
    EXPECT_EQ(b.Canvas().Font.Style, gfx::fsBold);  // the canvas font is given back
    b = Filled(80, 30, Opaque(0xFFFFFF));
    WriteControlText(b.Canvas(), "Wg", true, false, control.SkinData, Format, box);
    EXPECT_TRUE(Same(b, Plain(0)));
}

TEST_F(Texts, UnskinnedDisabledTextIsEmbossed) {
    const skin::TsCommonData unbound(nullptr, false);
    WriteControlText(b.Canvas(), "Wg", false, false, unbound, Format, box);
    gfx::TBitmap expected = Filled(80, 30, Opaque(0xFFFFFF));
    gfx::TCanvas& c = expected.Canvas();
    c.Font = b.Canvas().Font;
    c.Brush.Style = gfx::bsClear;
    c.Font.Color = gfx::clBtnHighlight;
    gfx::TRect r = gfx::OffsetRect(box, 1, 1);
    c.DrawText("Wg", r, Format);
    c.Font.Color = gfx::clGrayText;
    r = box;
    c.DrawText("Wg", r, Format);
    EXPECT_TRUE(Same(b, expected));
}

TEST(CutTextToWidth, KeepsWhatFitsWithAnEllipsis) {
    gfx::TBitmap b(10, 10);
    const gfx::TCanvas& c = b.Canvas();
    EXPECT_EQ(CutTextToWidth(c, "Converter", c.TextWidth("Conv...")), "Conv...");
    EXPECT_EQ(CutTextToWidth(c, "Converter", c.TextWidth("Converter")), "Converter");
    EXPECT_EQ(CutTextToWidth(c, "Converter", c.TextWidth("..")), "");
    EXPECT_EQ(CutTextToWidth(c, "Converter", 0), "");
}

TEST(GlowKernel, IsNormalisedSymmetricAndCutWhereItCarriesNoWeight) {
    for (int size : {1, 2, 5, 20}) {
        const std::vector<double> k = GlowKernel(size);
        ASSERT_EQ(k.size() % 2, 1u);
        EXPECT_GE(k.size(), 3u);
        double sum = 0;
        for (double w : k) sum += w;
        EXPECT_NEAR(sum, 1.0, 1e-12);
        EXPECT_DOUBLE_EQ(k.front(), k.back());
    }
    EXPECT_EQ(GlowKernel(2).size(), 11u);  // taps beyond 5 weigh less than 1/510
}

TEST(DrawGlowText, TheMapIsWiderBySizePlusFourOnEachSideAndIsKeptWhileItFits) {
    gfx::TBitmap b = Filled(60, 30, 0x00000000);
    gfx::TBitmap map;
    DrawGlowText(b, "Wg", {10, 5, 50, 25}, map, 0xFFFFFF, 2, 15, Format);
    EXPECT_EQ(map.Width(), 40 + 12);
    EXPECT_EQ(map.Height(), 20 + 12);
    EXPECT_EQ(map.PixelFormat(), gfx::pf8bit);
    // A kept map is used as it is: half glow everywhere it reaches.
    for (int y = 0; y < map.Height(); ++y) std::fill(map.ScanLine(y), map.ScanLine(y) + map.Width(), uint8_t(128));
    b = Filled(60, 30, 0x40000000);
    DrawGlowText(b, "Wg", {10, 5, 50, 25}, map, 0x0000FF, 2, 15, Format);
    // The map starts at (4, -1). Red: 255 + (0 - 255) * 128 / 255 = 127;
    // alpha: 64 + 127 * 191 / 255 = 159.
    EXPECT_EQ(Px(b, 4, 0), 0x9F7F0000u);
    EXPECT_EQ(Px(b, 3, 0), 0x40000000u);
    EXPECT_EQ(Px(b, 59, 29), 0x40000000u);  // beyond the map
}
