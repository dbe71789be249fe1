// Reading GLOBALINFO and the section records of an options text: defaults,
// inheritance through PARENTCLASS, the hot look, gradients and strict numbers.
#include <gtest/gtest.h>

#include "SkinTestKit.h"
#include "gfx/Colors.h"
#include "skin/sGradient.h"

namespace {

using skin::TsGeneralData;
using skin::TsSkinTables;

const TsGeneralData& Section(const TsSkinTables& tables, const char* name) {
    const int index = tables.FindSection(name);
    if (index < 0) throw std::runtime_error(std::string("no section ") + name);
    return tables.Sections[static_cast<size_t>(index)];
}

TEST(SkinSections, KeysMissingEverywhereTakeTheirDefaults) {
    TsSkinTables tables;
    skintest::LoadSkinText(tables, "[GLOBALINFO]\n[EDIT]\n");
    ASSERT_EQ(tables.Sections.size(), 2u);
    const TsGeneralData& d = Section(tables, "EDIT");
    EXPECT_EQ(d.Color, 0xFFFFFF);
    EXPECT_EQ(d.States, 4);
    EXPECT_EQ(d.FadingIterations, 5);
    EXPECT_EQ(d.FontColor[0], 0);
    EXPECT_EQ(d.FontColor[1], -1);
    EXPECT_EQ(d.HotColor, 0xFFFFFF);
    EXPECT_EQ(d.HotFontColor[4], -1);
    EXPECT_EQ(d.GradientData, " ");
    EXPECT_EQ(d.BordersMaskIndex, -1);
    EXPECT_EQ(d.PatternIndex, -1);

    const skin::TsSkinData& g = tables.GlobalInfo;
    EXPECT_EQ(g.Version, 0);
    EXPECT_EQ(g.BorderWidth, 4);
    EXPECT_EQ(g.TitleHeight, 30);
    EXPECT_EQ(g.FormOffset, 4) << "the system's sizing-frame width";
    EXPECT_EQ(g.Shadow1Blur, -1);
    EXPECT_FALSE(g.AeroBlur);
}

TEST(SkinSections, StatesBelowTwoCopyTheNormalLookAndLeaveHotFieldsZero) {
    TsSkinTables tables;
    skintest::LoadSkinText(tables, "[PANEL]\nSTATES=1\nCOLOR=255\nHOTCOLOR=65280\nHOTTRANSPARENCY=40\n"
                                   "[BTN]\nSTATES=2\nCOLOR=255\nHOTCOLOR=65280\nHOTTRANSPARENCY=40\n");
    const TsGeneralData& panel = Section(tables, "PANEL");
    EXPECT_EQ(panel.HotColor, 0);
    EXPECT_EQ(panel.HotTransparency, 0);
    EXPECT_EQ(panel.StateLook[1].Color, 0xFF);
    EXPECT_EQ(panel.StateLook[1].FontColor, panel.StateLook[0].FontColor);
    const TsGeneralData& button = Section(tables, "BTN");
    EXPECT_EQ(button.HotColor, 0xFF00);
    EXPECT_EQ(button.StateLook[1].Color, 0xFF00);
    EXPECT_EQ(button.StateLook[1].Transparency, 40);
    EXPECT_EQ(button.StateLook[0].Color, 0xFF);
}

TEST(SkinSections, InheritanceFollowsTheParentAndMinusOneMeansNotGiven) {
    TsSkinTables tables;
    skintest::LoadSkinText(tables,
                           "[BASE]\nHOTTCLEFT=123\nFONTCOLOR=-16777201\nFADINGENABLED=True\nGRADIENTDATA=1;2;3;0;0\n"
                           "[CHILD]\nPARENTCLASS=BASE\nHOTTCLEFT=-1\nSTATES=2\nGRADIENTPERCENT=50\n"
                           "[OWN]\nPARENTCLASS=OWN\nFONTCOLOR=-16777201\n");
    const TsGeneralData& child = Section(tables, "CHILD");
    EXPECT_EQ(child.ParentClass, "BASE");
    EXPECT_EQ(child.HotFontColor[1], 123) << "-1 written out is inherited";
    // An inherited system colour comes back as a plain colour, the section's own stays.
    EXPECT_EQ(child.FontColor[0], gfx::ColorToRGB(gfx::clBtnFace));
    EXPECT_EQ(Section(tables, "OWN").FontColor[0], -16777201);
    EXPECT_TRUE(child.FadingEnabled);
    ASSERT_EQ(child.GradientArray.size(), 1u);
    EXPECT_EQ(child.GradientPercent, 50);
}

TEST(SkinSections, AParentChainThatLoopsStops) {
    TsSkinTables tables;
    skintest::LoadSkinText(tables, "[A]\nPARENTCLASS=B\n[B]\nPARENTCLASS=A\nCOLOR=7\n[C]\nPARENTCLASS=A\n");
    EXPECT_EQ(Section(tables, "A").Color, 7);
    EXPECT_EQ(Section(tables, "C").Color, 7);
    EXPECT_EQ(Section(tables, "A").Glow, 0) << "a key no section of the loop gives";
    EXPECT_EQ(tables.FindMask(0, "A", "BORDERSMASK"), -1);
}

TEST(SkinSections, BooleansAreOneOrTrueInAnyCase) {
    TsSkinTables tables;
    skintest::LoadSkinText(tables, "[A]\nFADINGENABLED=true\nSHOWFOCUS=1\nGIVEOWNFONT=yes\nRESERVEDBOOLEAN=TRUE \n");
    const TsGeneralData& a = Section(tables, "A");
    EXPECT_TRUE(a.FadingEnabled);
    EXPECT_TRUE(a.ShowFocus);
    EXPECT_FALSE(a.GiveOwnFont);
    EXPECT_TRUE(a.ReservedBoolean);
}

TEST(SkinSections, AGradientTextShorterThanTwoCharactersMeansNoGradient) {
    TsSkinTables tables;
    skintest::LoadSkinText(tables, "[BLANK]\nGRADIENTPERCENT=100\nGRADIENTDATA= \n"
                                   "[MISSING]\nGRADIENTPERCENT=100\nSTATES=2\nHOTGRADIENTPERCENT=100\n"
                                   "[SET]\nGRADIENTPERCENT=100\nGRADIENTDATA=255;65280;100;0;0\n");
    EXPECT_EQ(Section(tables, "BLANK").GradientPercent, 0);
    EXPECT_EQ(Section(tables, "MISSING").GradientPercent, 0);
    EXPECT_EQ(Section(tables, "MISSING").HotGradientPercent, 0);
    EXPECT_EQ(Section(tables, "SET").GradientPercent, 100);
    EXPECT_EQ(Section(tables, "SET").StateLook[0].GradientArray.size(), 1u);
}

TEST(SkinGradients, StepsOfFiveNumbers) {
    const skin::TsGradArray steps = skin::ParseGradientData(
        "12365438;16769878;62;1;0;16769878;16777152;35;1;0;16777152;16777152;0;1;0");
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps[0].Color1, 12365438);
    EXPECT_EQ(steps[1].Percent, 35);
    EXPECT_EQ(steps[2].Mode, 1);

