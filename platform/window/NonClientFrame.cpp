// Layout, hit test and painting of the plain frame.
#include "platform/window/NonClientFrame.h"
#include "platform/window/ClassicStyle.h"
#include "platform/window/MenuHooks.h"
#include "platform/window/ScrollBarPainter.h"
#include "platform/window/SystemApi.h"
#include "platform/window/Window.h"
#include "platform/window/WinCodes.h"

#include <algorithm>

static int FrameThickness(DWORD style, DWORD ex) {
    int adjust = 0;
    if ((ex & WS_EX_DLGMODALFRAME) || (style & (WS_THICKFRAME | WS_DLGFRAME))) adjust = 2;
    if (style & WS_THICKFRAME) adjust += GetSystemMetrics(SM_CXFRAME) - GetSystemMetrics(SM_CXDLGFRAME);
    if ((style & (WS_BORDER | WS_DLGFRAME)) || (ex & WS_EX_DLGMODALFRAME)) ++adjust;
    return adjust;
}

static void LayoutCaptionButtons(const Window* w, TFrameLayout& l) {
    DWORD style = w->FStyle;
    if (!(style & WS_SYSMENU)) return;
    int capH = l.Caption.Height() + 1;
    int bh = capH - 5, bw = bh + 2;
    int top = l.Caption.Top + 2, right = l.Caption.Right - 2;
    l.Close = {right - bw, top, right, top + bh};
    right = l.Close.Left - 2;
    if ((style & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX)) && !l.SmallCaption) {
        l.Max = {right - bw, top, right, top + bh};
        l.Min = {l.Max.Left - bw, top, l.Max.Left, top + bh};
    } else if (w->FExStyle & WS_EX_CONTEXTHELP) {
        l.Help = {right - bw, top, right, top + bh};
    }
    if (!l.SmallCaption) {
        int icon = GetSystemMetrics(SM_CXSMICON);
        l.Icon = Bounds(l.Caption.Left + 1, l.Caption.Top + (l.Caption.Height() - icon) / 2, icon, icon);
    }
}

TFrameLayout NonClientFrame::Layout(const Window* w, int width, int height) {
    TFrameLayout l;
    DWORD style = w->FStyle, ex = w->FExStyle;
    l.Border = FrameThickness(style, ex);
    l.SmallCaption = (ex & WS_EX_TOOLWINDOW) != 0;
    l.Sizeable = (style & WS_THICKFRAME) && !(style & (WS_MAXIMIZE | WS_MINIMIZE));
    int top = l.Border;
    if ((style & WS_CAPTION) == WS_CAPTION) {
        int capH = GetSystemMetrics(l.SmallCaption ? SM_CYSMCAPTION : SM_CYCAPTION);
        l.Caption = {l.Border, l.Border, width - l.Border, l.Border + capH - 1};
        LayoutCaptionButtons(w, l);
        top += capH;
    }
    if (!w->FParent && w->FMenu) {
        const TMenuHooks& hooks = GetMenuHooks();
        int mh = hooks.MenuBarHeight ? hooks.MenuBarHeight(w->FHandle, w->FMenu, width) : GetSystemMetrics(SM_CYMENU);
        l.MenuBar = {l.Border, top, width - l.Border, top + mh};
        top += mh;
    }
    TRect inner{l.Border, top, width - l.Border, height - l.Border};
    l.ClientEdge = (ex & WS_EX_CLIENTEDGE) ? 2 : (ex & WS_EX_STATICEDGE) ? 1 : 0;
    inner = inner.Inflate(-l.ClientEdge, -l.ClientEdge);
    int vs = (style & WS_VSCROLL) ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    int hs = (style & WS_HSCROLL) ? GetSystemMetrics(SM_CYHSCROLL) : 0;
    if (vs) l.VScroll = {inner.Right - vs, inner.Top, inner.Right, inner.Bottom - hs};
    if (hs) l.HScroll = {inner.Left, inner.Bottom - hs, inner.Right - vs, inner.Bottom};
    if (vs && hs) l.SizeGrip = {inner.Right - vs, inner.Bottom - hs, inner.Right, inner.Bottom};
    inner.Right -= vs;
    inner.Bottom -= hs;
    inner.Right = std::max(inner.Left, inner.Right);
    inner.Bottom = std::max(inner.Top, inner.Bottom);
    l.Client = inner;
    return l;
}

