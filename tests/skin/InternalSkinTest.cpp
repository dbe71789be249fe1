// The skin the program carries: its package, its sections and the values the
// windows rely on.
#include <gtest/gtest.h>

#include "resources/InternalSkin.h"
#include "skin/acSkinPack.h"
#include "skin/sSkinLoader.h"

namespace {

using namespace skin;

const char* const ElementSections[] = {
    "DIVIDER", "GRIPH", "GROUPBOX", "ICOLINE", "MAINMENU", "MDIAREA", "MENUITEM", "MENULINE", "PANEL", "PANEL_LOW",
    "STATUSBAR", "DIVIDERV", "GAUGE", "SPLITTER", "SCROLLSLIDERV", "RADIOBUTTON", "TRACKBAR", "TABTOP", "WEBBUTTON",
    "BARPANEL", "COLHEADER", "BUTTON_HUGE", "PAGECONTROLBOTTOM", "PAGECONTROLLEFT", "PAGECONTROLRIGHT", "EXTRALINE",
    "SCROLLSLIDERH", "BAR", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT", "SCROLLBTNRIGHT", "SCROLLBTNTOP", "COMBOBTN",
    "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR1H", "SCROLLBAR2V", "FORM", "SPEEDBUTTON_SMALL", "PROGRESSH", "EDIT",
    "PAGECONTROL", "DRAGBAR", "UPDOWNBTN", "PROGRESSV", "TOOLBUTTON", "COMBOBOX", "DIALOG", "TABBOTTOM", "TABLEFT",
    "TABRIGHT", "GRIPV", "HINT", "BARTITLE", "TOOLBAR", "CHECKBOX", "FORMTITLE", "BUTTON_BIG", "SPEEDBUTTON",
    "SELECTION", "ALPHAEDIT", "ALPHACOMBOBOX", "BUTTON", "MENUBTN", "RIBBONPAGE", "RIBBONTAB", "TB_MENUBTN"};

class InternalSkin : public testing::Test {
protected:
    static void SetUpTestSuite() {
        Skins = new TsStoredSkins;
        TsStoredSkin& item = Skins->Add();
        item.SetName(std::string(resources::InternalSkinName));
        item.SetData(resources::InternalSkinPackage());
        Tables = new TsSkinTables;
        TsSkinSource source;
        source.Kind = sskInternal;
        source.InternalIndex = 0;
        FromPackage = LoadSkin(*Tables, source, *Skins, {});
    }
    static void TearDownTestSuite() {
        delete Tables;
        delete Skins;
    }

    static const TsGeneralData& Section(const char* name) {
        return Tables->Sections.at(static_cast<size_t>(Tables->FindSection(name)));
    }
    static const TsMaskData& Entry(const char* section, const char* key) {
        const int index = Tables->FindMaskExact(section, key);
        if (index < 0) throw std::runtime_error(std::string("no entry ") + section + "/" + key);
        return Tables->Masks[static_cast<size_t>(index)];
    }

