// A fresh temporary folder made the current one for a benchmark's life, so no settings file is
// found and none is left behind.
#pragma once

#include <filesystem>
#include <stdlib.h>
#include <string>
#include <system_error>

class TScratchFolder {
public:
    TScratchFolder() : FHome(std::filesystem::current_path()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "tavik-bench-XXXXXX").string();
        if (mkdtemp(pattern.data())) FPath = pattern;
        if (!FPath.empty()) std::filesystem::current_path(FPath);
    }
    ~TScratchFolder() {
        std::filesystem::current_path(FHome);
        std::error_code error;
        if (!FPath.empty()) std::filesystem::remove_all(FPath, error);
    }
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

private:
    std::filesystem::path FHome;
    std::filesystem::path FPath;
};
