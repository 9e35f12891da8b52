// Lookups of recipe parameters.
#include "tools/skingen/RecipeParams.h"

#include "skin/data/SkinText.h"

#include <stdexcept>

std::string RecipeParams::Text(const std::string& key, const std::string& fallback) const {
    auto found = FValues.find(key);
    return found == FValues.end() ? fallback : found->second;
}

double RecipeParams::Number(const std::string& key, double fallback) const {
    auto found = FValues.find(key);
    if (found == FValues.end()) return fallback;
    double value = 0;
    if (!TryParseSkinFloat(TrimBlanks(found->second), value)) {
        throw std::runtime_error(FWhere + ": " + key + " = \"" + found->second + "\" is not a number");
    }
    return value;
}

std::optional<Rgba> RecipeParams::Colour(const std::string& key, int state) const {
    auto found = FValues.find(key);
    if (found == FValues.end()) return std::nullopt;
    std::vector<std::string_view> states = SplitWords(found->second, "|");
    if (states.empty()) return std::nullopt;
    std::string_view chosen = TrimBlanks(states[std::min<std::size_t>(static_cast<std::size_t>(state), states.size() - 1)]);
    if (chosen == "none") return std::nullopt;
    try {
        return Rgba::Parse(chosen);
    } catch (const std::exception& error) {
        throw std::runtime_error(FWhere + ": " + key + ": " + error.what());
    }
}

Rgba RecipeParams::ColourOr(const std::string& key, int state, const Rgba& fallback) const {
    return Colour(key, state).value_or(fallback);
}
