// Routes skin warnings to the handler in force, stderr by default.
#include "skin/data/SkinWarning.h"

#include <cstdio>
#include <utility>

namespace {

void WriteToStderr(const std::string& caption, const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
}

TSkinWarningHandler& CurrentHandler() {
    static TSkinWarningHandler handler = WriteToStderr;
    return handler;
}

} // namespace

TSkinWarningHandler SetSkinWarningHandler(TSkinWarningHandler handler) {
    if (!handler) handler = WriteToStderr;
    return std::exchange(CurrentHandler(), std::move(handler));
}

void ShowSkinWarning(const std::string& caption, const std::string& text) {
    CurrentHandler()(caption, text);
}
