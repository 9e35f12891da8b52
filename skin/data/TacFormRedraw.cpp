// The redraw lock of skinned forms and its release with the skin change animation.
#include "skin/data/TacFormRedraw.h"

#include "skin/data/SkinBroadcast.h"
#include "skin/data/TacFormRegistry.h"
#include "skin/data/TacFadeFrames.h"
#include "skin/data/TacFormSkinner.h"
#include "skin/data/TacSkinChangeAnimation.h"
#include "skin/data/TsSkinManager.h"

#include "framework/TCustomForm.h"
#include "platform/window/Win.h"

#include <algorithm>
#include <optional>

namespace {

// The form's skinning component, from its answer to the get-provider request.
TacFormSkinner* SkinnerOf(TCustomForm* form) {
    LRESULT answer = SendSkinCommand(form->Handle(), scGetProvider, 0);
    return dynamic_cast<TacFormSkinner*>(reinterpret_cast<TComponent*>(answer));
}

bool IsVisibleTopLevel(const TCustomForm* form) {
    return form->FormStyle() != fsMDIChild && !form->Parent() && form->HandleAllocated() &&
           IsWindowVisible(form->Handle());
}

} // namespace

std::vector<TacFormRedraw::TEntry> TacFormRedraw::Forms() const {
    std::vector<TEntry> entries;
    for (TCustomForm* form : TacFormRegistry::Forms()) {
        if (!IsVisibleTopLevel(form)) continue;
        TacFormSkinner* skinner = SkinnerOf(form);
        if (skinner && skinner->FormSkinManager() == &FManager) entries.push_back({form, skinner});
    }
    return entries;
}

void TacFormRedraw::Lock() {
    for (const TEntry& entry : Forms()) {
        HWND window = entry.Form->Handle();
        SendMessage(window, WM_SETREDRAW, FALSE, 0);
        if (std::find(FLocked.begin(), FLocked.end(), window) == FLocked.end()) FLocked.push_back(window);
    }
}

void TacFormRedraw::Unlock() {
    const TacFormAnimation& animation = FManager.AnimEffects().SkinChanging;
    const bool oldPlatform = GetPlatformVersion().Major < 6;
    const int time = animation.Active && oldPlatform ? animation.Time : 0;
    std::vector<HWND> locked = std::move(FLocked);
    FLocked.clear();
    for (const TEntry& entry : Forms()) {
        std::erase(locked, entry.Form->Handle());
        UnlockForm(entry, time, oldPlatform);
    }
    for (HWND window : locked) {
        if (IsWindow(window)) SendMessage(window, WM_SETREDRAW, TRUE, 0);
    }
}

void TacFormRedraw::UnlockForm(const TEntry& entry, int animationTime, bool oldPlatform) const {
    HWND window = entry.Form->Handle();
    // Without frames to blend the form is simply redrawn: nothing would be seen of the cover.
    std::optional<TacSkinChangeAnimation> animation;
    if (TacFadeFrames::FrameCount(animationTime) > 0) {
        animation.emplace(window, true);
        animation->Run(animationTime);
    }
    SendMessage(window, WM_SETREDRAW, TRUE, 0);
    if (oldPlatform) SetWindowRgn(window, nullptr, FALSE);
    entry.Skinner->SetRegionChanged(true);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_NOERASE);
}
