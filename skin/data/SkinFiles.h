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
// The path itself when it exists; else the entry of its folder whose name matches it in letter
// case ignored (skins name their files as written on case-blind systems); else the path.
std::string FindFileIgnoringCase(const std::string& path);
