// skingen: builds skins from their sources in resources/skins: packed archives or skin folders,
// optionally the C++ source that embeds the archives and PNG previews of every bitmap drawn.
#include "tools/skingen/EmbedWriter.h"
#include "tools/skingen/SkinGenerator.h"
#include "tools/skingen/SkinSource.h"

#include "platform/gfx/PngWriter.h"
#include "skin/data/TacSkinPacker.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

constexpr int PreviewZoom = 3;

void WriteFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path.string());
}

// Pixels enlarged as squares, so single pixels can be judged on screen.
Bitmap Zoomed(const Bitmap& picture) {
    Bitmap out(picture.Width() * PreviewZoom, picture.Height() * PreviewZoom);
    for (int y = 0; y < out.Height(); ++y) {
        for (int x = 0; x < out.Width(); ++x) out.SetPixel(x, y, picture.Pixel(x / PreviewZoom, y / PreviewZoom));
    }
    return out;
}

void WritePreviews(const fs::path& folder, const std::string& skin, const GeneratedSkin& generated) {
    fs::create_directories(folder);
    for (const auto& [name, picture] : generated.Pictures) {
        WriteFile(folder / (skin + "-" + name + ".png"), PngWriter::Encode(Zoomed(picture)));
    }
}

// Writes the skin as OUT/<folder>.asz or as the folder OUT/<folder>; returns the archive bytes.
std::vector<std::uint8_t> WriteSkin(const fs::path& out, const SkinSource& source, GeneratedSkin& generated) {
    TacSkinPacker packer;
    for (const TacPackMember& member : generated.Members) packer.Add(member.Name, member.Data);
    std::vector<std::uint8_t> archive = packer.Pack();
    if (source.PackedOutput()) {
        WriteFile(out / (source.FolderName() + ".asz"), archive);
        return archive;
    }
    fs::path folder = out / source.FolderName();
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const TacPackMember& member : generated.Members) WriteFile(folder / member.Name, member.Data);
    return archive;
}

int Usage() {
    std::cerr << "usage: skingen SOURCES OUTDIR [--embed FILE.cpp] [--preview DIR] SKIN...\n"
                 "  SOURCES  the folder of Sections.txt, Images.txt and one folder per skin\n"
                 "  SKIN     a skin's source folder name; written as OUTDIR/SKIN.asz, or as the\n"
                 "           folder OUTDIR/SKIN when its Skin.txt says output = folder\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) return Usage();
    fs::path sources = argv[1], out = argv[2];
    std::string embed, preview;
    std::vector<std::string> skins;
    for (int i = 3; i < argc; ++i) {
        std::string arg = argv[i];
        if ((arg == "--embed" || arg == "--preview") && i + 1 < argc) (arg == "--embed" ? embed : preview) = argv[++i];
        else if (arg.rfind("--", 0) == 0) return Usage();
        else skins.push_back(arg);
    }
    try {
        fs::create_directories(out);
        std::vector<EmbeddedSkin> embedded;
        for (const std::string& skin : skins) {
            SkinSource source(sources.string(), skin);
            GeneratedSkin generated = SkinGenerator::Generate(source);
            embedded.push_back({generated.DisplayName, WriteSkin(out, source, generated)});
            if (!preview.empty()) WritePreviews(preview, skin, generated);
        }
        if (!embed.empty()) EmbedWriter::Write(embed, embedded);
    } catch (const std::exception& error) {
        std::cerr << "skingen: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
