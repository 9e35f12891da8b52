// The opacity of a hint window and the steps by which it fades in.
#pragma once

#include <array>
#include <cstdint>

constexpr int kHintFadeSteps = 31;
constexpr int kHintFadeStepMs = 8;

// round((100 - transparency) * 2.55) with the transparency limited to 0..100.
std::uint8_t HintOpacity(int transparencyPercent);
// Step i (1-based) is round(i * target / 31); the last step is the target itself.
std::array<std::uint8_t, kHintFadeSteps> HintFadeSteps(std::uint8_t target);
