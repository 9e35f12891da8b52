// The default window procedure.
#include "platform/window/DefaultWindowProc.h"
#include "platform/window/ClassicStyle.h"
#include "platform/window/FocusManager.h"
#include "platform/window/InputApi.h"
#include "platform/window/MenuHooks.h"
#include "platform/window/MessageApi.h"
#include "platform/window/NonClientFrame.h"
#include "platform/window/PaintApi.h"
#include "platform/window/ScrollTracker.h"
#include "platform/window/TrackingLoops.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowSystem.h"

#include <cstring>

static Window* Lookup(HWND hwnd) {
    WindowSystem* ws = WindowSystem::Current();
    return ws ? ws->Find(hwnd) : nullptr;
}

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!Lookup(hwnd)) return 0;
    return DefaultWindowProc::Handle(hwnd, msg, wParam, lParam);
}

LRESULT DefaultWindowProc::Handle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCCREATE: return TRUE;
    case WM_NCCALCSIZE: return NcCalcSize(hwnd, wParam, lParam);
    case WM_NCHITTEST: return NcHitTest(hwnd, lParam);
    case WM_NCPAINT: return NcPaint(hwnd);
    case WM_NCACTIVATE: return NcActivate(hwnd, wParam);
    case WM_NCLBUTTONDOWN: return NcLButtonDown(hwnd, wParam, lParam);
    case WM_NCLBUTTONDBLCLK: return NcLButtonDblClk(hwnd, wParam, lParam);
    case WM_NCRBUTTONUP:
    case WM_RBUTTONUP:
        return SendMessage(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd),
                           msg == WM_RBUTTONUP ? PointToLParam(GetMessagePos()) : lParam);
    case WM_CONTEXTMENU: return ContextMenu(hwnd, wParam, lParam);
    case WM_SYSCOMMAND: return SysCommand(hwnd, wParam, lParam);
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR: return SysKey(hwnd, msg, wParam, lParam);
    case WM_SETCURSOR: return SetCursor(hwnd, wParam, lParam);
    case WM_MOUSEACTIVATE: return MouseActivate(hwnd, wParam, lParam);
    case WM_MOUSEWHEEL: return PassToParent(hwnd, msg, wParam, lParam);
    case WM_ERASEBKGND: return EraseBackground(hwnd, wParam);
    case WM_PAINT: return Paint(hwnd);
    case WM_PRINT: return Print(hwnd, wParam, lParam);
    case WM_SETTEXT: return SetText(hwnd, lParam);
    case WM_GETTEXT: return GetText(hwnd, lParam);
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(Lookup(hwnd)->FText.size());
    case WM_WINDOWPOSCHANGED: return PosChanged(hwnd, lParam);
    case WM_ACTIVATE: return Activate(hwnd, wParam);
    case WM_SETREDRAW: return SetRedraw(hwnd, wParam);
    case WM_SHOWWINDOW: return ShowWindowMsg(hwnd, wParam, lParam);
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_CANCELMODE:
        if (GetCapture() == hwnd) ReleaseCapture();
        return 0;
    case WM_SETFONT: Lookup(hwnd)->FFont = reinterpret_cast<HFONT>(wParam); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(Lookup(hwnd)->FFont);
    case WM_GETICON: return reinterpret_cast<LRESULT>(Lookup(hwnd)->FIcon);
    case WM_SETICON: {
        Window* w = Lookup(hwnd);
        HICON old = w->FIcon;
        w->FIcon = reinterpret_cast<HICON>(lParam);
        return reinterpret_cast<LRESULT>(old);
    }
    default: return 0;
    }
}

LRESULT DefaultWindowProc::NcCalcSize(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    Window* w = Lookup(hwnd);
    TRect* r = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<TRect*>(lParam);
    if (r) *r = NonClientFrame::CalcClient(w, *r);
    return 0;
}

