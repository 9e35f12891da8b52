// Speed of the drawing the board repaints lean on: copies, stretches, gradients, region clipping.
// Budget: copying a 450 x 450 24-bit bitmap stays under 0.2 ms.
#include "platform/gfx/DeviceContext.h"

#include <benchmark/benchmark.h>

namespace {

Bitmap Board(int w, int h) {
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.SetPixel(x, y, RGB(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF));
    return b;
}

void BM_Copy450(benchmark::State& state) {
    Bitmap src = Board(450, 450), dst(450, 450);
    DeviceContext s(&src), d(&dst);
    for (auto _ : state) {
        d.BitBlt(0, 0, 450, 450, s, 0, 0);
        benchmark::DoNotOptimize(dst.ScanLine(0));
    }
}
BENCHMARK(BM_Copy450)->Unit(benchmark::kMicrosecond);

void BM_CopyBehindEightyOneChildren(benchmark::State& state) {
    Bitmap src = Board(450, 450), dst(450, 450);
    DeviceContext s(&src), d(&dst);
    for (int i = 0; i < 81; ++i) d.ExcludeClipRect(Bounds(5 + (i % 9) * 49, 5 + (i / 9) * 49, 45, 45));
    for (auto _ : state) {
        d.BitBlt(0, 0, 450, 450, s, 0, 0);
        benchmark::DoNotOptimize(dst.ScanLine(0));
    }
}
BENCHMARK(BM_CopyBehindEightyOneChildren)->Unit(benchmark::kMicrosecond);

void BM_StretchTwice(benchmark::State& state) {
    Bitmap src = Board(450, 450), dst(900, 900);
    DeviceContext d(&dst);
    for (auto _ : state) {
        d.StretchBitmap({0, 0, 900, 900}, src, src.BoundsRect());
        benchmark::DoNotOptimize(dst.ScanLine(0));
    }
}
BENCHMARK(BM_StretchTwice)->Unit(benchmark::kMicrosecond);

void BM_VerticalGradient450(benchmark::State& state) {
    Bitmap dst(450, 450);
    DeviceContext d(&dst);
    for (auto _ : state) {
        d.GradientFillRect({0, 0, 450, 450}, RGB(10, 36, 106), RGB(166, 202, 240), true);
        benchmark::DoNotOptimize(dst.ScanLine(0));
    }
}
BENCHMARK(BM_VerticalGradient450)->Unit(benchmark::kMicrosecond);

void BM_ClipRegionOfEightyOneChildren(benchmark::State& state) {
    for (auto _ : state) {
        Region parent(TRect{0, 0, 450, 450});
        for (int i = 0; i < 81; ++i) parent.Subtract(Bounds(5 + (i % 9) * 49, 5 + (i / 9) * 49, 45, 45));
        benchmark::DoNotOptimize(parent.Rects().data());
    }
}
BENCHMARK(BM_ClipRegionOfEightyOneChildren)->Unit(benchmark::kMicrosecond);

} // namespace
