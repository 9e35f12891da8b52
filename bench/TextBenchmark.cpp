// Speed of caption and cell text: DrawText with a warm glyph cache, and measuring.
// Budget: DrawText of a short caption with a warm cache stays under 20 microseconds.
#include "platform/text/TextDraw.h"

#include <benchmark/benchmark.h>

namespace {

const Font* Caption() {
    TLogFont lf;
    lf.FaceName = "Tahoma";
    lf.Height = PointsToHeight(8);
    lf.CharSet = RUSSIAN_CHARSET;
    return Font::Get(lf);
}

void BM_DrawTextCaption(benchmark::State& state) {
    Bitmap b(120, 30);
    DeviceContext dc(&b);
    dc.SelectFont(Caption());
    dc.SetBkMode(TRANSPARENT);
    for (auto _ : state) {
        TRect r{0, 0, 120, 30};
        benchmark::DoNotOptimize(DrawText(&dc, "Новая игра", &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER));
    }
}
BENCHMARK(BM_DrawTextCaption)->Unit(benchmark::kMicrosecond);

void BM_DrawTextPencilMarks(benchmark::State& state) {
    Bitmap b(45, 45);
    DeviceContext dc(&b);
    dc.SelectFont(Caption());
    dc.SetBkMode(TRANSPARENT);
    for (auto _ : state) {
        TRect r{0, 0, 45, 45};
        benchmark::DoNotOptimize(DrawText(&dc, "1 2 3\n4 5 6\n7 8 9", &r, DT_CENTER | DT_NOPREFIX));
    }
}
BENCHMARK(BM_DrawTextPencilMarks)->Unit(benchmark::kMicrosecond);

void BM_MeasureCaption(benchmark::State& state) {
    const Font* font = Caption();
    for (auto _ : state) benchmark::DoNotOptimize(GetTextExtent(font, "Tavik Sudoku 1.0"));
}
BENCHMARK(BM_MeasureCaption)->Unit(benchmark::kMicrosecond);

void BM_CalcRectWrappedSentence(benchmark::State& state) {
    Bitmap b(1, 1);
    DeviceContext dc(&b);
    dc.SelectFont(Caption());
    for (auto _ : state) {
        TRect r{0, 0, 150, 0};
        benchmark::DoNotOptimize(DrawText(&dc, "Здесь можно выбрать сложность игры (1-10)", &r, DT_WORDBREAK | DT_CALCRECT));
    }
}
BENCHMARK(BM_CalcRectWrappedSentence)->Unit(benchmark::kMicrosecond);

} // namespace
