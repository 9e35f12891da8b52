// SetWindowPos and ShowWindow.
#include "platform/window/WindowPlacement.h"
#include "platform/window/FocusManager.h"
#include "platform/window/MessageApi.h"
#include "platform/window/PaintManager.h"
#include "platform/window/SystemApi.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/WindowTree.h"

#include <algorithm>

MINMAXINFO WindowPlacement::MinMaxInfo(HWND hwnd) {
    MINMAXINFO mmi;
    TRect work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    Window* w = WindowSystem::Current()->Find(hwnd);
    int frame = 0;
    if (w && (w->FStyle & WS_THICKFRAME)) frame = GetSystemMetrics(SM_CXSIZEFRAME);
    else if (w && (w->FStyle & WS_CAPTION)) frame = GetSystemMetrics(SM_CXFIXEDFRAME);
    // A maximised window's frame lies just outside the work area, as on the desktop.
    mmi.ptMaxSize = {work.Width() + 2 * frame, work.Height() + 2 * frame};
    mmi.ptMaxPosition = {work.Left - frame, work.Top - frame};
    mmi.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    mmi.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    SendMessage(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    return mmi;
}

void WindowPlacement::RepaintUncovered(HWND hwnd, const TRect& oldRect, bool sized, bool wasVisible) {
    WindowSystem* ws = WindowSystem::Current();
    Window* w = ws->Find(hwnd);
    if (!w) return;
    PaintManager& pm = ws->Paint();
    bool visible = (w->FStyle & WS_VISIBLE) != 0;
    if (visible && (sized || !wasVisible || w->FParent))
        pm.Invalidate(w, Region(w->WindowBounds()), RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    if (w->FParent && wasVisible) {
        // The parent shows through where the window was.
        Window* p = w->FParent;
        Region old(oldRect.Offset(p->FClient.Left, p->FClient.Top));
        if (visible) old.Subtract(w->FRect.Offset(p->FClient.Left, p->FClient.Top));
        pm.Invalidate(p, old, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    if (!w->FParent) ws->Paint().SizeBacking(w);
}

// The z-order part of SetWindowPos: the windows whose place changed, w first when it moved.
static std::vector<Window*> Restack(Window* w, const WINDOWPOS& wp) {
    std::vector<Window*> moved;
    if (wp.flags & SWP_NOZORDER) return moved;
    if (WindowTree::Link(w, wp.hwndInsertAfter)) moved.push_back(w);
    if (w->FParent) return moved;
    // Owned windows leave the top-most band with their owner, and always stay above it.
    if (wp.hwndInsertAfter == HWND_NOTOPMOST) WindowTree::DropOwnedFromTopMost(w);
    for (Window* o : WindowTree::KeepOwnedAbove(w)) moved.push_back(o);
    if (!moved.empty() && moved.front() != w) moved.insert(moved.begin(), w);
    return moved;
}

static bool ApplyPosition(Window* w, WINDOWPOS& wp) {
    TRect newRect = Bounds(wp.x, wp.y, wp.cx, wp.cy);
    bool sized = newRect.Size() != w->FRect.Size();
    if (sized || (wp.flags & SWP_FRAMECHANGED) || newRect != w->FRect) {
        NCCALCSIZE_PARAMS params;
        params.rgrc[0] = newRect;
        params.rgrc[1] = w->FRect;
        params.rgrc[2] = w->FClient.Offset(w->FRect.Left, w->FRect.Top);
        params.lppos = &wp;
        HWND h = w->FHandle;
        w->FRect = newRect;
        SendMessage(h, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
        if (!(w = WindowSystem::Current()->Find(h))) return sized;
        TRect c = params.rgrc[0].Offset(-w->FRect.Left, -w->FRect.Top);
        c.Right = std::max(c.Left, c.Right);
        c.Bottom = std::max(c.Top, c.Bottom);
        w->FClient = c;
    }
    return sized;
}

BOOL WindowPlacement::SetPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    WindowSystem* ws = WindowSystem::Current();
    Window* w = ws ? ws->Find(hwnd) : nullptr;
    if (!w) return FALSE;
    WINDOWPOS wp{hwnd, insertAfter, x, y, std::max(0, cx), std::max(0, cy), flags};
    if (flags & SWP_NOMOVE) wp.x = w->FRect.Left, wp.y = w->FRect.Top;
    if (flags & SWP_NOSIZE) wp.cx = w->FRect.Width(), wp.cy = w->FRect.Height();
    if (!(flags & SWP_NOSENDCHANGING)) {
        SendMessage(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
        if (!(w = ws->Find(hwnd))) return FALSE;
        // A handler may forbid the move or the size by adding the flag.
        if (wp.flags & SWP_NOMOVE) wp.x = w->FRect.Left, wp.y = w->FRect.Top;
        if (wp.flags & SWP_NOSIZE) wp.cx = w->FRect.Width(), wp.cy = w->FRect.Height();
        wp.cx = std::max(0, wp.cx);
        wp.cy = std::max(0, wp.cy);
    }
    TRect oldRect = w->FRect;
    bool wasVisible = (w->FStyle & WS_VISIBLE) != 0;
    bool sized = ApplyPosition(w, wp);
    if (!(w = ws->Find(hwnd))) return FALSE;
    std::vector<Window*> restacked = Restack(w, wp);
    bool zChanged = !restacked.empty();
    if (wp.flags & SWP_SHOWWINDOW) w->FStyle |= WS_VISIBLE;
    if (wp.flags & SWP_HIDEWINDOW) w->FStyle &= ~WS_VISIBLE;
    bool visible = (w->FStyle & WS_VISIBLE) != 0;
    bool moved = oldRect.TopLeft() != w->FRect.TopLeft();
    if (!(wp.flags & SWP_NOREDRAW) || (visible != wasVisible))
        RepaintUncovered(hwnd, oldRect, sized || (wp.flags & SWP_FRAMECHANGED), wasVisible);
    if (zChanged && w->FParent && visible) ws->Paint().Invalidate(w, Region(w->WindowBounds()), RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    if (!w->FParent) {
        ws->Paint().SizeBacking(w);
        if (visible != wasVisible) ws->NotifyTopLevel(w, visible ? TTopLevelChange::tcShown : TTopLevelChange::tcHidden);
        if (moved || sized) ws->NotifyTopLevel(w, TTopLevelChange::tcBounds);
        for (Window* r : restacked) ws->NotifyTopLevel(r, TTopLevelChange::tcZOrder);
    }
    WINDOWPOS done = wp;
    done.x = w->FRect.Left;
    done.y = w->FRect.Top;
    done.cx = w->FRect.Width();
    done.cy = w->FRect.Height();
    if (!moved) done.flags |= SWP_NOMOVE;
    if (!sized) done.flags |= SWP_NOSIZE;
    SendMessage(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&done));
    if (!(w = ws->Find(hwnd))) return TRUE;
    FocusManager& focus = ws->Focus();
    if (!w->FParent) {
        if (wasVisible && !visible) focus.WindowGone(hwnd);
        else if (visible && !(wp.flags & SWP_NOACTIVATE) && !(w->FExStyle & WS_EX_NOACTIVATE)) focus.Activate(hwnd, WA_ACTIVE);
    } else if (wasVisible && !visible) {
        focus.ChildHidden(hwnd);
    }
    return TRUE;
}

void WindowPlacement::Minimize(HWND hwnd, bool activate) {
    WindowSystem* ws = WindowSystem::Current();
    Window* w = ws->Find(hwnd);
    if (!w || (w->FStyle & WS_MINIMIZE)) return;
    if (!(w->FStyle & WS_MAXIMIZE)) w->FRestoreRect = w->FRect;
    w->FStyle |= WS_MINIMIZE | WS_VISIBLE;
    ws->NotifyTopLevel(w, TTopLevelChange::tcMinimized);
    HideOwned(hwnd);
    if (!ws->Find(hwnd)) return;
    if (!w->FParent) ws->Focus().WindowGone(hwnd);
    (void)activate;
    SendMessage(hwnd, WM_SIZE, SIZE_MINIMIZED, 0);
}

void WindowPlacement::HideOwned(HWND owner) {
    WindowSystem* ws = WindowSystem::Current();
    Window* o = ws->Find(owner);
    if (!o || o->FParent) return;
    std::vector<HWND> owned;
    for (Window* t : WindowTree::OwnedBy(o))
        if (t->FStyle & WS_VISIBLE) owned.push_back(t->FHandle);
    for (HWND h : owned) {
        SendMessage(h, WM_SHOWWINDOW, FALSE, SW_PARENTCLOSING);
        Window* t = ws->Find(h);
        if (t && !(t->FStyle & WS_VISIBLE)) t->FHiddenWithOwner = true;
    }
}

void WindowPlacement::ShowOwned(HWND owner) {
    WindowSystem* ws = WindowSystem::Current();
    Window* o = ws->Find(owner);
    if (!o || o->FParent) return;
    std::vector<HWND> owned;
    for (Window* t : WindowTree::OwnedBy(o))
        if (t->FHiddenWithOwner) owned.push_back(t->FHandle);
    for (HWND h : owned) {
        Window* t = ws->Find(h);
        if (!t) continue;
        t->FHiddenWithOwner = false;
        if (!(t->FStyle & WS_VISIBLE)) SendMessage(h, WM_SHOWWINDOW, TRUE, SW_PARENTOPENING);
    }
}

void WindowPlacement::Maximize(HWND hwnd) {
    WindowSystem* ws = WindowSystem::Current();
    Window* w = ws->Find(hwnd);
    if (!w) return;
    if (!(w->FStyle & (WS_MAXIMIZE | WS_MINIMIZE))) w->FRestoreRect = w->FRect;
    MINMAXINFO mmi = MinMaxInfo(hwnd);
    if (!(w = ws->Find(hwnd))) return;
    bool wasMinimized = (w->FStyle & WS_MINIMIZE) != 0;
    w->FStyle = (w->FStyle & ~WS_MINIMIZE) | WS_MAXIMIZE;
    if (wasMinimized) ws->NotifyTopLevel(w, TTopLevelChange::tcRestored);
    SetPos(hwnd, HWND_TOP, mmi.ptMaxPosition.X, mmi.ptMaxPosition.Y, mmi.ptMaxSize.X, mmi.ptMaxSize.Y,
           SWP_FRAMECHANGED | SWP_SHOWWINDOW);
    if (wasMinimized) ShowOwned(hwnd);
}

void WindowPlacement::Restore(HWND hwnd) {
    WindowSystem* ws = WindowSystem::Current();
    Window* w = ws->Find(hwnd);
    if (!w) return;
    if (w->FStyle & WS_MINIMIZE) {
        w->FStyle &= ~WS_MINIMIZE;
        ws->NotifyTopLevel(w, TTopLevelChange::tcRestored);
        ws->Paint().Invalidate(w, Region(w->WindowBounds()), RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        if (w->FStyle & WS_MAXIMIZE) {
            SetPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
            if ((w = ws->Find(hwnd))) SendMessage(hwnd, WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(w->FClient.Width(), w->FClient.Height()));
            ShowOwned(hwnd);
            return;
        }
        w->FStyle &= ~WS_MAXIMIZE;
        TRect r = w->FRestoreRect;
        SetPos(hwnd, HWND_TOP, r.Left, r.Top, r.Width(), r.Height(), SWP_FRAMECHANGED | SWP_SHOWWINDOW);
        ShowOwned(hwnd);
        return;
    } else if (!(w->FStyle & WS_MAXIMIZE)) {
        SetPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        return;
    }
    w->FStyle &= ~WS_MAXIMIZE;
    TRect r = w->FRestoreRect;
    SetPos(hwnd, HWND_TOP, r.Left, r.Top, r.Width(), r.Height(), SWP_FRAMECHANGED | SWP_SHOWWINDOW);
}

BOOL WindowPlacement::Show(HWND hwnd, int cmd) {
    WindowSystem* ws = WindowSystem::Current();
    Window* w = ws ? ws->Find(hwnd) : nullptr;
    if (!w) return FALSE;
    BOOL wasVisible = (w->FStyle & WS_VISIBLE) ? TRUE : FALSE;
    bool child = w->FParent != nullptr;
    UINT noActivate = child ? SWP_NOACTIVATE : 0;
    switch (cmd) {
    case SW_HIDE:
        if (!wasVisible) return FALSE;
        SendMessage(hwnd, WM_SHOWWINDOW, FALSE, 0);
        SetPos(hwnd, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return wasVisible;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
    case SW_FORCEMINIMIZE:
        if (!wasVisible) SendMessage(hwnd, WM_SHOWWINDOW, TRUE, 0);
        Minimize(hwnd, cmd == SW_SHOWMINIMIZED);
        return wasVisible;
    case SW_SHOWMAXIMIZED:
        if (!wasVisible) SendMessage(hwnd, WM_SHOWWINDOW, TRUE, 0);
        Maximize(hwnd);
        return wasVisible;
    case SW_RESTORE:
    case SW_SHOWNORMAL:
    case SW_SHOWDEFAULT:
        if (!wasVisible) SendMessage(hwnd, WM_SHOWWINDOW, TRUE, 0);
        if ((w = ws->Find(hwnd)) && (w->FStyle & (WS_MINIMIZE | WS_MAXIMIZE)))
            Restore(hwnd);
        else
            SetPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE | noActivate | (child ? SWP_NOZORDER : 0));
        return wasVisible;
    default: { // SW_SHOW, SW_SHOWNA, SW_SHOWNOACTIVATE
        UINT flags = SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE | noActivate;
        if (cmd == SW_SHOWNA || cmd == SW_SHOWNOACTIVATE) flags |= SWP_NOACTIVATE;
        if (child || cmd == SW_SHOWNA) flags |= SWP_NOZORDER;
        if (wasVisible && !(w->FStyle & WS_MINIMIZE)) {
            if (!(flags & SWP_NOACTIVATE)) SetPos(hwnd, HWND_TOP, 0, 0, 0, 0, flags);
            return wasVisible;
        }
        if (!wasVisible) SendMessage(hwnd, WM_SHOWWINDOW, TRUE, 0);
        if ((w = ws->Find(hwnd)) && (w->FStyle & WS_MINIMIZE)) {
            Restore(hwnd);
            return wasVisible;
        }
        SetPos(hwnd, HWND_TOP, 0, 0, 0, 0, flags);
        return wasVisible;
    }
    }
}
