// Painting a large panel, blending whole bitmaps, and painting board cells in each state.
#include "skin/paint/BitmapBlend.h"
#include "skin/paint/TacSectionPainter.h"
#include "tests/skin/paint/PaintTestKit.h"

#include <benchmark/benchmark.h>

#include <time.h>

namespace {

// Artwork in the manner of the shipped skins: a 3-state alpha borders mask for cells (image over
// mask, 11-pixel frames), a 64 x 64 texture and a 2-state key-colour panel frame.
Bitmap ArtworkMaster() {
    Bitmap master = Numbered(200, 160);
    master.FillRect({0, 33, 99, 66}, RGB(0, 0, 0));        // cell mask band: the image shows
    master.FillRect({11, 44, 22, 55}, RGB(128, 128, 128)); // half see-through inside each state
    master.FillRect({0, 33, 3, 36}, RGB(255, 255, 255));   // a rounded corner
    master.SetPixel(100, 0, clFuchsia);
    return master;
}

const std::string Options =
    "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n"
    "[PANEL]\nCOLOR=13495541\nIMAGEPERCENT=50\nGRADIENTPERCENT=50\n"
    "GRADIENTDATA=7754286;16777215;40;0;0;16777215;9661497;60;0;0\nPATTERN=~0000~0080~0064~0144~00~0\n"
    "BORDERSMASK=^0100^0000^0160^0030^0010^0010^0010^0010^2^0^4^0\n"
    "[CELL]\nCOLOR=13495541\nHOTCOLOR=16777215\nGRADIENTPERCENT=60\nGRADIENTDATA=11445460;16777215;100;0;0\n"
    "HOTGRADIENTPERCENT=80\nHOTGRADIENTDATA=16777215;9661497;100;0;0\n"
    "BORDERSMASK=^0000^0000^0099^0066^0011^0011^0011^0011^3^1^5^0\n";

class TPaintFixture {
public:
    TPaintFixture() { LoadTestSkin(Skin, Options, ArtworkMaster()); }
    TacSectionPainter Painter(const char* name) {
        return TacSectionPainter(Skin, Skin.SectionIndex(name), name);
    }

    TsSkinModel Skin;
};

void BM_PanelWithGradientAndPattern(benchmark::State& state) {
    TPaintFixture fixture;
    const TacSectionPainter panel = fixture.Painter("PANEL");
    Bitmap bmp(450, 450);
    for (auto _ : state) {
        panel.ByIndex({bmp, {0, 0}, bmp.BoundsRect(), 0, {}}, -1, -1, true);
        benchmark::DoNotOptimize(bmp.ScanLine(0));
    }
    state.counters["pixels"] = 450.0 * 450.0;
}
BENCHMARK(BM_PanelWithGradientAndPattern)->Unit(benchmark::kMillisecond);

// Seconds of processor time this thread has used: on a shared machine wall time says little.
double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The transparency-byte blend of a whole 450 x 450 bitmap, timed against copying the same pixels.
void BM_Blend24Against450Copy(benchmark::State& state) {
    const Bitmap source = Numbered(450, 450);
    Bitmap destination = Solid(450, 450, RGB(30, 60, 90));
    Bitmap copy(450, 450);
    constexpr int copies = 500;
    const double copyStart = ThreadSeconds();
    for (int i = 0; i < copies; ++i) {
        copy.CopyRect(0, 0, source, source.BoundsRect());
        benchmark::ClobberMemory();
    }
    const double copySeconds = (ThreadSeconds() - copyStart) / copies;
    const double blendStart = ThreadSeconds();
    std::int64_t blends = 0;
    for (auto _ : state) {
        BlendBitmapAt(destination, source, 100, {0, 0}, source.BoundsRect());
        benchmark::DoNotOptimize(destination.ScanLine(0));
        ++blends;
    }
    const double blendSeconds = (ThreadSeconds() - blendStart) / static_cast<double>(blends);
    state.counters["copy_us"] = copySeconds * 1e6;
    state.counters["blend_us"] = blendSeconds * 1e6;
    state.counters["blend_per_copy"] = blendSeconds / copySeconds;
}
BENCHMARK(BM_Blend24Against450Copy)->Unit(benchmark::kMicrosecond);

// A board cell: gradient background and a 3-state alpha borders mask, in state 0, 1 or 2.
void BM_CellInState(benchmark::State& state) {
    TPaintFixture fixture;
    const TacSectionPainter cell = fixture.Painter("CELL");
    const Bitmap parent = Solid(400, 400, RGB(200, 200, 190));
    Bitmap bmp(40, 40);
    const int paintState = static_cast<int>(state.range(0));
    for (auto _ : state) {
        cell.ByIndex({bmp, {120, 80}, bmp.BoundsRect(), paintState, {&parent, 0, 0, true}}, -1, -1, true);
        benchmark::DoNotOptimize(bmp.ScanLine(0));
    }
}
BENCHMARK(BM_CellInState)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace
