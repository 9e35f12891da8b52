// BMP encoding: file and info headers, optional palette, padded bottom-up rows.
#include "platform/gfx/BmpWriter.h"

#include <unordered_map>

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::uint32_t RowBytes(int width, int bitCount) {
    return (static_cast<std::uint32_t>(width) * bitCount + 31) / 32 * 4;
}

std::uint32_t PixelKey(const std::uint8_t* p) { return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16; }

} // namespace

void BmpWriter::PutHeaders(std::vector<std::uint8_t>& out, const Bitmap& bitmap, int bitCount, std::uint32_t colors) {
    const std::uint32_t offset = 14 + 40 + colors * 4;
    const std::uint32_t imageSize = RowBytes(bitmap.Width(), bitCount) * static_cast<std::uint32_t>(bitmap.Height());
    out.reserve(offset + imageSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + imageSize);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(bitmap.Width()));
    Put32(out, static_cast<std::uint32_t>(bitmap.Height())); // positive: bottom-up rows
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(bitCount));
    Put32(out, 0); // uncompressed
    Put32(out, imageSize);
    Put32(out, 3780); // 96 DPI in pixels per metre
    Put32(out, 3780);
    Put32(out, colors);
    Put32(out, 0);
}

std::vector<std::uint8_t> BmpWriter::Encode24(const Bitmap& bitmap) {
    std::vector<std::uint8_t> out;
    if (bitmap.Empty()) return out;
    PutHeaders(out, bitmap, 24, 0);
    const std::size_t padding = RowBytes(bitmap.Width(), 24) - static_cast<std::size_t>(bitmap.Width()) * 3;
    const int bpp = bitmap.BytesPerPixel();
    for (int y = bitmap.Height() - 1; y >= 0; --y) {
        const std::uint8_t* p = bitmap.ScanLine(y);
        for (int x = 0; x < bitmap.Width(); ++x, p += bpp) out.insert(out.end(), p, p + 3);
        out.insert(out.end(), padding, 0);
    }
    return out;
}

std::vector<std::uint8_t> BmpWriter::Encode8(const Bitmap& bitmap) {
    std::vector<std::uint8_t> out;
    if (bitmap.Empty()) return out;
    std::unordered_map<std::uint32_t, std::uint8_t> index;
    std::vector<std::uint32_t> palette;
    const int bpp = bitmap.BytesPerPixel();
    for (int y = 0; y < bitmap.Height(); ++y) {
        const std::uint8_t* p = bitmap.ScanLine(y);
        for (int x = 0; x < bitmap.Width(); ++x, p += bpp) {
            const std::uint32_t key = PixelKey(p);
            if (index.count(key)) continue;
            if (palette.size() == 256) return {};
            index.emplace(key, static_cast<std::uint8_t>(palette.size()));
            palette.push_back(key);
        }
    }
    PutHeaders(out, bitmap, 8, static_cast<std::uint32_t>(palette.size()));
    for (std::uint32_t c : palette) Put32(out, c); // blue, green, red, 0
    const std::size_t padding = RowBytes(bitmap.Width(), 8) - static_cast<std::size_t>(bitmap.Width());
    for (int y = bitmap.Height() - 1; y >= 0; --y) {
        const std::uint8_t* p = bitmap.ScanLine(y);
        for (int x = 0; x < bitmap.Width(); ++x, p += bpp) out.push_back(index[PixelKey(p)]);
        out.insert(out.end(), padding, 0);
    }
    return out;
}
