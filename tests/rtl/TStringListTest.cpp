#include <gtest/gtest.h>

#include "rtl/Exceptions.h"
#include "rtl/TStream.h"
#include "rtl/TStringList.h"

using namespace rtl;

namespace {

std::vector<std::string> Lines(std::string_view text) {
    TStringList list;
    list.SetText(text);
    std::vector<std::string> lines;
    for (int i = 0; i < list.Count(); ++i) lines.push_back(list[i]);
    return lines;
}

}  // namespace

TEST(StringListText, SplitsAtEveryKindOfLineEnd) {
    using V = std::vector<std::string>;
    EXPECT_EQ(Lines(""), V{});
    EXPECT_EQ(Lines("a"), V{"a"});
    EXPECT_EQ(Lines("a\r\n"), V{"a"});  // a final line end adds no empty line
    EXPECT_EQ(Lines("a\r\nb\nc\rd"), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(Lines("a\n\rb"), (V{"a", "", "b"}));  // LF then CR is two line ends
    EXPECT_EQ(Lines("\n"), V{""});
    EXPECT_EQ(Lines(" a \r\n\r\n"), (V{" a ", ""}));  // blanks are kept
    EXPECT_EQ(Lines(std::string_view("a\nb\0c\nd", 7)), (V{"a", "b"}));
}

TEST(StringListText, JoinsWithCrLfAfterEveryLine) {
    TStringList list;
    list.Add("C:/Videos/");
    list.Add("172");
    EXPECT_EQ(list.Text(), "C:/Videos/\r\n172\r\n");
}

TEST(StringListIndex, OutOfBoundsRaisesListError) {
    TStringList list;
    list.Add("x");
    EXPECT_THROW(list.Strings(1), EListError);
    EXPECT_THROW(list.Delete(-1), EListError);
    try {
        list.Strings(5);
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (5)");
    }
    list.Insert(1, "y");  // inserting at the end is allowed
    EXPECT_EQ(list[1], "y");
}

TEST(StringListCase, LookupsFollowCaseSensitivity) {
    TStringList list;
    list.SetText("Key=1\r\nkey=2\r\nOther");
    EXPECT_EQ(list.IndexOf("other"), 2);
    EXPECT_EQ(list.Values("KEY"), "1");
    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf("other"), -1);
    EXPECT_EQ(list.Values("key"), "2");
    EXPECT_EQ(list.Values("missing"), "");
    EXPECT_EQ(list.Names(0), "Key");
    EXPECT_EQ(list.ValueFromIndex(2), "");
}

TEST(StringListSort, SortsStablyAndKeepsOrderWhenAdding) {
    TStringList list;
    list.SetText("b\r\nA\r\na\r\nC");
    list.SetSorted(true);
    EXPECT_EQ(list.Text(), "A\r\na\r\nb\r\nC\r\n");  // case-insensitive, stable
    list.Add("B");
    EXPECT_EQ(list.Text(), "A\r\na\r\nb\r\nB\r\nC\r\n");  // after its equals
    list.SetSorted(false);
    list.SetCaseSensitive(true);
    list.Sort();
    EXPECT_EQ(list.Text(), "A\r\nB\r\nC\r\na\r\nb\r\n");
}

TEST(StringListFiles, RoundTripsThroughAFile) {
    const std::string path = ::testing::TempDir() + "stringlist.txt";
    TStringList list;
    list.SetText("one\ntwo");
    list.SaveToFile(path);
    TMemoryStream raw;
    raw.LoadFromFile(path);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(raw.Memory()), static_cast<size_t>(raw.Size())),
              "one\r\ntwo\r\n");
    TStringList again;
    again.LoadFromFile(path);
    EXPECT_EQ(again.Count(), 2);
    EXPECT_THROW(again.LoadFromFile(path + ".missing"), EFOpenError);
}