    const skin::TsGradArray clipped = skin::ParseGradientData(";;-5;;-1;150;2;0;7;8");
    ASSERT_EQ(clipped.size(), 1u) << "seven fields make one step; empty fields do not count";
    EXPECT_EQ(clipped[0].Color1, 0);
    EXPECT_EQ(clipped[0].Color2, 0);
    EXPECT_EQ(clipped[0].Percent, 100);
    EXPECT_EQ(clipped[0].Mode, 2);
    EXPECT_THROW(skin::ParseGradientData("1;2;x;0;0"), rtl::EConvertError);
}

TEST(SkinGlobalInfo, ValuesAndStrictNumbers) {
    TsSkinTables tables;
    skintest::LoadSkinText(tables, "[GLOBALINFO]\nVERSION=7.10\nBIRIGHT=3\nBISPACE=-2\nBORDERWIDTH=x\n"
                                   "SHADOW1OFFSET=2\nAEROBLUR=5\nAUTHOR=Someone\n");
    EXPECT_DOUBLE_EQ(tables.GlobalInfo.Version, 7.1);
    EXPECT_EQ(skin::FormatSkinVersion(tables.GlobalInfo.Version), "7.1");
    EXPECT_EQ(tables.GlobalInfo.BiRight, 3);
    EXPECT_EQ(tables.GlobalInfo.BiSpace, -2);
    EXPECT_EQ(tables.GlobalInfo.BorderWidth, 4) << "a lenient number that is no number takes its default";
    EXPECT_EQ(tables.GlobalInfo.Shadow1Offset, 2);
    EXPECT_TRUE(tables.GlobalInfo.AeroBlur);
    EXPECT_EQ(tables.GlobalInfo.Author, "Someone");

    TsSkinTables comma;
    skintest::LoadSkinText(comma, "[GLOBALINFO]\nVERSION=7,10\n");
    EXPECT_EQ(comma.GlobalInfo.Version, 0) << "only '.' separates decimals";

    TsSkinTables bad;
    EXPECT_THROW(skintest::LoadSkinText(bad, "[GLOBALINFO]\nSHADOW1BLUR=soft\n"), rtl::EConvertError);
    EXPECT_THROW(skintest::LoadSkinText(bad, "[GLOBALINFO]\nBICONCLOSEGLOW=\n"), rtl::EConvertError);
}

