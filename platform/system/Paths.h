// Where the program and its files are: program folder, current folder, path separator.
#pragma once

#include <string>

constexpr char PathDelim = '/';

// The folder of the running program file, with a trailing separator.
std::string ProgramDirectory();
// The current working folder, without a trailing separator (as the platform reports it).
std::string CurrentDirectory();
