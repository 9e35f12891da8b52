// Hint opacity and fade-in steps.
#include "skin/hints/HintOpacity.h"

#include <algorithm>
#include <cmath>

std::uint8_t HintOpacity(int transparencyPercent) {
    // (100 - t) * 2.55 exactly, in hundredths, rounded half to even.
    const int hundredths = (100 - std::clamp(transparencyPercent, 0, 100)) * 255;
    int value = hundredths / 100;
    const int rest = hundredths % 100;
    if (rest > 50 || (rest == 50 && value % 2 == 1)) ++value;
    return static_cast<std::uint8_t>(value);
}

std::array<std::uint8_t, kHintFadeSteps> HintFadeSteps(std::uint8_t target) {
    std::array<std::uint8_t, kHintFadeSteps> steps{};
    const double step = target / static_cast<double>(kHintFadeSteps);
    for (int i = 0; i < kHintFadeSteps; ++i) steps[i] = static_cast<std::uint8_t>(std::nearbyint(step * (i + 1)));
    return steps;
}
