// Removing spaces and control characters from both ends of a text.
#pragma once

#include <string_view>

// Every character up to and including the space counts; characters inside are kept.
std::string_view TrimText(std::string_view text);
