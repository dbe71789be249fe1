#include <gtest/gtest.h>

#include "rtl/Exceptions.h"
#include "rtl/IntConvert.h"

using namespace rtl;

TEST(IntegerConversion, AcceptsDecimalWithBlanksAndSign) {
    EXPECT_EQ(StrToInt("0"), 0);
    EXPECT_EQ(StrToInt("   42"), 42);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("-0012"), -12);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
}

TEST(IntegerConversion, AcceptsEveryHexadecimalIntroducer) {
    EXPECT_EQ(StrToInt("$1A"), 26);
    EXPECT_EQ(StrToInt("x1a"), 26);
    EXPECT_EQ(StrToInt("X1a"), 26);
    EXPECT_EQ(StrToInt("0x1A"), 26);
    EXPECT_EQ(StrToInt("0XfF"), 255);
    EXPECT_EQ(StrToInt(" -$10"), -16);
    EXPECT_EQ(StrToInt("$7FFFFFFF"), 2147483647);
}

TEST(IntegerConversion, RejectsWhatIsNotOneWholeNumberInRange) {
    for (const char* bad : {"", " ", "-", "+", "$", "0x", "12 ", "1 2", "\t5", "- 5", "N/", "1:",
                            "4.90", "2147483648", "-2147483649", "$80000000", "5000000000",
                            "99999999999999999999999", "0x1G", "++1"}) {
        EXPECT_FALSE(TryStrToInt(bad).has_value()) << "'" << bad << "'";
    }
}

TEST(IntegerConversion, ErrorNamesTheWholeText) {
    try {
        StrToInt("N/");
        FAIL() << "no error raised";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'N/' is not a valid integer value");
    }
}
