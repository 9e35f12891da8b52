// libjpeg encoding behind an error manager that jumps back instead of ending the process.
#include "platform/gfx/JpegWriter.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

struct ErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
};

[[noreturn]] void OnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->Jump, 1);
}

// Holds no object with a destructor: a longjmp out of libjpeg lands in this frame. Rows go in
// as they are stored (blue, green, red and, for 32 bits, alpha), so nothing is converted here.
bool Compress(jpeg_compress_struct& cinfo, ErrorManager& errors, const Bitmap& bitmap, int quality,
              unsigned char*& buffer, unsigned long& size) {
    if (setjmp(errors.Jump)) return false;
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(bitmap.Width());
    cinfo.image_height = static_cast<JDIMENSION>(bitmap.Height());
    cinfo.input_components = bitmap.BytesPerPixel();
    cinfo.in_color_space = bitmap.Format() == TPixelFormat::pf32bit ? JCS_EXT_BGRX : JCS_EXT_BGR;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, std::clamp(quality, 1, 100), TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<std::uint8_t*>(bitmap.ScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    return true;
}

} // namespace

std::vector<std::uint8_t> JpegWriter::Encode(const Bitmap& bitmap, int quality) {
    if (bitmap.Width() <= 0 || bitmap.Height() <= 0) return {};
    jpeg_compress_struct cinfo{};
    ErrorManager errors{};
    cinfo.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = OnError;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool ok = Compress(cinfo, errors, bitmap, quality, buffer, size);
    jpeg_destroy_compress(&cinfo);
    std::vector<std::uint8_t> out;
    if (ok && buffer) out.assign(buffer, buffer + size);
    std::free(buffer);
    return out;
}
