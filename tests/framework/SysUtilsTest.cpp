// Integer conversion and its error text, trimming, Cyrillic case and order, paths, Format.
#include "framework/Exception.h"
#include "framework/Format.h"
#include "framework/SysUtils.h"
#include "framework/TSet.h"

#include <gtest/gtest.h>

namespace {

std::string ConvertErrorOf(std::string_view text) {
    try {
        StrToInt(text);
    } catch (const EConvertError& e) {
        return e.Message();
    }
    return "no error";
}

std::string FormatErrorOf(std::string_view format, std::initializer_list<TVarRec> args) {
    try {
        Format(format, args);
    } catch (const EConvertError& e) {
        return e.what();
    }
    return "no error";
}

enum TColorItem { ciRed, ciGreen, ciBlue, ciLast = 63 };

} // namespace

TEST(SysUtilsTest, StrToIntReadsDecimalAndHexAndNamesTheBadText) {
    EXPECT_EQ(StrToInt("123"), 123);
    EXPECT_EQ(StrToInt("-7"), -7);
    EXPECT_EQ(StrToInt("  42"), 42) << "leading blanks are skipped";
    EXPECT_EQ(StrToInt("$FF"), 255);
    EXPECT_EQ(StrToInt("0x10"), 16);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(ConvertErrorOf("12a"), "'12a' is not a valid integer value");
    EXPECT_EQ(ConvertErrorOf(""), "'' is not a valid integer value");
    EXPECT_EQ(ConvertErrorOf("42 "), "'42 ' is not a valid integer value");
    EXPECT_EQ(ConvertErrorOf("2147483648"), "'2147483648' is not a valid integer value");
    EXPECT_EQ(ConvertErrorOf("99999999999999999999"), "'99999999999999999999' is not a valid integer value");
    EXPECT_EQ(StrToIntDef("x", 10), 10);
    EXPECT_EQ(StrToIntDef("-3", 10), -3);
    EXPECT_EQ(IntToStr(-2147483648LL), "-2147483648");
    EXPECT_EQ(IntToHex(255, 4), "00FF");
}

TEST(SysUtilsTest, TrimRemovesBlanksAndControlCharactersOnly) {
    EXPECT_EQ(Trim(" \t\r\n Ёжик  в тумане \n"), "Ёжик  в тумане");
    EXPECT_EQ(TrimLeft("  a "), "a ");
    EXPECT_EQ(TrimRight("  a "), "  a");
    EXPECT_EQ(Trim("   "), "");
}

TEST(SysUtilsTest, CaseMappingKnowsCyrillicOnlyInTheAnsiForms) {
    EXPECT_EQ(UpperCase("ёжик abc"), "ёжик ABC");
    EXPECT_EQ(AnsiUpperCase("ёжик abc"), "ЁЖИК ABC");
    EXPECT_EQ(AnsiLowerCase("ПУСТЫНЯ Ё Ґ ÀÉ"), "пустыня ё ґ àé");
    EXPECT_EQ(LowerCase("ПУСТЫНЯ ABC"), "ПУСТЫНЯ abc");
    EXPECT_EQ(AnsiUpperCase("a\xFFz"), "A\xFFZ") << "bytes that are not UTF-8 are kept";
}

TEST(SysUtilsTest, ComparisonsFollowTheAlphabetWithCyrillic) {
    EXPECT_LT(AnsiCompareText("ель", "ёж"), 0) << "Ё comes right after Е";
    EXPECT_LT(AnsiCompareText("ёж", "жук"), 0);
    EXPECT_EQ(AnsiCompareText("Пустыня", "ПУСТЫНЯ"), 0);
    EXPECT_TRUE(AnsiSameText("Ёлка", "ёЛКА"));
    EXPECT_LT(AnsiCompareText("abc", "ABCD"), 0);
    EXPECT_LT(AnsiCompareStr("a", "A"), 0) << "lower case first when only case differs";
    EXPECT_GT(AnsiCompareStr("B", "a"), 0) << "case decides only between equal letters";
    EXPECT_NE(AnsiCompareStr("Пустыня", "пустыня"), 0);
    EXPECT_TRUE(SameText("Button1", "BUTTON1"));
    EXPECT_FALSE(SameText("Ёлка", "ёлка")) << "the plain form knows Latin letters only";
    EXPECT_LT(CompareText("apple", "Banana"), 0);
}