TEST(SkinGlobalInfo, NewerSkinsAreWarnedAboutAndStillLoad) {
    std::vector<std::string> warnings;
    skin::TsSkinLoadSettings settings;
    settings.OnVersionWarning = [&](const std::string& text) { warnings.push_back(text); };
    TsSkinTables tables;
    skintest::LoadSkinText(tables, "[GLOBALINFO]\nVERSION=7.99\n[FORM]\n", {}, settings);
    EXPECT_TRUE(warnings.empty());
    skintest::LoadSkinText(tables, "[GLOBALINFO]\nVERSION=8.00\n[FORM]\n", {}, settings);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0],
              "This version of the skin have not complete support by used Tessaly package release.\r\n"
              "Components must be updated up to latest version for using this skin.");
    EXPECT_EQ(tables.FindSection("FORM"), 1);
}

TEST(SkinLookups, SectionsMatchExactlyAndTheFirstWins) {
    TsSkinTables tables;
    skintest::LoadSkinText(tables, "[Edit]\n[EDIT]\n[EDIT]\nCOLOR=1\n");
    EXPECT_EQ(tables.FindSection("EDIT"), 1);
    EXPECT_EQ(tables.FindSection("edit"), -1);
    EXPECT_EQ(tables.Sections.size(), 2u);
    EXPECT_EQ(tables.Sections[1].Color, 0xFFFFFF) << "the repeated section's keys are not read";
}

TEST(SkinCommonSections, OverrideKeysAndAddSections) {
    rtl::TStringList lines;
    lines.SetText("[GLOBALINFO]\nVERSION=9\n[EDIT]\nCOLOR=5\n[EXTRA]\nPARENTCLASS=EDIT\nGLOW=2\n");
    rtl::TMemIniFile common(true);
    common.SetStrings(lines);
    skin::TsSkinLoadSettings settings;
    settings.CommonSections = &common;
    TsSkinTables tables;
    skintest::LoadSkinText(tables, "[GLOBALINFO]\nVERSION=7.10\n[EDIT]\nCOLOR=1\nFONTCOLOR=9\n", {}, settings);
    EXPECT_DOUBLE_EQ(tables.GlobalInfo.Version, 7.1) << "GLOBALINFO of the common sections is not used";
    EXPECT_EQ(Section(tables, "EDIT").Color, 5);
    EXPECT_EQ(Section(tables, "EDIT").FontColor[0], 9);
    EXPECT_EQ(Section(tables, "EXTRA").Color, 5);
    EXPECT_EQ(Section(tables, "EXTRA").FontColor[0], 9) << "a new section inherits the skin's values";
    EXPECT_EQ(Section(tables, "EXTRA").Glow, 2);
    EXPECT_EQ(tables.Sections.back().SectionName, "EXTRA");
}

}  // namespace
