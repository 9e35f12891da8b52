// The dump of every window, extended by what the framework and the program register, and its
// JSON form.
#pragma once

#include "platform/automation/DumpRecord.h"

#include <functional>
#include <string>
#include <vector>

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
