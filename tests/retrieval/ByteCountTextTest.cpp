#include <gtest/gtest.h>

#include "retrieval/ByteCountText.h"

using retrieval::BytesToKBText;

TEST(ByteCountText, WholeKilobytesGroupedInThrees) {
    EXPECT_EQ(BytesToKBText(0), "0 KB");
    EXPECT_EQ(BytesToKBText(1023), "0 KB");
    EXPECT_EQ(BytesToKBText(1024), "1 KB");
    EXPECT_EQ(BytesToKBText(2047), "1 KB");
    EXPECT_EQ(BytesToKBText(1234567), "1 205 KB");
    EXPECT_EQ(BytesToKBText(999 * 1024), "999 KB");
    EXPECT_EQ(BytesToKBText(1000 * 1024), "1 000 KB");
    EXPECT_EQ(BytesToKBText(524288000), "512 000 KB");
    EXPECT_EQ(BytesToKBText(2147483647), "2 097 151 KB");
    EXPECT_EQ(BytesToKBText(1024LL * 1000000000), "1 000 000 000 KB");
}
