// Windows-1251 conversion checked against the C library's converter.
#include "platform/system/CodePage.h"

#include <gtest/gtest.h>

#include <iconv.h>

namespace {

std::string SystemCp1251ToUtf8(const std::string& bytes) {
    iconv_t converter = iconv_open("UTF-8", "CP1251");
    if (converter == reinterpret_cast<iconv_t>(-1)) return "<no converter>";
    std::string in = bytes;
    std::string out(bytes.size() * 4, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t result = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1)) return "<failed>";
    out.resize(out.size() - outLeft);
    return out;
}

} // namespace

TEST(CodePage, EveryAssignedByteDecodesAsTheSystemConverterDoes) {
    for (int byte = 0; byte < 256; ++byte) {
        if (byte == 0x98) continue; // unassigned in the code page
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(Cp1251ToUtf8(one), SystemCp1251ToUtf8(one)) << "byte " << byte;
    }
}

TEST(CodePage, AllBytesSurviveTheTripThroughUtf8) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
    EXPECT_EQ(CharCount(Cp1251ToUtf8(all)), 256u);
}

TEST(CodePage, RussianTextBecomesTheExpectedBytes) {
    EXPECT_EQ(Utf8ToCp1251("Привет, Ёж №5 — «ок»"),
              "\xCF\xF0\xE8\xE2\xE5\xF2, \xA8\xE6 \xB9" "5 \x97 \xAB\xEE\xEA\xBB");
    EXPECT_EQ(Cp1251ToUtf8("\xC0\xFF\xB8"), "Аяё");
}

TEST(CodePage, CharactersOutsideTheCodePageAndBrokenUtf8BecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1251("a日本b"), "a??b");
    EXPECT_EQ(Utf8ToCp1251("x\xF0\x9F\x98\x80y"), "x?y") << "one mark for a whole four-byte character";
    EXPECT_EQ(Utf8ToCp1251("a\x80" "b"), "a?b") << "stray continuation byte";
    EXPECT_EQ(Utf8ToCp1251("ab\xD0"), "ab?") << "sequence cut at the end";
    EXPECT_EQ(Utf8ToCp1251("\xD0" "a"), "?a") << "lead byte without its continuation";
    EXPECT_EQ(Utf8ToCp1251("\xC0\xAF"), "??") << "overlong slash";
    EXPECT_EQ(Utf8ToCp1251("\xED\xA0\x80"), "???") << "surrogate";
    EXPECT_EQ(Utf8ToCp1251("\xF4\x90\x80\x80"), "????") << "beyond U+10FFFF";
    EXPECT_EQ(Utf8ToCp1251("a\xE2\x82" "b"), "a?b") << "a cut three-byte character is one piece";
    EXPECT_EQ(CharCount("a\xE2\x82" "b\x80"), 4u) << "counted as the code page writes it";
    EXPECT_EQ(Utf8ToCp1251(std::string("a\0b", 3)), std::string("a\0b", 3));
}
