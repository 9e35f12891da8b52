// The temporary file an atomic write fills beside its target before renaming it over the target,
// and the sweep that removes the ones an interrupted write left behind.
#pragma once

#include <string>

// Names are ".<target name>.tmp-<process id>-<number>" in the target's folder. While an object
// lives its name is known to be in use by this process, so that a sweep run by another thread
// leaves it alone.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& target);
    // Removes the file unless it was renamed over its target.
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& Path() const { return FPath; }
    // Renames the file over the target; false with errno set on failure.
    bool Commit();

    // Removes the target's temporaries that no write is filling any more: those of processes
    // that have ended, and those of this process that no object holds (a process that reuses
    // the id of one that crashed finds them so).
    static void RemoveStale(const std::string& target);

private:
    std::string FTarget;
    std::string FPath;
    bool FCommitted = false;
};
