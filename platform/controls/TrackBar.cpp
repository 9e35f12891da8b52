// The track bar window class.
#include "platform/controls/TrackBar.h"

#include "platform/controls/ControlInstance.h"
#include "platform/controls/ControlParent.h"
#include "platform/controls/PaintClient.h"
#include "platform/controls/TrackBarCodes.h"
#include "platform/window/ClassicStyle.h"

#include <cstdint>

namespace {
constexpr UINT_PTR kPageTimer = 1;
constexpr UINT kPageFirstDelay = 400;
constexpr UINT kPageRepeat = 100;
}

void TrackBar::Register() {
    WNDCLASS wc;
    wc.lpszClassName = TRACKBAR_CLASS;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &ControlInstance<TrackBar>::Procedure;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClass(wc);
}

LRESULT TrackBar::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE: return OnCreate();
    case WM_PAINT: return OnPaint(reinterpret_cast<HDC>(wParam));
    case WM_PRINTCLIENT: Paint(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SETFONT: return OnSetFont(wParam, lParam);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(FFont);
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_SIZE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS: Redraw(); return 0;
    case WM_ENABLE:
        if (!wParam) EndTracking(true);
        Redraw();
        return 0;
    case WM_STYLECHANGED: return OnStyleChanged();
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnLButtonDown(lParam);
    case WM_MOUSEMOVE: return OnMouseMove(lParam);
    case WM_LBUTTONUP: return OnLButtonUp();
    case WM_CAPTURECHANGED: return OnCaptureChanged();
    case WM_TIMER: return OnTimer(wParam);
    case WM_KEYDOWN: return OnKeyDown(wParam);
    case WM_KEYUP: return OnKeyUp(wParam);
    case WM_MOUSEWHEEL: return OnMouseWheel(wParam);
    case TBM_GETPOS: return FModel.Pos();
    case TBM_GETRANGEMIN: return FModel.Min();
    case TBM_GETRANGEMAX: return FModel.Max();
    case TBM_SETPOS: return OnSetPos(wParam, lParam);
    case TBM_SETRANGE:
    case TBM_SETRANGEMIN:
    case TBM_SETRANGEMAX: return OnSetRange(msg, wParam, lParam);
    case TBM_SETSEL:
    case TBM_SETSELSTART:
    case TBM_SETSELEND:
    case TBM_CLEARSEL: return OnSetSel(msg, wParam, lParam);
    case TBM_GETSELSTART: return FModel.SelStart();
    case TBM_GETSELEND: return FModel.SelEnd();
    case TBM_GETTIC: return OnGetTic(wParam);
    case TBM_SETTIC: return OnSetTic(lParam);
    case TBM_CLEARTICS:
        FModel.ClearTics();
        Redraw(static_cast<BOOL>(wParam));
        return 0;
    case TBM_GETPTICS: return FModel.Tics().empty() ? 0 : reinterpret_cast<LRESULT>(FModel.Tics().data());
    case TBM_GETTICPOS: return OnGetTicPos(wParam);
    case TBM_GETNUMTICS: return OnGetNumTics();
    case TBM_SETTICFREQ:
        FModel.SetTicFreq(static_cast<int>(wParam));
        Redraw();
        return 0;
    case TBM_SETPAGESIZE: return FModel.SetPageSize(static_cast<int>(lParam));
    case TBM_GETPAGESIZE: return FModel.PageSize();
    case TBM_SETLINESIZE: return FModel.SetLineSize(static_cast<int>(lParam));
    case TBM_GETLINESIZE: return FModel.LineSize();
    case TBM_GETTHUMBRECT:
    case TBM_GETCHANNELRECT: return OnGetRect(msg, lParam);
    case TBM_SETTHUMBLENGTH: return OnSetThumbLength(wParam);
    case TBM_GETTHUMBLENGTH: return Layout().ThumbLength();
    default: return DefWindowProc(FHwnd, msg, wParam, lParam);
    }
}

DWORD TrackBar::Style() const {
    return static_cast<DWORD>(GetWindowLongPtr(FHwnd, GWL_STYLE));
}

TrackBarLayout TrackBar::Layout() const {
    TRect client;
    GetClientRect(FHwnd, &client);
    return TrackBarLayout(client.Size(), Style(), FThumbLength, FModel.Min(), FModel.Max());
}

