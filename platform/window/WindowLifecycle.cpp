// Window creation and destruction.
#include "platform/window/WindowLifecycle.h"
#include "platform/window/FocusManager.h"
#include "platform/window/InputRouter.h"
#include "platform/window/MessageApi.h"
#include "platform/window/PaintManager.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowPlacement.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/WindowTree.h"

#include <algorithm>

bool WindowLifecycle::PlaceNew(Window* w, const CREATESTRUCT& cs) {
    WindowSystem* ws = WindowSystem::Current();
    int x = cs.x, y = cs.y, cx = cs.cx, cy = cs.cy;
    if (!w->FParent) {
        TRect work = ws->GetBackend().WorkArea();
        int n = static_cast<int>(ws->TopLevels().size() % 8);
        if (x == CW_USEDEFAULT) {
            x = work.Left + 24 + 24 * n;
            y = work.Top + 24 + 24 * n;
        }
        if (cx == CW_USEDEFAULT) {
            cx = work.Width() * 3 / 4;
            cy = work.Height() * 3 / 4;
        }
    } else {
        if (x == CW_USEDEFAULT) x = y = 0;
        if (cx == CW_USEDEFAULT) cx = cy = 0;
    }
    w->FRect = Bounds(x, y, std::max(0, cx), std::max(0, cy));
    w->FClient = w->WindowBounds();
    w->FRestoreRect = w->FRect;
    return true;
}

bool WindowLifecycle::RunCreateMessages(HWND hwnd, CREATESTRUCT& cs) {
    WindowSystem* ws = WindowSystem::Current();
    Window* w = ws->Find(hwnd);
    if (!w->FParent && (w->FStyle & (WS_THICKFRAME | WS_CAPTION))) {
        MINMAXINFO mmi = WindowPlacement::MinMaxInfo(hwnd);
        if (!(w = ws->Find(hwnd))) return false;
        int cx = std::clamp(w->FRect.Width(), mmi.ptMinTrackSize.X, std::max(mmi.ptMinTrackSize.X, mmi.ptMaxTrackSize.X));
        int cy = std::clamp(w->FRect.Height(), mmi.ptMinTrackSize.Y, std::max(mmi.ptMinTrackSize.Y, mmi.ptMaxTrackSize.Y));
        if (w->FStyle & WS_THICKFRAME) w->FRect = Bounds(w->FRect.Left, w->FRect.Top, cx, cy);
    }
    // From here on the procedure may hold state for the window, so freeing it sends WM_NCDESTROY
    // even when creation fails.
    w->FNcCreateSent = true;
    if (!SendMessage(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) return false;
    if (!(w = ws->Find(hwnd))) return false;
    TRect rc = w->FRect;
    SendMessage(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&rc));
    if (!(w = ws->Find(hwnd))) return false;
    w->FClient = TRect{rc.Left - w->FRect.Left, rc.Top - w->FRect.Top, std::max(rc.Left, rc.Right) - w->FRect.Left,
                       std::max(rc.Top, rc.Bottom) - w->FRect.Top};
    if (!w->FParent) ws->Paint().SizeBacking(w);
    if (SendMessage(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) return false;
    if (!(w = ws->Find(hwnd))) return false;
    SendMessage(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(w->FClient.Width(), w->FClient.Height()));
    if (!(w = ws->Find(hwnd))) return false;
    SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(w->FRect.Left + w->FClient.Left, w->FRect.Top + w->FClient.Top));
    return ws->Find(hwnd) != nullptr;
}

HWND WindowLifecycle::Create(CREATESTRUCT& cs) {
    WindowSystem* ws = WindowSystem::Current();
    if (!ws) return nullptr;
    auto cls = ws->Classes().Find(cs.lpszClass);
    if (!cls) return nullptr;
    Window* parent = cs.hwndParent ? ws->Find(cs.hwndParent) : nullptr;
    if (cs.hwndParent && !parent) return nullptr;
    bool child = (cs.style & WS_CHILD) != 0;
    if (child && !parent) return nullptr;

    auto rec = std::make_unique<Window>();
    Window* w = rec.get();
    w->FClass = cls;
    w->FText = cs.lpszName;
    w->FStyle = static_cast<DWORD>(cs.style) & ~WS_VISIBLE;
    w->FExStyle = cs.dwExStyle;
    w->FProc = cls->FProc;
    if (child) {
        w->FParent = parent;
        w->FId = reinterpret_cast<UINT_PTR>(cs.hMenu);
    } else {
        w->FOwner = parent ? parent->TopLevel() : nullptr;
        w->FMenu = cs.hMenu;
        // Overlapped windows always have a caption (and clip their siblings) on the desktop too.
        if (!(w->FStyle & WS_POPUP)) w->FStyle |= WS_CAPTION | WS_CLIPSIBLINGS;
    }
    PlaceNew(w, cs);
    HWND hwnd = ws->Handles().Add(std::move(rec));
    WindowTree::Link(w, child ? HWND_BOTTOM : HWND_TOP);
    if (!child) WindowTree::KeepOwnedAbove(w);
    if (!child) ws->NotifyTopLevel(w, TTopLevelChange::tcCreated);

    if (!ws->Hooks().Empty()) {
        CBT_CREATEWND cbt{&cs, HWND_TOP};
        if (ws->Hooks().CallFirst(HCBT_CREATEWND, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(&cbt)) != 0) {
            Free(hwnd);
            return nullptr;
        }
    }
    if (!RunCreateMessages(hwnd, cs)) {
        if (ws->Find(hwnd)) Destroy(hwnd);
        return nullptr;
    }
    w = ws->Find(hwnd);
    if (child && !(w->FExStyle & WS_EX_NOPARENTNOTIFY)) {
        for (Window* p = w->FParent; p; p = p->FParent) {
            HWND ph = p->FHandle;
            SendMessage(ph, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, static_cast<int>(w->FId)), reinterpret_cast<LPARAM>(hwnd));
            if (!(w = ws->Find(hwnd)) || !(p = ws->Find(ph)) || (p->FExStyle & WS_EX_NOPARENTNOTIFY) || !p->FParent) break;
        }
        if (!ws->Find(hwnd)) return nullptr;
    }
    if (cs.style & WS_VISIBLE) {
        if (cs.style & WS_MAXIMIZE) ShowWindow(hwnd, SW_SHOWMAXIMIZED);
        else if (cs.style & WS_MINIMIZE) ShowWindow(hwnd, SW_SHOWMINIMIZED);
        else ShowWindow(hwnd, SW_SHOW);
    }
    return ws->Find(hwnd) ? hwnd : nullptr;
}

