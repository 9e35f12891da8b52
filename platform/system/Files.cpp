// Files and folders through POSIX calls, where the atomic write needs fsync and rename.
#include "platform/system/Files.h"

#include "platform/system/TemporaryFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string SystemError(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

std::string FolderOf(const std::string& path) {
    const std::string folder = fs::path(path).parent_path().string();
    return folder.empty() ? std::string(".") : folder;
}

bool NotWritable(const std::string& path, const struct stat& info, int accessMode) {
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || access(path.c_str(), accessMode) != 0;
}

// A symbolic link is written through, so that the link stays and its target gets the content.
std::string ResolveTarget(const std::string& path) {
    std::error_code error;
    if (!fs::is_symlink(path, error)) return path;
    const fs::path resolved = fs::weakly_canonical(path, error);
    return error ? path : resolved.string();
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t written = write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Keeps the old file's permissions and, where we may, its owner: a file of another user that a
// privileged process rewrites must not change hands.
bool CopyAttributes(int fd, const struct stat& original) {
    if (fchmod(fd, original.st_mode & 07777) != 0) return false;
    if (fchown(fd, original.st_uid, original.st_gid) != 0) {
        // Not permitted for an ordinary process; the file then becomes ours, which is harmless.
    }
    return true;
}

// Writes, flushes and closes the temporary file; false with errno set on any failure.
bool FillTemporary(int fd, std::string_view data, const struct stat* original) {
    const bool ok = WriteAll(fd, data) && (!original || CopyAttributes(fd, *original)) && fsync(fd) == 0;
    const int savedErrno = errno;
    const bool closed = close(fd) == 0;
    if (!ok) errno = savedErrno;
    return ok && closed;
}

void SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

} // namespace

bool FileExists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::vector<TDirEntry> ListDirectory(const std::string& folder) {
    std::vector<TDirEntry> entries;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        TDirEntry entry;
        entry.Name = it->path().filename().string();
        std::error_code kindError;
        entry.IsDirectory = it->is_directory(kindError);
        entry.IsHidden = !entry.Name.empty() && entry.Name[0] == '.';
        entries.push_back(std::move(entry));
    }
    std::sort(entries.begin(), entries.end(),
              [](const TDirEntry& a, const TDirEntry& b) { return a.Name < b.Name; });
    return entries;
}

bool ReadWholeFile(const std::string& path, std::size_t maxSize, std::string& data, std::string& error) {
    data.clear();
    // Without O_NONBLOCK, opening a FIFO would wait for a writer that may never come.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        error = SystemError("cannot open " + path);
        return false;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = path + (S_ISDIR(info.st_mode) ? " is a folder" : " is not a regular file");
        close(fd);
        return false;
    }
    char buffer[65536];
    ssize_t got = 0;
    while ((got = read(fd, buffer, sizeof buffer)) != 0) {
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            error = SystemError("cannot read " + path);
            break;
        }
        if (data.size() + static_cast<std::size_t>(got) > maxSize) {
            error = path + " is larger than " + std::to_string(maxSize) + " bytes";
            break;
        }
        data.append(buffer, static_cast<std::size_t>(got));
    }
    close(fd);
    if (got != 0) data.clear();
    return got == 0;
}

bool IsReadOnly(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) == 0 && NotWritable(path, info, W_OK)) return true;
    const std::string folder = FolderOf(path);
    return stat(folder.c_str(), &info) == 0 && NotWritable(folder, info, W_OK | X_OK);
}

bool WriteFileAtomically(const std::string& path, std::string_view data, std::string& error) {
    const std::string target = ResolveTarget(path);
    if (IsReadOnly(target)) {
        error = target + " is read-only";
        return false;
    }
    struct stat original {};
    const bool exists = stat(target.c_str(), &original) == 0;
    if (exists && !S_ISREG(original.st_mode)) {
        // Renaming over a folder fails, and over a FIFO or a device would replace it by a file.
        error = target + (S_ISDIR(original.st_mode) ? " is a folder" : " is not a regular file");
        return false;
    }
    TemporaryFile::RemoveStale(target);
    TemporaryFile temporary(target);
    const int fd = open(temporary.Path().c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = SystemError("cannot create a temporary file beside " + target);
        return false;
    }
    if (!FillTemporary(fd, data, exists ? &original : nullptr)) {
        error = SystemError("cannot write " + target);
        return false;
    }
    if (!temporary.Commit()) {
        error = SystemError("cannot replace " + target);
        return false;
    }
    SyncFolder(FolderOf(target));
    return true;
}
