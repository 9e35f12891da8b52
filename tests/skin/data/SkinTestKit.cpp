// Building test archives, warning recorders, bitmaps and JPEGs in code.
#include "tests/skin/data/SkinTestKit.h"

#include "platform/gfx/ImageFiles.h"
#include "skin/data/TacSkinConvertor.h"
#include "skin/data/TacSkinPacker.h"

#include <zlib.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

std::vector<std::uint8_t> BytesOf(const std::string& text) { return {text.begin(), text.end()}; }

void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> ZlibStream(const std::vector<std::uint8_t>& data) {
    uLongf length = compressBound(static_cast<uLong>(data.size()));
    std::vector<std::uint8_t> out(length);
    if (compress2(out.data(), &length, data.data(), static_cast<uLong>(data.size()), Z_DEFAULT_COMPRESSION) != Z_OK) {
        throw std::runtime_error("compress2 failed");
    }
    out.resize(length);
    return out;
}

std::vector<std::uint8_t> ZerosStream(std::size_t size) {
    z_stream z{};
    if (deflateInit(&z, Z_DEFAULT_COMPRESSION) != Z_OK) throw std::runtime_error("deflateInit failed");
    const std::vector<std::uint8_t> zeros(65536);
    std::vector<std::uint8_t> out, chunk(65536);
    int status = Z_OK;
    while (status == Z_OK) {
        const std::size_t piece = std::min(zeros.size(), size - z.total_in);
        z.next_in = const_cast<Bytef*>(zeros.data());
        z.avail_in = static_cast<uInt>(piece);
        do {
            z.next_out = chunk.data();
            z.avail_out = static_cast<uInt>(chunk.size());
            status = deflate(&z, z.total_in + z.avail_in == size ? Z_FINISH : Z_NO_FLUSH);
            out.insert(out.end(), chunk.begin(), chunk.end() - z.avail_out);
        } while (status == Z_OK && z.avail_out == 0);
    }
    deflateEnd(&z);
    if (status != Z_STREAM_END) throw std::runtime_error("deflate failed");
    return out;
}

std::int32_t LargestMemberOfTwo(std::size_t nameLength) {
    std::uint64_t size = TacSkinConvertor::MaxUnpackedSize / 2;
    while (2 * TacSkinConvertor::MemberCost(nameLength, size) > TacSkinConvertor::MaxUnpackedSize) size -= 1;
    return static_cast<std::int32_t>(size);
}

TRawArchive& TRawArchive::Magic(const std::string& magic) { return Text(magic); }

TRawArchive& TRawArchive::Int32(std::int32_t value) {
    auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) FBytes.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
    return *this;
}

TRawArchive& TRawArchive::Text(const std::string& text) {
    FBytes.insert(FBytes.end(), text.begin(), text.end());
    return *this;
}

TRawArchive& TRawArchive::Raw(const std::vector<std::uint8_t>& bytes) {
    FBytes.insert(FBytes.end(), bytes.begin(), bytes.end());
    return *this;
}

TRawArchive& TRawArchive::Member(const std::string& name, const std::vector<std::uint8_t>& data) {
    Int32(static_cast<std::int32_t>(name.size())).Text(name).Int32(static_cast<std::int32_t>(data.size()));
    return Raw(ZlibStream(data));
}

TRawArchive& TRawArchive::Member(const std::string& name, std::int32_t size,
                                 const std::vector<std::uint8_t>& stream) {
    Int32(static_cast<std::int32_t>(name.size())).Text(name).Int32(size);
    return Raw(stream);
}

TWarningRecorder::TWarningRecorder() {
    FPrevious = SetSkinWarningHandler(
        [this](const std::string& caption, const std::string& text) { Warnings.emplace_back(caption, text); });
}

TWarningRecorder::~TWarningRecorder() { SetSkinWarningHandler(FPrevious); }

Bitmap SolidBitmap(int width, int height, TColor color) {
    Bitmap bitmap(width, height);
    bitmap.Fill(color);
    return bitmap;
}

std::vector<std::uint8_t> SolidJpeg(int width, int height, TColor color) {
    return EncodeJpeg(SolidBitmap(width, height, color), 95);
}

Bitmap TinySkinMaster() {
    const TColor columns[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(128, 128, 128), clFuchsia, RGB(200, 100, 0)};
    Bitmap master(12, 6);
    for (int y = 0; y < master.Height(); ++y) {
        for (int x = 0; x < master.Width(); ++x) master.SetPixel(x, y, columns[x / 2]);
    }
    return master;
}

std::vector<std::uint8_t> TinySkinArchive(const std::string& section, TColor color, const std::string& version) {
    const std::string colour = std::to_string(static_cast<std::int32_t>(color));
    TacSkinPacker packer;
    packer.Add("Options.dat", "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\nVERSION=" + version + "\nCOLOR=" + colour +
                                  "\n[" + section + "]\nCOLOR=" + colour +
                                  "\nBORDERSMASK=^0000^0000^0012^0006^0000^0000^0000^0000^1^0^1^0\n");
    packer.Add("Master.bmp", EncodeBmp24(TinySkinMaster()));
    return packer.Pack();
}

