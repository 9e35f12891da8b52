// asz check over an archive of 100 000 small members whose options name 4 000 images.
#include "skin/data/TacSkinPacker.h"
#include "tests/skin/data/SkinTestKit.h"
#include "tools/asz/AszCommands.h"

#include "platform/gfx/ImageFiles.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <ostream>

namespace {

constexpr int Members = 100000;
constexpr int ImageKeys = 4000;
constexpr int OwnBitmaps = 1000; // members that "!" and plain-name keys load

// Four kinds of image keys in turn: a glyph and a borders mask in the master, a "!" bitmap and a
// plain bitmap name, twenty keys to a section.
std::string ManyImagesOptions() {
    std::string text = "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n";
    char value[64];
    for (int i = 0; i < ImageKeys; ++i) {
        if (i % 20 == 0) text += "[SECTION" + std::to_string(i / 20) + "]\nCOLOR=" + std::to_string(i) + "\n";
        const int x = (i * 7) % 200, y = (i * 13) % 200, own = (i / 4) % OwnBitmaps;
        switch (i % 4) {
        case 0:
            std::snprintf(value, sizeof value, "@%04d@%04d@%04d@%04d@3@0", x, y, x + 48, y + 16);
            break;
        case 1:
            std::snprintf(value, sizeof value, "^%04d^%04d^%04d^%04d^0000^0000^0000^0000^3^1^5^0", x, y,
                          x + 27, y + 36);
            break;
        case 2:
            std::snprintf(value, sizeof value, "!IMG%05d.BMP!3!1!0", own);
            break;
        default:
            std::snprintf(value, sizeof value, "img%05d.bmp", own);
            break;
        }
        text += "KEY" + std::to_string(i) + "=" + value + "\n";
    }
    return text;
}

std::vector<std::uint8_t> ManyMembersArchive() {
    TacSkinPacker packer;
    packer.Add("Options.dat", ManyImagesOptions());
    packer.Add("Master.bmp", EncodeBmp8(SolidBitmap(256, 256, RGB(90, 120, 200))));
    const std::vector<std::uint8_t> small = EncodeBmp24(SolidBitmap(6, 4, RGB(200, 40, 40)));
    char name[32];
    for (int i = 0; i < OwnBitmaps; ++i) {
        std::snprintf(name, sizeof name, "img%05d.bmp", i);
        packer.Add(name, small);
    }
    for (int i = static_cast<int>(packer.Count()); i < Members; ++i) {
        std::snprintf(name, sizeof name, "readme%06d.txt", i);
        packer.Add(name, std::string("a small member of a large archive, number ") + std::to_string(i));
    }
    return packer.Pack();
}

void BM_AszCheckManyMembers(benchmark::State& state) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / "tavik-bench-many-members.asz";
    const std::vector<std::uint8_t> archive = ManyMembersArchive();
    WriteFileBytes(file.string(), archive);
    std::ostream discard(nullptr);
    int code = -1;
    for (auto _ : state) code = AszCheck(file.string(), discard, discard);
    std::filesystem::remove(file);
    if (code != 0) state.SkipWithError("the archive was expected to check clean");
    state.counters["members"] = Members;
    state.counters["image_keys"] = ImageKeys;
    state.counters["archive_bytes"] = static_cast<double>(archive.size());
}
BENCHMARK(BM_AszCheckManyMembers)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
