// The skin package reader: members, their order and names, and every way a
// package from outside can be wrong.
#include "skin/acSkinPack.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "SkinTestKit.h"

namespace {

using skin::TacSkinConvertor;
using skintest::TPackMember;

std::string Bytes(const rtl::TMemoryStream& stream) {
    auto& s = const_cast<rtl::TMemoryStream&>(stream);
    return {reinterpret_cast<const char*>(s.Memory()), static_cast<size_t>(s.Size())};
}

// Unpacks `package` from a stream the test keeps, as the internal skin is read.
std::unique_ptr<TacSkinConvertor> Unpacked(const std::string& package, rtl::TMemoryStream& source) {
    source.Clear();
    source.WriteBuffer(package.data(), static_cast<long long>(package.size()));
    auto convertor = std::make_unique<TacSkinConvertor>();
    convertor->SetSourceData(&source);
    convertor->Unpack();
    convertor->SetSourceData(nullptr);
    return convertor;
}

void PutInteger(std::string& package, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) package[at + i] = static_cast<char>(value >> (8 * i));
}

TEST(SkinPackage, UnpacksImagesInPackageOrderAndTheOptionsApart) {
    rtl::TMemoryStream source;
    const auto c = Unpacked(skinpack::WritePackage({{"Zeta.png", "zz"},
                                                    {"Options.dat", "[GLOBALINFO]\r\n"},
                                                    {"Master.bmp", std::string(300, 'm')},
                                                    {"GlowBtn.PNG", "g"}}),
                            source);
    EXPECT_EQ(c->ImageMemberCount, 3);
    ASSERT_EQ(c->ImageList.size(), 3u);
    EXPECT_EQ(c->ImageList[0].Name, "Zeta.png");
    EXPECT_EQ(c->ImageList[1].Name, "Master.bmp");
    EXPECT_EQ(c->ImageList[2].Name, "GlowBtn.PNG");
    EXPECT_FALSE(c->ImageList[0].IsBitmap);
    EXPECT_TRUE(c->ImageList[1].IsBitmap);
    EXPECT_EQ(Bytes(*c->ImageList[1].Data), std::string(300, 'm'));
    EXPECT_EQ(Bytes(*c->OptionsData), "[GLOBALINFO]\r\n");
    // The package's bytes stay the owner's.
    EXPECT_EQ(source.Size(), static_cast<long long>(skinpack::WritePackage({{"Zeta.png", "zz"},
                                                                            {"Options.dat", "[GLOBALINFO]\r\n"},
                                                                            {"Master.bmp", std::string(300, 'm')},
                                                                            {"GlowBtn.PNG", "g"}})
                                                        .size()));
}

TEST(SkinPackage, OptionsMemberNameIgnoresCaseAndTheLastOneWins) {
    rtl::TMemoryStream source;
    const auto c = Unpacked(skinpack::WritePackage({{"options.DAT", "first"}, {"OPTIONS.dat", "second"}}), source);
    EXPECT_EQ(Bytes(*c->OptionsData), "second");
    EXPECT_TRUE(c->ImageList.empty());
}

TEST(SkinPackage, ImageLookupUpperCasesOnlyTheMemberName) {
    rtl::TMemoryStream source;
    const auto c = Unpacked(skintest::PackageOf("", {{"Master.bmp", "m"}, {"Corner.bmp", "c"}}), source);
    ASSERT_NE(c->FindImage("MASTER.BMP"), nullptr);
    EXPECT_EQ(c->FindImage("MASTER.BMP")->Name, "Master.bmp");
    EXPECT_EQ(c->FindImage("Master.bmp"), nullptr);
    EXPECT_EQ(c->FindImage("TL.BMP"), nullptr);
}

TEST(SkinPackage, MembersLargerThanAReadChunkAndEmptyMembersKeepTheirPlace) {
    std::string large(200000, '\0');
    for (size_t i = 0; i < large.size(); ++i) large[i] = static_cast<char>((i * 7919) >> 5);
    rtl::TMemoryStream source;
    const auto c = Unpacked(skintest::PackageOf("x", {{"Big.bmp", large}, {"Empty.png", ""}, {"After.png", "ok"}}),
                            source);
    ASSERT_EQ(c->ImageList.size(), 3u);
    EXPECT_EQ(Bytes(*c->ImageList[0].Data), large);
    EXPECT_EQ(Bytes(*c->ImageList[1].Data), "");
    EXPECT_EQ(Bytes(*c->ImageList[2].Data), "ok");
}

struct TBadPackage {
    const char* Situation;
    std::string Bytes;
};

class SkinPackageRejects : public testing::TestWithParam<TBadPackage> {};

