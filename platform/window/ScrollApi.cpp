// Scroll-bar functions: a window's own bars kept in its record, controls reached by message.
#include "platform/window/ScrollApi.h"
#include "platform/window/MessageApi.h"
#include "platform/window/ScrollTracker.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowSystem.h"

namespace {
Window* Lookup(HWND hwnd) {
    WindowSystem* ws = WindowSystem::Current();
    return ws ? ws->Find(hwnd) : nullptr;
}

ScrollBarState* OwnBar(HWND hwnd, int bar) {
    Window* w = Lookup(hwnd);
    if (!w || (bar != SB_HORZ && bar != SB_VERT)) return nullptr;
    return &w->FScrollBars[bar];
}

DWORD StyleOf(int bar) { return bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL; }
}

int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw) {
    if (!info) return 0;
    if (bar == SB_CTL) return static_cast<int>(SendMessage(hwnd, SBM_SETSCROLLINFO, static_cast<WPARAM>(redraw), reinterpret_cast<LPARAM>(info)));
    ScrollBarState* s = OwnBar(hwnd, bar);
    if (!s) return 0;
    int oldMin = s->Min(), oldMax = s->Max(), oldPage = s->Page();
    bool changed = s->Set(*info);
    bool shapeChanged = s->Min() != oldMin || s->Max() != oldMax || s->Page() != oldPage;
    int pos = s->Pos();
    if (info->fMask & SIF_DISABLENOSCROLL) {
        changed |= s->SetDisabledArrows(s->Scrollable() ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
        if (s->Scrollable() && shapeChanged) ShowScrollBar(hwnd, bar, TRUE);
    } else if (shapeChanged) {
        ShowScrollBar(hwnd, bar, s->Scrollable());
    }
    if (redraw && changed) ScrollTracker::Redraw(hwnd, bar);
    return pos;
}

BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info) {
    if (!info) return FALSE;
    if (bar == SB_CTL) return static_cast<BOOL>(SendMessage(hwnd, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(info)));
    ScrollBarState* s = OwnBar(hwnd, bar);
    if (!s) return FALSE;
    s->Get(info);
    return TRUE;
}

int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw) {
    if (bar == SB_CTL) return static_cast<int>(SendMessage(hwnd, SBM_SETPOS, static_cast<WPARAM>(pos), redraw));
    int old = GetScrollPos(hwnd, bar);
    SCROLLINFO si;
    si.fMask = SIF_POS;
    si.nPos = pos;
    SetScrollInfo(hwnd, bar, &si, redraw);
    return old;
}

int GetScrollPos(HWND hwnd, int bar) {
    if (bar == SB_CTL) return static_cast<int>(SendMessage(hwnd, SBM_GETPOS, 0, 0));
    ScrollBarState* s = OwnBar(hwnd, bar);
    return s ? s->Pos() : 0;
}

BOOL SetScrollRange(HWND hwnd, int bar, int min, int max, BOOL redraw) {
    if (bar == SB_CTL) {
        SendMessage(hwnd, redraw ? SBM_SETRANGEREDRAW : SBM_SETRANGE, static_cast<WPARAM>(min), max);
        return IsWindow(hwnd);
    }
    if (!OwnBar(hwnd, bar)) return FALSE;
    SCROLLINFO si;
    si.fMask = SIF_RANGE;
    si.nMin = min;
    si.nMax = max;
    SetScrollInfo(hwnd, bar, &si, redraw);
    return TRUE;
}

BOOL GetScrollRange(HWND hwnd, int bar, int* min, int* max) {
    if (!min || !max) return FALSE;
    if (bar == SB_CTL) {
        SendMessage(hwnd, SBM_GETRANGE, reinterpret_cast<WPARAM>(min), reinterpret_cast<LPARAM>(max));
        return IsWindow(hwnd);
    }
    ScrollBarState* s = OwnBar(hwnd, bar);
    if (!s) return FALSE;
    *min = s->Min();
    *max = s->Max();
    return TRUE;
}

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show) {
    if (bar == SB_CTL) return ShowWindow(hwnd, show ? SW_SHOW : SW_HIDE), IsWindow(hwnd);
    Window* w = Lookup(hwnd);
    if (!w || bar < SB_HORZ || bar > SB_BOTH || bar == SB_CTL) return FALSE;
    DWORD bits = bar == SB_BOTH ? (WS_HSCROLL | WS_VSCROLL) : StyleOf(bar);
    DWORD style = show ? (w->FStyle | bits) : (w->FStyle & ~bits);
    if (style == w->FStyle) return TRUE;
    // The bars are part of the frame: the style changes quietly and the frame is laid out again.
    w->FStyle = style;
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return TRUE;
}

BOOL EnableScrollBar(HWND hwnd, int bar, UINT arrows) {
    if (bar == SB_CTL) return static_cast<BOOL>(SendMessage(hwnd, SBM_ENABLE_ARROWS, arrows, 0));
    bool any = false;
    for (int b : {SB_HORZ, SB_VERT}) {
        if (bar != b && bar != SB_BOTH) continue;
        ScrollBarState* s = OwnBar(hwnd, b);
        if (!s) return FALSE;
        if (s->SetDisabledArrows(arrows)) {
            any = true;
            ScrollTracker::Redraw(hwnd, b);
        }
    }
    return any ? TRUE : FALSE;
}
