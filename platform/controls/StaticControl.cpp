// The "Static" window class.
#include "platform/controls/StaticControl.h"

#include "platform/controls/ControlInstance.h"
#include "platform/controls/OwnerDrawCodes.h"
#include "platform/controls/PaintClient.h"
#include "platform/controls/ParentNotify.h"
#include "platform/controls/StaticCodes.h"
#include "platform/text/TextDraw.h"
#include "platform/window/ClassicStyle.h"
#include "platform/window/Win.h"

namespace {
bool IsTextType(DWORD type) {
    return type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP;
}
}

void StaticControl::Register() {
    WNDCLASS wc;
    wc.lpszClassName = kClassName;
    wc.style = CS_DBLCLKS | CS_PARENTDC;
    wc.lpfnWndProc = &ControlInstance<StaticControl>::Procedure;
    RegisterClass(wc);
}

TCaptionFormat StaticControl::CaptionFormat(DWORD style) {
    TCaptionFormat f;
    DWORD type = style & SS_TYPEMASK;
    f.Horz = type == SS_CENTER ? THorzAlign::haCenter : type == SS_RIGHT ? THorzAlign::haRight : THorzAlign::haLeft;
    f.Vert = TVertAlign::vaTop;
    f.NoPrefix = (style & SS_NOPREFIX) != 0;
    f.Extra = DT_EXPANDTABS;
    if (type == SS_SIMPLE) return f;
    if (style & SS_CENTERIMAGE) {
        f.Vert = TVertAlign::vaCenter;
    } else if (type == SS_LEFTNOWORDWRAP) {
        f.MultiLine = true;
    } else {
        f.WordBreak = true;
    }
    switch (style & SS_ELLIPSISMASK) {
    case SS_ENDELLIPSIS: f.Extra |= DT_END_ELLIPSIS; break;
    case SS_PATHELLIPSIS: f.Extra |= DT_PATH_ELLIPSIS; break;
    case SS_WORDELLIPSIS: f.Extra |= DT_WORD_ELLIPSIS; break;
    default: break;
    }
    return f;
}

LRESULT StaticControl::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: return OnPaint();
    case WM_PRINTCLIENT:
        if (wParam) Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND: return 1; // WM_PAINT covers every pixel
    case WM_SETTEXT:
    case WM_STYLECHANGED: return OnLookChanged(msg, wParam, lParam);
    case WM_ENABLE: return OnEnable(wParam);
    case WM_SETFONT: return OnSetFont(wParam, lParam);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(FFont);
    case WM_NCHITTEST: return OnHitTest(msg, wParam, lParam);
    case WM_LBUTTONDOWN: return OnClick(STN_CLICKED);
    case WM_LBUTTONDBLCLK: return OnClick(STN_DBLCLK);
    case WM_GETDLGCODE: return DLGC_STATIC;
    default: return DefWindowProc(FHwnd, msg, wParam, lParam);
    }
}

DWORD StaticControl::Style() const { return static_cast<DWORD>(GetWindowLongPtr(FHwnd, GWL_STYLE)); }

LRESULT StaticControl::OnPaint() {
    return PaintClient(FHwnd, nullptr, [this](HDC dc) { Paint(dc); });
}

void StaticControl::Paint(HDC dc) {
    TRect client;
    GetClientRect(FHwnd, &client);
    DWORD style = Style();
    DWORD type = style & SS_TYPEMASK;
    const Font* oldFont = dc->SelectFont(FFont ? FFont : Font::Default());
    if (style & SS_SUNKEN) ClassicStyle::DrawEdge(dc, &client, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    if (IsTextType(type)) PaintText(dc, client, style);
    else if (type == SS_OWNERDRAW) PaintOwnerDraw(dc, client);
    else PaintShape(dc, client, type);
    dc->SelectFont(oldFont);
}

void StaticControl::PaintText(HDC dc, const TRect& client, DWORD style) {
    dc->FillRect(client, ParentNotify::CtlColor(FHwnd, WM_CTLCOLORSTATIC, dc, clWindowText, clBtnFace));
    std::string text = GetWindowText(FHwnd);
    TCaptionFormat format = CaptionFormat(style);
    TRect placed = ControlText::Place(dc, text, client, format);
    // Text past the bottom is cut, as the control's own window would cut it.
    if (format.WordBreak || format.MultiLine) placed = {client.Left, placed.Top, client.Right, std::max(placed.Bottom, client.Bottom)};
    int saved = dc->SaveDC();
    dc->IntersectClipRect(client);
    ControlText::Draw(dc, text, placed, format, IsWindowEnabled(FHwnd) != FALSE);
    dc->RestoreDC(saved);
}

void StaticControl::PaintShape(HDC dc, const TRect& client, DWORD type) {
    TRect r = client;
    switch (type) {
    case SS_BLACKRECT: dc->FillRect(r, cl3DDkShadow); return;
    case SS_GRAYRECT: dc->FillRect(r, clBtnShadow); return;
    case SS_WHITERECT: dc->FillRect(r, clBtnHighlight); return;
    case SS_BLACKFRAME: dc->FrameRect(r, cl3DDkShadow); return;
    case SS_GRAYFRAME: dc->FrameRect(r, clBtnShadow); return;
    case SS_WHITEFRAME: dc->FrameRect(r, clBtnHighlight); return;
    case SS_ETCHEDHORZ: ClassicStyle::DrawEdge(dc, &r, EDGE_ETCHED, BF_TOP | BF_BOTTOM); return;
    case SS_ETCHEDVERT: ClassicStyle::DrawEdge(dc, &r, EDGE_ETCHED, BF_LEFT | BF_RIGHT); return;
    case SS_ETCHEDFRAME: ClassicStyle::DrawEdge(dc, &r, EDGE_ETCHED, BF_RECT); return;
    default:
        // Icons, bitmaps and metafiles are not drawn by this system; the area stays the parent's colour.
        dc->FillRect(r, ParentNotify::CtlColor(FHwnd, WM_CTLCOLORSTATIC, dc, clWindowText, clBtnFace));
        return;
    }
}

void StaticControl::PaintOwnerDraw(HDC dc, const TRect& client) {
    DRAWITEMSTRUCT item;
    item.CtlType = ODT_STATIC;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = IsWindowEnabled(FHwnd) ? 0 : ODS_DISABLED;
    item.hDC = dc;
    item.rcItem = client;
    ParentNotify::DrawItem(FHwnd, item);
}

LRESULT StaticControl::OnLookChanged(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT r = DefWindowProc(FHwnd, msg, wParam, lParam);
    InvalidateRect(FHwnd, nullptr, FALSE);
    return r;
}

LRESULT StaticControl::OnEnable(WPARAM enabled) {
    InvalidateRect(FHwnd, nullptr, FALSE);
    if (Style() & SS_NOTIFY) ParentNotify::Command(FHwnd, enabled ? STN_ENABLE : STN_DISABLE);
    return 0;
}

LRESULT StaticControl::OnSetFont(WPARAM font, LPARAM redraw) {
    FFont = reinterpret_cast<HFONT>(font);
    if (redraw) InvalidateRect(FHwnd, nullptr, FALSE);
    return 0;
}

LRESULT StaticControl::OnHitTest(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!(Style() & SS_NOTIFY)) return HTTRANSPARENT;
    return DefWindowProc(FHwnd, msg, wParam, lParam);
}

LRESULT StaticControl::OnClick(WORD code) {
    if (Style() & SS_NOTIFY) ParentNotify::Command(FHwnd, code);
    return 0;
}
