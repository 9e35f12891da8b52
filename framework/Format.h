// Format: printf-like text formatting whose arguments carry their types, so a mismatch is an error.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

// One argument of Format. Texts are held by view: an argument lives only for the call.
class TVarRec {
public:
    using Value = std::variant<std::int64_t, std::uint64_t, double, std::string_view, const void*>;

    TVarRec(int value) : FValue(std::int64_t{value}) {}
    TVarRec(long value) : FValue(std::int64_t{value}) {}
    TVarRec(long long value) : FValue(std::int64_t{value}) {}
    TVarRec(unsigned value) : FValue(std::uint64_t{value}) {}
    TVarRec(unsigned long value) : FValue(std::uint64_t{value}) {}
    TVarRec(unsigned long long value) : FValue(std::uint64_t{value}) {}
    TVarRec(double value) : FValue(value) {}
    TVarRec(const char* text) : FValue(std::string_view(text ? text : "")) {}
    TVarRec(std::string_view text) : FValue(text) {}
    TVarRec(const std::string& text) : FValue(std::string_view(text)) {}
    TVarRec(const void* pointer) : FValue(pointer) {}
    // Neither is a number or a text of its own; pass IntToStr or a std::string instead.
    TVarRec(bool) = delete;
    TVarRec(char) = delete;

    const Value& Get() const { return FValue; }

private:
    Value FValue;
};

// Directives: %[index:][-][width][.precision]type, where width and precision may be "*" (taken
// from the next argument) and type is one of
//   d  signed or unsigned integer (precision: minimum digits, zero padded)
//   u  integer, negative values shown as their 32-bit unsigned form
//   x  integer in upper-case hexadecimal (precision: minimum digits)
//   e, f, g, n  real number: exponent, fixed (2 decimals by default), shortest, fixed with
//      thousands separators
//   s  text (precision: at most that many characters)
//   p  pointer, as 8 or 16 hexadecimal digits
//   %  a percent sign
// Widths and precisions count characters, not bytes, so Cyrillic text lines up. A directive
// that does not suit its argument, or a missing argument, throws EConvertError.
std::string Format(std::string_view format, std::initializer_list<TVarRec> args);
