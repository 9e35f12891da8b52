// BMP decoding with every header field checked against the bytes that are really there.
#include "platform/gfx/BmpReader.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace {

constexpr std::int64_t kMaxSide = 16384;
constexpr std::uint32_t kBiRgb = 0, kBiBitfields = 3, kBiAlphaBitfields = 6;
constexpr std::size_t kFileHeader = 14;
constexpr std::uint32_t kCoreHeader = 12, kInfoHeader = 40;

bool Fail(std::string& error, std::string message) {
    error = std::move(message);
    return false;
}

} // namespace

std::uint32_t BmpReader::U32(std::size_t at) const {
    return std::uint32_t{FData[at]} | std::uint32_t{FData[at + 1]} << 8 | std::uint32_t{FData[at + 2]} << 16 |
           std::uint32_t{FData[at + 3]} << 24;
}

std::uint16_t BmpReader::U16(std::size_t at) const {
    return static_cast<std::uint16_t>(FData[at] | FData[at + 1] << 8);
}

bool BmpReader::ReadHeaders(std::string& error) {
    if (FData.size() < 2 || FData[0] != 'B' || FData[1] != 'M') return Fail(error, "not a BMP file");
    if (FData.size() < kFileHeader + 4) return Fail(error, "truncated BMP header");
    FPixelOffset = U32(10);
    FHeaderSize = U32(kFileHeader);
    if (FHeaderSize != kCoreHeader && (FHeaderSize < kInfoHeader || FHeaderSize > 1024))
        return Fail(error, "unknown BMP header size " + std::to_string(FHeaderSize));
    if (FData.size() < kFileHeader + FHeaderSize) return Fail(error, "truncated BMP header");
    const std::size_t h = kFileHeader;
    if (FHeaderSize == kCoreHeader) {
        FWidth = U16(h + 4);
        FHeight = U16(h + 6);
        FBitCount = U16(h + 10);
    } else {
        FWidth = static_cast<std::int32_t>(U32(h + 4));
        FHeight = static_cast<std::int32_t>(U32(h + 8));
        FBitCount = U16(h + 14);
        FCompression = U32(h + 16);
        FColorsUsed = U32(h + 32);
    }
    FTopDown = FHeight < 0;
    if (FTopDown) FHeight = -FHeight;
    if (FWidth <= 0 || FHeight <= 0 || FWidth > kMaxSide || FHeight > kMaxSide)
        return Fail(error, "BMP size " + std::to_string(FWidth) + " x " + std::to_string(FHeight) + " is out of range");
    if (FBitCount != 1 && FBitCount != 4 && FBitCount != 8 && FBitCount != 24 && FBitCount != 32)
        return Fail(error, "unsupported BMP bit depth " + std::to_string(FBitCount));
    const bool bitfields = FCompression == kBiBitfields || FCompression == kBiAlphaBitfields;
    if (FCompression != kBiRgb && !(bitfields && FBitCount == 32))
        return Fail(error, "unsupported BMP compression " + std::to_string(FCompression));
    return true;
}

bool BmpReader::ReadMasks(std::string& error) {
    FTableEnd = kFileHeader + FHeaderSize;
    if (FCompression == kBiRgb) {
        if (FBitCount == 32) FMask[3] = 0xFF000000u;
        return true;
    }
    // Masks sit inside larger headers, or right behind a 40-byte one.
    const std::size_t count = FCompression == kBiAlphaBitfields ? 4 : 3;
    std::size_t at = kFileHeader + kInfoHeader;
    if (FHeaderSize == kInfoHeader) FTableEnd += count * 4;
    if (FData.size() < at + count * 4) return Fail(error, "truncated BMP colour masks");
    for (std::size_t i = 0; i < 4; ++i) FMask[i] = (i < count || FHeaderSize >= 56) ? U32(at + i * 4) : 0;
    if (FMask[0] == 0 && FMask[1] == 0 && FMask[2] == 0) return Fail(error, "BMP colour masks are empty");
    return true;
}

