// The in-memory stream and its whole-file loading and saving.
#include "framework/TMemoryStream.h"

#include "framework/Consts.h"
#include "framework/Exception.h"
#include "framework/Format.h"

#include "platform/system/Files.h"

#include <algorithm>
#include <cstring>

namespace {

// Far beyond any image or skin the program reads; refuses to swallow a runaway file.
constexpr std::size_t MaxFileSize = 512u * 1024 * 1024;

} // namespace

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
    if (FPosition >= FData.size()) return 0;
    count = std::min(count, FData.size() - FPosition);
    std::memcpy(buffer, FData.data() + FPosition, count);
    FPosition += count;
    return count;
}

std::size_t TMemoryStream::Write(const void* buffer, std::size_t count) {
    if (count == 0) return 0;
    if (FPosition + count > FData.size()) FData.resize(FPosition + count);
    std::memcpy(FData.data() + FPosition, buffer, count);
    FPosition += count;
    return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    std::int64_t base = 0;
    if (origin == soCurrent) base = static_cast<std::int64_t>(FPosition);
    if (origin == soEnd) base = static_cast<std::int64_t>(FData.size());
    FPosition = static_cast<std::size_t>(std::max<std::int64_t>(base + offset, 0));
    return static_cast<std::int64_t>(FPosition);
}

void TMemoryStream::SetSize(std::size_t size) {
    FData.resize(size);
    FPosition = std::min(FPosition, size);
}

void TMemoryStream::Clear() {
    FData.clear();
    FPosition = 0;
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
    std::string data, error;
    if (!ReadWholeFile(fileName, MaxFileSize, data, error)) throw EFOpenError(Format(SFOpenErrorEx, {fileName, error}));
    FData.assign(data.begin(), data.end());
    FPosition = 0;
}

void TMemoryStream::SaveToFile(const std::string& fileName) const {
    std::string error;
    const std::string_view bytes(reinterpret_cast<const char*>(FData.data()), FData.size());
    if (!WriteFileAtomically(fileName, bytes, error)) throw EFCreateError(Format(SFCreateErrorEx, {fileName, error}));
}

void TMemoryStream::LoadFromStream(TStream& stream) {
    stream.SetPosition(0);
    FData = stream.ReadRemaining();
    FPosition = 0;
}

void TMemoryStream::SaveToStream(TStream& stream) const {
    stream.WriteBuffer(FData.data(), FData.size());
}
