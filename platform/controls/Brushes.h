// Solid brushes as the controls' colour questions answer them (WM_CTLCOLOR*): the handle carries
// its colour, so brushes need no freeing and 0 still means "no brush, use the default".
#pragma once

#include "platform/gfx/Color.h"

#include <cstdint>

struct HBRUSH__;
using HBRUSH = HBRUSH__*;

static_assert(sizeof(HBRUSH) == 8, "a brush handle carries a 32-bit colour beside a marker bit");

inline HBRUSH CreateSolidBrush(TColor color) {
    auto bits = static_cast<std::uint64_t>(static_cast<std::uint32_t>(color)) | (std::uint64_t{1} << 32);
    return reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(bits));
}
inline HBRUSH GetSysColorBrush(int index) { return CreateSolidBrush(SystemColor(index)); }
// clNone for a null handle.
inline TColor GetBrushColor(HBRUSH brush) {
    if (!brush) return clNone;
    return static_cast<TColor>(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(brush) & 0xFFFFFFFFu));
}
