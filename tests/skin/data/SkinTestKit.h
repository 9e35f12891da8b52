// Helpers the skin data tests and benchmarks make their own archives, bitmaps and JPEGs with.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "skin/data/SkinWarning.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

std::vector<std::uint8_t> BytesOf(const std::string& text);
// Writes the bytes to a file, making its folders first.
void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> ZlibStream(const std::vector<std::uint8_t>& data);
// The zlib stream of size zero bytes, deflated piecewise so the zeros are never held in memory.
std::vector<std::uint8_t> ZerosStream(std::size_t size);

// The largest member of which two with names of the given length fit under the archive limit.
std::int32_t LargestMemberOfTwo(std::size_t nameLength);

// Archive bytes written field by field, so tests can forge any count, length or stream.
class TRawArchive {
public:
    TRawArchive& Magic(const std::string& magic = "ASzf");
    TRawArchive& Int32(std::int32_t value);
    TRawArchive& Text(const std::string& text);
    TRawArchive& Raw(const std::vector<std::uint8_t>& bytes);
    // A whole member record: name length, name, size, zlib stream of the data.
    TRawArchive& Member(const std::string& name, const std::vector<std::uint8_t>& data);
    // A member record with a stream made elsewhere, stated to inflate to size bytes.
    TRawArchive& Member(const std::string& name, std::int32_t size, const std::vector<std::uint8_t>& stream);
    const std::vector<std::uint8_t>& Bytes() const { return FBytes; }

private:
    std::vector<std::uint8_t> FBytes;
};

// Records skin warnings while alive and puts the previous handler back afterwards.
class TWarningRecorder {
public:
    TWarningRecorder();
    ~TWarningRecorder();
    TWarningRecorder(const TWarningRecorder&) = delete;
    TWarningRecorder& operator=(const TWarningRecorder&) = delete;

    std::vector<std::pair<std::string, std::string>> Warnings;

private:
    TSkinWarningHandler FPrevious;
};

Bitmap SolidBitmap(int width, int height, TColor color);
// A JPEG of the given size in one colour, written with libjpeg.
std::vector<std::uint8_t> SolidJpeg(int width, int height, TColor color);

// A small skin: GLOBALINFO (version, colour, a 12 x 6 master bitmap of red, green, blue, grey and
// magenta columns) and one section of the given name and colour with a frame image in the master.
std::vector<std::uint8_t> TinySkinArchive(const std::string& section, TColor color, const std::string& version = "5.41");
Bitmap TinySkinMaster();

// A skin of the size the program ships: about 12 KB of options with many sections, a master
// bitmap and a button bitmap as 8-bit BMPs, and one small JPEG texture. Returns the archive;
// variants differ in their colours and pixels, not in their size.
std::vector<std::uint8_t> ShippedSizeSkinArchive(int variant = 0);

// Runs body in a child process whose address space may grow by only headroom bytes. Returns 0
// when body returned true, 1 when it returned false, 2 when an exception escaped it, and 128 plus
// the signal when the child was killed.
int RunUnderMemoryLimit(std::size_t headroom, const std::function<bool()>& body);
// An address-space limit starves the sanitizer's shadow memory, so such tests are skipped there.
bool BuiltWithAddressSanitizer();
