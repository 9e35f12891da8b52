// Expansion of "{name}" references in skin sources.
#include "tools/skingen/SkinVariables.h"

#include "tools/skingen/Rgba.h"

#include "skin/data/SkinText.h"

#include <stdexcept>

namespace {
constexpr int MaxDepth = 8;
} // namespace

std::string SkinVariables::Expand(std::string_view text, std::string_view where) const {
    return ExpandDepth(text, where, 0);
}

std::string SkinVariables::ExpandDepth(std::string_view text, std::string_view where, int depth) const {
    if (depth > MaxDepth) throw std::runtime_error(std::string(where) + ": references loop through \"" + std::string(text) + "\"");
    std::string result;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t open = text.find('{', pos);
        if (open == std::string_view::npos) break;
        std::size_t close = text.find('}', open);
        if (close == std::string_view::npos) break;
        result.append(text.substr(pos, open - pos));
        std::string name(text.substr(open + 1, close - open - 1));
        if (name.find(':') != std::string::npos && name.rfind("img:", 0) != 0) {
            result += Function(name, where, depth);
            pos = close + 1;
            continue;
        }
        auto found = FValues.find(name);
        if (found == FValues.end()) {
            // Image references are resolved later, by the generator.
            if (name.rfind("img:", 0) != 0) throw std::runtime_error(std::string(where) + ": unknown value {" + name + "}");
            result.append(text.substr(open, close - open + 1));
        } else {
            result += ExpandDepth(found->second, where, depth + 1);
        }
        pos = close + 1;
    }
    result.append(text.substr(pos));
    return result;
}

// "dec:NAME" is the colour NAME as a decimal skin colour; "vgrad:A,B" and "hgrad:A,B" are one
// gradient step from A to B, top to bottom or left to right; "vgloss:A,B,C,D" a glossy face, A to
// B over the top half and C to D over the bottom half; "mix:A,B,T" is A moved toward B by T
// (0..1) and "alpha:A,X" is A with the opacity X (0..1), both as "#RRGGBBAA". A and B are value
// names or "#" colours.
std::string SkinVariables::Function(const std::string& call, std::string_view where, int depth) const {
    std::size_t colon = call.find(':');
    std::string function = call.substr(0, colon);
    std::vector<std::string_view> args = SplitWords(std::string_view(call).substr(colon + 1), ",");
    auto rgba = [&](std::string_view arg) {
        std::string name(TrimBlanks(arg));
        return Rgba::Parse(name.rfind('#', 0) == 0 ? name : ExpandDepth("{" + name + "}", where, depth + 1));
    };
    auto colour = [&](std::string_view arg) { return std::to_string(rgba(arg).ToTColor()); };
    auto number = [&](std::string_view arg) {
        double value = 0;
        if (!TryParseSkinFloat(TrimBlanks(arg), value)) throw std::runtime_error(std::string(where) + ": \"" + std::string(arg) + "\" is not a number in {" + call + "}");
        return value;
    };
    if (function == "dec" && args.size() == 1) return colour(args[0]);
    if ((function == "vgrad" || function == "hgrad") && args.size() == 2) {
        return colour(args[0]) + ";" + colour(args[1]) + ";100;" + (function == "vgrad" ? "0" : "1") + ";0";
    }
    if (function == "vgloss" && args.size() == 4) {
        return colour(args[0]) + ";" + colour(args[1]) + ";50;0;0;" + colour(args[2]) + ";" + colour(args[3]) + ";50;0;0";
    }
    if (function == "mix" && args.size() == 3) return rgba(args[0]).Mix(rgba(args[1]), number(args[2])).ToText();
    if (function == "alpha" && args.size() == 2) return rgba(args[0]).WithAlpha(number(args[1])).ToText();
    throw std::runtime_error(std::string(where) + ": unknown function {" + call + "}");
}
