// UTF-8 decoding for text drawing: every byte sequence decodes, bad ones to U+FFFD.
#pragma once

#include <string>
#include <string_view>

std::u32string DecodeUtf8(std::string_view text);
