// Where a skin comes from: the skin folder setting, package files, skin
// folders and the internal skins, and listing what is available.
#include "skin/sSkinSource.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "SkinTestKit.h"
#include "gfx/ImageCodecs.h"

namespace {

namespace fs = std::filesystem;
using namespace skin;

TEST(SkinDirectory, RelativeToTheProgramFolderUnlessAbsolute) {
    const std::string app = "/apps/tool/";
    EXPECT_EQ(NormalizeSkinDirectory("../Skins", app), "/apps/Skins");
    EXPECT_EQ(NormalizeSkinDirectory("./Skins", app), "/apps/tool/Skins");
    EXPECT_EQ(NormalizeSkinDirectory("Skins", app), "/apps/tool/Skins");
    EXPECT_EQ(NormalizeSkinDirectory("/srv/skins", app), "/srv/skins");
    EXPECT_EQ(NormalizeSkinDirectory("..", "/"), "");
}

TEST(SkinDirectory, TrailingSeparatorAndPackageExtension) {
    EXPECT_EQ(AddTrailingSeparator(""), "");
    EXPECT_EQ(AddTrailingSeparator("/skins/"), "/skins/");
    EXPECT_EQ(AddTrailingSeparator("/skins"), "/skins/");
    EXPECT_EQ(StripPackageExtension("Sapphire (internal).ASZ"), "Sapphire (internal)");
    EXPECT_EQ(StripPackageExtension("Blue.asz"), "Blue");
    EXPECT_EQ(StripPackageExtension(".asz"), ".asz");
    EXPECT_EQ(StripPackageExtension("Blue.zip"), "Blue.zip");
}

class SkinFolderTest : public testing::Test {
protected:
    void SetUp() override {
        FRoot = fs::temp_directory_path() / ("kestrune-skin-source-" + std::to_string(::getpid()));
        fs::remove_all(FRoot);
        fs::create_directories(FRoot / "app");
        fs::create_directories(FRoot / "skins");
        FApp = (FRoot / "app").string() + "/";
        FSkins = (FRoot / "skins").string();
        FInternal.Add().SetName("Sapphire (internal)");
        FInternal.Add().SetName("Other (internal)");
    }
    void TearDown() override { fs::remove_all(FRoot); }

    void File(const fs::path& path, const std::string& text = "x") {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }

    fs::path FRoot;
    std::string FApp, FSkins;
    TsStoredSkins FInternal;
};

TEST_F(SkinFolderTest, PackageFileThenSkinFolderThenInternalSkin) {
    File(FRoot / "skins" / "Blue.asz");
    File(FRoot / "skins" / "Blue" / "Options.dat");
    File(FRoot / "skins" / "Green" / "Options.dat");

    TsSkinSource blue = ResolveSkinSource("Blue.ASZ", FSkins, FApp, FInternal, false);
    EXPECT_EQ(blue.Kind, sskPackageFile);
    EXPECT_EQ(blue.SkinName, "Blue");
    EXPECT_EQ(blue.PackageFile, FSkins + "/Blue.asz");
    EXPECT_EQ(blue.SkinFolder, FSkins + "/");

    // After a live skin feed an existing folder wins over the package.
    EXPECT_EQ(ResolveSkinSource("Blue", FSkins, FApp, FInternal, true).Kind, sskFolder);

    TsSkinSource green = ResolveSkinSource("Green", FSkins, FApp, FInternal, false);
    EXPECT_EQ(green.Kind, sskFolder);
    EXPECT_EQ(green.SkinFolder, FSkins + "/Green/");

    TsSkinSource other = ResolveSkinSource("Other (internal)", FSkins, FApp, FInternal, false);
    EXPECT_EQ(other.Kind, sskInternal);
    EXPECT_EQ(other.InternalIndex, 1);
    EXPECT_EQ(other.SkinFolder, "");

    TsSkinSource unknown = ResolveSkinSource("Nowhere", FSkins, FApp, FInternal, false);
    EXPECT_EQ(unknown.Kind, sskInternal);
    EXPECT_EQ(unknown.InternalIndex, 0);
    EXPECT_EQ(unknown.SkinName, "Sapphire (internal)") << "the first internal skin and its name";

    TsStoredSkins none;
    EXPECT_EQ(ResolveSkinSource("Nowhere", FSkins, FApp, none, false).Kind, sskNone);
}

TEST_F(SkinFolderTest, ARelativeSkinDirectoryMeansTheSamePlaceForPackagesAndFolders) {
    File(FRoot / "app" / "Skins" / "Blue.asz");
    const TsSkinSource blue = ResolveSkinSource("Blue", "Skins", FApp, FInternal, false);
    EXPECT_EQ(blue.Kind, sskPackageFile);
    EXPECT_EQ(blue.PackageFile, FApp + "Skins/Blue.asz");
}

TEST_F(SkinFolderTest, ListingSkins) {
    File(FRoot / "skins" / "Blue.asz");
    File(FRoot / "skins" / "Deep.Blue.asz");
    File(FRoot / "skins" / "Green.ASZ");
    File(FRoot / "skins" / ".Hidden.asz");
    File(FRoot / "skins" / "Amber" / "Options.dat");
    fs::create_directories(FRoot / "skins" / "Empty");

    rtl::TStringList list;
    std::string first;
    ListSkins(list, slPackages, first, FInternal, FSkins, FApp);
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list[0], "Blue");
    EXPECT_EQ(list[1], "Deep");
    EXPECT_EQ(list[2], "Other (internal)");
    EXPECT_EQ(list[3], "Sapphire (internal)");
    EXPECT_EQ(first, "Sapphire (internal)");

