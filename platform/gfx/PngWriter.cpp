// libpng encoding into memory; libpng's errors jump back to a frame that owns nothing.
#include "platform/gfx/PngWriter.h"

#include <csetjmp>

#include <png.h>

namespace {

void Append(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void Flush(png_structp) {}

bool WriteRows(png_structp png, png_infop info, const Bitmap& bitmap, std::vector<std::uint8_t>& out) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, &out, Append, Flush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(bitmap.Width()), static_cast<png_uint_32>(bitmap.Height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_set_bgr(png);
    if (bitmap.Format() == TPixelFormat::pf32bit) png_set_filler(png, 0, PNG_FILLER_AFTER); // drops alpha
    for (int y = 0; y < bitmap.Height(); ++y) png_write_row(png, bitmap.ScanLine(y));
    png_write_end(png, info);
    return true;
}

} // namespace

std::vector<std::uint8_t> PngWriter::Encode(const Bitmap& bitmap) {
    std::vector<std::uint8_t> out;
    if (bitmap.Empty()) return out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) return out;
    png_infop info = png_create_info_struct(png);
    const bool ok = info != nullptr && WriteRows(png, info, bitmap, out);
    png_destroy_write_struct(&png, &info);
    if (!ok) out.clear();
    return out;
}
