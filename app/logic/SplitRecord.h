// Splitting a stored record "name#seconds" into its name and its time text.
#pragma once

#include <string>
#include <string_view>

struct TRecordParts {
    std::string Name;     // everything before the first "#", untrimmed
    std::string TimeText; // everything after it, trimmed of spaces and control characters
};

// Without any "#" the name is empty and the whole value, trimmed, is the time text.
TRecordParts SplitRecord(std::string_view value);
