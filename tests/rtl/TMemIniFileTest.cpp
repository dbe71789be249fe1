#include "rtl/TMemIniFile.h"

#include <gtest/gtest.h>

#include "rtl/TStringList.h"

namespace {

rtl::TMemIniFile Ini(const char* text, bool caseSensitive = true) {
    rtl::TStringList lines;
    lines.SetText(text);
    rtl::TMemIniFile ini(caseSensitive);
    ini.SetStrings(lines);
    return ini;
}

std::string Joined(const rtl::TStringList& list) {
    std::string text;
    for (int i = 0; i < list.Count(); ++i) text += (i ? "|" : "") + list[i];
    return text;
}

TEST(MemIniFile, LinesAreTrimmedAndCommentsAndStrayLinesSkipped) {
    const auto ini = Ini("stray=1\r\n  [ A ]  \r\n ; note\r\n\r\n  key  =  a value = with equals  \r\nflag\r\n");
    rtl::TStringList names;
    ini.ReadSections(names);
    EXPECT_EQ(Joined(names), "A");
    EXPECT_EQ(ini.ReadString("A", "key", "?"), "a value = with equals");
    // A line without '=' is a key with an empty value.
    EXPECT_TRUE(ini.ValueExists("A", "flag"));
    EXPECT_EQ(ini.ReadString("A", "flag", "?"), "");
    EXPECT_EQ(ini.ReadString("A", "stray", "?"), "?");
}

TEST(MemIniFile, FirstOccurrenceOfSectionAndKeyWins) {
    const auto ini = Ini("[S]\nk=1\nk=2\n[T]\n[S]\nk=3\nonly=4\n");
    EXPECT_EQ(ini.ReadString("S", "k", ""), "1");
    EXPECT_FALSE(ini.ValueExists("S", "only"));
    rtl::TStringList names, keys;
    ini.ReadSections(names);
    EXPECT_EQ(Joined(names), "S|T");
    ini.ReadSection("S", keys);
    EXPECT_EQ(Joined(keys), "k|k");
}

TEST(MemIniFile, CaseSensitiveModeMatchesExactly) {
    const auto exact = Ini("[Sec]\nKey=1\n");
    EXPECT_EQ(exact.ReadString("Sec", "key", "none"), "none");
    EXPECT_FALSE(exact.SectionExists("SEC"));
    const auto folded = Ini("[Sec]\nKey=1\n", false);
    EXPECT_EQ(folded.ReadString("SEC", "key", "none"), "1");
}

TEST(MemIniFile, IntegersFallBackToTheDefault) {
    const auto ini = Ini("[S]\nhex=$1F\nzx=0x10\nneg=-5\nbad=12a\nempty=\n");
    EXPECT_EQ(ini.ReadInteger("S", "hex", 0), 31);
    EXPECT_EQ(ini.ReadInteger("S", "zx", 0), 16);
    EXPECT_EQ(ini.ReadInteger("S", "neg", 0), -5);
    EXPECT_EQ(ini.ReadInteger("S", "bad", 7), 7);
    EXPECT_EQ(ini.ReadInteger("S", "empty", 8), 8);
    EXPECT_EQ(ini.ReadInteger("S", "missing", 9), 9);
}

}  // namespace