LRESULT DefaultWindowProc::NcHitTest(HWND hwnd, LPARAM lParam) {
    Window* w = Lookup(hwnd);
    TPoint p = LParamToPoint(lParam);
    TPoint o = w->ScreenOrigin();
    return NonClientFrame::HitTest(w, {p.X - o.X, p.Y - o.Y});
}

LRESULT DefaultWindowProc::NcPaint(HWND hwnd) {
    Window* w = Lookup(hwnd);
    if (!w->IsShowing()) return 0;
    bool active = w->TopLevel()->FNcActive;
    HDC dc = GetWindowDC(hwnd);
    if (!dc) return 0;
    // The client area belongs to WM_PAINT.
    dc->ExcludeClipRect(w->FClient);
    NonClientFrame::Paint(w, dc, active);
    ReleaseDC(hwnd, dc);
    return 0;
}

// The frame alone: the client keeps its pixels, since a client invalidated without erasing would
// have its see-through controls painted over themselves.
static void RedrawFrame(HWND hwnd, const Window* w) {
    Region frame(w->WindowBounds());
    frame.Subtract(Region(w->FClient));
    frame.Offset(-w->FClient.Left, -w->FClient.Top);
    RedrawWindow(hwnd, nullptr, &frame, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
}

LRESULT DefaultWindowProc::NcActivate(HWND hwnd, WPARAM wParam) {
    Window* w = Lookup(hwnd);
    bool active = wParam != 0;
    if (w->FNcActive != active) {
        w->FNcActive = active;
        RedrawFrame(hwnd, w);
    }
    return TRUE;
}

LRESULT DefaultWindowProc::NcLButtonDown(HWND hwnd, WPARAM ht, LPARAM lParam) {
    HWND top = GetAncestor(hwnd, GA_ROOT);
    switch (static_cast<int>(ht)) {
    case HTCAPTION: return SendMessage(top, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, lParam);
    case HTSYSMENU: return SendMessage(top, WM_SYSCOMMAND, SC_MOUSEMENU | HTSYSMENU, lParam);
    case HTMENU: return SendMessage(top, WM_SYSCOMMAND, SC_MOUSEMENU | HTMENU, lParam);
    case HTVSCROLL: return SendMessage(hwnd, WM_SYSCOMMAND, SC_VSCROLL | HTVSCROLL, lParam);
    case HTHSCROLL: return SendMessage(hwnd, WM_SYSCOMMAND, SC_HSCROLL | HTHSCROLL, lParam);
    case HTCLOSE:
    case HTMINBUTTON:
    case HTMAXBUTTON:
    case HTHELP: {
        if (!TrackingLoops::CaptionButton(hwnd, static_cast<int>(ht))) return 0;
        UINT cmd = ht == HTCLOSE ? SC_CLOSE : ht == HTMINBUTTON ? SC_MINIMIZE : ht == HTHELP ? SC_CONTEXTHELP
                   : IsZoomed(hwnd) ? SC_RESTORE : SC_MAXIMIZE;
        if (cmd == SC_CLOSE && (GetClassStyle(hwnd) & CS_NOCLOSE)) return 0;
        return SendMessage(hwnd, WM_SYSCOMMAND, cmd, lParam);
    }
    default:
        if (ht >= HTLEFT && ht <= HTBOTTOMRIGHT)
            return SendMessage(top, WM_SYSCOMMAND, SC_SIZE + (ht - HTLEFT + 1), lParam);
        return 0;
    }
}

LRESULT DefaultWindowProc::NcLButtonDblClk(HWND hwnd, WPARAM ht, LPARAM lParam) {
    Window* w = Lookup(hwnd);
    if (ht == HTCAPTION && (w->FStyle & WS_MAXIMIZEBOX) && (w->FStyle & WS_SYSMENU))
        return SendMessage(hwnd, WM_SYSCOMMAND, (w->FStyle & (WS_MAXIMIZE | WS_MINIMIZE)) ? SC_RESTORE : SC_MAXIMIZE, lParam);
    if (ht == HTSYSMENU) return SendMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, lParam);
    // A fast second press on a scroll bar presses it again.
    if (ht == HTVSCROLL || ht == HTHSCROLL) return NcLButtonDown(hwnd, ht, lParam);
    return 0;
}

