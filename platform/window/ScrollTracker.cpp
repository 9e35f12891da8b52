// The scroll-bar tracking loop.
#include "platform/window/ScrollTracker.h"
#include "platform/window/InputApi.h"
#include "platform/window/MessageApi.h"
#include "platform/window/NonClientFrame.h"
#include "platform/window/PaintApi.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowSystem.h"

namespace {
Window* Lookup(HWND hwnd) {
    WindowSystem* ws = WindowSystem::Current();
    return ws ? ws->Find(hwnd) : nullptr;
}

// What the loop needs between messages.
struct TTrack {
    HWND Hwnd;
    int Bar;
    ScrollBarState& State;
    TScrollPart Part;
    int GrabOffset = 0;    // pointer position inside the thumb when it was grabbed
    bool Over = true;      // the pointer is over the pressed part
};

bool NextMessage(MSG& msg) {
    if (!GetMessage(&msg, nullptr, 0, 0)) {
        if (WindowSystem::Current()) PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
    }
    return true;
}
}

bool ScrollTracker::Vertical(HWND hwnd, int bar) {
    if (bar != SB_CTL) return bar == SB_VERT;
    return (GetWindowLongPtr(hwnd, GWL_STYLE) & SBS_VERT) != 0;
}

TRect ScrollTracker::BarRect(HWND hwnd, int bar) {
    if (bar == SB_CTL) {
        TRect r;
        GetClientRect(hwnd, &r);
        return r;
    }
    Window* w = Lookup(hwnd);
    if (!w) return {};
    TFrameLayout l = NonClientFrame::Layout(w, w->FRect.Width(), w->FRect.Height());
    return bar == SB_VERT ? l.VScroll : l.HScroll;
}

void ScrollTracker::Redraw(HWND hwnd, int bar) {
    if (bar == SB_CTL) {
        InvalidateRect(hwnd, nullptr, FALSE);
        return;
    }
    Window* w = Lookup(hwnd);
    TRect r = BarRect(hwnd, bar);
    if (!w || r.IsEmpty()) return;
    r = r.Offset(-w->FClient.Left, -w->FClient.Top);
    RedrawWindow(hwnd, &r, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
}

void ScrollTracker::Notify(HWND hwnd, int bar, int code, int pos) {
    UINT msg = Vertical(hwnd, bar) ? WM_VSCROLL : WM_HSCROLL;
    WPARAM w = MAKEWPARAM(code, pos);
    if (bar != SB_CTL) {
        SendMessage(hwnd, msg, w, 0);
    } else if (HWND parent = GetParent(hwnd)) {
        SendMessage(parent, msg, w, reinterpret_cast<LPARAM>(hwnd));
    }
}

TPoint ScrollTracker::ToBar(HWND hwnd, int bar, TPoint screen) {
    if (bar == SB_CTL) {
        ScreenToClient(hwnd, &screen);
        return screen;
    }
    TRect wr;
    GetWindowRect(hwnd, &wr);
    return {screen.X - wr.Left, screen.Y - wr.Top};
}

int ScrollTracker::RequestFor(TScrollPart part) {
    switch (part) {
    case TScrollPart::spLineUp: return SB_LINEUP;
    case TScrollPart::spLineDown: return SB_LINEDOWN;
    case TScrollPart::spPageUp: return SB_PAGEUP;
    case TScrollPart::spPageDown: return SB_PAGEDOWN;
    default: return SB_ENDSCROLL;
    }
}

void ScrollTracker::Track(HWND hwnd, int bar, ScrollBarState& state, TPoint screen) {
    bool vertical = Vertical(hwnd, bar);
    auto layout = [&] { return ScrollBarLayout::Compute(BarRect(hwnd, bar), vertical, state, IsWindowEnabled(hwnd) != FALSE); };
    TPoint pt = ToBar(hwnd, bar, screen);
    TScrollLayout l = layout();
    TTrack t{hwnd, bar, state, ScrollBarLayout::HitTest(l, state, pt)};
    if (t.Part == TScrollPart::spNone) return;
    auto along = [&](TPoint p) { return vertical ? p.Y : p.X; };
    state.SetPressed(t.Part);
    if (t.Part == TScrollPart::spThumb) {
        t.GrabOffset = along(pt) - (vertical ? l.Thumb.Top : l.Thumb.Left);
        state.BeginTrack();
    } else {
        Notify(hwnd, bar, RequestFor(t.Part), 0);
        SetTimer(hwnd, kRepeatTimer, kFirstDelay);
    }
    Redraw(hwnd, bar);
    SetCapture(hwnd);
    MSG msg;
    while (IsWindow(hwnd) && GetCapture() == hwnd && NextMessage(msg)) {
        bool move = msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP;
        if (move) {
            TPoint cursor;
            GetCursorPos(&cursor);
            pt = ToBar(hwnd, bar, cursor);
            l = layout();
            if (t.Part == TScrollPart::spThumb) {
                int pos = ScrollBarLayout::PosFromThumb(l, state, along(pt) - t.GrabOffset - l.TroughStart);
                if (pos != state.TrackPos()) {
                    state.SetTrackPos(pos);
                    Redraw(hwnd, bar);
                    Notify(hwnd, bar, SB_THUMBTRACK, pos);
                }
            } else {
                bool over = ScrollBarLayout::HitTest(l, state, pt) == t.Part;
                if (over != t.Over) {
                    t.Over = over;
                    state.SetPressed(over ? t.Part : TScrollPart::spNone);
                    Redraw(hwnd, bar);
                }
            }
            if (msg.message == WM_LBUTTONUP) break;
            continue;
        }
        if (msg.message == WM_TIMER && msg.hwnd == hwnd && msg.wParam == kRepeatTimer) {
            // A page step repeats only while the thumb has not yet reached the pointer.
            l = layout();
            t.Over = ScrollBarLayout::HitTest(l, state, pt) == t.Part;
            state.SetPressed(t.Over ? t.Part : TScrollPart::spNone);
            if (t.Over) Notify(hwnd, bar, RequestFor(t.Part), 0);
            if (IsWindow(hwnd)) SetTimer(hwnd, kRepeatTimer, kRepeatDelay);
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    if (!IsWindow(hwnd)) return;
    KillTimer(hwnd, kRepeatTimer);
    if (GetCapture() == hwnd) ReleaseCapture();
    state.SetPressed(TScrollPart::spNone);
    if (t.Part == TScrollPart::spThumb) {
        int pos = state.TrackPos();
        Notify(hwnd, bar, SB_THUMBPOSITION, pos);
        state.EndTrack();
    }
    if (IsWindow(hwnd)) Notify(hwnd, bar, SB_ENDSCROLL, 0);
    if (IsWindow(hwnd)) Redraw(hwnd, bar);
}
