// One script line as its command sees it: the command's name, the rest of the line as written and
// its words, with the checks every command makes on them.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

class ScriptCall {
public:
    // Splits a line into its command name (the first word) and the rest.
    static ScriptCall Parse(const std::string& line);
    ScriptCall(std::string name, std::string rest) : FName(std::move(name)), FRest(std::move(rest)) {}

    const std::string& Name() const { return FName; }
    // The line after the name and the blanks behind it, as written: inner blanks and quotes kept.
    const std::string& Rest() const { return FRest; }
    // The rest split on blanks; a "double quoted" word keeps its blanks (quotes removed).
    // ScriptError for an unterminated quote.
    std::vector<std::string> Args() const;
    // Args() when there are exactly count of them; ScriptError "usage: <usage>" otherwise.
    std::vector<std::string> Args(std::size_t count, const std::string& usage) const;

    static std::vector<std::string> Words(const std::string& text);
    // A whole number as the settings file writes it (decimal, or hexadecimal after "$" or "0x");
    // ScriptError "bad <what> '<text>'" otherwise.
    static int Integer(const std::string& text, const std::string& what);

private:
    std::string FName;
    std::string FRest;
};