    static TsStoredSkins* Skins;
    static TsSkinTables* Tables;
    static bool FromPackage;
};

TsStoredSkins* InternalSkin::Skins;
TsSkinTables* InternalSkin::Tables;
bool InternalSkin::FromPackage;

TEST_F(InternalSkin, PackageHoldsTheOptionsAndElevenImagesInTheirOrder) {
    TacSkinConvertor convertor;
    convertor.SetSourceData(&Skins->Items(0).Data());
    convertor.Unpack();
    convertor.SetSourceData(nullptr);
    EXPECT_EQ(convertor.ImageMemberCount, 11);
    const char* names[] = {"ButtonHuge.bmp", "Corner.bmp",   "Master.bmp", "GlowBtn.PNG",
                           "GlowCAlone.png", "GlowClose.PNG", "GlowH.png",  "GlowMax.PNG",
                           "GlowMin.png",    "GlowNorm.png",  "XBorder.png"};
    ASSERT_EQ(convertor.ImageList.size(), 11u);
    for (size_t i = 0; i < 11; ++i) EXPECT_EQ(convertor.ImageList[i].Name, names[i]);
    ASSERT_NE(convertor.OptionsData, nullptr);
    EXPECT_GT(convertor.OptionsData->Size(), 10000);
    EXPECT_EQ(Skins->Items(0).DataBytes(), resources::InternalSkinPackage()) << "the package stays as it was";
}

TEST_F(InternalSkin, LoadsEverySectionInOrderWithoutParents) {
    EXPECT_TRUE(FromPackage);
    ASSERT_EQ(Tables->Sections.size(), 68u);
    EXPECT_EQ(Tables->Sections[0].SectionName, "GLOBALINFO");
    for (size_t i = 0; i < 67; ++i) EXPECT_EQ(Tables->Sections[i + 1].SectionName, ElementSections[i]);
    for (const TsGeneralData& d : Tables->Sections) EXPECT_EQ(d.ParentClass, "") << d.SectionName;
    EXPECT_EQ(FormatSkinVersion(Tables->GlobalInfo.Version), "7.1");
    EXPECT_EQ(Tables->GlobalInfo.SkinFolder, "");
    EXPECT_TRUE(Tables->Patterns.empty());
}

TEST_F(InternalSkin, EveryEntryLiesInsideItsPicture) {
    EXPECT_EQ(Tables->MasterImage.PixelFormat(), gfx::pf32bit);
    for (const TsMaskData& e : Tables->Masks) {
        const gfx::TBitmap& source = Tables->SourceBitmap(e);
        EXPECT_GE(e.SourceRect.Left, 0) << e.SectionName << "/" << e.KeyName;
        EXPECT_GE(e.SourceRect.Top, 0) << e.SectionName << "/" << e.KeyName;
        EXPECT_LE(e.SourceRect.Right, source.Width()) << e.SectionName << "/" << e.KeyName;
        EXPECT_LE(e.SourceRect.Bottom, source.Height()) << e.SectionName << "/" << e.KeyName;
        EXPECT_GT(FrameWidth(e), 0) << e.SectionName << "/" << e.KeyName;
        EXPECT_EQ(e.Owner, Tables);
    }
}

TEST_F(InternalSkin, WindowFrameAndTitle) {
    const TsMaskData& form = Entry("FORM", "BORDERSMASK");
    EXPECT_EQ(form.SourceRect, (gfx::TRect{19, 32, 28, 41}));
    EXPECT_EQ(form.MarginLeft + form.MarginTop + form.MarginRight + form.MarginBottom, 16);
    EXPECT_EQ(form.DrawFlags, 1);
    EXPECT_EQ(form.CornerTransparency, 1) << "rounded corners cut by the key colour";
    EXPECT_EQ(Section("FORM").BordersMaskIndex, Tables->FindMaskExact("FORM", "BORDERSMASK"));
    EXPECT_EQ(Tables->FindMaskExact("FORM", "IMGTOPLEFT"), -1);
    EXPECT_EQ(Entry("FORM", "IMGBTMLEFT").ImageKind, ikGlyph);
    EXPECT_EQ(Section("FORM").ImgBtmLeftIndex, Tables->FindMaskExact("FORM", "IMGBTMLEFT"));
    EXPECT_GE(Section("FORMTITLE").BordersMaskIndex, 0);
    EXPECT_EQ(Section("FORMTITLE").States, 2);

    const TsSkinData& g = Tables->GlobalInfo;
    EXPECT_EQ(g.BiRight, 3);
    EXPECT_EQ(g.BiSpace, -2);
    EXPECT_EQ(g.BiVAlign, 1);
    EXPECT_EQ(g.BiconCloseGlowMargin, 10);
    for (const char* key : {"BICONCLOSE", "BICONMIN", "BICONMAX", "BICONNORM", "SICONCLOSE"})
        EXPECT_EQ(Entry("GLOBALINFO", key).StateCount, 3) << key;
    for (const char* key : {"BICONCLOSEGLOW0", "BICONMAXGLOW0", "BICONMINGLOW0", "BICONNORMGLOW0", "BICLOSEALONEGLOW0"})
        EXPECT_EQ(Entry("GLOBALINFO", key).ImageKind, ikAlphaGlyph) << key;
    const TsMaskData& exborder = Entry("GLOBALINFO", "EXBORDER");
    EXPECT_EQ(exborder.ImageKind, ikAlphaFrame);
    EXPECT_EQ(exborder.StateCount, 2);
    EXPECT_EQ(exborder.MarginTop, 75);
    EXPECT_EQ(Tables->Sections[0].FontColor[0], 0x212121) << "the colour labels take";
}

TEST_F(InternalSkin, ControlsOfThePrograms) {
    const TsMaskData& check = Entry("GLOBALINFO", "CHECK");
    EXPECT_EQ(check.SourceRect, (gfx::TRect{469, 42, 497, 70}));
    for (const char* key : {"BOXCHECKED", "BOXUNCHECKED", "BOXGRAYED"}) {
        EXPECT_EQ(FrameWidth(Entry("GLOBALINFO", key)), 13) << key;
        EXPECT_EQ(FrameHeight(Entry("GLOBALINFO", key)), 13) << key;
        EXPECT_EQ(Entry("GLOBALINFO", key).StateCount, 3) << key;
    }
    const TsMaskData& divider = Entry("DIVIDER", "BORDERSMASK");
    EXPECT_EQ(divider.SourceRect, (gfx::TRect{3, 39, 6, 40}));
    EXPECT_EQ(divider.MarginLeft, 1);

    EXPECT_EQ(Section("BUTTON").Glow, 1);
    EXPECT_EQ(Section("BUTTON").GlowMargin, 10);
    const TsMaskData& glow = Entry("BUTTON", "GLOW0");
    EXPECT_EQ(glow.ImageKind, ikAlphaFrame);
    EXPECT_EQ((std::array<int, 4>{glow.MarginLeft, glow.MarginTop, glow.MarginRight, glow.MarginBottom}),
              (std::array<int, 4>{18, 18, 18, 18}));
    for (const char* section : {"BUTTON_BIG", "BUTTON_HUGE"}) EXPECT_GE(Section(section).Glow, 1) << section;
    for (const char* section : {"SPEEDBUTTON", "CHECKBOX", "EDIT", "GAUGE"}) EXPECT_EQ(Section(section).Glow, 0);
    for (const char* section : {"SPEEDBUTTON", "CHECKBOX", "BUTTON"})
        EXPECT_EQ(Section(section).FadingIterations, 20) << section;
    EXPECT_EQ(Section("SPEEDBUTTON").HotGlowSize, 2);
    EXPECT_EQ(Section("SPEEDBUTTON").HotGlowColor, 16776164);
    EXPECT_EQ(Section("CHECKBOX").Transparency, 100);

    const TsMaskData& huge = Entry("BUTTON_HUGE", "BORDERSMASK");
    EXPECT_EQ(huge.CornerTransparency, 2);
    ASSERT_NE(huge.Bitmap, nullptr);
    const TsMaskData& pattern = Entry("BUTTON_HUGE", "PATTERN");
    EXPECT_EQ(pattern.SourceRect, (gfx::TRect{135, 70, 299, 71}));
    EXPECT_EQ(Section("BUTTON_HUGE").PatternIndex, Tables->FindMaskExact("BUTTON_HUGE", "PATTERN"));

    EXPECT_EQ(Entry("MAINMENU", "BORDERSMASK").UniformMargin, 1);
    EXPECT_EQ(Entry("MAINMENU", "BORDERSMASK").MarginLeft, 1);
    for (const char* section : {"SPEEDBUTTON", "EDIT", "GAUGE", "PROGRESSH", "DIALOG"})
        EXPECT_GE(Section(section).BordersMaskIndex, 0) << section;
}

}  // namespace
