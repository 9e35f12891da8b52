// Stopping and resuming the redrawing of skinned forms around a skin change.
#pragma once

#include "platform/window/WinTypes.h"

#include <vector>

class TCustomForm;
class TsSkinManager;
class TacFormSkinner;

class TacFormRedraw {
public:
    explicit TacFormRedraw(const TsSkinManager& manager) : FManager(manager) {}

    // Registered forms that are visible top-level windows (no MDI child, no parent) whose
    // skinning component paints with this manager.
    struct TEntry {
        TCustomForm* Form;
        TacFormSkinner* Skinner;
    };
    std::vector<TEntry> Forms() const;

    // Each of those forms stops redrawing.
    void Lock();
    // Each of them redraws again: cross-faded from the old look first when the manager's skin
    // changing animation is on and the platform is older than version 6; then its region is
    // dropped (old platforms) and marked for rebuilding, and the form is redrawn with its
    // children at once, without erasing. A locked form that no longer qualifies (hidden meanwhile)
    // redraws again too, so that no window is left frozen.
    void Unlock();

private:
    void UnlockForm(const TEntry& entry, int animationTime, bool oldPlatform) const;

    const TsSkinManager& FManager;
    std::vector<HWND> FLocked;
};
