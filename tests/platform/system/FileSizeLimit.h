// Makes every write past a few bytes fail while it lives, the way a full disk would.
#pragma once

#include <csignal>
#include <cstddef>

#include <sys/resource.h>

class FileSizeLimit {
public:
    explicit FileSizeLimit(std::size_t bytes) {
        getrlimit(RLIMIT_FSIZE, &FSaved);
        FSavedHandler = std::signal(SIGXFSZ, SIG_IGN); // the write then fails with EFBIG instead
        rlimit limit = FSaved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &FSaved);
        std::signal(SIGXFSZ, FSavedHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit FSaved{};
    void (*FSavedHandler)(int) = nullptr;
};
