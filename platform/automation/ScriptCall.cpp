// Splitting script lines and reading their arguments.
#include "platform/automation/ScriptCall.h"
#include "platform/automation/ScriptError.h"
#include "platform/system/IntegerText.h"

#include <cctype>

namespace {
bool Blank(char c) {
    return c == ' ' || c == '\t';
}
}

ScriptCall ScriptCall::Parse(const std::string& line) {
    std::size_t start = 0;
    while (start < line.size() && Blank(line[start])) ++start;
    std::size_t end = start;
    while (end < line.size() && !Blank(line[end])) ++end;
    std::size_t rest = end;
    while (rest < line.size() && Blank(line[rest])) ++rest;
    return ScriptCall(line.substr(start, end - start), line.substr(rest));
}

std::vector<std::string> ScriptCall::Args() const {
    return Words(FRest);
}

std::vector<std::string> ScriptCall::Args(std::size_t count, const std::string& usage) const {
    std::vector<std::string> args = Args();
    if (args.size() != count) throw ScriptError("usage: " + usage);
    return args;
}

std::vector<std::string> ScriptCall::Words(const std::string& s) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
        if (i >= s.size()) break;
        std::string word;
        bool quoted = false;
        while (i < s.size() && (quoted || !std::isspace(static_cast<unsigned char>(s[i])))) {
            if (s[i] == '"') quoted = !quoted;
            else word += s[i];
            ++i;
        }
        if (quoted) throw ScriptError("unterminated quote");
        out.push_back(word);
    }
    return out;
}

int ScriptCall::Integer(const std::string& text, const std::string& what) {
    std::optional<std::int32_t> v = ParseInteger(text);
    if (!v) throw ScriptError("bad " + what + " '" + text + "'");
    return *v;
}
