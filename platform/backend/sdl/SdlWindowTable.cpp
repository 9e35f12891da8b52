// The table of real windows.
#include "platform/backend/sdl/SdlWindowTable.h"
#include "platform/backend/sdl/X11Bridge.h"

#include <SDL_video.h>

#include <algorithm>

void SdlWindowTable::Reorder(HWND hwnd, HWND insertAfter) {
    FOrder.erase(std::remove(FOrder.begin(), FOrder.end(), hwnd), FOrder.end());
    auto above = std::find(FOrder.begin(), FOrder.end(), insertAfter);
    FOrder.insert(insertAfter && above != FOrder.end() ? above + 1 : FOrder.begin(), hwnd);
}

bool SdlWindowTable::Update(HWND hwnd, TTopLevelChange change, const TTopLevelState& state) {
    if (change == TTopLevelChange::tcDestroyed) {
        FEntries.erase(hwnd);
        FOrder.erase(std::remove(FOrder.begin(), FOrder.end(), hwnd), FOrder.end());
        FStacked.erase(std::remove(FStacked.begin(), FStacked.end(), hwnd), FStacked.end());
        return false;
    }
    auto it = FEntries.find(hwnd);
    if (it == FEntries.end()) {
        auto real = std::make_unique<SdlTopLevel>(state, FFlags(hwnd, state), FMinimizeByHiding);
        if (!real->Valid()) return false;
        it = FEntries.emplace(hwnd, TEntry{std::move(real), state}).first;
    }
    bool resized = it->second.State.Bounds.Size() != state.Bounds.Size();
    it->second.State = state;
    Reorder(hwnd, state.InsertAfter);
    it->second.Real->Apply(state);
    // The video raises a window it resizes (to make window managers apply its size hints).
    if (resized && std::find(FStacked.begin(), FStacked.end(), hwnd) != FStacked.end()) {
        FStacked.erase(std::remove(FStacked.begin(), FStacked.end(), hwnd), FStacked.end());
        FStacked.push_back(hwnd);
    }
    return true;
}

bool SdlWindowTable::Recreate(HWND hwnd, unsigned long visual) {
    TEntry* e = Find(hwnd);
    if (!e) return false;
    auto real = std::make_unique<SdlTopLevel>(e->State, FFlags(hwnd, e->State), FMinimizeByHiding, visual);
    if (!real->Valid()) return false;
    e->Real = std::move(real);
    FStacked.erase(std::remove(FStacked.begin(), FStacked.end(), hwnd), FStacked.end());
    e->Real->Apply(e->State);
    Restack();
    return true;
}

SdlWindowTable::TEntry* SdlWindowTable::Find(HWND hwnd) {
    auto it = FEntries.find(hwnd);
    return it == FEntries.end() ? nullptr : &it->second;
}

const SdlWindowTable::TEntry* SdlWindowTable::Find(HWND hwnd) const {
    auto it = FEntries.find(hwnd);
    return it == FEntries.end() ? nullptr : &it->second;
}

HWND SdlWindowTable::FindById(std::uint32_t id) const {
    for (const auto& [hwnd, entry] : FEntries)
        if (entry.Real->Id() == id) return hwnd;
    return nullptr;
}

void SdlWindowTable::Restack() {
    std::vector<HWND> shown;
    for (auto it = FOrder.rbegin(); it != FOrder.rend(); ++it) {
        TEntry* e = Find(*it);
        if (e && e->Real->Mapped()) shown.push_back(*it);
    }
    // Windows that were hidden meanwhile drop out of the stack as it stands on the desktop.
    std::vector<HWND> before;
    for (HWND h : FStacked)
        if (std::find(shown.begin(), shown.end(), h) != shown.end()) before.push_back(h);
    std::size_t same = 0;
    while (same < before.size() && same < shown.size() && before[same] == shown[same]) ++same;
    for (std::size_t i = same; i < shown.size(); ++i) {
        SDL_Window* w = Find(shown[i])->Real->Handle();
        if (!X11Bridge::Raise(w)) SDL_RaiseWindow(w);
    }
    FStacked = std::move(shown);
}

void SdlWindowTable::Clear() {
    FEntries.clear();
    FOrder.clear();
    FStacked.clear();
}
