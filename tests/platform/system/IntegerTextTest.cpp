// Integer texts of settings and records: decimal, "$" and "0x" hexadecimal, and what is refused.
#include "platform/system/IntegerText.h"

#include <gtest/gtest.h>

TEST(IntegerText, DecimalWithSignAndLimits) {
    EXPECT_EQ(ParseInteger("0"), 0);
    EXPECT_EQ(ParseInteger("200"), 200);
    EXPECT_EQ(ParseInteger("+7"), 7);
    EXPECT_EQ(ParseInteger("-16777201"), -16777201);
    EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseInteger("-2147483648"), INT32_MIN);
    EXPECT_EQ(ParseInteger("2147483648"), std::nullopt);
    EXPECT_EQ(ParseInteger("-2147483649"), std::nullopt);
    EXPECT_EQ(ParseInteger("99999999999999999999999"), std::nullopt);
}

TEST(IntegerText, HexadecimalUsesAll32Bits) {
    EXPECT_EQ(ParseInteger("$FF"), 255);
    EXPECT_EQ(ParseInteger("$ff"), 255);
    EXPECT_EQ(ParseInteger("0x1F"), 31);
    EXPECT_EQ(ParseInteger("0X1f"), 31);
    EXPECT_EQ(ParseInteger("$FFFFFFFF"), -1);
    EXPECT_EQ(ParseInteger("-$10"), -16);
    EXPECT_EQ(ParseInteger("$100000000"), std::nullopt);
}

TEST(IntegerText, AnythingElseIsNotAnInteger) {
    for (const char* text : {"", "-", "+", "$", "0x", "12abc", "1 2", " 12", "12 ", "1.5", "abc", "--1", "$G", "0xZ", "١٢"})
        EXPECT_EQ(ParseInteger(text), std::nullopt) << '"' << text << '"';
}
