// Window handles: a slot index plus a generation, so a handle of a destroyed window is refused
// even after its slot has been reused.
#pragma once

#include "platform/window/Window.h"

#include <cstdint>
#include <memory>
#include <vector>

class HandleTable {
public:
    // Takes ownership of the window and gives it a fresh handle.
    HWND Add(std::unique_ptr<Window> window);
    // The live window of a handle, nullptr for anything stale or invented.
    Window* Find(HWND hwnd) const {
        std::uintptr_t v = reinterpret_cast<std::uintptr_t>(hwnd);
        std::uint32_t index = static_cast<std::uint32_t>(v & kIndexMask);
        if (index == 0 || index >= FSlots.size()) return nullptr;
        const Slot& s = FSlots[index];
        return (s.Live && s.Generation == (v >> kIndexBits)) ? s.Object.get() : nullptr;
    }
    // The handle stops working at once; the record itself is kept until Collect, because the
    // window's own handler may still be running on the stack when it is destroyed.
    void Retire(HWND hwnd);
    // Frees retired records; call only where no handler of a retired window can be running.
    void Collect();
    // Live windows, in slot order.
    std::vector<Window*> All() const;
    std::size_t Count() const;

private:
    static constexpr int kIndexBits = 16;
    static constexpr std::uintptr_t kIndexMask = (1u << kIndexBits) - 1;

    struct Slot {
        std::unique_ptr<Window> Object;
        std::uintptr_t Generation = 0;
        bool Live = false;
    };

    std::vector<Slot> FSlots{1}; // slot 0 is never used, so no handle is zero
    std::vector<std::uint32_t> FFree;
    std::vector<std::unique_ptr<Window>> FRetired;
};