void TrackBar::Redraw(BOOL now) {
    if (now) InvalidateRect(FHwnd, nullptr, FALSE);
}

LRESULT TrackBar::OnCreate() {
    FModel.SetAutoTicks((Style() & TBS_AUTOTICKS) != 0);
    return 0;
}

LRESULT TrackBar::OnStyleChanged() {
    FModel.SetAutoTicks((Style() & TBS_AUTOTICKS) != 0);
    Redraw();
    return 0;
}

LRESULT TrackBar::OnSetFont(WPARAM font, LPARAM redraw) {
    FFont = reinterpret_cast<HFONT>(font);
    DefWindowProc(FHwnd, WM_SETFONT, font, redraw);
    Redraw(LOWORD(static_cast<WPARAM>(redraw)) != 0);
    return 0;
}

void TrackBar::Report(int code, int pos) const {
    ControlParent(FHwnd).Scroll((Style() & TBS_VERT) ? WM_VSCROLL : WM_HSCROLL, code, pos);
}

void TrackBar::UserMove(int pos, int code) {
    if (FModel.SetPos(pos)) Redraw();
    bool withPos = code == TB_THUMBTRACK || code == TB_THUMBPOSITION;
    Report(code, withPos ? FModel.Pos() : 0);
}

LRESULT TrackBar::OnLButtonDown(LPARAM lParam) {
    if (GetFocus() != FHwnd) SetFocus(FHwnd);
    if (!IsWindow(FHwnd) || FTracking != TTracking::tkNone) return 0;
    FMouse = LParamToPoint(lParam);
    TrackBarLayout layout = Layout();
    int along = layout.Along(FMouse);
    int centre = layout.PixelOf(FModel.Pos());
    SetCapture(FHwnd);
    if (!(Style() & TBS_NOTHUMB) && layout.Thumb(FModel.Pos()).Contains(FMouse)) {
        FTracking = TTracking::tkThumb;
        FDragOffset = along - centre;
        Redraw();
        return 0;
    }
    FTracking = TTracking::tkPage;
    FPageDir = along < centre ? -1 : 1;
    PageTowardMouse();
    if (IsWindow(FHwnd) && FTracking == TTracking::tkPage) SetTimer(FHwnd, kPageTimer, kPageFirstDelay);
    return 0;
}

LRESULT TrackBar::OnMouseMove(LPARAM lParam) {
    if (FTracking == TTracking::tkNone) return 0;
    FMouse = LParamToPoint(lParam);
    if (FTracking != TTracking::tkThumb) return 0;
    TrackBarLayout layout = Layout();
    int pos = layout.ValueAt(layout.Along(FMouse) - FDragOffset);
    if (FModel.SetPos(pos)) {
        Redraw();
        Report(TB_THUMBTRACK, pos);
    }
    return 0;
}

LRESULT TrackBar::OnLButtonUp() {
    EndTracking(true);
    return 0;
}

LRESULT TrackBar::OnCaptureChanged() {
    // Someone else took the mouse: the move ends where it is, and the parent hears so.
    if (FTracking != TTracking::tkNone) EndTracking(true);
    return 0;
}

LRESULT TrackBar::OnTimer(WPARAM id) {
    if (id != kPageTimer) return 0;
    if (FTracking != TTracking::tkPage) {
        KillTimer(FHwnd, kPageTimer);
        return 0;
    }
    SetTimer(FHwnd, kPageTimer, kPageRepeat);
    PageTowardMouse();
    return 0;
}

void TrackBar::PageTowardMouse() {
    TrackBarLayout layout = Layout();
    TRect thumb = layout.Thumb(FModel.Pos());
    int along = layout.Along(FMouse);
    int start = layout.Vertical() ? thumb.Top : thumb.Left;
    int end = layout.Vertical() ? thumb.Bottom : thumb.Right;
    if (FPageDir < 0 && along < start) UserMove(FModel.Pos() - FModel.PageSize(), TB_PAGEUP);
    else if (FPageDir > 0 && along >= end) UserMove(FModel.Pos() + FModel.PageSize(), TB_PAGEDOWN);
}