TEST(SysUtilsTest, PathPartsUseThePlatformSeparator) {
    EXPECT_EQ(IncludeTrailingPathDelimiter("/home/skins"), "/home/skins/");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/home/skins/"), "/home/skins/");
    EXPECT_EQ(IncludeTrailingPathDelimiter(""), "/");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/home/"), "/home");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/"), "/");
    EXPECT_EQ(ExtractFilePath("/a/b/Options.dat"), "/a/b/");
    EXPECT_EQ(ExtractFilePath("Options.dat"), "");
    EXPECT_EQ(ExtractFileName("/a/b/Options.dat"), "Options.dat");
    EXPECT_EQ(ExtractFileExt("/a/b/Пустыня.ASZ"), ".ASZ");
    EXPECT_EQ(ExtractFileExt("/a.d/noext"), "") << "a dot in a folder name is no extension";
    EXPECT_EQ(ExtractFileExt("x.tar.gz"), ".gz");
    EXPECT_EQ(ChangeFileExt("/a/pic.jpeg", ".bmp"), "/a/pic.bmp");
    EXPECT_EQ(ChangeFileExt("/a/pic", ".bmp"), "/a/pic.bmp");
}

TEST(FormatTest, DirectivesFormatTheirArguments) {
    EXPECT_EQ(Format("'%s' is not a valid integer value", {"12a"}), "'12a' is not a valid integer value");
    EXPECT_EQ(Format("%d:%.2d:%.2d", {0, 5, 7}), "0:05:07");
    EXPECT_EQ(Format("%2d. %-6s|%6s", {3, "Иван", "1:00"}), " 3. Иван  |  1:00") << "widths count characters";
    EXPECT_EQ(Format("%x %.4X %x", {255, 10, -1}), "FF 000A FFFFFFFF");
    EXPECT_EQ(Format("%u", {-1}), "4294967295");
    EXPECT_EQ(Format("%f %.1f %n", {1.5, 2.25, 1234567.891}), "1.50 2.2 1,234,567.89");
    EXPECT_EQ(Format("%g", {0.5}), "0.5");
    EXPECT_EQ(Format("%.3s", {"Пустыня"}), "Пус");
    EXPECT_EQ(Format("%1:s %0:s %s", {"a", "b"}), "b a b") << "an index moves the argument position";
    EXPECT_EQ(Format("%*d|%-*d|", {4, 7, 3, 1}), "   7|1  |");
    EXPECT_EQ(Format("100%%", {}), "100%");
    EXPECT_EQ(Format("%d", {4000000000ULL}), "4000000000");
    EXPECT_EQ(Format("%s", {std::string("owned")}), "owned");
}

TEST(FormatTest, MismatchedOrMissingArgumentsAreConversionErrors) {
    EXPECT_EQ(FormatErrorOf("%d", {"text"}), "Format '%d' invalid or incompatible with argument");
    EXPECT_EQ(FormatErrorOf("%s", {5}), "Format '%s' invalid or incompatible with argument");
    EXPECT_EQ(FormatErrorOf("%f", {5}), "Format '%f' invalid or incompatible with argument");
    EXPECT_EQ(FormatErrorOf("%s and %s", {"one"}), "No argument for format '%s and %s'");
    EXPECT_EQ(FormatErrorOf("50%", {}), "Format '50%' invalid or incompatible with argument");
    EXPECT_EQ(FormatErrorOf("%q", {1}), "Format '%q' invalid or incompatible with argument");
    EXPECT_EQ(FormatErrorOf("%999999999d", {1}), "Format '%999999999d' invalid or incompatible with argument");
    EXPECT_EQ(FormatErrorOf("%*d", {"x", 1}), "Format '%*d' invalid or incompatible with argument");
}

TEST(TSetTest, UnionDifferenceIntersectionAndMembership) {
    using TColors = TSet<TColorItem>;
    const TColors warm{ciRed, ciGreen};
    const TColors cool{ciGreen, ciBlue};
    EXPECT_EQ(warm + cool, (TColors{ciRed, ciGreen, ciBlue}));
    EXPECT_EQ(warm - cool, TColors{ciRed});
    EXPECT_EQ(warm * cool, TColors{ciGreen});
    EXPECT_TRUE((warm * TColors{ciBlue}).Empty());
    EXPECT_NE(warm, cool);
    EXPECT_TRUE(warm.Contains(ciRed));
    EXPECT_FALSE(warm.Contains(ciBlue));
    EXPECT_TRUE((warm + cool).ContainsAll(warm));
    EXPECT_FALSE(warm.ContainsAll(cool));

    TColors set;
    set.Include(ciBlue).Include(ciLast).Include(ciBlue);
    EXPECT_EQ(set.Bits(), (std::uint64_t{1} << 2) | (std::uint64_t{1} << 63));
    set.Exclude(ciBlue).Exclude(ciRed);
    EXPECT_EQ(set, TColors{ciLast});
    EXPECT_EQ(TColors::FromBits(set.Bits()), set);
    static_assert(TColors{ciRed}.Contains(ciRed), "sets work at compile time");
}