    ListSkins(list, slFolders, first, FInternal, FSkins, FApp);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list[0], "Amber");

    TsStoredSkins none;
    ListSkins(list, slBoth, first, none, FSkins, FApp);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(first, "Amber");
    ListSkins(list, slBoth, first, none, (FRoot / "nothing").string(), FApp);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(first, "");
}

TEST_F(SkinFolderTest, FolderSkinsFindTheirFilesWhateverTheCaseOfTheReference) {
    gfx::TBitmap master = skintest::Picture(8, 8, 0x00FF00);
    const std::string bmp = gfx::WriteBmp(master);
    File(FRoot / "skins" / "Green" / "Options.dat",
         "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\nCHECK=@0000@0000@0004@0004@1@0\r\n"
         "GLOW=!" + (FRoot / "skins" / "GLOW.BMP").string() + "!1!0!2\r\n");
    File(FRoot / "skins" / "Green" / "Master.bmp", bmp);
    File(FRoot / "skins" / "glow.bmp", bmp);
    TsSkinTables tables;
    const TsSkinSource source = ResolveSkinSource("Green", FSkins, FApp, FInternal, false);
    EXPECT_FALSE(LoadSkin(tables, source, FInternal, {}));
    EXPECT_EQ(tables.GlobalInfo.SkinFolder, FSkins + "/Green/");
    EXPECT_EQ(tables.MasterImage.Width(), 8);
    EXPECT_GE(tables.FindMaskExact("GLOBALINFO", "CHECK"), 0);
    EXPECT_GE(tables.FindMaskExact("GLOBALINFO", "GLOW"), 0) << "an absolute reference";
}

TEST(StoredSkins, LookupChangesAndCopies) {
    int changes = 0;
    TsStoredSkins skins([&] { ++changes; });
    TsStoredSkin& first = skins.Add();
    first.SetName("Sapphire (internal)");
    first.SetData("ASzf....");
    first.SetShadow1Color(0x123456);
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(first.Shadow1Blur(), -1);
    EXPECT_EQ(first.BorderColor(), 0xFF00FF);
    EXPECT_EQ(skins.IndexOf("Sapphire (internal)"), 0);
    EXPECT_EQ(skins.IndexOf("sapphire (internal)"), -1);
    EXPECT_THROW(skins.Items(1), rtl::EListError);

    TsStoredSkins copy;
    copy.Assign(skins);
    ASSERT_EQ(copy.Count(), 1);
    EXPECT_EQ(copy.Items(0).DataBytes(), "ASzf....");
    EXPECT_EQ(copy.Items(0).Shadow1Color(), 0x123456);
    copy.Items(0).SetName("Copy");
    EXPECT_EQ(skins.Items(0).Name(), "Sapphire (internal)");

    skins.Delete(0);
    EXPECT_EQ(skins.Count(), 0);
    EXPECT_EQ(changes, 5);
}

}  // namespace
