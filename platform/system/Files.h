// Files and folders: existence, directory entries, whole-file reads and atomic whole-file writes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct TDirEntry {
    std::string Name;
    bool IsDirectory = false;
    bool IsHidden = false; // the name begins with "."
};

// True for an existing file that is not a folder (following symbolic links).
bool FileExists(const std::string& path);
// True for an existing folder (following symbolic links).
bool DirectoryExists(const std::string& path);

// The entries of a folder without "." and "..", sorted by name so that every run and every file
// system sees the same order. Empty when the folder cannot be read.
std::vector<TDirEntry> ListDirectory(const std::string& folder);

// Reads a whole regular file of at most maxSize bytes; a folder, FIFO or device is refused at
// once, without waiting on it. On failure returns false and says why in error.
bool ReadWholeFile(const std::string& path, std::size_t maxSize, std::string& data, std::string& error);

// True when the file, or the folder a new file would go to, must not be written: no write
// permission for us, or no write bit at all (which also holds back a process running as root).
bool IsReadOnly(const std::string& path);

// Replaces the file's content so that a crash at any moment leaves either the old or the new
// content: a temporary file in the same folder is written, flushed to disk and renamed over the
// target. An existing file keeps its permissions; a target that is not a regular file is refused.
// Temporaries that an interrupted write left beside the target are removed first. On failure
// returns false, says why in error and leaves the old file untouched.
bool WriteFileAtomically(const std::string& path, std::string_view data, std::string& error);
