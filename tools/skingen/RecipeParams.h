// The parameters of one drawing recipe, already expanded: numbers, words and per-state colours.
#pragma once

#include "tools/skingen/Rgba.h"

#include <map>
#include <optional>
#include <string>

class RecipeParams {
public:
    RecipeParams(std::string where, std::map<std::string, std::string> values)
        : FWhere(std::move(where)), FValues(std::move(values)) {}

    const std::string& Where() const { return FWhere; }
    std::string Text(const std::string& key, const std::string& fallback = "") const;
    double Number(const std::string& key, double fallback) const;
    // A colour for a state: the value lists one colour per state separated by "|", the last one
    // serving the states after it. "none" (or an absent key) gives no colour.
    std::optional<Rgba> Colour(const std::string& key, int state) const;
    Rgba ColourOr(const std::string& key, int state, const Rgba& fallback) const;

private:
    std::string FWhere;
    std::map<std::string, std::string> FValues;
};
