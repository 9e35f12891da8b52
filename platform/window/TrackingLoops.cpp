// Move/size and caption-button loops.
#include "platform/window/TrackingLoops.h"
#include "platform/window/InputApi.h"
#include "platform/window/MessageApi.h"
#include "platform/window/NonClientFrame.h"
#include "platform/window/PaintApi.h"
#include "platform/window/SystemApi.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowPlacement.h"
#include "platform/window/WindowSystem.h"

#include <algorithm>

namespace {
int SizingEdge(int ht) {
    switch (ht) {
    case HTLEFT: return WMSZ_LEFT;
    case HTRIGHT: return WMSZ_RIGHT;
    case HTTOP: return WMSZ_TOP;
    case HTTOPLEFT: return WMSZ_TOPLEFT;
    case HTTOPRIGHT: return WMSZ_TOPRIGHT;
    case HTBOTTOM: return WMSZ_BOTTOM;
    case HTBOTTOMLEFT: return WMSZ_BOTTOMLEFT;
    case HTBOTTOMRIGHT: return WMSZ_BOTTOMRIGHT;
    default: return 0;
    }
}

// The rectangle (screen) after dragging by (dx, dy), kept within the tracking sizes.
TRect Dragged(const TRect& start, int ht, int dx, int dy, const MINMAXINFO& mmi) {
    if (ht == HTCAPTION) return start.Offset(dx, dy);
    TRect r = start;
    bool left = ht == HTLEFT || ht == HTTOPLEFT || ht == HTBOTTOMLEFT;
    bool right = ht == HTRIGHT || ht == HTTOPRIGHT || ht == HTBOTTOMRIGHT;
    bool top = ht == HTTOP || ht == HTTOPLEFT || ht == HTTOPRIGHT;
    bool bottom = ht == HTBOTTOM || ht == HTBOTTOMLEFT || ht == HTBOTTOMRIGHT;
    auto clampW = [&](int w) { return std::clamp(w, mmi.ptMinTrackSize.X, std::max(mmi.ptMinTrackSize.X, mmi.ptMaxTrackSize.X)); };
    auto clampH = [&](int h) { return std::clamp(h, mmi.ptMinTrackSize.Y, std::max(mmi.ptMinTrackSize.Y, mmi.ptMaxTrackSize.Y)); };
    if (left) r.Left = r.Right - clampW(start.Width() - dx);
    if (right) r.Right = r.Left + clampW(start.Width() + dx);
    if (top) r.Top = r.Bottom - clampH(start.Height() - dy);
    if (bottom) r.Bottom = r.Top + clampH(start.Height() + dy);
    return r;
}

void MoveTo(HWND hwnd, const TRect& screenRect) {
    TRect r = screenRect;
    if (HWND parent = GetAncestor(hwnd, GA_PARENT)) MapWindowRect(nullptr, parent, &r);
    SetWindowPos(hwnd, nullptr, r.Left, r.Top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

// Takes the next message for the loop; false when the loop must end (WM_QUIT is posted again).
bool NextMessage(MSG& msg) {
    if (!GetMessage(&msg, nullptr, 0, 0)) {
        if (WindowSystem::Current()) PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
    }
    return true;
}
}

void TrackingLoops::SizeMove(HWND hwnd, int ht, TPoint startScreen) {
    if (!IsWindow(hwnd)) return;
    TRect start;
    GetWindowRect(hwnd, &start);
    MINMAXINFO mmi = WindowPlacement::MinMaxInfo(hwnd);
    SendMessage(hwnd, WM_ENTERSIZEMOVE, 0, 0);
    SetCapture(hwnd);
    MSG msg;
    while (IsWindow(hwnd) && GetCapture() == hwnd && NextMessage(msg)) {
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP) {
            TPoint p;
            GetCursorPos(&p);
            TRect r = Dragged(start, ht, p.X - startScreen.X, p.Y - startScreen.Y, mmi);
            if (ht == HTCAPTION) SendMessage(hwnd, WM_MOVING, 0, reinterpret_cast<LPARAM>(&r));
            else SendMessage(hwnd, WM_SIZING, static_cast<WPARAM>(SizingEdge(ht)), reinterpret_cast<LPARAM>(&r));
            if (IsWindow(hwnd)) MoveTo(hwnd, r);
            if (msg.message == WM_LBUTTONUP) break;
            continue;
        }
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
            MoveTo(hwnd, start);
            break;
        }
        if (msg.message == WM_LBUTTONDOWN || msg.message == WM_RBUTTONDOWN) continue;
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    if (GetCapture() == hwnd) ReleaseCapture();
    if (IsWindow(hwnd)) SendMessage(hwnd, WM_EXITSIZEMOVE, 0, 0);
}

namespace {
// The sides being sized from the keyboard; the first arrow picks one, an arrow across adds the other.
struct TKeyEdges {
    int Horz = 0; // HTLEFT, HTRIGHT or 0
    int Vert = 0; // HTTOP, HTBOTTOM or 0

