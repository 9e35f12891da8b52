// UTF-8 decoding: valid text of every length, and every kind of bad sequence.
#include "platform/text/Utf8.h"

#include <gtest/gtest.h>

TEST(Utf8, DecodesOneToFourByteSequences) {
    EXPECT_EQ(DecodeUtf8("Aё€😀"), std::u32string(U"Aё€😀"));
    EXPECT_EQ(DecodeUtf8("Новая игра"), std::u32string(U"Новая игра"));
    EXPECT_TRUE(DecodeUtf8("").empty());
}

TEST(Utf8, BadSequencesBecomeReplacementCharactersWithoutSwallowingText) {
    EXPECT_EQ(DecodeUtf8("a\xFF" "b"), std::u32string(U"a\uFFFDb")) << "invalid lead byte";
    EXPECT_EQ(DecodeUtf8("a\x80" "b"), std::u32string(U"a\uFFFDb")) << "stray continuation byte";
    EXPECT_EQ(DecodeUtf8("\xD0"), std::u32string(U"\uFFFD")) << "cut at the end";
    EXPECT_EQ(DecodeUtf8("\xD0" "a"), std::u32string(U"\uFFFDa")) << "cut before an ASCII letter";
    EXPECT_EQ(DecodeUtf8("\xC0\xAF"), std::u32string(U"\uFFFD")) << "overlong slash";
    EXPECT_EQ(DecodeUtf8("\xED\xA0\x80"), std::u32string(U"\uFFFD")) << "surrogate";
    EXPECT_EQ(DecodeUtf8("\xF4\x90\x80\x80"), std::u32string(U"\uFFFD")) << "beyond U+10FFFF";
}
