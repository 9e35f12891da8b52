// One animation option of the skin manager: whether the animation runs and how long it takes.
#pragma once

#include <cstdint>

struct TacFormAnimation {
    bool Active = true;
    std::uint16_t Time = 0; // milliseconds
};