static TPoint BelowIcon(HWND hwnd) {
    Window* w = Lookup(hwnd);
    TFrameLayout l = NonClientFrame::Layout(w, w->FRect.Width(), w->FRect.Height());
    TPoint o = w->ScreenOrigin();
    return {o.X + l.Border, o.Y + l.Caption.Bottom + 1};
}

LRESULT DefaultWindowProc::SysCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    Window* w = Lookup(hwnd);
    const TMenuHooks& hooks = GetMenuHooks();
    UINT cmd = static_cast<UINT>(wParam & 0xFFF0);
    int sub = static_cast<int>(wParam & 0x000F);
    switch (cmd) {
    // A sub-code names the mouse's hit; without one the command came from the menu or keyboard.
    case SC_MOVE:
        if (w->FStyle & (WS_MAXIMIZE | WS_MINIMIZE)) return 0;
        if (sub) TrackingLoops::SizeMove(hwnd, HTCAPTION, LParamToPoint(lParam));
        else TrackingLoops::KeyboardSizeMove(hwnd, false);
        return 0;
    case SC_SIZE:
        if (!(w->FStyle & WS_THICKFRAME) || (w->FStyle & (WS_MAXIMIZE | WS_MINIMIZE))) return 0;
        if (sub) TrackingLoops::SizeMove(hwnd, HTLEFT + sub - 1, LParamToPoint(lParam));
        else TrackingLoops::KeyboardSizeMove(hwnd, true);
        return 0;
    case SC_VSCROLL:
    case SC_HSCROLL: {
        int bar = cmd == SC_VSCROLL ? SB_VERT : SB_HORZ;
        ScrollTracker::Track(hwnd, bar, w->FScrollBars[bar], LParamToPoint(lParam));
        return 0;
    }
    case SC_MINIMIZE: ShowWindow(hwnd, SW_MINIMIZE); return 0;
    case SC_MAXIMIZE: ShowWindow(hwnd, SW_MAXIMIZE); return 0;
    case SC_RESTORE: ShowWindow(hwnd, SW_RESTORE); return 0;
    case SC_CLOSE:
        if (!(w->ClassStyle() & CS_NOCLOSE)) SendMessage(hwnd, WM_CLOSE, 0, 0);
        return 0;
    case SC_MOUSEMENU:
        if (sub == HTSYSMENU && hooks.ShowSystemMenu) hooks.ShowSystemMenu(hwnd, BelowIcon(hwnd));
        else if (sub == HTMENU && hooks.TrackMenuBar) hooks.TrackMenuBar(hwnd, LParamToPoint(lParam));
        return 0;
    case SC_KEYMENU:
        if (lParam == ' ' && (w->FStyle & WS_SYSMENU)) {
            if (hooks.ShowSystemMenu) hooks.ShowSystemMenu(hwnd, BelowIcon(hwnd));
        } else if (hooks.KeyMenu) {
            hooks.KeyMenu(hwnd, static_cast<WPARAM>(lParam));
        }
        return 0;
    default: return 0;
    }
}

LRESULT DefaultWindowProc::SysKey(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND top = GetAncestor(hwnd, GA_ROOT);
    bool alt = (static_cast<std::uint32_t>(lParam) & (1u << 29)) != 0;
    if (msg == WM_SYSKEYDOWN && wParam == VK_F4 && alt) return SendMessage(top, WM_SYSCOMMAND, SC_CLOSE, 0);
    if (msg == WM_SYSKEYUP && (wParam == VK_MENU || wParam == VK_F10)) return SendMessage(top, WM_SYSCOMMAND, SC_KEYMENU, 0);
    if (msg == WM_SYSCHAR && alt) return SendMessage(top, WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(wParam));
    return 0;
}

