// Program and current folders from the operating system.
#include "platform/system/Paths.h"

#include <filesystem>
#include <system_error>

std::string ProgramDirectory() {
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return CurrentDirectory() + PathDelim;
    std::string folder = exe.parent_path().string();
    if (folder.empty() || folder.back() != PathDelim) folder += PathDelim;
    return folder;
}

std::string CurrentDirectory() {
    std::error_code error;
    std::string folder = std::filesystem::current_path(error).string();
    return error ? std::string(".") : folder;
}
