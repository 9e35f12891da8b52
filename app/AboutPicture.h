// The About dialog's picture, a JPEG compiled into the program from resources/About.jpg.
#pragma once

#include <cstdint>
#include <span>

std::span<const std::uint8_t> AboutPictureData();
