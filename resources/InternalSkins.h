// The internal skins carried by the program: names and packed archives, in collection order
// (the first one is the fallback skin). Generated from resources/skins by skingen.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

struct TInternalSkin {
    std::string_view Name;
    std::span<const std::uint8_t> Data; // a packed skin archive, in the program's read-only data
};

std::span<const TInternalSkin> InternalSkinArchives();
