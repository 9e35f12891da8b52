// UTF-8 decoding and encoding: valid text of every length, every kind of bad sequence, and the
// characters no UTF-8 can carry.
#include "platform/system/Utf8.h"

#include <gtest/gtest.h>

TEST(Utf8, DecodesOneToFourByteSequences) {
    EXPECT_EQ(DecodeUtf8("Aё€😀"), std::u32string(U"Aё€😀"));
    EXPECT_EQ(DecodeUtf8("Новая игра"), std::u32string(U"Новая игра"));
    EXPECT_TRUE(DecodeUtf8("").empty());
}

// Each piece that cannot begin a character is replaced once, the way Unicode recommends: a cut
// sequence is one piece, while the bytes after a lead that rules them out are pieces of their own.
TEST(Utf8, BadSequencesBecomeReplacementCharactersWithoutSwallowingText) {
    EXPECT_EQ(DecodeUtf8("a\xFF" "b"), std::u32string(U"a\uFFFDb")) << "invalid lead byte";
    EXPECT_EQ(DecodeUtf8("a\x80" "b"), std::u32string(U"a\uFFFDb")) << "stray continuation byte";
    EXPECT_EQ(DecodeUtf8("\xD0"), std::u32string(U"\uFFFD")) << "cut at the end";
    EXPECT_EQ(DecodeUtf8("\xD0" "a"), std::u32string(U"\uFFFDa")) << "cut before an ASCII letter";
    EXPECT_EQ(DecodeUtf8("\xE2\x82" "a"), std::u32string(U"\uFFFDa")) << "a cut three-byte sequence is one piece";
    EXPECT_EQ(DecodeUtf8("\xF0\x9F\x98"), std::u32string(U"\uFFFD")) << "a cut four-byte sequence is one piece";
    EXPECT_EQ(DecodeUtf8("\xC0\xAF"), std::u32string(U"\uFFFD\uFFFD")) << "overlong slash";
    EXPECT_EQ(DecodeUtf8("\xE0\x80\xAF"), std::u32string(U"\uFFFD\uFFFD\uFFFD")) << "overlong in three bytes";
    EXPECT_EQ(DecodeUtf8("\xED\xA0\x80"), std::u32string(U"\uFFFD\uFFFD\uFFFD")) << "surrogate";
    EXPECT_EQ(DecodeUtf8("\xF4\x90\x80\x80"), std::u32string(U"\uFFFD\uFFFD\uFFFD\uFFFD")) << "beyond U+10FFFF";
    EXPECT_EQ(DecodeUtf8("\xED\x9F\xBF\xEE\x80\x80\xF4\x8F\xBF\xBF"), std::u32string(U"\uD7FF\uE000\U0010FFFF"))
        << "the edges around the surrogates and the last code";
}

TEST(Utf8, NextCodePointStepsOverEachPieceOnce) {
    const std::string_view text = "Ж\xE2\x82" "!";
    std::size_t pos = 0;
    EXPECT_EQ(NextCodePoint(text, pos), 0x416);
    EXPECT_EQ(pos, 2u);
    EXPECT_EQ(NextCodePoint(text, pos), -1);
    EXPECT_EQ(pos, 4u);
    EXPECT_EQ(NextCodePoint(text, pos), '!');
    EXPECT_EQ(pos, 5u);
}

TEST(Utf8, EncodesEveryLengthAndReplacesWhatIsNoCharacter) {
    EXPECT_EQ(EncodeUtf8(U'A'), "A");
    EXPECT_EQ(EncodeUtf8(U'Ж'), "\xD0\x96");
    EXPECT_EQ(EncodeUtf8(U'€'), "\xE2\x82\xAC");
    EXPECT_EQ(EncodeUtf8(char32_t{0x1F600}), "\xF0\x9F\x98\x80");
    EXPECT_EQ(EncodeUtf8(char32_t{0x10FFFF}), "\xF4\x8F\xBF\xBF");
    EXPECT_EQ(EncodeUtf8(char32_t{0xD800}), "\xEF\xBF\xBD") << "a lone surrogate";
    EXPECT_EQ(EncodeUtf8(char32_t{0xDFFF}), "\xEF\xBF\xBD");
    EXPECT_EQ(EncodeUtf8(char32_t{0x110000}), "\xEF\xBF\xBD");
    EXPECT_EQ(EncodeUtf8(std::u32string_view(U"Ёж 😀")), "Ёж 😀");
    const std::u32string every = {0x0, 0x7F, 0x80, 0x7FF, 0x800, 0xFFFF, 0x10000, 0x10FFFF};
    EXPECT_EQ(DecodeUtf8(EncodeUtf8(every)), every) << "the edges of every length survive the trip";
}
