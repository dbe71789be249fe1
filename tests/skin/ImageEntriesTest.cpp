// Image references of an options text becoming image entries: the fixed-
// position forms over the master bitmap, files of their own, the older forms,
// JPEG patterns, the PNG alpha rule and the corner test.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "SkinTestKit.h"
#include "gfx/ImageCodecs.h"

namespace {

using skin::TsMaskData;
using skin::TsSkinTables;
using skintest::Picture;

constexpr gfx::TColor Magenta = 0xFF00FF;

// A 520 x 80 master: blue, with a magenta pixel at (19, 32).
std::string MasterBmp() {
    gfx::TBitmap master = Picture(520, 80, 0xC08040);
    skintest::SetPixel(master, 19, 32, Magenta);
    return gfx::WriteBmp(master);
}

const TsMaskData& Entry(const TsSkinTables& tables, const char* section, const char* key) {
    const int index = tables.FindMaskExact(section, key);
    if (index < 0) throw std::runtime_error(std::string("no entry ") + section + "/" + key);
    return tables.Masks[static_cast<size_t>(index)];
}

void Load(TsSkinTables& tables, const std::string& body, std::vector<skintest::TPackMember> images = {},
          const char* version = "7.10") {
    images.push_back({"Master.bmp", MasterBmp()});
    skintest::LoadSkinText(tables, std::string("[GLOBALINFO]\nVERSION=") + version + "\nMASTERBITMAP=MASTER.BMP\n" + body,
                           images);
}

std::string ReadData(const char* name) {
    std::ifstream file(std::string(SKIN_TEST_DATA) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

TEST(SkinMasterImage, BecomesThirtyTwoBitsWithTheKeySeeThrough) {
    TsSkinTables tables;
    Load(tables, "");
    ASSERT_EQ(tables.MasterImage.PixelFormat(), gfx::pf32bit);
    EXPECT_EQ(skintest::PixelValue(tables.MasterImage, 19, 32), 0x00FF00FFu);
    EXPECT_EQ(skintest::PixelValue(tables.MasterImage, 20, 32), 0xFF4080C0u);
    EXPECT_TRUE(tables.MasterImage.Transparent());
    EXPECT_TRUE(tables.Masks.empty()) << "MASTERBITMAP itself is no entry";
}

TEST(SkinImageEntries, GlyphFromTheMaster) {
    TsSkinTables tables;
    Load(tables, "CHECK=@0469@0042@0497@0070@2@1\n");
    const TsMaskData& check = Entry(tables, "GLOBALINFO", "CHECK");
    EXPECT_EQ(check.ImageKind, skin::ikGlyph);
    EXPECT_EQ(check.SourceRect, (gfx::TRect{469, 42, 497, 70}));
    EXPECT_EQ(check.StateCount, 2);
    EXPECT_EQ(check.MaskKind, 1);
    EXPECT_EQ(skin::FrameWidth(check), 14);
    EXPECT_EQ(skin::FrameHeight(check), 14);
    EXPECT_EQ(check.Bitmap, nullptr);
    EXPECT_EQ(check.Owner, &tables);
    EXPECT_EQ(check.DrawFlags, 0);
}

TEST(SkinImageEntries, BorderFrames) {
    TsSkinTables tables;
    Load(tables, "[FORM]\nBORDERSMASK=^0019^0032^0028^0041^0004^0004^0004^0004^1^0^1^1\n"
                 "[ZERO]\nBORDERSMASK=^0100^0000^0130^0012^0000^0000^0000^0000^1^0^0^0\n"
                 "[UNIFORM]\nBORDERSMASK=^0100^0000^0130^0012^0000^0000^0000^0000^1^0^0^3\n");
    const TsMaskData& form = Entry(tables, "FORM", "BORDERSMASK");
    EXPECT_EQ(form.MarginLeft, 4);
    EXPECT_EQ(form.MarginBottom, 4);
    EXPECT_EQ(form.DrawFlags, 1);
    EXPECT_EQ(form.UniformMargin, 1);
    EXPECT_EQ(form.CornerTransparency, 1) << "the master has a key pixel in the top-left corner";
    const TsMaskData& zero = Entry(tables, "ZERO", "BORDERSMASK");
    EXPECT_EQ((std::array<int, 4>{zero.MarginLeft, zero.MarginTop, zero.MarginRight, zero.MarginBottom}),
              (std::array<int, 4>{10, 4, 10, 4}));
    EXPECT_EQ(zero.CornerTransparency, 0);
    EXPECT_EQ(Entry(tables, "UNIFORM", "BORDERSMASK").MarginRight, 3);
    EXPECT_EQ(tables.Sections[static_cast<size_t>(tables.FindSection("FORM"))].BordersMaskIndex,
              tables.FindMaskExact("FORM", "BORDERSMASK"));
}

TEST(SkinImageEntries, OldSkinsStretchFramesWithAOnePixelCentre) {
    const char* body = "[A]\nBORDERSMASK=^0000^0000^0009^0018^0004^0004^0004^0004^1^1^0^0\n"
                       "[B]\nBORDERSMASK=^0000^0000^0010^0018^0004^0004^0004^0004^1^1^1^0\n";
    TsSkinTables old, current;
    Load(old, body, {}, "7.3");
    Load(current, body, {}, "7.4");
    EXPECT_EQ(Entry(old, "A", "BORDERSMASK").DrawFlags, 1);
    EXPECT_EQ(Entry(old, "B", "BORDERSMASK").DrawFlags, 0);
    EXPECT_EQ(Entry(current, "A", "BORDERSMASK").DrawFlags, 0);
    EXPECT_EQ(Entry(current, "B", "BORDERSMASK").DrawFlags, 1);
}

TEST(SkinImageEntries, Textures) {
    TsSkinTables tables;
    Load(tables, "[BUTTON_HUGE]\nPATTERN=~0135~0070~0299~0071~01~0\nHOTPATTERN=~0001~0002~0003~0004~10\n");
    const TsMaskData& pattern = Entry(tables, "BUTTON_HUGE", "PATTERN");
    EXPECT_EQ(pattern.ImageKind, skin::ikTexture);
    EXPECT_EQ(pattern.DrawFlags, 1);
    EXPECT_EQ(pattern.StateCount, 1);
    EXPECT_EQ(pattern.SourceRect, (gfx::TRect{135, 70, 299, 71}));
    EXPECT_EQ(Entry(tables, "BUTTON_HUGE", "HOTPATTERN").DrawFlags, 10);
    EXPECT_EQ(Entry(tables, "BUTTON_HUGE", "HOTPATTERN").MaskKind, 0);
    EXPECT_EQ(tables.Sections[1].PatternIndex, tables.FindMaskExact("BUTTON_HUGE", "PATTERN"));
}

TEST(SkinImageEntries, StrictNumbersOfFixedFormsFailTheLoad) {
    TsSkinTables tables;
    EXPECT_THROW(Load(tables, "CHECK=@04x9@0042@0497@0070@2@1\n"), rtl::EConvertError);
    EXPECT_THROW(Load(tables, "CHECK=@0469\n"), rtl::EConvertError);
}

TEST(SkinImageEntries, FilesOfTheirOwn) {
    gfx::TBitmap glow = Picture(60, 30, 0x3080FF, gfx::pf32bit, 128);
    skintest::SetPixel(glow, 0, 0, 0xFFFFFF, 0);
    gfx::TBitmap border = Picture(24, 12, 0x102030);
    skintest::SetPixel(border, 1, 1, Magenta);
    TsSkinTables tables;
    Load(tables,
         "EXBORDER=!XBORDER.PNG!2!0!3!0039!0075!0039!0038!1\n"
         "BICONCLOSEGLOW0=!GLOWCLOSE.PNG!!1!0!4\n"
         "[FORM]\nIMGTOPLEFT=!TL.BMP!1!1!2\nBORDERSMASK=!BORDER.BMP!2!0!0\n"
         "ZEROSTATES=!BORDER.BMP!0!0!0\nZEROWITHMARGINS=!BORDER.BMP!0!0!0!1!1!1!1\n"
         "JPEGNAME=!BORDER.JPG!1!0!0\nLOWERCASE=!border.bmp!1\nKINDTOOBIG=!BORDER.BMP!1!0!9!1!1!1!1!0\n",
         {{"XBorder.png", gfx::WritePng(glow)}, {"GlowClose.PNG", gfx::WritePng(glow)}, {"Border.bmp", gfx::WriteBmp(border)}});

    const TsMaskData& exborder = Entry(tables, "GLOBALINFO", "EXBORDER");
    ASSERT_NE(exborder.Bitmap, nullptr);
    EXPECT_EQ(exborder.SourceRect, (gfx::TRect{0, 0, 60, 30}));
    EXPECT_EQ(exborder.ImageKind, skin::ikAlphaFrame);
    EXPECT_EQ(exborder.StateCount, 2);
    EXPECT_EQ((std::array<int, 4>{exborder.MarginLeft, exborder.MarginTop, exborder.MarginRight, exborder.MarginBottom}),
              (std::array<int, 4>{39, 75, 39, 38}));
    EXPECT_EQ(exborder.DrawFlags, 1);
    // Skins up to 7.45 keep PNG colours as they are, except white where alpha is 0.
    EXPECT_EQ(skintest::PixelValue(*exborder.Bitmap, 1, 0), 0x80FF8030u);
    EXPECT_EQ(skintest::PixelValue(*exborder.Bitmap, 0, 0), 0u);

    const TsMaskData& glowEntry = Entry(tables, "GLOBALINFO", "BICONCLOSEGLOW0");
    EXPECT_EQ(glowEntry.ImageKind, skin::ikAlphaGlyph);
    EXPECT_EQ(glowEntry.MarginLeft, 20) << "fewer than five fields: margins of a third";
    EXPECT_EQ(glowEntry.MarginTop, 10);
    EXPECT_EQ(glowEntry.DrawFlags, 1);

    EXPECT_EQ(tables.FindMaskExact("FORM", "IMGTOPLEFT"), -1) << "no member TL.BMP";
    const TsMaskData& border2 = Entry(tables, "FORM", "BORDERSMASK");
    EXPECT_EQ(border2.MarginLeft, 4);
    EXPECT_EQ(border2.CornerTransparency, 1);
    EXPECT_EQ(tables.FindMaskExact("FORM", "ZEROSTATES"), -1) << "no frames to take default margins from";
    EXPECT_GE(tables.FindMaskExact("FORM", "ZEROWITHMARGINS"), 0);
    EXPECT_EQ(tables.FindMaskExact("FORM", "JPEGNAME"), -1);
    EXPECT_EQ(tables.FindMaskExact("FORM", "LOWERCASE"), -1);
    EXPECT_EQ(Entry(tables, "FORM", "KINDTOOBIG").ImageKind, skin::ikAlphaGlyph);
}

TEST(SkinImageEntries, NewerSkinsPremultiplyPngColours) {
    TsSkinTables tables;
    Load(tables, "EXBORDER=!XBORDER.PNG!1!0!3!1!1!1!1\n",
         {{"XBorder.png", gfx::WritePng(Picture(3, 3, 0xC8640A, gfx::pf32bit, 102))}}, "7.46");
    EXPECT_EQ(skintest::PixelValue(*Entry(tables, "GLOBALINFO", "EXBORDER").Bitmap, 1, 1), 0x66042850u);
}

// A PNG without alpha is keyed as a BMP is: its magenta pixels stay see-through
// under either alpha rule. A PNG with alpha keeps its own, magenta or not.
TEST(SkinImageEntries, PngAlphaIsKeyedOnlyWhereThePictureHasNone) {
    struct TCase {
        gfx::TPixelFormat Format;
        const char* Version;
        uint8_t MagentaAlpha;
        uint32_t Magenta, Other;
        int CornerTransparency;
    };
    const TCase cases[] = {
        {gfx::pf24bit, "7.10", 255, 0x00FF00FFu, 0xFF102030u, 1},
        {gfx::pf24bit, "7.46", 255, 0x00FF00FFu, 0xFF102030u, 1},
        {gfx::pf32bit, "7.10", 255, 0xFFFF00FFu, 0xFF102030u, 0},
        {gfx::pf32bit, "7.46", 255, 0xFFFF00FFu, 0xFF102030u, 0},
        {gfx::pf32bit, "7.10", 0, 0x00FF00FFu, 0xFF102030u, 1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.Format == gfx::pf24bit ? "no alpha, " : "own alpha, ") + c.Version);
        gfx::TBitmap picture = Picture(6, 6, 0x302010, c.Format);
        skintest::SetPixel(picture, 0, 0, Magenta, c.MagentaAlpha);
        TsSkinTables tables;
        Load(tables, "[FORM]\nBORDERSMASK=!BORDER.PNG!1!0!0!2!2!2!2\n", {{"Border.png", gfx::WritePng(picture)}},
             c.Version);
        const TsMaskData& border = Entry(tables, "FORM", "BORDERSMASK");
        ASSERT_NE(border.Bitmap, nullptr);
        EXPECT_EQ(skintest::PixelValue(*border.Bitmap, 0, 0), c.Magenta);
        EXPECT_EQ(skintest::PixelValue(*border.Bitmap, 1, 1), c.Other);
        EXPECT_EQ(border.CornerTransparency, c.CornerTransparency);
    }
}

TEST(SkinImageEntries, OlderForms) {
    gfx::TBitmap frame = Picture(30, 12, 0x804020);
    TsSkinTables tables;
    Load(tables,
         "[panel]\nframe=Frame.bmp\nmissing=None.bmp\nrect=#1 (10,20,40,32) (0,-2)\nfull=#2 (0,0,30,12) (3,1,2,5)\n"
         "nothing=#\nnumber=1234\ntext=N/A\n",
         {{"Frame.bmp", gfx::WriteBmp(frame)}});
    EXPECT_EQ(tables.FindMaskExact("panel", "frame"), -1) << "plain bitmaps are stored upper-cased";
    EXPECT_EQ(tables.FindMaskExact("PANEL", "FRAME"), -1) << "the member is named Frame.bmp, not FRAME.BMP";

    TsSkinTables upper;
    Load(upper, "[panel]\nframe=FRAME.BMP\n", {{"Frame.bmp", gfx::WriteBmp(frame)}});
    const TsMaskData& plain = Entry(upper, "PANEL", "FRAME");
    EXPECT_EQ(plain.StateCount, 3);
    EXPECT_EQ(plain.MaskKind, 1);
    EXPECT_EQ(plain.MarginLeft, 3);
    EXPECT_EQ(plain.MarginTop, 2);
    EXPECT_EQ(plain.DrawFlags, 0);
    ASSERT_NE(plain.Bitmap, nullptr);

    const TsMaskData& rect = Entry(tables, "PANEL", "RECT");
    EXPECT_EQ(rect.SourceRect, (gfx::TRect{10, 20, 40, 32}));
    EXPECT_EQ(rect.StateCount, 1);
    EXPECT_EQ(rect.MaskKind, 0);
    EXPECT_EQ(rect.DrawFlags, 1);
    EXPECT_EQ(rect.MarginLeft, 10);
    const TsMaskData& full = Entry(tables, "PANEL", "FULL");
    EXPECT_EQ(full.StateCount, 3);
    EXPECT_EQ(full.UniformMargin, 2);
    EXPECT_EQ(full.MarginTop, 2);
    EXPECT_EQ(full.DrawFlags, 5);
    EXPECT_EQ(tables.Masks.size(), 2u) << "'#', numbers and other texts are no references";
    EXPECT_THROW(Load(tables, "[P]\nr=#1 (1,2,3,4) (1,0,x)\n"), rtl::EConvertError);
}

TEST(SkinImageEntries, JpegPicturesBecomeTexturesOrPatterns) {
    TsSkinTables tables;
    Load(tables, "[FORM]\nPATTERN=SMALL.JPG\nHOTPATTERN=LARGE.JPEG\n",
         {{"Small.jpg", ReadData("tile-small.jpg")}, {"Large.jpeg", ReadData("pattern-large.jpg")}});
    const TsMaskData& small = Entry(tables, "FORM", "PATTERN");
    EXPECT_EQ(small.ImageKind, skin::ikTexture);
    EXPECT_EQ(small.SourceRect, (gfx::TRect{0, 0, 8, 6}));
    ASSERT_NE(small.Bitmap, nullptr);
    EXPECT_EQ(small.Bitmap->PixelFormat(), gfx::pf32bit);
    EXPECT_EQ(skintest::PixelValue(*small.Bitmap, 3, 3) >> 24, 255u);
    EXPECT_EQ(tables.FindMaskExact("FORM", "HOTPATTERN"), -1);
    ASSERT_EQ(tables.Patterns.size(), 1u);
    EXPECT_EQ(tables.Patterns[0].KeyName, "HOTPATTERN");
    EXPECT_EQ(tables.Patterns[0].Image->Width(), 1000);
    EXPECT_EQ(tables.FindPattern(1, "FORM", "HOTPATTERN"), 0);
    EXPECT_EQ(tables.Sections[1].PatternIndex, tables.FindMaskExact("FORM", "PATTERN"));
}

TEST(SkinImageEntries, HugeButtonCornersAreAlwaysMerged) {
    TsSkinTables tables;
    Load(tables, "[BUTTON_HUGE]\nBORDERSMASK=^0100^0000^0130^0012^0003^0003^0003^0003^1^0^1^0\n");
    EXPECT_EQ(Entry(tables, "BUTTON_HUGE", "BORDERSMASK").CornerTransparency, 2);
}

TEST(SkinLookups, ParentSectionsAndTextures) {
    TsSkinTables tables;
    Load(tables, "[BASE]\nBORDERSMASK=@0001@0001@0005@0005@1@0\nPATTERN=@0001@0001@0005@0005@1@0\n"
                 "HOTPATTERN=~0001~0001~0005~0005~00\n[CHILD]\nPARENTCLASS=BASE\n");
    const int child = tables.FindSection("CHILD");
    EXPECT_EQ(tables.FindMask(child, "CHILD", "BORDERSMASK"), tables.FindMaskExact("BASE", "BORDERSMASK"));
    EXPECT_EQ(tables.Sections[static_cast<size_t>(child)].BordersMaskIndex, tables.FindMaskExact("BASE", "BORDERSMASK"));
    EXPECT_EQ(tables.FindMask(-1, "CHILD", "BORDERSMASK"), -1);
    EXPECT_EQ(tables.FindMask(child, "", "BORDERSMASK"), -1);
    EXPECT_EQ(tables.FindTexture(child, "CHILD", "PATTERN"), -1) << "a glyph is no texture";
    EXPECT_EQ(tables.FindTexture(child, "CHILD", "HOTPATTERN"), tables.FindMaskExact("BASE", "HOTPATTERN"));
    EXPECT_EQ(tables.FindMaskExact("base", "BORDERSMASK"), -1);
}

TEST(SkinCommonSections, TakeOnlyTheOlderImageForms) {
    rtl::TStringList lines;
    lines.SetText("[GLOBALINFO]\nCHECK=#1 (0,0,9,9) (1,0)\n[Edit]\nbar=#1 (0,0,9,9) (1,0)\n"
                  "glyph=@0001@0001@0005@0005@1@0\nframe=MASTER.BMP\n");
    rtl::TMemIniFile common(true);
    common.SetStrings(lines);
    skin::TsSkinLoadSettings settings;
    settings.CommonSections = &common;
    TsSkinTables tables;
    skintest::LoadSkinText(tables, "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n", {{"Master.bmp", MasterBmp()}}, settings);
    EXPECT_GE(tables.FindMaskExact("EDIT", "BAR"), 0);
    EXPECT_GE(tables.FindMaskExact("EDIT", "FRAME"), 0);
    EXPECT_EQ(tables.FindMaskExact("Edit", "glyph"), -1);
    EXPECT_EQ(tables.FindMaskExact("GLOBALINFO", "CHECK"), -1);
}

}  // namespace
