// Window handles with generations.
#include "platform/window/HandleTable.h"

#include <stdexcept>

HWND HandleTable::Add(std::unique_ptr<Window> window) {
    std::uint32_t index;
    if (!FFree.empty()) {
        index = FFree.back();
        FFree.pop_back();
    } else {
        if (FSlots.size() > kIndexMask) throw std::runtime_error("too many windows");
        index = static_cast<std::uint32_t>(FSlots.size());
        FSlots.emplace_back();
    }
    Slot& s = FSlots[index];
    s.Generation = (s.Generation + 1) & 0x7FFF;
    if (s.Generation == 0) s.Generation = 1;
    s.Live = true;
    s.Object = std::move(window);
    HWND hwnd = reinterpret_cast<HWND>((s.Generation << kIndexBits) | index);
    s.Object->FHandle = hwnd;
    return hwnd;
}

void HandleTable::Retire(HWND hwnd) {
    if (!Find(hwnd)) return;
    std::uint32_t index = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(hwnd) & kIndexMask);
    Slot& s = FSlots[index];
    s.Live = false;
    FRetired.push_back(std::move(s.Object));
    FFree.push_back(index);
}

void HandleTable::Collect() {
    FRetired.clear();
}

std::vector<Window*> HandleTable::All() const {
    std::vector<Window*> out;
    for (const Slot& s : FSlots)
        if (s.Live) out.push_back(s.Object.get());
    return out;
}

std::size_t HandleTable::Count() const {
    std::size_t n = 0;
    for (const Slot& s : FSlots) n += s.Live ? 1 : 0;
    return n;
}
