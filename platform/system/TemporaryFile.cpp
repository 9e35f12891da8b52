// Temporary files of atomic writes: unique names, the set in use, and the sweep of stale ones.
#include "platform/system/TemporaryFile.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <mutex>
#include <set>
#include <system_error>

#include <signal.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Paths of the temporaries this process is filling now, across its threads.
class InUse {
public:
    static void Add(const std::string& path) {
        std::lock_guard lock(Mutex());
        Paths().insert(path);
    }
    static void Remove(const std::string& path) {
        std::lock_guard lock(Mutex());
        Paths().erase(path);
    }
    static bool Contains(const std::string& path) {
        std::lock_guard lock(Mutex());
        return Paths().count(path) != 0;
    }

private:
    static std::mutex& Mutex() {
        static std::mutex mutex;
        return mutex;
    }
    static std::set<std::string>& Paths() {
        static std::set<std::string> paths;
        return paths;
    }
};

std::string Prefix(const fs::path& target) {
    return "." + target.filename().string() + ".tmp-";
}

// The process id in "<pid>-<number>", or 0 when the rest of the name is not of that form.
pid_t OwnerOf(std::string_view rest) {
    const std::size_t dash = rest.find('-');
    if (dash == std::string_view::npos || dash + 1 == rest.size()) return 0;
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + dash, pid);
    if (error != std::errc() || end != rest.data() + dash || pid <= 0) return 0;
    unsigned number = 0;
    const auto [numberEnd, numberError] = std::from_chars(rest.data() + dash + 1, rest.data() + rest.size(), number);
    return numberError == std::errc() && numberEnd == rest.data() + rest.size() ? pid : 0;
}

bool ProcessEnded(pid_t pid) {
    return kill(pid, 0) != 0 && errno == ESRCH;
}

} // namespace

TemporaryFile::TemporaryFile(const std::string& target) : FTarget(target) {
    static std::atomic<unsigned> counter{0};
    const fs::path path(target);
    FPath = (path.parent_path() / (Prefix(path) + std::to_string(getpid()) + "-" + std::to_string(counter++))).string();
    InUse::Add(FPath);
}

TemporaryFile::~TemporaryFile() {
    if (!FCommitted) unlink(FPath.c_str());
    InUse::Remove(FPath);
}

bool TemporaryFile::Commit() {
    FCommitted = rename(FPath.c_str(), FTarget.c_str()) == 0;
    return FCommitted;
}

void TemporaryFile::RemoveStale(const std::string& target) {
    const fs::path path(target);
    const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
    const std::string prefix = Prefix(path);
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(prefix)) continue;
        const pid_t owner = OwnerOf(std::string_view(name).substr(prefix.size()));
        if (owner == 0) continue;
        const std::string candidate = (path.parent_path() / name).string();
        const bool stale = owner == getpid() ? !InUse::Contains(candidate) : ProcessEnded(owner);
        if (stale) unlink(candidate.c_str());
    }
}
