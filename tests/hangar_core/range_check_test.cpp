#include "hangar/core/range_check.h"
#include "tests/support/wx_print.h"

#include <gtest/gtest.h>

TEST(CheckRange, TypingPrefixesTowardALargeMinimum)
{
    // 1024..65530: 8, 80 and 800 can still become 8000; 0 can never reach 1024.
    EXPECT_EQ(0, CheckRangeText("8", false, 1024, 65530));
    EXPECT_EQ(0, CheckRangeText("80", false, 1024, 65530));
    EXPECT_EQ(0, CheckRangeText("800", false, 1024, 65530));
    EXPECT_EQ(-1, CheckRangeText("0", false, 1024, 65530));
    EXPECT_EQ(-1, CheckRangeText("101", false, 1024, 65530)); // 101 < 102 cannot reach 1024
    EXPECT_EQ(0, CheckRangeText("102", false, 1024, 65530));
    EXPECT_EQ(0, CheckRangeText("9", false, 1024, 65530));
}

TEST(CheckRange, FinalValuesAreJudgedWithoutPrefixes)
{
    EXPECT_EQ(-1, CheckRangeText("9", true, 1024, 65530));
    EXPECT_EQ(0, CheckRangeText("1024", true, 1024, 65530));
    EXPECT_EQ(0, CheckRangeText("65530", true, 1024, 65530));
    EXPECT_EQ(1, CheckRangeText("65531", true, 1024, 65530));
    EXPECT_EQ(1, CheckRangeText("65531", false, 1024, 65530));
    EXPECT_EQ(-1, CheckRangeText("", true, 1, 30));
    EXPECT_EQ(-1, CheckRangeText("", false, 1, 30));
}

TEST(CheckRange, SignsAndBlanks)
{
    // A lone "-" while typing is acceptable only when negative values are.
    EXPECT_EQ(-1, CheckRangeText("-", false, 1, 30));
    EXPECT_EQ(0, CheckRangeText("-", false, -5, 30));
    EXPECT_EQ(-1, CheckRangeText("-", true, -5, 30));
    EXPECT_EQ(-1, CheckRangeText("-3", false, 1, 30));
    EXPECT_EQ(0, CheckRangeText("-3", true, -5, 30));
    EXPECT_EQ(0, CheckRangeText("+3", true, 1, 30));
    EXPECT_EQ(0, CheckRangeText("  7", true, 1, 30)); // leading blanks are allowed
    EXPECT_EQ(-1, CheckRangeText("7 ", true, 1, 30)); // nothing may follow the digits
    EXPECT_EQ(-1, CheckRangeText("1x", true, 1, 30));
    EXPECT_EQ(-1, CheckRangeText("+", true, 1, 30));
}

TEST(CheckRange, NumbersBeyondThirtyTwoBitsAreTooBig)
{
    // A value that would wrap around in 32 bits must not come back into range.
    EXPECT_EQ(1, CheckRangeText("99999999999", true, 1, 60));
    EXPECT_EQ(1, CheckRangeText("4294967297", false, 1, 60)); // 2^32 + 1 wraps to 1
    EXPECT_EQ(1, CheckRangeText("99999999999999999999999999", true, 1, 60));
    EXPECT_EQ(-1, CheckRangeText("-99999999999999999999999999", true, 1, 60));
}
