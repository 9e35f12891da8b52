// Our top-level windows and their real windows: creation and removal as the window system
// reports them, lookup by the desktop's window id, and stacking in our z-order.
#pragma once

#include "platform/backend/sdl/SdlTopLevel.h"
#include "platform/window/Backend.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class SdlWindowTable {
public:
    struct TEntry {
        std::unique_ptr<SdlTopLevel> Real;
        TTopLevelState State;
    };

    // Chooses the creation flags of a new window (the styles live with the window system).
    using TFlagsFn = std::function<std::uint32_t(HWND, const TTopLevelState&)>;
    explicit SdlWindowTable(TFlagsFn flags) : FFlags(std::move(flags)) {}
    // For windows made from now on: see SdlTopLevel.
    void SetMinimizeByHiding(bool hide) { FMinimizeByHiding = hide; }

    // Creates, updates or removes the real window; true when it exists afterwards.
    bool Update(HWND hwnd, TTopLevelChange change, const TTopLevelState& state);
    // Replaces the real window by one of another X11 visual, placed and shown as the old one.
    bool Recreate(HWND hwnd, unsigned long visual);
    TEntry* Find(HWND hwnd);
    const TEntry* Find(HWND hwnd) const;
    HWND FindById(std::uint32_t id) const;
    // Top-level windows, topmost first, as the window system last ordered them.
    const std::vector<HWND>& Order() const { return FOrder; }
    // Raises real windows from the lowest one out of place upwards, so the desktop stacks
    // shown windows as we do (and leaves alone what already is).
    void Restack();
    void Clear();

private:
    void Reorder(HWND hwnd, HWND insertAfter);

    TFlagsFn FFlags;
    bool FMinimizeByHiding = false;
    std::map<HWND, TEntry> FEntries;
    std::vector<HWND> FOrder;
    std::vector<HWND> FStacked; // shown windows bottom to top as last raised
};
