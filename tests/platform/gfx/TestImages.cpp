// Test-only image makers: BMP headers by hand, JPEG via libjpeg, PNG reading via libpng.
#include "tests/platform/gfx/TestImages.h"

#include <cstdio>

#include <jpeglib.h>
#include <png.h>

namespace {

void Put(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

} // namespace

std::vector<std::uint8_t> TestBmp::Encode() const {
    const std::uint32_t header = CoreHeader ? 12 : 40;
    const std::uint32_t entry = CoreHeader ? 3 : 4;
    const std::uint32_t offset = 14 + header + static_cast<std::uint32_t>(Palette.size()) * entry;
    std::vector<std::uint8_t> out{'B', 'M'};
    Put(out, 0, 4); // file size: readers must not rely on it
    Put(out, 0, 4);
    Put(out, offset, 4);
    Put(out, header, 4);
    if (CoreHeader) {
        Put(out, static_cast<std::uint32_t>(Width), 2);
        Put(out, static_cast<std::uint32_t>(Height), 2);
        Put(out, 1, 2);
        Put(out, static_cast<std::uint32_t>(BitCount), 2);
    } else {
        Put(out, static_cast<std::uint32_t>(Width), 4);
        Put(out, static_cast<std::uint32_t>(TopDown ? -Height : Height), 4);
        Put(out, 1, 2);
        Put(out, static_cast<std::uint32_t>(BitCount), 2);
        Put(out, 0, 4);
        Put(out, 0, 4);
        Put(out, 2835, 4);
        Put(out, 2835, 4);
        Put(out, static_cast<std::uint32_t>(Palette.size()), 4);
        Put(out, 0, 4);
    }
    for (std::uint32_t c : Palette) Put(out, c, static_cast<int>(entry));
    for (int i = 0; i < Height; ++i) {
        const auto& row = Rows[static_cast<std::size_t>(TopDown ? i : Height - 1 - i)];
        out.insert(out.end(), row.begin(), row.end());
        out.insert(out.end(), (4 - row.size() % 4) % 4, 0xEE); // padding must be ignored
    }
    return out;
}

std::vector<std::uint8_t> EncodeTestJpeg(const Bitmap& bitmap, int quality, bool grey) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(bitmap.Width());
    cinfo.image_height = static_cast<JDIMENSION>(bitmap.Height());
    cinfo.input_components = grey ? 1 : 3;
    cinfo.in_color_space = grey ? JCS_GRAYSCALE : JCS_EXT_BGR;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<std::uint8_t> greyRow(static_cast<std::size_t>(bitmap.Width()));
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = static_cast<int>(cinfo.next_scanline);
        JSAMPROW row = const_cast<std::uint8_t*>(bitmap.ScanLine(y));
        if (grey) {
            for (int x = 0; x < bitmap.Width(); ++x) greyRow[static_cast<std::size_t>(x)] = bitmap.ScanLine(y)[x * 3 + 1];
            row = greyRow.data();
        }
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<std::uint8_t> out(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}

Bitmap DecodeTestPng(const std::vector<std::uint8_t>& png) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) return {};
    image.format = PNG_FORMAT_BGR;
    Bitmap out(static_cast<int>(image.width), static_cast<int>(image.height));
    if (!png_image_finish_read(&image, nullptr, out.ScanLine(0), static_cast<png_int_32>(out.RowBytes()), nullptr))
        return {};
    return out;
}