TRect NonClientFrame::CalcClient(const Window* w, const TRect& windowRect) {
    TFrameLayout l = Layout(w, windowRect.Width(), windowRect.Height());
    return l.Client.Offset(windowRect.Left, windowRect.Top);
}

int NonClientFrame::SizingCode(const TFrameLayout& l, TPoint pt, int width, int height) {
    int corner = GetSystemMetrics(SM_CXSIZE) + l.Border;
    bool left = pt.X < l.Border, right = pt.X >= width - l.Border;
    bool topEdge = pt.Y < l.Border, bottom = pt.Y >= height - l.Border;
    if (left || right) {
        if (pt.Y < corner) return left ? HTTOPLEFT : HTTOPRIGHT;
        if (pt.Y >= height - corner) return left ? HTBOTTOMLEFT : HTBOTTOMRIGHT;
        return left ? HTLEFT : HTRIGHT;
    }
    if (pt.X < corner) return topEdge ? HTTOPLEFT : HTBOTTOMLEFT;
    if (pt.X >= width - corner) return topEdge ? HTTOPRIGHT : HTBOTTOMRIGHT;
    return bottom ? HTBOTTOM : HTTOP;
}

int NonClientFrame::HitTest(const Window* w, TPoint pt) {
    int width = w->FRect.Width(), height = w->FRect.Height();
    if (!TRect{0, 0, width, height}.Contains(pt)) return HTNOWHERE;
    TFrameLayout l = Layout(w, width, height);
    if (l.Client.Contains(pt)) return HTCLIENT;
    bool onFrame = pt.X < l.Border || pt.Y < l.Border || pt.X >= width - l.Border || pt.Y >= height - l.Border;
    if (onFrame) return l.Sizeable ? SizingCode(l, pt, width, height) : HTBORDER;
    if (l.Caption.Contains(pt) || (!l.Caption.IsEmpty() && pt.Y < l.Caption.Bottom + 1 && pt.Y >= l.Caption.Top)) {
        if (l.Close.Contains(pt)) return HTCLOSE;
        if (l.Max.Contains(pt)) return HTMAXBUTTON;
        if (l.Min.Contains(pt)) return HTMINBUTTON;
        if (l.Help.Contains(pt)) return HTHELP;
        if (!l.Icon.IsEmpty() && pt.X < l.Icon.Right + 1) return HTSYSMENU;
        return HTCAPTION;
    }
    if (l.MenuBar.Contains(pt)) return HTMENU;
    if (l.SizeGrip.Contains(pt)) return l.Sizeable ? HTBOTTOMRIGHT : HTSIZE;
    if (l.VScroll.Contains(pt)) return HTVSCROLL;
    if (l.HScroll.Contains(pt)) return HTHSCROLL;
    return HTBORDER;
}

static void FillRing(HDC dc, const TRect& outer, int thickness, TColor c) {
    if (thickness <= 0) return;
    dc->FillRect({outer.Left, outer.Top, outer.Right, outer.Top + thickness}, c);
    dc->FillRect({outer.Left, outer.Bottom - thickness, outer.Right, outer.Bottom}, c);
    dc->FillRect({outer.Left, outer.Top, outer.Left + thickness, outer.Bottom}, c);
    dc->FillRect({outer.Right - thickness, outer.Top, outer.Right, outer.Bottom}, c);
}

