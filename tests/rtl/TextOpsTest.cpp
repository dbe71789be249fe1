#include <gtest/gtest.h>

#include "rtl/TextOps.h"

using namespace rtl;

TEST(TextPosition, CountsFromOneAndIsCaseSensitive) {
    EXPECT_EQ(Pos("b", "abcb"), 2);
    EXPECT_EQ(Pos("B", "abcb"), 0);
    EXPECT_EQ(Pos("abc", "abc"), 1);
    EXPECT_EQ(Pos("abcd", "abc"), 0);
    EXPECT_EQ(Pos("", "abc"), 0);
    EXPECT_EQ(Pos(std::string_view("\0", 1), std::string_view("a\0b", 3)), 2);
}

TEST(TextCopy, ClipsIndexAndCount) {
    EXPECT_EQ(Copy("hello", 2, 3), "ell");
    EXPECT_EQ(Copy("hello", 0, 2), "he");    // index below 1 counts as 1
    EXPECT_EQ(Copy("hello", -7, 2), "he");
    EXPECT_EQ(Copy("hello", 6, 1), "");      // past the end
    EXPECT_EQ(Copy("hello", 5, 100), "o");   // count stops at the end
    EXPECT_EQ(Copy("hello", 1, -1), "");     // negative count
    EXPECT_EQ(Copy("hello", 1, 0), "");
    EXPECT_EQ(Copy("", 1, 1), "");
}

TEST(TextDeleteFirst, DeletesNothingForZeroOrLessAndEmptiesPastTheEnd) {
    std::string text = "abcdef";
    DeleteFirst(text, 0);
    EXPECT_EQ(text, "abcdef");
    DeleteFirst(text, -3);
    EXPECT_EQ(text, "abcdef");
    DeleteFirst(text, 2);
    EXPECT_EQ(text, "cdef");
    DeleteFirst(text, 99);
    EXPECT_EQ(text, "");
}

TEST(TextReplaceAll, NeverReexaminesWhatItInserted) {
    EXPECT_EQ(ReplaceAll("sig&sig", "sig", "signature"), "signature&signature");
    EXPECT_EQ(ReplaceAll("signature", "sig", "signature"), "signaturenature");
    EXPECT_EQ(ReplaceAll("aaa", "aa", "a"), "aa");          // non-overlapping, left to right
    EXPECT_EQ(ReplaceAll("%2525", "%25", "%"), "%25");      // the produced "%25" stays
    EXPECT_EQ(ReplaceAll("AbAb", "ab", "x"), "AbAb");       // case-sensitive
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(ReplaceAll("", "a", "x"), "");
}

TEST(TextTrim, RemovesBlanksAndControlCharactersAtBothEnds) {
    EXPECT_EQ(Trim(" \t\r\n 00:03:25 \x01"), "00:03:25");
    EXPECT_EQ(Trim("a b"), "a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim("\xff"), "\xff");
}