static int SizingCursor(int ht) {
    switch (ht) {
    case HTLEFT:
    case HTRIGHT: return IDC_SIZEWE;
    case HTTOP:
    case HTBOTTOM: return IDC_SIZENS;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: return IDC_SIZENWSE;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: return IDC_SIZENESW;
    default: return IDC_ARROW;
    }
}

LRESULT DefaultWindowProc::SetCursor(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    Window* w = Lookup(hwnd);
    if (w->FParent) {
        if (SendMessage(w->FParent->FHandle, WM_SETCURSOR, wParam, lParam)) return TRUE;
        if (!(w = Lookup(hwnd))) return TRUE;
    }
    int ht = static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(lParam)));
    if (ht == HTCLIENT) {
        HCURSOR c = w->FClass ? w->FClass->FCursor : nullptr;
        if (!c) return FALSE;
        ::SetCursor(c);
        return TRUE;
    }
    bool sizeable = (w->FStyle & WS_THICKFRAME) && !(w->FStyle & (WS_MAXIMIZE | WS_MINIMIZE));
    ::SetCursor(LoadCursor(nullptr, sizeable ? SizingCursor(ht) : IDC_ARROW));
    return TRUE;
}

LRESULT DefaultWindowProc::MouseActivate(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    Window* w = Lookup(hwnd);
    if (w->FParent) {
        LRESULT r = SendMessage(w->FParent->FHandle, WM_MOUSEACTIVATE, wParam, lParam);
        if (r) return r;
    }
    return MA_ACTIVATE;
}

LRESULT DefaultWindowProc::ContextMenu(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    Window* w = Lookup(hwnd);
    if (w->FParent) return SendMessage(w->FParent->FHandle, WM_CONTEXTMENU, wParam, lParam);
    int ht = static_cast<int>(SendMessage(hwnd, WM_NCHITTEST, 0, lParam));
    const TMenuHooks& hooks = GetMenuHooks();
    if ((ht == HTCAPTION || ht == HTSYSMENU) && hooks.ShowSystemMenu && IsWindow(hwnd))
        hooks.ShowSystemMenu(hwnd, LParamToPoint(lParam));
    return 0;
}

LRESULT DefaultWindowProc::EraseBackground(HWND hwnd, WPARAM wParam) {
    Window* w = Lookup(hwnd);
    HDC dc = reinterpret_cast<HDC>(wParam);
    TColor bg = w->FClass ? w->FClass->FBackground : clNone;
    if (!dc || bg == clNone) return 0;
    TRect box;
    dc->GetClipBox(&box);
    dc->FillRect(box, bg);
    return 1;
}

LRESULT DefaultWindowProc::Paint(HWND hwnd) {
    PAINTSTRUCT ps;
    if (BeginPaint(hwnd, &ps)) EndPaint(hwnd, &ps);
    return 0;
}

