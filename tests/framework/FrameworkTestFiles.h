// Test-only helpers for the framework's file tests: a scratch folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A fresh folder, removed with its content (read-only parts included) when the test ends.
class TScratchFolder {
public:
    TScratchFolder();
    ~TScratchFolder();
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    std::string Path(const std::string& name) const { return (FRoot / name).string(); }
    const std::filesystem::path& Root() const { return FRoot; }
    static void Put(const std::string& path, const std::vector<std::uint8_t>& bytes);
    static std::string Get(const std::string& path);

private:
    std::filesystem::path FRoot;
};

