// Conversions, text and path helpers of the framework; texts are UTF-8 throughout.
#pragma once

#include "platform/system/Files.h"      // FileExists, DirectoryExists
#include "platform/system/LetterCase.h" // UpperChar, LowerChar

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Integers as the framework reads them: leading blanks, an optional sign, then decimal digits, or
// hexadecimal after "$" or "0x". Decimal must fit 32 signed bits, hexadecimal 32 bits.
// StrToInt throws EConvertError "'%s' is not a valid integer value".
int StrToInt(std::string_view text);
int StrToIntDef(std::string_view text, int defaultValue);
std::optional<int> TryStrToInt(std::string_view text);
std::string IntToStr(std::int64_t value);
// Upper-case hexadecimal with at least `digits` digits.
std::string IntToHex(std::uint64_t value, int digits);

// Control characters and blanks (everything up to and including ' ') off the ends.
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);

// The plain forms change only the Latin letters a..z; the Ansi forms know every letter of the
// Windows-1251 and Latin-1 code pages, Cyrillic included ("ёж" becomes "ЁЖ").
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);
std::string AnsiUpperCase(std::string_view text);
std::string AnsiLowerCase(std::string_view text);

// Comparisons give < 0, 0 or > 0. CompareText and SameText ignore the case of Latin letters;
// the Ansi forms follow alphabetical order with Cyrillic (Ё after Е), and AnsiCompareStr puts a
// lower-case letter before its capital when the texts differ only in case.
int CompareText(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);
int AnsiCompareText(std::string_view a, std::string_view b);
bool AnsiSameText(std::string_view a, std::string_view b);
int AnsiCompareStr(std::string_view a, std::string_view b);

// The text in quotes, each quote inside doubled.
std::string AnsiQuotedStr(std::string_view text, char quote);
std::string QuotedStr(std::string_view text);

// Paths use the platform's separator, PathDelim.
std::string IncludeTrailingPathDelimiter(std::string_view path);
std::string ExcludeTrailingPathDelimiter(std::string_view path);
// The folder part including its final separator; "" when there is none.
std::string ExtractFilePath(std::string_view path);
std::string ExtractFileName(std::string_view path);
// The extension with its dot (".bmp"), "" when the file name has none.
std::string ExtractFileExt(std::string_view path);
std::string ChangeFileExt(std::string_view path, std::string_view extension);
std::string GetCurrentDir();
