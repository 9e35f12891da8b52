// Conversions, trimming and path helpers.
#include "framework/SysUtils.h"

#include "framework/Consts.h"
#include "framework/Exception.h"
#include "framework/Format.h"

#include "platform/system/IntegerText.h"
#include "platform/system/Paths.h"

#include <algorithm>
#include <cstdio>

std::optional<int> TryStrToInt(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
    const std::optional<std::int32_t> value = ParseInteger(text.substr(start));
    if (!value) return std::nullopt;
    return *value;
}

int StrToInt(std::string_view text) {
    const std::optional<int> value = TryStrToInt(text);
    if (!value) throw EConvertError(Format(SInvalidInteger, {text}));
    return *value;
}

int StrToIntDef(std::string_view text, int defaultValue) {
    return TryStrToInt(text).value_or(defaultValue);
}

std::string IntToStr(std::int64_t value) {
    return std::to_string(value);
}

std::string IntToHex(std::uint64_t value, int digits) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%0*llX", std::clamp(digits, 0, 16), static_cast<unsigned long long>(value));
    return buffer;
}

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

std::string TrimLeft(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && IsBlank(text[begin])) ++begin;
    return std::string(text.substr(begin));
}

std::string TrimRight(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1])) --end;
    return std::string(text.substr(0, end));
}

std::string Trim(std::string_view text) {
    return TrimLeft(TrimRight(text));
}

std::string AnsiQuotedStr(std::string_view text, char quote) {
    std::string out(1, quote);
    for (char c : text) {
        out += c;
        if (c == quote) out += quote;
    }
    return out + quote;
}

std::string QuotedStr(std::string_view text) {
    return AnsiQuotedStr(text, '\'');
}

std::string IncludeTrailingPathDelimiter(std::string_view path) {
    std::string out(path);
    if (out.empty() || out.back() != PathDelim) out += PathDelim;
    return out;
}

std::string ExcludeTrailingPathDelimiter(std::string_view path) {
    std::string out(path);
    // The root folder keeps its only separator.
    if (out.size() > 1 && out.back() == PathDelim) out.pop_back();
    return out;
}

std::string ExtractFilePath(std::string_view path) {
    const std::size_t slash = path.rfind(PathDelim);
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string ExtractFileName(std::string_view path) {
    const std::size_t slash = path.rfind(PathDelim);
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ExtractFileExt(std::string_view path) {
    const std::size_t slash = path.rfind(PathDelim);
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return {};
    return std::string(path.substr(dot));
}

std::string ChangeFileExt(std::string_view path, std::string_view extension) {
    const std::string current = ExtractFileExt(path);
    return std::string(path.substr(0, path.size() - current.size())) + std::string(extension);
}

std::string GetCurrentDir() {
    return CurrentDirectory();
}
