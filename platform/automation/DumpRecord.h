// One record of a dump: ordered fields with string, integer or boolean values.
#pragma once

#include "platform/window/WinTypes.h"

#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

using TDumpValue = std::variant<std::string, std::int64_t, bool>;

struct TDumpRecord {
    HWND Window = nullptr; // nullptr for records of things that have no window
    std::vector<std::pair<std::string, TDumpValue>> Fields;

    void Set(const std::string& key, TDumpValue value);
    const TDumpValue* Get(const std::string& key) const;
    // The value as expect compares it: text as is, numbers in decimal, booleans true/false.
    static std::string ToText(const TDumpValue& value);
};
