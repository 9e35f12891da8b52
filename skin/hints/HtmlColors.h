// Colour values of hint markup: "#RRGGBB", the sixteen colour names, or bare hexadecimal digits.
#pragma once

#include "platform/gfx/Color.h"

#include <string_view>

// word is upper-cased already. Anything that is not a name nor hexadecimal digits gives black.
TColor HtmlColorValue(std::string_view word);