bool BmpReader::ReadPalette(std::string& error) {
    if (FBitCount > 8) return true;
    const std::uint32_t full = 1u << FBitCount;
    std::uint32_t count = (FColorsUsed == 0 || FColorsUsed > full) ? full : FColorsUsed;
    const std::size_t entry = FHeaderSize == kCoreHeader ? 3 : 4;
    // Writers of short palettes do not always say so; the pixels' offset tells where it ends.
    if (FPixelOffset > FTableEnd)
        count = std::min<std::uint32_t>(count, static_cast<std::uint32_t>((FPixelOffset - FTableEnd) / entry));
    if (FData.size() < FTableEnd + count * entry) return Fail(error, "truncated BMP palette");
    FPalette.assign(full * 3, 0); // indexes past the stored entries show black
    for (std::uint32_t i = 0; i < count; ++i)
        for (std::size_t c = 0; c < 3; ++c) FPalette[i * 3 + c] = FData[FTableEnd + i * entry + c];
    return true;
}

bool BmpReader::CheckPixelData(std::string& error) const {
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(FWidth) * FBitCount + 31) / 32 * 4;
    const std::uint64_t lastRow = (static_cast<std::uint64_t>(FWidth) * FBitCount + 7) / 8;
    const std::uint64_t needed = std::uint64_t{FPixelOffset} + rowBytes * static_cast<std::uint64_t>(FHeight - 1) + lastRow;
    if (FPixelOffset < kFileHeader + FHeaderSize || needed > FData.size())
        return Fail(error, "BMP pixel data is truncated or missing");
    return true;
}

std::uint8_t BmpReader::Masked(std::uint32_t pixel, int channel) const {
    const std::uint32_t mask = FMask[channel];
    if (mask == 0) return 255;
    const std::uint32_t value = (pixel & mask) >> std::countr_zero(mask);
    const std::uint32_t max = mask >> std::countr_zero(mask);
    return static_cast<std::uint8_t>(max == 255 ? value : (value * 255 + max / 2) / max);
}

void BmpReader::DecodeRow(const std::uint8_t* src, std::uint8_t* dst) const {
    const int width = static_cast<int>(FWidth);
    if (FBitCount == 24) {
        std::copy(src, src + width * 3, dst);
        return;
    }
    if (FBitCount == 32) {
        for (int x = 0; x < width; ++x, src += 4, dst += 4) {
            const std::uint32_t p = std::uint32_t{src[0]} | std::uint32_t{src[1]} << 8 | std::uint32_t{src[2]} << 16 |
                                    std::uint32_t{src[3]} << 24;
            dst[0] = Masked(p, 2), dst[1] = Masked(p, 1), dst[2] = Masked(p, 0), dst[3] = Masked(p, 3);
        }
        return;
    }
    const int perByte = 8 / FBitCount;
    const unsigned mask = (1u << FBitCount) - 1;
    for (int x = 0; x < width; ++x, dst += 3) {
        const int shift = 8 - FBitCount * (x % perByte + 1);
        const std::size_t index = (src[x / perByte] >> shift) & mask;
        std::copy(&FPalette[index * 3], &FPalette[index * 3] + 3, dst);
    }
}

bool BmpReader::Read(Bitmap& out, std::string& error) {
    if (!ReadHeaders(error) || !ReadMasks(error) || !ReadPalette(error) || !CheckPixelData(error)) return false;
    const int width = static_cast<int>(FWidth), height = static_cast<int>(FHeight);
    out = Bitmap(width, height, FBitCount == 32 ? TPixelFormat::pf32bit : TPixelFormat::pf24bit);
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * FBitCount + 31) / 32 * 4;
    for (int y = 0; y < height; ++y) {
        const int fileRow = FTopDown ? y : height - 1 - y;
        DecodeRow(FData.data() + FPixelOffset + rowBytes * static_cast<std::size_t>(fileRow), out.ScanLine(y));
    }
    return true;
}