void NonClientFrame::PaintCaptionButton(const Window* w, HDC dc, int ht, bool pushed) {
    TFrameLayout l = Layout(w, w->FRect.Width(), w->FRect.Height());
    UINT push = pushed ? DFCS_PUSHED : 0;
    TRect r;
    switch (ht) {
    case HTCLOSE:
        r = l.Close;
        if (!r.IsEmpty()) ClassicStyle::DrawFrameControl(dc, &r, DFC_CAPTION, DFCS_CAPTIONCLOSE | push | ((w->ClassStyle() & CS_NOCLOSE) ? DFCS_INACTIVE : 0));
        break;
    case HTMAXBUTTON:
        r = l.Max;
        if (!r.IsEmpty())
            ClassicStyle::DrawFrameControl(dc, &r, DFC_CAPTION, ((w->FStyle & WS_MAXIMIZE) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX) | push |
                                                                     ((w->FStyle & WS_MAXIMIZEBOX) ? 0 : DFCS_INACTIVE));
        break;
    case HTMINBUTTON:
        r = l.Min;
        if (!r.IsEmpty())
            ClassicStyle::DrawFrameControl(dc, &r, DFC_CAPTION, ((w->FStyle & WS_MINIMIZE) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMIN) | push |
                                                                     ((w->FStyle & WS_MINIMIZEBOX) ? 0 : DFCS_INACTIVE));
        break;
    case HTHELP:
        r = l.Help;
        if (!r.IsEmpty()) ClassicStyle::DrawFrameControl(dc, &r, DFC_CAPTION, DFCS_CAPTIONHELP | push);
        break;
    default: break;
    }
}

static void PaintScrollBars(const Window* w, HDC dc, const TFrameLayout& l) {
    bool enabled = !(w->FStyle & WS_DISABLED);
    if (!l.VScroll.IsEmpty())
        ScrollBarPainter::Paint(dc, ScrollBarLayout::Compute(l.VScroll, true, w->FScrollBars[SB_VERT], enabled), w->FScrollBars[SB_VERT]);
    if (!l.HScroll.IsEmpty())
        ScrollBarPainter::Paint(dc, ScrollBarLayout::Compute(l.HScroll, false, w->FScrollBars[SB_HORZ], enabled), w->FScrollBars[SB_HORZ]);
    if (!l.SizeGrip.IsEmpty()) {
        TRect g = l.SizeGrip;
        ClassicStyle::DrawFrameControl(dc, &g, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    }
}

void NonClientFrame::Paint(const Window* w, HDC dc, bool active) {
    int width = w->FRect.Width(), height = w->FRect.Height();
    TFrameLayout l = Layout(w, width, height);
    TRect r{0, 0, width, height};
    if (l.Border >= 3) {
        ClassicStyle::DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
        FillRing(dc, r, l.Border - 2, active ? clActiveBorder : clInactiveBorder);
    } else if (l.Border > 0) {
        FillRing(dc, r, l.Border, clWindowFrame);
    }
    if (!l.Caption.IsEmpty()) {
        ClassicStyle::DrawCaptionBar(dc, l.Caption, active);
        dc->FillRect({l.Caption.Left, l.Caption.Bottom, l.Caption.Right, l.Caption.Bottom + 1}, clBtnFace);
        if (!l.Icon.IsEmpty()) ClassicStyle::DrawDefaultIcon(dc, l.Icon.Left, l.Icon.Top, l.Icon.Width());
        int textLeft = l.Icon.IsEmpty() ? l.Caption.Left + 2 : l.Icon.Right + 3;
        int textRight = l.Caption.Right - 2;
        for (const TRect* b : {&l.Close, &l.Max, &l.Min, &l.Help})
            if (!b->IsEmpty()) textRight = std::min(textRight, b->Left - 2);
        ClassicStyle::DrawCaptionText(dc, w->FText, {textLeft, l.Caption.Top, textRight, l.Caption.Bottom}, active, l.SmallCaption);
        for (int ht : {HTCLOSE, HTMAXBUTTON, HTMINBUTTON, HTHELP}) PaintCaptionButton(w, dc, ht, false);
    }
    if (!l.MenuBar.IsEmpty()) {
        const TMenuHooks& hooks = GetMenuHooks();
        if (hooks.PaintMenuBar) hooks.PaintMenuBar(w->FHandle, w->FMenu, dc, l.MenuBar, active);
        else dc->FillRect(l.MenuBar, clMenu);
    }
    if (l.ClientEdge) {
        TRect edge = l.Client;
        edge.Right = std::max(edge.Right, l.VScroll.Right);
        edge.Bottom = std::max(edge.Bottom, l.HScroll.Bottom);
        edge = edge.Inflate(l.ClientEdge, l.ClientEdge);
        ClassicStyle::DrawEdge(dc, &edge, l.ClientEdge == 2 ? EDGE_SUNKEN : BDR_SUNKENOUTER, BF_RECT);
    }
    PaintScrollBars(w, dc, l);
}
