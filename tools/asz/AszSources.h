// Where asz reads an archive from: a file, or else an internal skin of the program by its name.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The bytes of the file at that path; when there is no such file, the archive of the internal
// skin with exactly that name ("Wood (internal)"). False when neither exists.
bool ReadArchiveBytes(const std::string& pathOrInternalName, std::vector<std::uint8_t>& out);
