// A stream over a growing byte vector, for images read from files or archives.
#pragma once

#include "framework/TStream.h"

#include <string>

class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<std::uint8_t> data) : FData(std::move(data)) {}
    std::string ClassName() const override { return "TMemoryStream"; }

    std::size_t Read(void* buffer, std::size_t count) override;
    std::size_t Write(const void* buffer, std::size_t count) override;
    // Positions past the end are allowed; a write there fills the gap with zeros.
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    std::int64_t Size() override { return static_cast<std::int64_t>(FData.size()); }
    void SetSize(std::size_t size);
    void Clear();

    const std::vector<std::uint8_t>& Data() const { return FData; }
    std::uint8_t* Memory() { return FData.data(); }

    // The whole file replaces the content (position 0); EFOpenError when it cannot be read.
    void LoadFromFile(const std::string& fileName);
    // The content replaces the file atomically; EFCreateError when it cannot be written.
    void SaveToFile(const std::string& fileName) const;
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;

private:
    std::vector<std::uint8_t> FData;
    std::size_t FPosition = 0;
};
