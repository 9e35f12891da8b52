// The one place skin loading reports a problem the user should see (a bad archive).
#pragma once

#include <functional>
#include <string>

using TSkinWarningHandler = std::function<void(const std::string& caption, const std::string& text)>;

// Process-wide because there is no window system to own it at load time: the skin manager
// replaces it with a warning message box, tests with a recorder. The default writes to stderr.
// Setting an empty handler restores the default. Returns the handler that was in place.
TSkinWarningHandler SetSkinWarningHandler(TSkinWarningHandler handler);
void ShowSkinWarning(const std::string& caption, const std::string& text);
