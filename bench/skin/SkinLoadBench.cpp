// Loading a shipped-size skin from memory, and the hue pass over a master bitmap.
#include "skin/data/HueSaturation.h"
#include "skin/data/TacSkinConvertor.h"
#include "skin/data/TacSkinLoader.h"
#include "tests/skin/data/SkinTestKit.h"

#include <benchmark/benchmark.h>

namespace {

// Reading the archive, parsing the options and running every builder, as a skin change does.
void BM_LoadShippedSizeSkin(benchmark::State& state) {
    const std::vector<std::uint8_t> archive = ShippedSizeSkinArchive();
    std::size_t images = 0;
    for (auto _ : state) {
        TacSkinConvertor convertor;
        convertor.BorrowSource(archive);
        convertor.ReadPackedData();
        TacSkinOptions options(convertor.Options());
        TsSkinModel model;
        TacSkinBuildSettings settings;
        settings.HueOffset = static_cast<int>(state.range(0));
        BuildSkin(model, options, TacSkinImageSource::FromArchive(&convertor), settings);
        images = model.Masks.size();
        benchmark::DoNotOptimize(model.GeneralData.data());
    }
    state.counters["archive_bytes"] = static_cast<double>(archive.size());
    TacSkinConvertor probe;
    probe.BorrowSource(archive);
    probe.ReadPackedData();
    state.counters["options_bytes"] = static_cast<double>(probe.Options().size());
    state.counters["images"] = static_cast<double>(images);
}
BENCHMARK(BM_LoadShippedSizeSkin)->Arg(0)->Arg(120)->Unit(benchmark::kMillisecond);

// A 410 x 410 master is 168 100 pixels, the size of the largest shipped 8-bit master bitmap.
void BM_HuePassOverMasterBitmap(benchmark::State& state) {
    Bitmap master(410, 410);
    for (int y = 0; y < master.Height(); ++y) {
        for (int x = 0; x < master.Width(); ++x) {
            int shade = (x / 6 + y / 5) % 40;
            master.SetPixel(x, y, shade == 0 ? clFuchsia : RGB(60 + 4 * shade, 200 - 3 * shade, 90 + shade));
        }
    }
    for (auto _ : state) {
        state.PauseTiming();
        Bitmap copy = master;
        state.ResumeTiming();
        ShiftBitmapHue(copy, 120);
        benchmark::DoNotOptimize(copy.ScanLine(0));
    }
}
BENCHMARK(BM_HuePassOverMasterBitmap)->Unit(benchmark::kMillisecond);

} // namespace
