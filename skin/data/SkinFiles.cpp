// Whole-file reads and existence tests on std::filesystem, never throwing.
#include "skin/data/SkinFiles.h"

#include "skin/data/SkinText.h"

#include <filesystem>
#include <fstream>
#include <system_error>

bool SkinFileExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

bool SkinDirectoryExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_directory(path, error);
}

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out, std::uintmax_t maxBytes) {
    out.clear();
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > maxBytes) return false;
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    out.resize(static_cast<std::size_t>(size));
    file.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(out.size()));
    if (file.gcount() != static_cast<std::streamsize>(out.size())) {
        out.clear();
        return false;
    }
    return true;
}

namespace {

// The entry of folder whose name matches name in letter case ignored; empty when none does.
std::filesystem::path MatchIgnoringCase(const std::filesystem::path& folder, const std::string& name) {
    std::error_code error;
    const std::filesystem::path where = folder.empty() ? std::filesystem::path(".") : folder;
    for (std::filesystem::directory_iterator it(where, error), end; !error && it != end; it.increment(error)) {
        if (SameTextAscii(it->path().filename().string(), name)) return folder / it->path().filename();
    }
    return {};
}

} // namespace

std::string FindFileIgnoringCase(const std::string& path) {
    std::error_code error;
    if (path.empty() || std::filesystem::exists(path, error)) return path;
    std::filesystem::path found;
    for (const std::filesystem::path& part : std::filesystem::path(path)) {
        std::filesystem::path next = found / part;
        if (!std::filesystem::exists(next, error)) next = MatchIgnoringCase(found, part.string());
        if (next.empty()) return path;
        found = next;
    }
    return found.string();
}
