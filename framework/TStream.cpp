// The stream helpers built on Read, Write and Seek.
#include "framework/TStream.h"

#include "framework/Consts.h"
#include "framework/Exception.h"

#include <algorithm>

std::int64_t TStream::Size() {
    const std::int64_t position = Seek(0, soCurrent);
    const std::int64_t size = Seek(0, soEnd);
    Seek(position, soBeginning);
    return size;
}

void TStream::ReadBuffer(void* buffer, std::size_t count) {
    if (count != 0 && Read(buffer, count) != count) throw EReadError(SReadError);
}

void TStream::WriteBuffer(const void* buffer, std::size_t count) {
    if (count != 0 && Write(buffer, count) != count) throw EWriteError(SWriteError);
}

std::vector<std::uint8_t> TStream::ReadRemaining() {
    const std::int64_t remaining = std::max<std::int64_t>(Size() - Position(), 0);
    std::vector<std::uint8_t> data(static_cast<std::size_t>(remaining));
    ReadBuffer(data.data(), data.size());
    return data;
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count) {
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    std::vector<std::uint8_t> buffer(64 * 1024);
    std::int64_t left = count;
    while (left > 0) {
        const std::size_t chunk = static_cast<std::size_t>(std::min<std::int64_t>(left, static_cast<std::int64_t>(buffer.size())));
        source.ReadBuffer(buffer.data(), chunk);
        WriteBuffer(buffer.data(), chunk);
        left -= static_cast<std::int64_t>(chunk);
    }
    return count;
}
