// A scratch folder for file tests, removed with everything in it when the test ends.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <system_error>

#include <stdlib.h>

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tavik-sys-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        FPath = pattern;
    }
    ~TempFolder() {
        std::error_code error;
        // Read-only test folders must become writable again before they can be removed.
        for (auto& entry : std::filesystem::recursive_directory_iterator(FPath, error))
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, error);
        std::filesystem::permissions(FPath, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, error);
        std::filesystem::remove_all(FPath, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string Path(const std::string& name) const { return (FPath / name).string(); }
    const std::filesystem::path& Root() const { return FPath; }

    static void Put(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Get(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // Entries of the folder, to see that no temporary file was left behind.
    std::size_t EntryCount() const {
        std::size_t count = 0;
        for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(FPath)) ++count;
        return count;
    }

private:
    std::filesystem::path FPath;
};