void TrackBar::EndTracking(bool report) {
    TTracking was = FTracking;
    FTracking = TTracking::tkNone;
    if (was == TTracking::tkNone) return;
    KillTimer(FHwnd, kPageTimer);
    if (GetCapture() == FHwnd) ReleaseCapture();
    Redraw();
    if (!report) return;
    if (was == TTracking::tkThumb) Report(TB_THUMBPOSITION, FModel.Pos());
    if (IsWindow(FHwnd)) Report(TB_ENDTRACK);
}

LRESULT TrackBar::OnKeyDown(WPARAM key) {
    int pos = FModel.Pos();
    switch (key) {
    case VK_LEFT:
    case VK_UP: UserMove(pos - FModel.LineSize(), TB_LINEUP); break;
    case VK_RIGHT:
    case VK_DOWN: UserMove(pos + FModel.LineSize(), TB_LINEDOWN); break;
    case VK_PRIOR: UserMove(pos - FModel.PageSize(), TB_PAGEUP); break;
    case VK_NEXT: UserMove(pos + FModel.PageSize(), TB_PAGEDOWN); break;
    case VK_HOME: UserMove(FModel.Min(), TB_TOP); break;
    case VK_END: UserMove(FModel.Max(), TB_BOTTOM); break;
    default: return DefWindowProc(FHwnd, WM_KEYDOWN, key, 0);
    }
    FKeyMoved = true;
    return 0;
}

LRESULT TrackBar::OnKeyUp(WPARAM key) {
    switch (key) {
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
        if (FKeyMoved) {
            FKeyMoved = false;
            Report(TB_ENDTRACK);
        }
        return 0;
    default: return DefWindowProc(FHwnd, WM_KEYUP, key, 0);
    }
}

LRESULT TrackBar::OnMouseWheel(WPARAM wParam) {
    // Each notch away from the user moves one line toward the minimum.
    int notches = GET_WHEEL_DELTA_WPARAM(wParam) / 120;
    if (notches == 0 || FTracking != TTracking::tkNone) return 0;
    for (int i = 0; i < (notches < 0 ? -notches : notches) && IsWindow(FHwnd); ++i) {
        if (notches > 0) UserMove(FModel.Pos() - FModel.LineSize(), TB_LINEUP);
        else UserMove(FModel.Pos() + FModel.LineSize(), TB_LINEDOWN);
    }
    if (IsWindow(FHwnd)) Report(TB_ENDTRACK);
    return 0;
}

LRESULT TrackBar::OnSetPos(WPARAM redraw, LPARAM pos) {
    if (FModel.SetPos(static_cast<int>(pos))) Redraw(static_cast<BOOL>(redraw));
    return 0;
}

LRESULT TrackBar::OnSetRange(UINT msg, WPARAM redraw, LPARAM lParam) {
    if (msg == TBM_SETRANGE) {
        auto packed = static_cast<std::uintptr_t>(lParam);
        FModel.SetRange(static_cast<std::int16_t>(LOWORD(packed)), static_cast<std::int16_t>(HIWORD(packed)));
    } else if (msg == TBM_SETRANGEMIN) {
        FModel.SetMin(static_cast<int>(lParam));
    } else {
        FModel.SetMax(static_cast<int>(lParam));
    }
    Redraw(static_cast<BOOL>(redraw));
    return 0;
}

LRESULT TrackBar::OnSetSel(UINT msg, WPARAM redraw, LPARAM lParam) {
    auto packed = static_cast<std::uintptr_t>(lParam);
    switch (msg) {
    case TBM_SETSEL: FModel.SetSel(static_cast<std::int16_t>(LOWORD(packed)), static_cast<std::int16_t>(HIWORD(packed))); break;
    case TBM_SETSELSTART: FModel.SetSelStart(static_cast<int>(lParam)); break;
    case TBM_SETSELEND: FModel.SetSelEnd(static_cast<int>(lParam)); break;
    default: FModel.ClearSel(); break;
    }
    Redraw(static_cast<BOOL>(redraw));
    return 0;
}

LRESULT TrackBar::OnSetTic(LPARAM pos) {
    if (!FModel.AddTic(static_cast<int>(pos))) return FALSE;
    Redraw();
    return TRUE;
}

