// The skins directory: trailing separators, resolving relative values against the program folder.
#pragma once

#include <string>
#include <string_view>

// Skin directories may be written with backslashes (".\Skins", "..\Skins"); they are read as
// the platform's separator.
std::string NormalizeSkinPath(std::string_view path);

// The path with a trailing separator: empty stays empty, one that ends in a separator keeps it.
std::string WithTrailingBackslash(std::string_view path);

// An absolute path ("/...", "//server/share", or one that names a drive as "d:\...") is used as
// it is; anything else is relative to the program folder.
bool IsAbsoluteSkinPath(std::string_view path);

// The absolute skins directory with a trailing separator. A leading ".." is one level above the
// program folder, a leading "./" the program folder itself; only the first ".." is resolved.
// programDirectory defaults to the running program's folder.
std::string ResolveSkinDirectory(std::string_view skinDirectory, std::string_view programDirectory = {});
