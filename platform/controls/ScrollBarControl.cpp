// The "ScrollBar" window class.
#include "platform/controls/ScrollBarControl.h"

#include "platform/controls/ControlInstance.h"
#include "platform/controls/PaintClient.h"
#include "platform/window/ClassicStyle.h"
#include "platform/window/ScrollBarPainter.h"
#include "platform/window/ScrollTracker.h"
#include "platform/window/Win.h"

void ScrollBarControl::Register() {
    WNDCLASS wc;
    wc.lpszClassName = kClassName;
    wc.style = CS_DBLCLKS | CS_PARENTDC;
    wc.lpfnWndProc = &ControlInstance<ScrollBarControl>::Procedure;
    RegisterClass(wc);
}

LRESULT ScrollBarControl::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: return OnPaint();
    case WM_PRINTCLIENT:
        if (wParam) Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND: return 1; // WM_PAINT covers every pixel
    case WM_ENABLE:
    case WM_SIZE:
    case WM_STYLECHANGED: Changed(true, true); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnMouseDown(lParam);
    case WM_KEYDOWN: return OnKeyDown(wParam);
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case SBM_SETPOS: return SetPos(static_cast<int>(wParam), lParam != 0);
    case SBM_GETPOS: return FState.Pos();
    case SBM_SETRANGE: return SetRange(static_cast<int>(wParam), static_cast<int>(lParam), false);
    case SBM_SETRANGEREDRAW: return SetRange(static_cast<int>(wParam), static_cast<int>(lParam), true);
    case SBM_GETRANGE: return GetRange(reinterpret_cast<int*>(wParam), reinterpret_cast<int*>(lParam));
    case SBM_ENABLE_ARROWS: return EnableArrows(static_cast<UINT>(wParam));
    case SBM_SETSCROLLINFO: return SetInfo(reinterpret_cast<const SCROLLINFO*>(lParam), wParam != 0);
    case SBM_GETSCROLLINFO: return GetInfo(reinterpret_cast<SCROLLINFO*>(lParam));
    default: return DefWindowProc(FHwnd, msg, wParam, lParam);
    }
}

void ScrollBarControl::Paint(HDC dc) {
    TRect client;
    GetClientRect(FHwnd, &client);
    DWORD style = static_cast<DWORD>(GetWindowLongPtr(FHwnd, GWL_STYLE));
    if (style & (SBS_SIZEBOX | SBS_SIZEGRIP)) {
        ClassicStyle::DrawFrameControl(dc, &client, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
        return;
    }
    bool vertical = (style & SBS_VERT) != 0;
    ScrollBarPainter::Paint(dc, ScrollBarLayout::Compute(client, vertical, FState, IsWindowEnabled(FHwnd) != FALSE), FState);
}

void ScrollBarControl::Changed(bool changed, bool redraw) {
    if (changed && redraw) InvalidateRect(FHwnd, nullptr, FALSE);
}

LRESULT ScrollBarControl::OnPaint() {
    return PaintClient(FHwnd, nullptr, [this](HDC dc) { Paint(dc); });
}

LRESULT ScrollBarControl::OnMouseDown(LPARAM lParam) {
    if ((GetWindowLongPtr(FHwnd, GWL_STYLE) & WS_TABSTOP) && GetFocus() != FHwnd) SetFocus(FHwnd);
    if (!IsWindow(FHwnd)) return 0;
    TPoint screen = LParamToPoint(lParam);
    ClientToScreen(FHwnd, &screen);
    ScrollTracker::Track(FHwnd, SB_CTL, FState, screen);
    return 0;
}

LRESULT ScrollBarControl::OnKeyDown(WPARAM key) {
    bool vertical = (GetWindowLongPtr(FHwnd, GWL_STYLE) & SBS_VERT) != 0;
    int code = -1;
    switch (key) {
    case VK_UP: code = vertical ? SB_LINEUP : -1; break;
    case VK_DOWN: code = vertical ? SB_LINEDOWN : -1; break;
    case VK_LEFT: code = vertical ? -1 : SB_LINELEFT; break;
    case VK_RIGHT: code = vertical ? -1 : SB_LINERIGHT; break;
    case VK_PRIOR: code = SB_PAGEUP; break;
    case VK_NEXT: code = SB_PAGEDOWN; break;
    case VK_HOME: code = SB_TOP; break;
    case VK_END: code = SB_BOTTOM; break;
    default: break;
    }
    if (code < 0 || !IsWindowEnabled(FHwnd)) return 0;
    ScrollTracker::Notify(FHwnd, SB_CTL, code, 0);
    if (IsWindow(FHwnd)) ScrollTracker::Notify(FHwnd, SB_CTL, SB_ENDSCROLL, 0);
    return 0;
}

LRESULT ScrollBarControl::SetPos(int pos, bool redraw) {
    int old = FState.Pos();
    SCROLLINFO si;
    si.fMask = SIF_POS;
    si.nPos = pos;
    Changed(FState.Set(si), redraw);
    return old;
}

LRESULT ScrollBarControl::SetRange(int min, int max, bool redraw) {
    int old = FState.Pos();
    SCROLLINFO si;
    si.fMask = SIF_RANGE;
    si.nMin = min;
    si.nMax = max;
    Changed(FState.Set(si), redraw);
    return old;
}

LRESULT ScrollBarControl::GetRange(int* min, int* max) const {
    if (min) *min = FState.Min();
    if (max) *max = FState.Max();
    return 0;
}

LRESULT ScrollBarControl::SetInfo(const SCROLLINFO* info, bool redraw) {
    if (!info) return FState.Pos();
    Changed(FState.Set(*info), redraw);
    return FState.Pos();
}

LRESULT ScrollBarControl::GetInfo(SCROLLINFO* info) const {
    if (!info) return FALSE;
    FState.Get(info);
    return TRUE;
}

LRESULT ScrollBarControl::EnableArrows(UINT arrows) {
    bool changed = FState.SetDisabledArrows(arrows);
    Changed(changed, true);
    return changed ? TRUE : FALSE;
}
