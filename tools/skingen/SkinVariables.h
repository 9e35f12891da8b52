// Named values of a skin source ("face = #E8E8E8") and the expansion of "{name}" in texts.
#pragma once

#include <map>
#include <string>
#include <string_view>

class SkinVariables {
public:
    void Set(const std::string& name, const std::string& value) { FValues[name] = value; }
    bool Has(const std::string& name) const { return FValues.count(name) != 0; }

    // Replaces every "{name}" by its value (and "{dec:name}", "{vgrad:a,b}", "{hgrad:a,b}" by the
    // skin's decimal colour and gradient forms, "{mix:a,b,t}" and "{alpha:a,x}" by derived
    // colours), values themselves expanded in turn. An unknown name or a chain deeper than a few
    // steps (a loop) is an error naming where it happened.
    std::string Expand(std::string_view text, std::string_view where) const;

private:
    std::string ExpandDepth(std::string_view text, std::string_view where, int depth) const;
    std::string Function(const std::string& call, std::string_view where, int depth) const;

    std::map<std::string, std::string> FValues;
};
