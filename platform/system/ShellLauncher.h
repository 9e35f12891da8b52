// The shell's "open": hands a file or web address to the desktop's opener program as one
// argument (never through a shell), without waiting for it.
#pragma once

#include <string>

class ShellLauncher {
public:
    explicit ShellLauncher(std::string program = "xdg-open") : FProgram(std::move(program)) {}

    // False when the target is empty or the opener could not be started.
    bool Open(const std::string& target) const;
    // The argument given to the opener: a relative path that looks like an option gets "./".
    static std::string Argument(const std::string& target);

private:
    std::string FProgram;
};
