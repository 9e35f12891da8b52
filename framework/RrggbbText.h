// Colours as six hexadecimal digits, red first ("FF8000" is orange), as palettes and the colour
// dialog's custom colours store them.
#pragma once

#include "platform/gfx/Color.h"

#include <optional>
#include <string>
#include <string_view>

// Exactly six hexadecimal digits of either case; anything else gives nothing.
std::optional<TColor> RrggbbToColor(std::string_view text);
// Upper-case digits; a system colour gives its own bits, not what it stands for.
std::string ColorToRrggbb(TColor color);