LRESULT TrackBar::OnGetTic(WPARAM index) const {
    const auto& tics = FModel.Tics();
    return index < tics.size() ? static_cast<int>(tics[index]) : -1;
}

LRESULT TrackBar::OnGetTicPos(WPARAM index) const {
    const auto& tics = FModel.Tics();
    return index < tics.size() ? Layout().PixelOf(static_cast<int>(tics[index])) : -1;
}

LRESULT TrackBar::OnGetNumTics() const {
    if (Style() & TBS_NOTICKS) return 0;
    return static_cast<LRESULT>(FModel.Tics().size()) + 2;
}

LRESULT TrackBar::OnGetRect(UINT msg, LPARAM rect) const {
    auto* out = reinterpret_cast<TRect*>(rect);
    if (!out) return 0;
    TrackBarLayout layout = Layout();
    *out = msg == TBM_GETTHUMBRECT ? layout.Thumb(FModel.Pos()) : layout.ChannelAlongAxis();
    return 0;
}

LRESULT TrackBar::OnSetThumbLength(WPARAM length) {
    FThumbLength = static_cast<int>(length);
    Redraw();
    return 0;
}

LRESULT TrackBar::OnPaint(HDC given) {
    return PaintClient(FHwnd, given, [this](HDC dc) { Paint(dc); });
}

void TrackBar::Paint(HDC dc) {
    if (!dc) return;
    TRect client;
    GetClientRect(FHwnd, &client);
    TColor back = ControlParent(FHwnd).CtlColor(WM_CTLCOLORSTATIC, dc, clBtnText, clBtnFace);
    dc->FillRect(client, back);
    TrackBarLayout layout = Layout();
    PaintChannel(dc, layout);
    PaintTicks(dc, layout);
    DWORD style = Style();
    if (!(style & TBS_NOTHUMB)) {
        UINT point = 0;
        if (layout.TicksBefore() != layout.TicksAfter())
            point = layout.TicksBefore() ? (layout.Vertical() ? BF_LEFT : BF_TOP) : (layout.Vertical() ? BF_RIGHT : BF_BOTTOM);
        UINT state = (FTracking == TTracking::tkThumb ? DFCS_PUSHED : 0) | (IsWindowEnabled(FHwnd) ? 0 : DFCS_INACTIVE);
        ClassicStyle::DrawThumb(dc, layout.Thumb(FModel.Pos()), point, state);
    }
    if (GetFocus() == FHwnd) ClassicStyle::DrawFocusRect(dc, client);
}

void TrackBar::PaintChannel(HDC dc, const TrackBarLayout& layout) {
    TRect channel = layout.Channel();
    ClassicStyle::DrawEdge(dc, &channel, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    dc->FillRect(channel, clWindow);
    if (!(Style() & TBS_ENABLESELRANGE) || !FModel.HasSel()) return;
    int from = layout.PixelOf(FModel.SelStart()), to = layout.PixelOf(FModel.SelEnd()) + 1;
    TRect sel = layout.Vertical() ? TRect{channel.Left, from, channel.Right, to} : TRect{from, channel.Top, to, channel.Bottom};
    dc->FillRect(sel.Intersect(channel), clHighlight);
}

void TrackBar::PaintTicks(HDC dc, const TrackBarLayout& layout) {
    if (!layout.TicksBefore() && !layout.TicksAfter()) return;
    TColor color = IsWindowEnabled(FHwnd) ? clBtnText : clBtnShadow;
    PaintTick(dc, layout, FModel.Min(), color);
    int last = layout.PixelOf(FModel.Min());
    for (DWORD tic : FModel.Tics()) {
        // Ticks closer than a pixel apart would only overdraw each other.
        int pixel = layout.PixelOf(static_cast<int>(tic));
        if (pixel == last) continue;
        PaintTick(dc, layout, static_cast<int>(tic), color);
        last = pixel;
    }
    PaintTick(dc, layout, FModel.Max(), color);
}

void TrackBar::PaintTick(HDC dc, const TrackBarLayout& layout, int pos, TColor color) {
    dc->FillRect(layout.TickBefore(pos), color);
    dc->FillRect(layout.TickAfter(pos), color);
}
