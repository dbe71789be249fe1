// Recolouring skins at load time: pictures and colours change, the key colour
// and grey stay.
#include "skin/sHueSaturation.h"

#include <gtest/gtest.h>

#include "SkinTestKit.h"
#include "gfx/ImageCodecs.h"
#include "resources/InternalSkin.h"

namespace {

using namespace skin;
using skintest::Picture;
using skintest::PixelValue;

TEST(ColourHue, TurnsTheHueAndKeepsSaturationAndValue) {
    EXPECT_EQ(ChangeColorHue(gfx::RGB(255, 0, 0), 30), gfx::RGB(255, 128, 0));
    EXPECT_EQ(ChangeColorHue(gfx::RGB(255, 0, 0), 120), gfx::RGB(0, 255, 0));
    EXPECT_EQ(ChangeColorHue(gfx::RGB(0, 0, 255), 30), gfx::RGB(128, 0, 255));
    EXPECT_EQ(ChangeColorHue(gfx::RGB(0, 0, 255), -240), gfx::RGB(255, 0, 0));
    EXPECT_EQ(ChangeColorHue(gfx::RGB(90, 90, 90), 30), gfx::RGB(90, 90, 90));
    EXPECT_EQ(ChangeColorHue(0xFF00FF, 30), 0xFF00FF);
    EXPECT_EQ(ChangeColorHue(-1, 30), -1);
    EXPECT_EQ(ChangeColorHue(gfx::clBtnFace, 30), gfx::clBtnFace);
}

TEST(ColourSaturation, MovesTowardOrAwayFromGrey) {
    EXPECT_EQ(ChangeColorSaturation(gfx::RGB(200, 100, 0), -100), gfx::RGB(100, 100, 100));
    EXPECT_EQ(ChangeColorSaturation(gfx::RGB(200, 100, 0), -50), gfx::RGB(150, 100, 50));
    EXPECT_EQ(ChangeColorSaturation(gfx::RGB(200, 100, 0), 100), gfx::RGB(255, 100, 0));
    EXPECT_EQ(ChangeColorSaturation(gfx::RGB(7, 7, 7), 100), gfx::RGB(7, 7, 7));
}

TEST(BitmapHue, LeavesKeyAndGreyPixelsAndAlphaAlone) {
    gfx::TBitmap bitmap = Picture(3, 1, gfx::RGB(255, 0, 0), gfx::pf32bit, 200);
    skintest::SetPixel(bitmap, 1, 0, 0xFF00FF, 0);
    skintest::SetPixel(bitmap, 2, 0, gfx::RGB(40, 40, 40), 255);
    ChangeBitmapHue(bitmap, 30);
    EXPECT_EQ(PixelValue(bitmap, 0, 0), 0xC8FF8000u);
    EXPECT_EQ(PixelValue(bitmap, 1, 0), 0x00FF00FFu);
    EXPECT_EQ(PixelValue(bitmap, 2, 0), 0xFF282828u);
    // Magenta that is not see-through is an ordinary colour.
    skintest::SetPixel(bitmap, 1, 0, 0xFF00FF, 255);
    ChangeBitmapSaturation(bitmap, -100);
    EXPECT_EQ(PixelValue(bitmap, 1, 0), 0xFFAAAAAAu);
}

class RecolouredSkin : public testing::Test {
protected:
    void Load(TsSkinTables& tables) {
        TsStoredSkins skins;
        skins.Add().SetData(resources::InternalSkinPackage());
        TsSkinSource source;
        source.Kind = sskInternal;
        source.InternalIndex = 0;
        LoadSkin(tables, source, skins, {});
    }
    TsSkinTables FBefore, FAfter;
};

TEST_F(RecolouredSkin, HueAndSaturationOfTheInternalSkin) {
    Load(FBefore);
    Load(FAfter);
    ApplySkinHueAndSaturation(FAfter, 30, -100);
    const gfx::TBitmap& before = FBefore.MasterImage;
    const gfx::TBitmap& after = FAfter.MasterImage;
    int coloured = 0;
    for (int y = 0; y < before.Height(); ++y)
        for (int x = 0; x < before.Width(); ++x) {
            const uint32_t was = PixelValue(before, x, y), is = PixelValue(after, x, y);
            const int r = (was >> 16) & 0xFF, g = (was >> 8) & 0xFF, b = was & 0xFF;
            if (was == 0x00FF00FFu || (r == g && g == b)) {
                ASSERT_EQ(is, was) << x << "," << y;
                continue;
            }
            ++coloured;
            ASSERT_EQ(is >> 24, was >> 24) << "alpha stays";
            ASSERT_EQ((is >> 16) & 0xFF, is & 0xFF) << "grey after saturation -100";
            ASSERT_EQ((is >> 8) & 0xFF, is & 0xFF);
        }
    EXPECT_GT(coloured, 1000);

    const TsGeneralData& form = FAfter.Sections[static_cast<size_t>(FAfter.FindSection("FORM"))];
    for (TColor colour : {form.Color, form.HotColor, form.StateLook[1].Color, form.GradientArray[0].Color1,
                          FAfter.GlobalInfo.BorderColor}) {
        EXPECT_EQ(gfx::GetRValue(colour), gfx::GetGValue(colour));
        EXPECT_EQ(gfx::GetGValue(colour), gfx::GetBValue(colour));
    }
    const TsGeneralData& edit = FAfter.Sections[static_cast<size_t>(FAfter.FindSection("EDIT"))];
    EXPECT_EQ(edit.FontColor[1], -1) << "contour colours that are not given stay so";
    const int glow = FAfter.FindMaskExact("BUTTON", "GLOW0");
    const uint32_t halo = PixelValue(*FAfter.Masks[static_cast<size_t>(glow)].Bitmap, 5, 27);
    ASSERT_GT(halo >> 24, 0u);
    EXPECT_EQ((halo >> 16) & 0xFF, halo & 0xFF) << "own pictures change too";
}

TEST_F(RecolouredSkin, SaturationIsTakenModulo101) {
    Load(FBefore);
    Load(FAfter);
    ApplySkinHueAndSaturation(FAfter, 0, 101);
    EXPECT_EQ(FAfter.Sections[1].Color, FBefore.Sections[1].Color);
}

TEST(SkinHue, TitleButtonsNamedByBiKeepHueKeepTheirColours) {
    const gfx::TColor red = gfx::RGB(255, 0, 0);
    const std::string master = gfx::WriteBmp(Picture(40, 10, red));
    const std::string glow = gfx::WritePng(Picture(6, 6, red, gfx::pf32bit, 255));
    const std::string body = "MASTERBITMAP=MASTER.BMP\nBICONCLOSE=@0000@0000@0010@0010@1@0\n"
                             "BICONMIN=@0010@0000@0020@0010@1@0\nBICONCLOSEGLOW0=!GLOW.PNG!1!0!4\n"
                             "EXBORDER=!OTHER.PNG!1!0!3\n";
    const std::vector<skintest::TPackMember> images{
        {"Master.bmp", master}, {"Glow.png", glow}, {"Other.png", glow}};

    TsSkinTables closeOnly, all;
    skintest::LoadSkinText(closeOnly, "[GLOBALINFO]\nBIKEEPHUE=2\n" + body, images);
    skintest::LoadSkinText(all, "[GLOBALINFO]\nBIKEEPHUE=1\n" + body, images);
    ApplySkinHueAndSaturation(closeOnly, 120, 0);
    ApplySkinHueAndSaturation(all, 120, 0);

    EXPECT_EQ(PixelValue(closeOnly.MasterImage, 5, 5), 0xFFFF0000u) << "the close button keeps its red";
    EXPECT_EQ(PixelValue(closeOnly.MasterImage, 15, 5), 0xFF00FF00u) << "other title buttons turn";
    EXPECT_EQ(PixelValue(closeOnly.MasterImage, 25, 5), 0xFF00FF00u);
    EXPECT_EQ(PixelValue(all.MasterImage, 15, 5), 0xFFFF0000u);
    auto own = [](const TsSkinTables& t, const char* key) {
        return PixelValue(*t.Masks[static_cast<size_t>(t.FindMaskExact("GLOBALINFO", key))].Bitmap, 2, 2);
    };
    EXPECT_EQ(own(closeOnly, "BICONCLOSEGLOW0"), 0xFFFF0000u) << "its glow too";
    EXPECT_EQ(own(closeOnly, "EXBORDER"), 0xFF00FF00u);

    TsSkinTables saturated;
    skintest::LoadSkinText(saturated, "[GLOBALINFO]\nBIKEEPHUE=1\n" + body, images);
    ApplySkinHueAndSaturation(saturated, 0, -100);
    EXPECT_EQ(PixelValue(saturated.MasterImage, 5, 5), 0xFF555555u) << "saturation spares no title button";
}

}  // namespace