TEST_P(SkinPackageRejects, AsNotASkinPackage) {
    rtl::TMemoryStream source;
    TacSkinConvertor convertor;
    source.WriteBuffer(GetParam().Bytes.data(), static_cast<long long>(GetParam().Bytes.size()));
    convertor.SetSourceData(&source);
    EXPECT_THROW(convertor.Unpack(), skin::ESkinPackError) << GetParam().Situation;
    EXPECT_TRUE(convertor.ImageList.empty());
    EXPECT_EQ(convertor.OptionsData, nullptr);
    EXPECT_EQ(convertor.SourceData(), nullptr);
}

std::vector<TBadPackage> BadPackages() {
    const std::string good = skintest::PackageOf("[GLOBALINFO]", {{"Master.bmp", "m"}});
    std::string countTooLarge = good, nameTooLong = good, negativeSize = good, negativeName = good;
    PutInteger(countTooLarge, 4, 3);
    PutInteger(nameTooLong, 8, 1000);
    PutInteger(negativeName, 8, 0xFFFFFFFF);
    PutInteger(negativeSize, 8 + 4 + 11, 0xFFFFFFF0);
    std::string magic = good;
    magic[3] = 'F';
    return {{"wrong magic", magic},
            {"empty data", ""},
            {"magic only", "ASzf"},
            {"no members", skinpack::WritePackage({})},
            {"no options member", skinpack::WritePackage({{"Master.bmp", "m"}})},
            {"member count past the end", countTooLarge},
            {"name length past the end", nameTooLong},
            {"negative name length", negativeName},
            {"negative size", negativeSize},
            {"header cut inside a name", good.substr(0, 14)}};
}

INSTANTIATE_TEST_SUITE_P(Headers, SkinPackageRejects, testing::ValuesIn(BadPackages()),
                         [](const auto& info) {
                             std::string name = info.param.Situation;
                             for (char& ch : name)
                                 if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

TEST(SkinPackage, WrongMagicMessage) {
    rtl::TMemoryStream source;
    source.WriteBuffer("PK\3\4....", 8);
    TacSkinConvertor convertor;
    convertor.SetSourceData(&source);
    try {
        convertor.Unpack();
        FAIL();
    } catch (const skin::ESkinPackError& e) {
        EXPECT_STREQ(e.what(), "Loaded data is not a packed Quillmark file");
    }
}

TEST(SkinPackage, DamagedCompressedData) {
    const std::string good = skintest::PackageOf("[GLOBALINFO]\r\nVERSION=7.10\r\n");
    const size_t stream = 8 + 4 + 11 + 4;
    rtl::TMemoryStream source;
    TacSkinConvertor convertor;
    auto unpack = [&](const std::string& bytes) {
        source.Clear();
        source.WriteBuffer(bytes.data(), static_cast<long long>(bytes.size()));
        convertor.SetSourceData(&source);
        convertor.Unpack();
    };
    std::string garbled = good;
    garbled[stream + 2] = static_cast<char>(0xFF);
    garbled[stream + 3] = static_cast<char>(0xFF);
    EXPECT_THROW(unpack(garbled), rtl::EDecompressionError);
    EXPECT_THROW(unpack(good.substr(0, good.size() - 6)), rtl::EReadError) << "cut inside the zlib stream";
    std::string longer = good, shorter = good;
    PutInteger(longer, 8 + 4 + 11, 40);
    PutInteger(shorter, 8 + 4 + 11, 5);
    EXPECT_THROW(unpack(longer), rtl::EReadError) << "inflates to fewer bytes than stated";
    EXPECT_THROW(unpack(shorter), rtl::EDecompressionError) << "inflates to more bytes than stated";
}

TEST(SkinPackage, PackageFiles) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "kestrune-skinpack-test";
    std::filesystem::create_directories(folder);
    const std::string good = (folder / "Good.asz").string(), bad = (folder / "Bad.asz").string();
    std::ofstream(good, std::ios::binary) << skintest::PackageOf("[GLOBALINFO]", {{"Master.bmp", "m"}});
    std::ofstream(bad, std::ios::binary) << "not a package";

    std::unique_ptr<TacSkinConvertor> convertor;
    TacSkinConvertor::LoadPackageFile((folder / "Missing.asz").string(), convertor, true);
    EXPECT_EQ(convertor, nullptr) << "a missing file leaves the convertor as it was";

    TacSkinConvertor::LoadPackageFile(good, convertor, true);
    ASSERT_NE(convertor, nullptr);
    EXPECT_EQ(convertor->ImageMemberCount, 1);
    EXPECT_EQ(convertor->SourceData(), nullptr) << "the file's bytes are freed";

    TacSkinConvertor::LoadPackageFile(good, convertor, false);
    ASSERT_NE(convertor, nullptr);
    EXPECT_NE(convertor->SourceData(), nullptr);
    EXPECT_EQ(convertor->ImageList.size(), 1u) << "a reused convertor starts empty";

    EXPECT_THROW(TacSkinConvertor::LoadPackageFile(bad, convertor, true), skin::ESkinPackError);
    EXPECT_EQ(convertor, nullptr) << "the caller's reference becomes null";
    std::filesystem::remove_all(folder);
}

}  // namespace
