// Parsing gradient texts into steps.
#include "skin/data/TsGradArray.h"

#include "skin/data/SkinText.h"

#include <algorithm>

TsGradArray ParseGradientData(std::string_view text) {
    std::vector<std::string_view> words = SplitWords(text, ";");
    TsGradArray steps;
    auto number = [&words](std::size_t i) {
        int value = 0;
        return TryParseSkinInt(TrimBlanks(words[i]), value) ? value : 0;
    };
    for (std::size_t i = 0; i + 5 <= words.size(); i += 5) {
        int percent = std::clamp(number(i + 2), 0, 100);
        steps.push_back({number(i), number(i + 1), static_cast<std::uint8_t>(percent), number(i + 3)});
    }
    return steps;
}
