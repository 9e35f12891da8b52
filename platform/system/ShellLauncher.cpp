// Starting the desktop's opener.
#include "platform/system/ShellLauncher.h"

#include <spawn.h>
#include <sys/wait.h>

#include <thread>
#include <vector>

extern char** environ;

std::string ShellLauncher::Argument(const std::string& target) {
    return !target.empty() && target[0] == '-' ? "./" + target : target;
}

bool ShellLauncher::Open(const std::string& target) const {
    if (target.empty()) return false;
    std::string arg = Argument(target);
    std::vector<char*> argv{const_cast<char*>(FProgram.c_str()), const_cast<char*>(arg.c_str()), nullptr};
    pid_t pid = 0;
    // posix_spawnp reports a program that cannot be run as an error, so "no opener" is a failure.
    if (posix_spawnp(&pid, FProgram.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return false;
    // The opener may run as long as what it opened: reap it apart from the UI thread.
    std::thread([pid] {
        int status = 0;
        waitpid(pid, &status, 0);
    }).detach();
    return true;
}
