// Resolving skins directory values the way skin settings write them.
#include "skin/data/SkinPaths.h"

#include "platform/system/Paths.h"

#include <algorithm>

std::string NormalizeSkinPath(std::string_view path) {
    std::string out(path);
    std::replace(out.begin(), out.end(), '\\', PathDelim);
    return out;
}

std::string WithTrailingBackslash(std::string_view path) {
    std::string out = NormalizeSkinPath(path);
    if (!out.empty() && out.back() != PathDelim) out += PathDelim;
    return out;
}

bool IsAbsoluteSkinPath(std::string_view path) {
    std::string normal = NormalizeSkinPath(path);
    return (!normal.empty() && normal.front() == PathDelim) || normal.find(':') != std::string::npos;
}

std::string ResolveSkinDirectory(std::string_view skinDirectory, std::string_view programDirectory) {
    std::string program = WithTrailingBackslash(programDirectory.empty() ? ProgramDirectory() : programDirectory);
    std::string value = NormalizeSkinPath(skinDirectory);
    std::string result;
    if (value.starts_with("..")) {
        std::string parent = program.substr(0, program.size() - 1);
        while (!parent.empty() && parent.back() != PathDelim) parent.pop_back();
        result = parent + value.substr(std::min<std::size_t>(3, value.size()));
    } else if (value.starts_with(std::string(".") + PathDelim)) {
        result = program + value.substr(2);
    } else if (!IsAbsoluteSkinPath(value)) {
        result = program + value;
    } else {
        result = value;
    }
    return WithTrailingBackslash(result);
}