    int HitCode() const {
        if (Horz && Vert) return Vert == HTTOP ? (Horz == HTLEFT ? HTTOPLEFT : HTTOPRIGHT) : (Horz == HTLEFT ? HTBOTTOMLEFT : HTBOTTOMRIGHT);
        return Horz ? Horz : Vert;
    }
    // Where the pointer sits while these sides are dragged (screen).
    TPoint Anchor(const TRect& r) const {
        int x = Horz == HTLEFT ? r.Left : Horz == HTRIGHT ? r.Right - 1 : (r.Left + r.Right) / 2;
        int y = Vert == HTTOP ? r.Top : Vert == HTBOTTOM ? r.Bottom - 1 : (r.Top + r.Bottom) / 2;
        return {x, y};
    }
    // True when the arrow chose a side not chosen before.
    bool Choose(UINT vk) {
        bool horz = vk == VK_LEFT || vk == VK_RIGHT;
        int& side = horz ? Horz : Vert;
        if (side) return false;
        side = vk == VK_LEFT ? HTLEFT : vk == VK_RIGHT ? HTRIGHT : vk == VK_UP ? HTTOP : HTBOTTOM;
        return true;
    }
};

bool IsArrow(WPARAM vk) { return vk == VK_LEFT || vk == VK_RIGHT || vk == VK_UP || vk == VK_DOWN; }
}

void TrackingLoops::KeyboardSizeMove(HWND hwnd, bool size) {
    if (!IsWindow(hwnd)) return;
    TRect original;
    GetWindowRect(hwnd, &original);
    TRect start = original;
    MINMAXINFO mmi = WindowPlacement::MinMaxInfo(hwnd);
    TKeyEdges edges;
    int ht = size ? 0 : HTCAPTION;
    TPoint anchor{(start.Left + start.Right) / 2, start.Top + GetSystemMetrics(SM_CYCAPTION) / 2};
    if (!size) SetCursorPos(anchor.X, anchor.Y);
    SendMessage(hwnd, WM_ENTERSIZEMOVE, 0, 0);
    SetCapture(hwnd);
    auto follow = [&] {
        TPoint p;
        GetCursorPos(&p);
        TRect r = Dragged(start, ht, p.X - anchor.X, p.Y - anchor.Y, mmi);
        if (ht == HTCAPTION) SendMessage(hwnd, WM_MOVING, 0, reinterpret_cast<LPARAM>(&r));
        else SendMessage(hwnd, WM_SIZING, static_cast<WPARAM>(SizingEdge(ht)), reinterpret_cast<LPARAM>(&r));
        if (IsWindow(hwnd)) MoveTo(hwnd, r);
    };
    MSG msg;
    while (IsWindow(hwnd) && GetCapture() == hwnd && NextMessage(msg)) {
        bool key = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
        if (key && msg.wParam == VK_RETURN) break;
        if (key && msg.wParam == VK_ESCAPE) {
            MoveTo(hwnd, original);
            break;
        }
        if (key && IsArrow(msg.wParam)) {
            UINT vk = static_cast<UINT>(msg.wParam);
            TPoint p;
            GetCursorPos(&p);
            if (size && edges.Choose(vk)) {
                // A new side: measure from where the window is now, with the pointer on that side.
                GetWindowRect(hwnd, &start);
                ht = edges.HitCode();
                anchor = edges.Anchor(start);
                SetCursorPos(anchor.X, anchor.Y);
                continue;
            }
            if (!ht) continue;
            int step = (GetKeyState(VK_CONTROL) & 0x8000) ? 1 : 8;
            p.X += vk == VK_LEFT ? -step : vk == VK_RIGHT ? step : 0;
            p.Y += vk == VK_UP ? -step : vk == VK_DOWN ? step : 0;
            SetCursorPos(p.X, p.Y);
            follow();
            continue;
        }
        if (key || msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP || msg.message == WM_CHAR) continue;
        if (msg.message == WM_MOUSEMOVE) {
            if (ht) follow();
            continue;
        }
        if (msg.message == WM_LBUTTONDOWN || msg.message == WM_LBUTTONUP) break;
        DispatchMessage(&msg);
    }
    if (GetCapture() == hwnd) ReleaseCapture();
    if (IsWindow(hwnd)) SendMessage(hwnd, WM_EXITSIZEMOVE, 0, 0);
}

static void DrawButtonState(HWND hwnd, int ht, bool pushed) {
    WindowSystem* ws = WindowSystem::Current();
    Window* w = ws ? ws->Find(hwnd) : nullptr;
    if (!w) return;
    HDC dc = GetWindowDC(hwnd);
    NonClientFrame::PaintCaptionButton(w, dc, ht, pushed);
    ReleaseDC(hwnd, dc);
}

bool TrackingLoops::CaptionButton(HWND hwnd, int ht) {
    bool pushed = true;
    DrawButtonState(hwnd, ht, true);
    SetCapture(hwnd);
    MSG msg;
    bool released = false;
    while (IsWindow(hwnd) && GetCapture() == hwnd && NextMessage(msg)) {
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP) {
            TPoint p;
            GetCursorPos(&p);
            int now = static_cast<int>(SendMessage(hwnd, WM_NCHITTEST, 0, PointToLParam(p)));
            bool over = now == ht;
            if (over != pushed) DrawButtonState(hwnd, ht, pushed = over);
            if (msg.message == WM_LBUTTONUP) {
                released = over;
                break;
            }
            continue;
        }
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) break;
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    if (GetCapture() == hwnd) ReleaseCapture();
    if (pushed) DrawButtonState(hwnd, ht, false);
    return released;
}
