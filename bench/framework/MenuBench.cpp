// Menu costs behind every item change and every chosen command: re-filling a platform menu from
// its items, finding the item of a command, and building the game's whole main menu.
// Budgets: a change to an item of a 40-item drop-down under 50 µs; finding the command of the
// last item of a 200-item tree under 5 µs; a four-item main menu built with its bar under 50 µs.
#include "framework/TMainMenu.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

TMenuItem* AddItem(TMenuItem* parent, const std::string& caption) {
    auto* item = new TMenuItem(nullptr);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
}

} // namespace

static void BM_ItemChangeRefillsItsDropDown(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    TMainMenu menu(nullptr);
    TMenuItem* game = AddItem(menu.Items(), "&Game");
    for (int i = 0; i < count; ++i) AddItem(game, "Item " + std::to_string(i));
    menu.Handle();
    TMenuItem* last = game->Items(count - 1);
    bool enabled = true;
    for (auto _ : state) {
        enabled = !enabled;
        last->SetEnabled(enabled);
    }
}
BENCHMARK(BM_ItemChangeRefillsItsDropDown)->Arg(10)->Arg(40)->Unit(benchmark::kMicrosecond);

static void BM_FindTheItemOfACommand(benchmark::State& state) {
    TMainMenu menu(nullptr);
    TMenuItem* last = nullptr;
    for (int top = 0; top < 10; ++top) {
        TMenuItem* parent = AddItem(menu.Items(), "Top " + std::to_string(top));
        for (int i = 0; i < 19; ++i) last = AddItem(parent, "Item " + std::to_string(i));
    }
    const UINT command = last->Command();
    for (auto _ : state) benchmark::DoNotOptimize(menu.FindItemByCommand(command));
}
BENCHMARK(BM_FindTheItemOfACommand)->Unit(benchmark::kMicrosecond);

static void BM_BuildTheGamesMainMenu(benchmark::State& state) {
    for (auto _ : state) {
        auto menu = std::make_unique<TMainMenu>(nullptr);
        for (const char* caption : {"Новая игра", "Настройки", "Рекорды", "О программе"})
            AddItem(menu->Items(), caption);
        benchmark::DoNotOptimize(menu->Handle());
    }
}
BENCHMARK(BM_BuildTheGamesMainMenu)->Unit(benchmark::kMicrosecond);