namespace {

// Sections in the style of the shipped skins, each with colours, a gradient and image values.
std::string ShippedSizeOptions(int variant) {
    std::string text =
        "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\nVERSION=5.41\nAUTHOR=Test\nSHADOW1OFFSET=3\nSHADOW1BLUR=4\n"
        "COLOR=13495541\nFONTCOLOR=0\nCHECK=@0000@0000@0048@0016@3@0\n"
        "BOXCHECKED=@0048@0000@0096@0016@3@0\nBOXUNCHECKED=@0096@0000@0144@0016@3@0\n";
    const char* names[] = {"BUTTON", "CHECKBOX", "PANEL", "TRACKBAR", "FORM", "EDIT", "COMBOBOX", "PAGECONTROL",
                           "SPEEDBUTTON", "HINT", "TABTOP", "TABBOTTOM", "TABLEFT", "TABRIGHT", "COMBOBTN",
                           "SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLSLIDERV", "SCROLLSLIDERH", "SCROLLBAR1H",
                           "SCROLLBAR1V", "SPEEDBUTTON_SMALL", "SPLITTER", "MENUITEM", "MENULINE", "CAPTION",
                           "STATUSBAR", "TOOLBAR", "GROUPBOX", "ICOLINE", "DIALOG", "PAGECONTROLRIGHT", "TABCONTROLRIGHT"};
    int i = 0;
    for (const char* name : names) {
        char rect[64];
        std::snprintf(rect, sizeof rect, "^%04d^%04d^%04d^%04d^0000^0000^0000^0000^3^1^5^0", (i % 8) * 30,
                      16 + (i / 8) * 40, (i % 8) * 30 + 27, 16 + (i / 8) * 40 + 36);
        text += std::string("[") + name + "]\n";
        if (i > 0 && i % 5 == 0) text += "PARENTCLASS=BUTTON\n";
        text += "COLOR=" + std::to_string(13495541 + i * 17 + variant * 4099) + "\nHOTCOLOR=" + std::to_string(16777215 - i * 255) +
                "\nFONTCOLOR=" + std::to_string(i * 1000) + "\nHOTFONTCOLOR=255\nTCLEFT=-1\nTRANSPARENCY=0\n"
                "GRADIENTPERCENT=50\nGRADIENTDATA=7754286;16777215;9;0;0;16777215;9661497;17;0;0\n"
                "HOTGRADIENTPERCENT=60\nHOTGRADIENTDATA=11445460;16777215;50;1;0\nIMAGEPERCENT=0\n"
                "FADINGENABLED=TRUE\nFADINGINTERVALIN=5\nBORDERSMASK=" + std::string(rect) +
                "\nGLYPHMASK=@0147@0154@0195@0190@3@1\nSHADOWENABLED=FALSE\n";
        if (i % 7 == 0) text += "PATTERN=BG.JPG\n";
        if (i % 11 == 0) text += "HOTPATTERN=!BUTTONHUGE.BMP!3!1!0\n";
        ++i;
    }
    return text;
}

// Artwork-like pixels: runs of colours from a palette of 200, magenta key areas, so the bitmap
// compresses about as well as real skin artwork does.
Bitmap PatternBitmap(int width, int height, int variant) {
    Bitmap bitmap(width, height);
    std::uint32_t seed = 12345 + static_cast<std::uint32_t>(variant) * 7919;
    int colour = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            seed = seed * 1103515245u + 12345u;
            if ((seed >> 16) % 12 == 0) colour = static_cast<int>((seed >> 8) % 200);
            bool key = (x / 16 + y / 16) % 9 == 0;
            bitmap.SetPixel(x, y, key ? clFuchsia : RGB(colour, 255 - colour, (colour * 7) % 256));
        }
    }
    return bitmap;
}

} // namespace

std::vector<std::uint8_t> ShippedSizeSkinArchive(int variant) {
    TacSkinPacker packer;
    packer.Add("Options.dat", ShippedSizeOptions(variant));
    packer.Add("ButtonHuge.bmp", EncodeBmp8(PatternBitmap(222, 246, variant)));
    packer.Add("Master.bmp", EncodeBmp8(PatternBitmap(400, 400, variant)));
    packer.Add("BG.JPG", SolidJpeg(64, 64, RGB(120, 90, 60)));
    return packer.Pack();
}

namespace {

// The address space the process holds now, from /proc/self/statm (in pages).
rlim_t AddressSpaceInUse() {
    std::ifstream statm("/proc/self/statm");
    rlim_t pages = 0;
    statm >> pages;
    return pages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
}

} // namespace

int RunUnderMemoryLimit(std::size_t headroom, const std::function<bool()>& body) {
    const pid_t child = fork();
    if (child == 0) {
        rlimit limit{AddressSpaceInUse() + headroom, RLIM_INFINITY};
        setrlimit(RLIMIT_AS, &limit);
        int code = 2;
        try {
            code = body() ? 0 : 1;
        } catch (...) {
        }
        _exit(code);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

bool BuiltWithAddressSanitizer() {
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#else
    return false;
#endif
#else
    return false;
#endif
}
