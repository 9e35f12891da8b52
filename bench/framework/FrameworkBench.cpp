// Framework costs that a whole board repaint multiplies by 81: transparent glyphs, canvas text;
// and the list and text helpers behind the skin list and the records window.
// Budgets: a 16x16 transparent glyph under 20 µs, a cell's digit under 20 µs, so a board repaint
// stays well inside one 10 ms fade frame.
#include "framework/Format.h"
#include "framework/TBitmap.h"
#include "framework/TCanvas.h"
#include "framework/TStringList.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void MakeGlyph(TBitmap& glyph, int size) {
    glyph.SetSize(size, size);
    glyph.Canvas()->Brush()->SetColor(clFuchsia);
    glyph.Canvas()->FillRect({0, 0, size, size});
    glyph.Canvas()->Brush()->SetColor(clNavy);
    glyph.Canvas()->Ellipse(1, 1, size - 1, size - 1);
    glyph.SetTransparent(true);
}

} // namespace

static void BM_TransparentGlyphDraw(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    TBitmap glyph;
    MakeGlyph(glyph, size);
    TBitmap target(64, 64);
    for (auto _ : state) target.Canvas()->Draw(4, 4, &glyph);
}
BENCHMARK(BM_TransparentGlyphDraw)->Arg(16)->Arg(40)->Unit(benchmark::kMicrosecond);

static void BM_OpaqueBitmapStretch(benchmark::State& state) {
    TBitmap picture(145, 145);
    TBitmap target(300, 300);
    for (auto _ : state) target.Canvas()->StretchDraw({0, 0, 290, 290}, &picture);
}
BENCHMARK(BM_OpaqueBitmapStretch)->Unit(benchmark::kMicrosecond);

static void BM_CellDigitTextOut(benchmark::State& state) {
    TBitmap cell(40, 40);
    TCanvas* canvas = cell.Canvas();
    canvas->Font()->SetName("Times New Roman");
    canvas->Font()->SetSize(20);
    canvas->Font()->SetStyle({fsBold});
    canvas->Brush()->SetStyle(bsClear);
    for (auto _ : state) canvas->TextOut(12, 4, "7");
}
BENCHMARK(BM_CellDigitTextOut)->Unit(benchmark::kMicrosecond);

static void BM_SortedStringListAdd(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        TStringList list;
        list.SetSorted(true);
        for (int i = count; i > 0; --i) list.Add("Скин " + std::to_string(i * 7919 % count) + " (internal)");
        benchmark::DoNotOptimize(list.Count());
    }
}
BENCHMARK(BM_SortedStringListAdd)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

static void BM_FormatRecordLine(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Format("%2d. %-20s %8s", {3, "Иван Петрович", "1:02:03"}));
}
BENCHMARK(BM_FormatRecordLine);
