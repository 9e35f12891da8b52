// The file stream over stdio.
#include "framework/TFileStream.h"

#include "framework/Consts.h"
#include "framework/Exception.h"
#include "framework/Format.h"

#include <cerrno>
#include <cstring>

#include <sys/types.h>

TFileStream::TFileStream(const std::string& fileName, TFileMode mode) : FFileName(fileName) {
    const char* modes[] = {"w+b", "rb", "r+b", "r+b"};
    FFile = std::fopen(fileName.c_str(), modes[mode]);
    if (!FFile) {
        const std::string reason = std::strerror(errno);
        if (mode == fmCreate) throw EFCreateError(Format(SFCreateErrorEx, {fileName, reason}));
        throw EFOpenError(Format(SFOpenErrorEx, {fileName, reason}));
    }
    FWritable = mode != fmOpenRead;
}

TFileStream::~TFileStream() {
    std::fclose(FFile);
}

std::size_t TFileStream::Read(void* buffer, std::size_t count) {
    return std::fread(buffer, 1, count, FFile);
}

std::size_t TFileStream::Write(const void* buffer, std::size_t count) {
    if (!FWritable) return 0;
    fseeko(FFile, 0, SEEK_CUR); // stdio wants a seek between reading and writing
    const std::size_t written = std::fwrite(buffer, 1, count, FFile);
    // A write must reach the file before we report it done; stdio would only buffer it.
    return std::fflush(FFile) == 0 ? written : 0;
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    const int whence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
    if (fseeko(FFile, static_cast<off_t>(offset), whence[origin]) != 0) return -1;
    return static_cast<std::int64_t>(ftello(FFile));
}
