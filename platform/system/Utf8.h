// UTF-8, the encoding of every text in memory: the one decoder and the one encoder.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Reads the character at pos and moves pos past it. A malformed sequence (a stray continuation
// byte, an overlong form, a surrogate, a code beyond U+10FFFF, a cut sequence) gives -1 and moves
// past the longest start of it that could still have begun a character, at least one byte, so
// that each broken piece counts once wherever it is counted.
std::int32_t NextCodePoint(std::string_view utf8, std::size_t& pos);

// Every character of a text; each malformed piece becomes U+FFFD.
std::u32string DecodeUtf8(std::string_view utf8);

// A lone surrogate or a code beyond U+10FFFF is no character and is written as U+FFFD.
void AppendUtf8(std::string& out, char32_t c);
std::string EncodeUtf8(char32_t c);
std::string EncodeUtf8(std::u32string_view text);
