// libjpeg decoding behind an error manager that jumps back instead of ending the process.
#include "platform/gfx/JpegReader.h"

#include <csetjmp>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

namespace {

constexpr unsigned kMaxSide = 16384;
// Every 8 x 8 block of the first component takes at least one bit, so no honest file codes more
// than 512 pixels per byte.
constexpr std::uint64_t kMaxPixelsPerByte = 512;

struct ErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
    bool Truncated;
};

[[noreturn]] void OnError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->Message);
    std::longjmp(manager->Jump, 1);
}

void OnMessage(j_common_ptr info, int level) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) manager->Truncated = true;
}

// Holds no object with a destructor: a longjmp out of libjpeg lands in this frame.
bool Decode(jpeg_decompress_struct& cinfo, ErrorManager& errors, std::span<const std::uint8_t> data, Bitmap& out,
            const char*& problem) {
    if (setjmp(errors.Jump)) {
        problem = errors.Message;
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&cinfo, TRUE);
    const std::uint64_t pixels = std::uint64_t{cinfo.image_width} * cinfo.image_height;
    if (cinfo.image_width > kMaxSide || cinfo.image_height > kMaxSide || pixels > data.size() * kMaxPixelsPerByte) {
        problem = "JPEG size is out of range";
        return false;
    }
    if (cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK) {
        problem = "CMYK JPEG files are not supported";
        return false;
    }
    cinfo.out_color_space = JCS_EXT_BGR; // our pixel order, so rows decode in place
    jpeg_start_decompress(&cinfo);
    out = Bitmap(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height));
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out.ScanLine(static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    if (errors.Truncated) {
        problem = "JPEG data ends early";
        return false;
    }
    return true;
}

} // namespace

bool JpegReader::Read(std::span<const std::uint8_t> data, Bitmap& out, std::string& error) {
    if (data.size() < 3 || data[0] != 0xFF || data[1] != 0xD8 || data[2] != 0xFF) {
        error = "not a JPEG file";
        return false;
    }
    jpeg_decompress_struct cinfo{};
    ErrorManager errors{};
    cinfo.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = OnError;
    errors.Base.emit_message = OnMessage;
    const char* problem = nullptr;
    const bool ok = Decode(cinfo, errors, data, out, problem);
    jpeg_destroy_decompress(&cinfo);
    if (!ok) {
        error = problem;
        out = Bitmap();
    }
    return ok;
}
