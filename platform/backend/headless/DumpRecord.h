// One record of a dump: ordered fields with string, integer or boolean values, written as JSON.
#pragma once

#include "platform/window/WinTypes.h"

#include <cstdint>
#include <functional>
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

// Extends the dump: runs on the UI thread after the window records are made and may add fields to
// them (find a window's record by its Window) or append records of its own.
using TDumpProvider = std::function<void(std::vector<TDumpRecord>& records)>;

class DumpWriter {
public:
    // Process-wide list: the framework and the game register their providers once at start.
    static void AddProvider(TDumpProvider provider);
    static void ClearProviders();
    // Every window (top-level windows in z-order, each followed by its descendants) plus what the
    // providers add. UI thread only.
    static std::vector<TDumpRecord> Collect();
    static std::string ToJson(const std::vector<TDumpRecord>& records);

private:
    static void AddWindow(HWND hwnd, std::vector<TDumpRecord>& out);
};
