// The image file entry points: whole-file reading and the readers and writers behind them.
#include "platform/gfx/ImageFiles.h"

#include "platform/gfx/BmpReader.h"
#include "platform/gfx/BmpWriter.h"
#include "platform/gfx/JpegReader.h"
#include "platform/gfx/JpegWriter.h"
#include "platform/gfx/PngWriter.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace {

// Larger than any image the program reads; guards against reading a device or a huge file.
constexpr std::streamoff kMaxFileBytes = std::streamoff{1} << 30;

bool Report(std::string* error, std::string message) {
    if (error) *error = std::move(message);
    return false;
}

bool ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return Report(error, "cannot open " + path + ": " + std::strerror(errno));
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0 || size > kMaxFileBytes) return Report(error, "cannot read " + path + ": unreasonable file size");
    in.seekg(0);
    bytes.resize(static_cast<std::size_t>(size));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) return Report(error, "cannot read " + path);
    return true;
}

template <class Reader> bool Decode(Reader read, std::span<const std::uint8_t> data, Bitmap& out, std::string* error) {
    std::string problem;
    if (read(data, out, problem)) return true;
    return Report(error, std::move(problem));
}

bool DecodeBmp(std::span<const std::uint8_t> data, Bitmap& out, std::string& problem) {
    return BmpReader(data).Read(out, problem);
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string* error) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return Report(error, "cannot create " + path + ": " + std::strerror(errno));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) return Report(error, "cannot write " + path);
    return true;
}

} // namespace

bool ReadBmp(std::span<const std::uint8_t> data, Bitmap& out, std::string* error) {
    return Decode(DecodeBmp, data, out, error);
}

bool ReadBmpFile(const std::string& path, Bitmap& out, std::string* error) {
    std::vector<std::uint8_t> bytes;
    return ReadFile(path, bytes, error) && ReadBmp(bytes, out, error);
}

bool ReadJpeg(std::span<const std::uint8_t> data, Bitmap& out, std::string* error) {
    return Decode(JpegReader::Read, data, out, error);
}

bool ReadJpegFile(const std::string& path, Bitmap& out, std::string* error) {
    std::vector<std::uint8_t> bytes;
    return ReadFile(path, bytes, error) && ReadJpeg(bytes, out, error);
}

std::vector<std::uint8_t> EncodeBmp24(const Bitmap& bitmap) { return BmpWriter::Encode24(bitmap); }
std::vector<std::uint8_t> EncodeBmp8(const Bitmap& bitmap) { return BmpWriter::Encode8(bitmap); }
std::vector<std::uint8_t> EncodePng(const Bitmap& bitmap) { return PngWriter::Encode(bitmap); }

std::vector<std::uint8_t> EncodeJpeg(const Bitmap& bitmap, int quality) { return JpegWriter::Encode(bitmap, quality); }

bool WritePngFile(const std::string& path, const Bitmap& bitmap, std::string* error) {
    const std::vector<std::uint8_t> bytes = EncodePng(bitmap);
    if (bytes.empty()) return Report(error, "cannot encode an empty bitmap as PNG");
    return WriteFile(path, bytes, error);
}

bool WriteJpegFile(const std::string& path, const Bitmap& bitmap, int quality, std::string* error) {
    const std::vector<std::uint8_t> bytes = EncodeJpeg(bitmap, quality);
    if (bytes.empty()) return Report(error, "cannot encode an empty bitmap as JPEG");
    return WriteFile(path, bytes, error);
}
