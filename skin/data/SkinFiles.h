// File system access for skin loading: whole-file reads and existence tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

bool SkinFileExists(const std::string& path);
bool SkinDirectoryExists(const std::string& path);
// Reads a whole regular file; false (and out empty) when it is missing or unreadable, or larger
// than maxBytes, so a name that points at a device or a huge file cannot exhaust memory.
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out,
                   std::uintmax_t maxBytes = 256u * 1024u * 1024u);
// The path itself when it exists; else the path whose every part matches an existing entry in
// letter case ignored (skins name their files as if file names were case-blind, and plain bitmap
// names are even upper-cased); else the path unchanged.
std::string FindFileIgnoringCase(const std::string& path);
