// Letter case: the mapping over Latin, Latin-1 and Cyrillic, and the case-blind order.
#include "platform/system/LetterCase.h"

#include <gtest/gtest.h>

TEST(LetterCase, UpperAndLowerCaseMapEveryLetterOfBothCodePagesBothWays) {
    const std::u32string lower = U"azàþÿабвяёђџґ", upper = U"AZÀÞŸАБВЯЁЂЏҐ";
    for (std::size_t i = 0; i < lower.size(); ++i) {
        EXPECT_EQ(UpperChar(lower[i]), upper[i]) << i;
        EXPECT_EQ(LowerChar(upper[i]), lower[i]) << i;
    }
    for (const char32_t same : U"09&_÷×ß№€\uFFFD😀") {
        EXPECT_EQ(UpperChar(same), same);
        EXPECT_EQ(LowerChar(same), same);
    }
}

TEST(LetterCase, NamesMatchWithoutRegardToLetterCase) {
    EXPECT_TRUE(SameTextIgnoreCase("Settings", "sETTINGS"));
    EXPECT_TRUE(SameTextIgnoreCase("Настройки", "НАСТРОЙКИ"));
    EXPECT_TRUE(SameTextIgnoreCase("ёж Ґ Ї Ў Џ", "ЁЖ ґ ї ў џ"));
    EXPECT_FALSE(SameTextIgnoreCase("rec", "rec2"));
    EXPECT_FALSE(SameTextIgnoreCase("rec", "red"));
    EXPECT_FALSE(SameTextIgnoreCase("е", "ё")) << "different letters stay different";
    EXPECT_FALSE(SameTextIgnoreCase("a\x80", "a\x81"));
    EXPECT_FALSE(SameTextIgnoreCase("a\xE2\x82", "a\xE2\x83")) << "malformed pieces compare byte by byte";
    EXPECT_TRUE(SameTextIgnoreCase("", ""));
}

TEST(LetterCase, OrderIsAlphabeticalWithYoAfterYeAndBrokenBytesLast) {
    EXPECT_LT(CompareIgnoreCase("абв", "АБГ"), 0);
    EXPECT_LT(CompareIgnoreCase("Ель", "ёж"), 0);
    EXPECT_LT(CompareIgnoreCase("ёж", "Жук"), 0);
    EXPECT_GT(CompareIgnoreCase("b", "A"), 0);
    EXPECT_LT(CompareIgnoreCase("ab", "abc"), 0);
    EXPECT_GT(CompareIgnoreCase("a\xFF", "a\U0010FFFF"), 0);
    EXPECT_TRUE(StartsWithIgnoreCase("Яблоко", "яб"));
    EXPECT_TRUE(StartsWithIgnoreCase("Apple", ""));
    EXPECT_FALSE(StartsWithIgnoreCase("Ял", "яб"));
    EXPECT_FALSE(StartsWithIgnoreCase("я", "яб"));
}
