#include <gtest/gtest.h>

#include <climits>

#include "cd/cd_transport.h"

TEST(ReplyNumber, ReadsTheLeadingDecimal) {
    EXPECT_EQ(ReplyNumber("12"), 12);
    EXPECT_EQ(ReplyNumber("  \t42 tracks"), 42);
    EXPECT_EQ(ReplyNumber("-6000"), -6000);
    EXPECT_EQ(ReplyNumber("+7"), 7);
    EXPECT_EQ(ReplyNumber("05:02:13:40"), 5);  // a tmsf position reads as its track
}

TEST(ReplyNumber, NoDigitsReadZero) {
    EXPECT_EQ(ReplyNumber(""), 0);
    EXPECT_EQ(ReplyNumber("true"), 0);
    EXPECT_EQ(ReplyNumber("-"), 0);
    EXPECT_EQ(ReplyNumber("- 5"), 0);
}

TEST(ReplyNumber, LongDigitRunsSaturateInsteadOfOverflowing) {
    EXPECT_EQ(ReplyNumber("2147483647"), INT_MAX);
    EXPECT_EQ(ReplyNumber("-2147483648"), INT_MIN);
    EXPECT_EQ(ReplyNumber("2147483648"), INT_MAX);
    EXPECT_EQ(ReplyNumber("-2147483649"), INT_MIN);
    EXPECT_EQ(ReplyNumber("99999999999999999999999999999999999999"), INT_MAX);
    EXPECT_EQ(ReplyNumber("-000000000000000000000000000000000012"), -12);
}
