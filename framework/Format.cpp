// Format: parsing of the directives and conversion of each argument.
#include "framework/Format.h"

#include "framework/Consts.h"
#include "framework/Exception.h"

#include "platform/system/CodePage.h"

#include <cinttypes>
#include <cstdio>
#include <span>

namespace {

struct TDirective {
    bool LeftAlign = false;
    int Width = -1;
    int Precision = -1;
    char Type = 0;
};

class TFormatter {
public:
    TFormatter(std::string_view format, std::initializer_list<TVarRec> args)
        : FFormat(format), FArgs(args.begin(), args.size()) {}

    std::string Run();

private:
    [[noreturn]] void Invalid() const;
    const TVarRec& NextArg();
    int ReadNumber();
    int ReadCount();
    void ReadDirective(TDirective& d);
    std::string Convert(const TDirective& d, const TVarRec& arg) const;
    std::string Integer(const TDirective& d, const TVarRec& arg) const;
    std::string Hex(const TDirective& d, const TVarRec& arg) const;
    std::string Real(const TDirective& d, const TVarRec& arg) const;
    std::string Text(const TDirective& d, const TVarRec& arg) const;
    std::string Pointer(const TVarRec& arg) const;

    std::string_view FFormat;
    std::span<const TVarRec> FArgs;
    std::size_t FPos = 0;
    std::size_t FNextArg = 0;
};

void TFormatter::Invalid() const {
    throw EConvertError(Format(SInvalidFormat, {FFormat}));
}

const TVarRec& TFormatter::NextArg() {
    if (FNextArg >= FArgs.size()) throw EConvertError(Format(SArgumentMissing, {FFormat}));
    return FArgs[FNextArg++];
}

int TFormatter::ReadNumber() {
    long value = 0;
    while (FPos < FFormat.size() && FFormat[FPos] >= '0' && FFormat[FPos] <= '9') {
        value = value * 10 + (FFormat[FPos++] - '0');
        if (value > 100000) Invalid(); // no sane width; refuse rather than allocate gigabytes
    }
    return static_cast<int>(value);
}

// A width or precision: digits, or "*" for the next argument (which must be an integer).
int TFormatter::ReadCount() {
    if (FPos < FFormat.size() && FFormat[FPos] == '*') {
        ++FPos;
        const auto* value = std::get_if<std::int64_t>(&NextArg().Get());
        if (!value || *value < 0 || *value > 100000) Invalid();
        return static_cast<int>(*value);
    }
    return ReadNumber();
}

void TFormatter::ReadDirective(TDirective& d) {
    const std::size_t start = FPos;
    if (FPos < FFormat.size() && FFormat[FPos] >= '0' && FFormat[FPos] <= '9') {
        const int number = ReadNumber();
        if (FPos < FFormat.size() && FFormat[FPos] == ':') {
            ++FPos;
            FNextArg = static_cast<std::size_t>(number);
        } else {
            FPos = start; // it was the width
        }
    }
    if (FPos < FFormat.size() && FFormat[FPos] == '-') {
        d.LeftAlign = true;
        ++FPos;
    }
    if (FPos < FFormat.size() && (FFormat[FPos] == '*' || (FFormat[FPos] >= '0' && FFormat[FPos] <= '9')))
        d.Width = ReadCount();
    if (FPos < FFormat.size() && FFormat[FPos] == '.') {
        ++FPos;
        d.Precision = ReadCount();
    }
    if (FPos >= FFormat.size()) Invalid();
    d.Type = static_cast<char>(FFormat[FPos++] | 0x20); // directives are case-insensitive
}

std::string TFormatter::Run() {
    std::string out;
    while (FPos < FFormat.size()) {
        const char c = FFormat[FPos++];
        if (c != '%') {
            out += c;
            continue;
        }
        if (FPos < FFormat.size() && FFormat[FPos] == '%') {
            out += '%';
            ++FPos;
            continue;
        }
        TDirective d;
        ReadDirective(d);
        std::string piece = Convert(d, NextArg());
        const int length = static_cast<int>(CharCount(piece));
        if (d.Width > length) {
            const std::string pad(static_cast<std::size_t>(d.Width - length), ' ');
            piece = d.LeftAlign ? piece + pad : pad + piece;
        }
        out += piece;
    }
    return out;
}

std::string TFormatter::Convert(const TDirective& d, const TVarRec& arg) const {
    switch (d.Type) {
    case 'd':
    case 'u': return Integer(d, arg);
    case 'x': return Hex(d, arg);
    case 'e':
    case 'f':
    case 'g':
    case 'n': return Real(d, arg);
    case 's': return Text(d, arg);
    case 'p': return Pointer(arg);
    default: Invalid();
    }
}

std::string WithMinimumDigits(std::string digits, int precision) {
    const bool negative = !digits.empty() && digits[0] == '-';
    const std::size_t count = digits.size() - (negative ? 1 : 0);
    if (precision > static_cast<int>(count))
        digits.insert(negative ? 1 : 0, static_cast<std::size_t>(precision) - count, '0');
    return digits;
}

std::string TFormatter::Integer(const TDirective& d, const TVarRec& arg) const {
    std::string digits;
    if (const auto* s = std::get_if<std::int64_t>(&arg.Get())) {
        if (d.Type == 'u' && *s < 0)
            digits = std::to_string(static_cast<std::uint32_t>(*s));
        else
            digits = std::to_string(*s);
    } else if (const auto* u = std::get_if<std::uint64_t>(&arg.Get())) {
        digits = std::to_string(*u);
    } else {
        Invalid();
    }
    return WithMinimumDigits(std::move(digits), d.Precision);
}

std::string TFormatter::Hex(const TDirective& d, const TVarRec& arg) const {
    char buffer[32];
    if (const auto* s = std::get_if<std::int64_t>(&arg.Get())) {
        // A negative value shows its two's complement in the width of a 32-bit integer when it fits.
        if (*s >= INT32_MIN && *s < 0)
            std::snprintf(buffer, sizeof buffer, "%" PRIX32, static_cast<std::uint32_t>(*s));
        else
            std::snprintf(buffer, sizeof buffer, "%" PRIX64, static_cast<std::uint64_t>(*s));
    } else if (const auto* u = std::get_if<std::uint64_t>(&arg.Get())) {
        std::snprintf(buffer, sizeof buffer, "%" PRIX64, *u);
    } else {
        Invalid();
    }
    return WithMinimumDigits(buffer, d.Precision);
}

std::string GroupThousands(const std::string& fixed) {
    const std::size_t begin = (!fixed.empty() && fixed[0] == '-') ? 1 : 0;
    const std::size_t dot = std::min(fixed.find('.'), fixed.size());
    std::string out = fixed.substr(0, begin);
    for (std::size_t i = begin; i < dot; ++i) {
        if (i > begin && (dot - i) % 3 == 0) out += ',';
        out += fixed[i];
    }
    return out + fixed.substr(dot);
}

std::string TFormatter::Real(const TDirective& d, const TVarRec& arg) const {
    const auto* value = std::get_if<double>(&arg.Get());
    if (!value) Invalid();
    const int precision = std::min(d.Precision, 300);
    char buffer[400];
    switch (d.Type) {
    case 'e': std::snprintf(buffer, sizeof buffer, "%.*E", precision < 0 ? 14 : std::max(precision - 1, 0), *value); break;
    case 'g': std::snprintf(buffer, sizeof buffer, "%.*G", precision < 0 ? 15 : std::max(precision, 1), *value); break;
    default: std::snprintf(buffer, sizeof buffer, "%.*f", precision < 0 ? 2 : precision, *value); break;
    }
    return d.Type == 'n' ? GroupThousands(buffer) : std::string(buffer);
}

std::string TFormatter::Text(const TDirective& d, const TVarRec& arg) const {
    const auto* text = std::get_if<std::string_view>(&arg.Get());
    if (!text) Invalid();
    if (d.Precision >= 0) return std::string(LeadingChars(*text, static_cast<std::size_t>(d.Precision)));
    return std::string(*text);
}

std::string TFormatter::Pointer(const TVarRec& arg) const {
    const auto* pointer = std::get_if<const void*>(&arg.Get());
    if (!pointer) Invalid();
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%0*" PRIXPTR, static_cast<int>(sizeof(void*) * 2),
                  reinterpret_cast<std::uintptr_t>(*pointer));
    return buffer;
}

} // namespace

std::string Format(std::string_view format, std::initializer_list<TVarRec> args) {
    return TFormatter(format, args).Run();
}