LRESULT DefaultWindowProc::Print(HWND hwnd, WPARAM wParam, LPARAM flags) {
    Window* w = Lookup(hwnd);
    HDC dc = reinterpret_cast<HDC>(wParam);
    if (!dc || ((flags & PRF_CHECKVISIBLE) && !w->IsShowing())) return 0;
    if (flags & PRF_NONCLIENT) {
        int saved = dc->SaveDC();
        dc->ExcludeClipRect(w->FClient);
        NonClientFrame::Paint(w, dc, w->TopLevel()->FNcActive);
        dc->RestoreDC(saved);
    }
    int saved = dc->SaveDC();
    dc->OffsetViewportOrg(w->FClient.Left, w->FClient.Top);
    dc->IntersectClipRect({0, 0, w->FClient.Width(), w->FClient.Height()});
    if (flags & PRF_ERASEBKGND) SendMessage(hwnd, WM_ERASEBKGND, wParam, 0);
    if (flags & PRF_CLIENT) SendMessage(hwnd, WM_PRINTCLIENT, wParam, flags);
    if ((flags & PRF_CHILDREN) && (w = Lookup(hwnd))) {
        std::vector<HWND> kids;
        for (auto it = w->FChildren.rbegin(); it != w->FChildren.rend(); ++it)
            if ((*it)->FStyle & WS_VISIBLE) kids.push_back((*it)->FHandle);
        for (HWND k : kids) {
            Window* c = Lookup(k);
            if (!c) continue;
            int inner = dc->SaveDC();
            dc->OffsetViewportOrg(c->FRect.Left, c->FRect.Top);
            dc->IntersectClipRect(c->WindowBounds());
            SendMessage(k, WM_PRINT, wParam, (flags & ~PRF_CHECKVISIBLE) | PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
            dc->RestoreDC(inner);
        }
    }
    dc->RestoreDC(saved);
    return 0;
}

LRESULT DefaultWindowProc::SetText(HWND hwnd, LPARAM lParam) {
    Window* w = Lookup(hwnd);
    const char* text = reinterpret_cast<const char*>(lParam);
    w->FText = text ? std::string(text) : std::string();
    if ((w->FStyle & WS_CAPTION) == WS_CAPTION) RedrawFrame(hwnd, w);
    if (!w->FParent) WindowSystem::Current()->NotifyTopLevel(w, TTopLevelChange::tcText);
    return TRUE;
}

LRESULT DefaultWindowProc::GetText(HWND hwnd, LPARAM lParam) {
    Window* w = Lookup(hwnd);
    auto* out = reinterpret_cast<std::string*>(lParam);
    if (!out) return 0;
    *out = w->FText;
    return static_cast<LRESULT>(out->size());
}

LRESULT DefaultWindowProc::PosChanged(HWND hwnd, LPARAM lParam) {
    const auto* wp = reinterpret_cast<const WINDOWPOS*>(lParam);
    Window* w = Lookup(hwnd);
    if (!wp) return 0;
    if (!(wp->flags & SWP_NOMOVE))
        SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(w->FRect.Left + w->FClient.Left, w->FRect.Top + w->FClient.Top));
    if (!(w = Lookup(hwnd))) return 0;
    if (!(wp->flags & SWP_NOSIZE) || (wp->flags & SWP_FRAMECHANGED)) {
        WPARAM kind = (w->FStyle & WS_MAXIMIZE) ? SIZE_MAXIMIZED : (w->FStyle & WS_MINIMIZE) ? SIZE_MINIMIZED : SIZE_RESTORED;
        SendMessage(hwnd, WM_SIZE, kind, MAKELPARAM(w->FClient.Width(), w->FClient.Height()));
    }
    return 0;
}

LRESULT DefaultWindowProc::Activate(HWND hwnd, WPARAM wParam) {
    if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) SetFocus(hwnd);
    return 0;
}

// Only the owner's minimising and restoring (lParam set) hides or shows the window here; a plain
// ShowWindow has done its work already.
LRESULT DefaultWindowProc::ShowWindowMsg(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    Window* w = Lookup(hwnd);
    if ((lParam != SW_PARENTCLOSING && lParam != SW_PARENTOPENING) || w->FParent || !w->FOwner) return 0;
    bool visible = (w->FStyle & WS_VISIBLE) != 0;
    if (wParam && !visible) ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    else if (!wParam && visible) ShowWindow(hwnd, SW_HIDE);
    return 0;
}

LRESULT DefaultWindowProc::SetRedraw(HWND hwnd, WPARAM wParam) {
    Window* w = Lookup(hwnd);
    w->FRedraw = wParam != 0;
    return 0;
}

LRESULT DefaultWindowProc::PassToParent(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = Lookup(hwnd);
    return w->FParent ? SendMessage(w->FParent->FHandle, msg, wParam, lParam) : 0;
}