void WindowLifecycle::SendDestroy(HWND hwnd) {
    WindowSystem* ws = WindowSystem::Current();
    SendMessage(hwnd, WM_DESTROY, 0, 0);
    Window* w = ws->Find(hwnd);
    if (!w) return;
    std::vector<HWND> kids;
    for (Window* c : w->FChildren) kids.push_back(c->FHandle);
    for (HWND k : kids)
        if (ws->Find(k)) SendDestroy(k);
}

void WindowLifecycle::Free(HWND hwnd) {
    WindowSystem* ws = WindowSystem::Current();
    Window* w = ws->Find(hwnd);
    if (!w) return;
    std::vector<HWND> kids;
    for (Window* c : w->FChildren) kids.push_back(c->FHandle);
    for (HWND k : kids) Free(k);
    if (!(w = ws->Find(hwnd))) return;
    if (w->FNcCreateSent) SendMessage(hwnd, WM_NCDESTROY, 0, 0);
    if (!(w = ws->Find(hwnd))) return;
    ws->Timers().KillAll(hwnd);
    ws->Posted().Purge(hwnd);
    ws->Paint().ForgetWindow(hwnd);
    ws->Router().ForgetWindow(hwnd);
    bool top = w->FParent == nullptr;
    for (Window* t : ws->TopLevels())
        if (t->FOwner == w) t->FOwner = nullptr;
    WindowTree::Unlink(w);
    if (top) ws->NotifyTopLevel(w, TTopLevelChange::tcDestroyed);
    ws->Handles().Retire(hwnd);
}

BOOL WindowLifecycle::Destroy(HWND hwnd) {
    WindowSystem* ws = WindowSystem::Current();
    Window* w = ws ? ws->Find(hwnd) : nullptr;
    if (!w || w->FDestroying) return FALSE;
    if (!ws->Hooks().Empty() && ws->Hooks().CallFirst(HCBT_DESTROYWND, reinterpret_cast<WPARAM>(hwnd), 0) != 0) return FALSE;
    if (!(w = ws->Find(hwnd))) return TRUE;
    // The children go down with it: a DestroyWindow on one of them from a handler now would send
    // it a second WM_DESTROY.
    w->FDestroying = true;
    std::vector<HWND> below;
    WindowTree::Descendants(w, below);
    for (HWND k : below) ws->Find(k)->FDestroying = true;
    if (w->FParent && !(w->FExStyle & WS_EX_NOPARENTNOTIFY))
        SendMessage(w->FParent->FHandle, WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, static_cast<int>(w->FId)),
                    reinterpret_cast<LPARAM>(hwnd));
    if (!(w = ws->Find(hwnd))) return TRUE;
    if (!w->FParent) {
        std::vector<HWND> owned;
        for (Window* o : WindowTree::OwnedBy(w)) owned.push_back(o->FHandle);
        for (HWND o : owned) Destroy(o);
        if (!(w = ws->Find(hwnd))) return TRUE;
    }
    if (w->FStyle & WS_VISIBLE)
        WindowPlacement::SetPos(hwnd, nullptr, 0, 0, 0, 0,
                                SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!(w = ws->Find(hwnd))) return TRUE;
    FocusManager& focus = ws->Focus();
    Window* cap = ws->Find(focus.Capture());
    if (cap && (cap == w || cap->IsDescendantOf(w))) focus.ReleaseCapture();
    if (w->FParent) focus.ChildHidden(hwnd);
    else focus.WindowGone(hwnd);
    if (!ws->Find(hwnd)) return TRUE;
    SendDestroy(hwnd);
    Free(hwnd);
    return TRUE;
}
