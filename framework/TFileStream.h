// A stream over an open file.
#pragma once

#include "framework/TStream.h"

#include <cstdio>
#include <string>

enum TFileMode { fmCreate, fmOpenRead, fmOpenWrite, fmOpenReadWrite };

// fmCreate makes a new empty file (or empties an existing one); the other modes need the file to
// exist. Failures throw EFCreateError or EFOpenError with the file name and the reason.
class TFileStream : public TStream {
public:
    TFileStream(const std::string& fileName, TFileMode mode);
    ~TFileStream() override;
    std::string ClassName() const override { return "TFileStream"; }

    const std::string& FileName() const { return FFileName; }
    std::size_t Read(void* buffer, std::size_t count) override;
    std::size_t Write(const void* buffer, std::size_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;

private:
    std::string FFileName;
    std::FILE* FFile = nullptr;
    bool FWritable = false;
};
