// Focus, activation and capture.
#include "platform/window/FocusManager.h"
#include "platform/window/MessageApi.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/WindowTree.h"

HWND FocusManager::PickNext(HWND leaving) const {
    Window* w = FWs.Find(leaving);
    auto usable = [&](Window* c) {
        return c && c->FHandle != leaving && (c->FStyle & WS_VISIBLE) && !(c->FStyle & (WS_DISABLED | WS_MINIMIZE)) &&
               !(c->FExStyle & WS_EX_NOACTIVATE);
    };
    if (w && usable(w->FOwner)) return w->FOwner->FHandle;
    for (Window* t : FWs.TopLevels())
        if (usable(t) && !(t->FStyle & WS_POPUP && t->FOwner && t->FOwner->FHandle == leaving)) return t->FHandle;
    return nullptr;
}

void FocusManager::SendActivateApp(bool active, HWND except) {
    std::vector<HWND> tops;
    for (Window* t : FWs.TopLevels())
        if (t->FHandle != except) tops.push_back(t->FHandle);
    for (HWND h : tops) SendMessage(h, WM_ACTIVATEAPP, active ? TRUE : FALSE, 0);
}

void FocusManager::Deactivate(HWND old, HWND next, bool dropFocus) {
    if (!FWs.Find(old)) return;
    SendMessage(old, WM_NCACTIVATE, FALSE, 0);
    Window* ow = FWs.Find(old);
    SendMessage(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, ow && (ow->FStyle & WS_MINIMIZE) ? 1 : 0),
                reinterpret_cast<LPARAM>(next));
    if (dropFocus) DropFocusIn(old);
}

void FocusManager::DropFocusIn(HWND top) {
    Window* f = FWs.Find(FFocus);
    Window* t = FWs.Find(top);
    if (!f || !t || !(f == t || f->IsDescendantOf(t))) return;
    HWND lost = FFocus;
    FFocus = nullptr;
    SendMessage(lost, WM_KILLFOCUS, 0, 0);
}

HWND FocusManager::Activate(HWND hwnd, int state, bool mouse) {
    Window* w = FWs.Find(hwnd);
    if (!w) return nullptr;
    w = w->TopLevel();
    hwnd = w->FHandle;
    if (hwnd == FActive) return FActive;
    if (!(w->FStyle & WS_VISIBLE) || (w->FStyle & WS_DISABLED)) return nullptr;
    HWND old = FWs.Find(FActive) ? FActive : nullptr;
    CBTACTIVATESTRUCT cbt{mouse ? TRUE : FALSE, old};
    if (!FWs.Hooks().Empty() &&
        FWs.Hooks().CallFirst(HCBT_ACTIVATE, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(&cbt)) != 0)
        return nullptr;
    if (!(w = FWs.Find(hwnd))) return nullptr;
    FActive = hwnd;
    FLastActive = hwnd;
    // The focus stays where it is until the new window takes it (its WM_ACTIVATE sets it), so
    // WM_KILLFOCUS names the window that gets the focus, as WM_SETFOCUS names the one that lost it.
    if (old) Deactivate(old, hwnd, false);
    if (!FAppActive) {
        FAppActive = true;
        SendActivateApp(true, nullptr);
    }
    if ((w = FWs.Find(hwnd))) {
        for (Window* moved : WindowTree::BringToTop(w)) FWs.NotifyTopLevel(moved, TTopLevelChange::tcZOrder);
    }
    auto movedOn = [&] { // a handler moved the activation on
        if (FActive != hwnd && old && old != FActive) DropFocusIn(old);
        return FActive != hwnd;
    };
    if (movedOn()) return old;
    SendMessage(hwnd, WM_NCACTIVATE, TRUE, 0);
    if (movedOn()) return old;
    Window* nw = FWs.Find(hwnd);
    SendMessage(hwnd, WM_ACTIVATE, MAKEWPARAM(state, nw && (nw->FStyle & WS_MINIMIZE) ? 1 : 0), reinterpret_cast<LPARAM>(old));
    // A window that did not take the focus leaves none behind in the window it replaced.
    if (old && old != FActive) DropFocusIn(old);
    return old;
}

void FocusManager::WindowGone(HWND hwnd) {
    if (FLastActive == hwnd) FLastActive = nullptr;
    Window* f = FWs.Find(FFocus);
    Window* w = FWs.Find(hwnd);
    if (f && w && (f == w || f->IsDescendantOf(w)) && FActive != hwnd) {
        FFocus = nullptr;
        SendMessage(f->FHandle, WM_KILLFOCUS, 0, 0);
    }
    if (FActive != hwnd) return;
    HWND next = PickNext(hwnd);
    if (next) {
        Activate(next, WA_ACTIVE);
        if (FActive == hwnd) FActive = nullptr; // the next one refused
        return;
    }
    FActive = nullptr;
    Deactivate(hwnd, nullptr, true);
}

void FocusManager::ChildHidden(HWND hwnd) {
    Window* f = FWs.Find(FFocus);
    Window* w = FWs.Find(hwnd);
    if (!f || !w || !(f == w || f->IsDescendantOf(w))) return;
    SetFocus(w->FParent ? w->FParent->FHandle : nullptr);
}

void FocusManager::SetAppActive(bool active) {
    if (active == FAppActive) return;
    if (!active) {
        HWND old = FActive;
        FAppActive = false;
        FActive = nullptr;
        if (old) Deactivate(old, nullptr, true);
        SendActivateApp(false, nullptr);
        return;
    }
    HWND again = FWs.Find(FLastActive) ? FLastActive : PickNext(nullptr);
    if (again) Activate(again, WA_ACTIVE);
    else {
        FAppActive = true;
        SendActivateApp(true, nullptr);
    }
}

HWND FocusManager::SetFocus(HWND hwnd) {
    HWND old = FWs.Find(FFocus) ? FFocus : nullptr;
    if (!hwnd) {
        FFocus = nullptr;
        if (old) SendMessage(old, WM_KILLFOCUS, 0, 0);
        return old;
    }
    Window* w = FWs.Find(hwnd);
    if (!w || (w->TopLevel()->FStyle & WS_MINIMIZE)) return nullptr;
    if (hwnd == old) return old;
    Window* top = w->TopLevel();
    if (top->FHandle != FActive) {
        if (!FWs.Hooks().Empty() &&
            FWs.Hooks().CallFirst(HCBT_SETFOCUS, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(old)) != 0)
            return nullptr;
        // A hidden window (a dialog setting its first focus before it is shown) takes the focus
        // without activation; a shown one whose activation is refused (a hook, disabled by a modal
        // window) must not get it, or keys would pass the modal window by.
        if (top->FStyle & WS_VISIBLE) {
            Activate(top->FHandle, WA_ACTIVE);
            if (!FWs.Find(hwnd) || FActive != top->FHandle) return nullptr;
        }
        old = FWs.Find(FFocus) ? FFocus : nullptr;
        if (old == hwnd) return old;
    }
    FFocus = hwnd;
    if (old) SendMessage(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (FFocus == hwnd && FWs.Find(hwnd)) SendMessage(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    return old;
}

HWND FocusManager::SetCapture(HWND hwnd) {
    HWND old = FWs.Find(FCapture) ? FCapture : nullptr;
    if (!FWs.Find(hwnd)) return nullptr;
    FCapture = hwnd;
    if (old && old != hwnd) SendMessage(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return old;
}

bool FocusManager::ReleaseCapture() {
    HWND old = FCapture;
    FCapture = nullptr;
    if (old && FWs.Find(old)) SendMessage(old, WM_CAPTURECHANGED, 0, 0);
    return true;
}
