// The classic grey 3-D look.
#include "platform/window/ClassicStyle.h"
#include "platform/text/TextDraw.h"

#include <algorithm>
#include <vector>

namespace {
ClassicStyle::TCaptionTextPainter& CaptionPainter() {
    static ClassicStyle::TCaptionTextPainter painter;
    return painter;
}

void HLine(HDC dc, int x1, int x2, int y, TColor c) { dc->FillRect({x1, y, x2, y + 1}, c); }
void VLine(HDC dc, int x, int y1, int y2, TColor c) { dc->FillRect({x, y1, x + 1, y2}, c); }

// One ring of an edge: top-left colour and bottom-right colour.
void EdgeRing(HDC dc, TRect& r, UINT flags, TColor tl, TColor br) {
    if (r.IsEmpty()) return;
    if (flags & BF_TOP) HLine(dc, r.Left, r.Right, r.Top, tl);
    if (flags & BF_LEFT) VLine(dc, r.Left, r.Top, r.Bottom, tl);
    if (flags & BF_BOTTOM) HLine(dc, r.Left, r.Right, r.Bottom - 1, br);
    if (flags & BF_RIGHT) VLine(dc, r.Right - 1, r.Top, r.Bottom, br);
    if (flags & BF_TOP) ++r.Top;
    if (flags & BF_LEFT) ++r.Left;
    if (flags & BF_BOTTOM) --r.Bottom;
    if (flags & BF_RIGHT) --r.Right;
}
}

BOOL ClassicStyle::DrawEdge(HDC dc, TRect* rect, UINT edge, UINT flags) {
    if (!dc || !rect) return FALSE;
    TRect r = *rect;
    UINT outer = edge & BDR_OUTER, inner = edge & BDR_INNER;
    if (flags & BF_MONO) {
        if (outer || inner) EdgeRing(dc, r, flags, clWindowFrame, clWindowFrame);
    } else if (flags & BF_FLAT) {
        if (outer) EdgeRing(dc, r, flags, clBtnShadow, clBtnShadow);
        if (inner) EdgeRing(dc, r, flags, clBtnFace, clBtnFace);
    } else {
        bool soft = (flags & BF_SOFT) != 0;
        if (outer == BDR_RAISEDOUTER) EdgeRing(dc, r, flags, soft ? clBtnHighlight : cl3DLight, cl3DDkShadow);
        else if (outer == BDR_SUNKENOUTER) EdgeRing(dc, r, flags, soft ? cl3DDkShadow : clBtnShadow, clBtnHighlight);
        if (inner == BDR_RAISEDINNER) EdgeRing(dc, r, flags, soft ? cl3DLight : clBtnHighlight, clBtnShadow);
        else if (inner == BDR_SUNKENINNER) EdgeRing(dc, r, flags, soft ? clBtnShadow : cl3DDkShadow, cl3DLight);
    }
    if (flags & BF_MIDDLE) dc->FillRect(r, clBtnFace);
    if (flags & BF_ADJUST) *rect = r;
    return TRUE;
}

void ClassicStyle::DrawArrow(HDC dc, const TRect& rect, TArrowDirection dir, TColor color) {
    int size = std::max(2, std::min(rect.Width(), rect.Height()) / 3);
    int cx = rect.Left + rect.Width() / 2, cy = rect.Top + rect.Height() / 2;
    for (int i = 0; i < size; ++i) {
        switch (dir) {
        case TArrowDirection::adUp: HLine(dc, cx - i, cx + i + 1, cy - size / 2 + i, color); break;
        case TArrowDirection::adDown: HLine(dc, cx - i, cx + i + 1, cy + size / 2 - i, color); break;
        case TArrowDirection::adLeft: VLine(dc, cx - size / 2 + i, cy - i, cy + i + 1, color); break;
        case TArrowDirection::adRight: VLine(dc, cx + size / 2 - i, cy - i, cy + i + 1, color); break;
        }
    }
}

void ClassicStyle::DrawCheckMark(HDC dc, const TRect& rect, TColor color) {
    // The classic 7 x 7 tick, three pixels thick, centred.
    int x = rect.Left + (rect.Width() - 7) / 2, y = rect.Top + (rect.Height() - 7) / 2;
    for (int i = 0; i < 7; ++i) {
        int top = i < 3 ? y + 2 + i : y + 4 - (i - 2);
        VLine(dc, x + i, top, top + 3, color);
    }
}

void ClassicStyle::DrawFocusRect(HDC dc, const TRect& rect) {
    if (dc) dc->DrawFocusRect(rect);
}

void ClassicStyle::DrawThumb(HDC dc, const TRect& r, UINT point, UINT state) {
    if (!dc || r.IsEmpty()) return;
    int w = r.Width() - 1, h = r.Height() - 1;
    int tipW = w / 2, tipH = h / 2;
    std::vector<TPoint> pts; // clockwise from the top-left corner, last point inclusive
    switch (point) {
    case BF_BOTTOM: pts = {{0, 0}, {w, 0}, {w, h - tipW}, {tipW, h}, {0, h - tipW}}; break;
    case BF_TOP: pts = {{tipW, 0}, {w, tipW}, {w, h}, {0, h}, {0, tipW}}; break;
    case BF_RIGHT: pts = {{0, 0}, {w - tipH, 0}, {w, tipH}, {w - tipH, h}, {0, h}}; break;
    case BF_LEFT: pts = {{tipH, 0}, {w, 0}, {w, h}, {tipH, h}, {0, tipH}}; break;
    default: pts = {{0, 0}, {w, 0}, {w, h}, {0, h}}; break;
    }
    for (TPoint& p : pts) p = {p.X + r.Left, p.Y + r.Top};
    bool pushed = (state & DFCS_PUSHED) != 0;
    dc->Polygon(pts, pushed ? cl3DLight : clBtnFace, clNone);
    for (std::size_t i = 0; i < pts.size(); ++i) {
        TPoint a = pts[i], b = pts[(i + 1) % pts.size()];
        // Clockwise, so the outward normal of a->b is (dy, -dx); edges facing down or right are
        // in shadow, the others in light.
        int nx = b.Y - a.Y, ny = a.X - b.X;
        bool dark = nx >= 0 && ny >= 0;
        dc->Line(a.X, a.Y, b.X, b.Y, dark ? cl3DDkShadow : clBtnHighlight);
        if (dark) {
            int dx = nx > 0 ? -1 : 0, dy = nx > 0 ? 0 : -1;
            dc->Line(a.X + dx, a.Y + dy, b.X + dx, b.Y + dy, clBtnShadow);
        }
        dc->SetPixel(b.X, b.Y, dark ? cl3DDkShadow : clBtnHighlight);
    }
    if (state & DFCS_INACTIVE) {
        // A dotted face marks a thumb that cannot be moved.
        TRect in = r.Inflate(-3, -3);
        for (int y = in.Top; y < in.Bottom; ++y)
            for (int x = in.Left + (y & 1); x < in.Right; x += 2)
                if (dc->GetPixel(x, y) == ColorToRGB(clBtnFace)) dc->SetPixel(x, y, clBtnHighlight);
    }
}

// Light falls from the top-left: edges facing up or left are highlighted, the others shaded
// with the dark shadow outside and the shadow inside.
void ClassicStyle::DrawTab(HDC dc, const TRect& r, UINT open) {
    if (!dc || r.Width() < 4 || r.Height() < 4) return;
    const int l = r.Left, t = r.Top, rt = r.Right, b = r.Bottom;
    if (open == BF_TOP) {
        dc->FillRect({l + 1, t, rt - 1, b - 1}, clBtnFace);
        VLine(dc, l, t, b - 2, clBtnHighlight);
        dc->SetPixel(l + 1, b - 2, cl3DDkShadow);
        HLine(dc, l + 2, rt - 2, b - 1, cl3DDkShadow);
        HLine(dc, l + 2, rt - 2, b - 2, clBtnShadow);
        dc->SetPixel(rt - 2, b - 2, cl3DDkShadow);
        VLine(dc, rt - 1, t, b - 2, cl3DDkShadow);
        VLine(dc, rt - 2, t, b - 2, clBtnShadow);
    } else if (open == BF_RIGHT || open == BF_LEFT) {
        const bool right = open == BF_RIGHT;
        dc->FillRect({right ? l + 1 : l, t + 1, right ? rt : rt - 1, b - 1}, clBtnFace);
        HLine(dc, right ? l + 2 : l, right ? rt : rt - 2, t, clBtnHighlight);
        HLine(dc, right ? l + 2 : l, right ? rt : rt - 2, b - 1, cl3DDkShadow);
        HLine(dc, right ? l + 2 : l, right ? rt : rt - 2, b - 2, clBtnShadow);
        if (right) {
            dc->SetPixel(l + 1, t + 1, clBtnHighlight);
            VLine(dc, l, t + 2, b - 2, clBtnHighlight);
            dc->SetPixel(l + 1, b - 2, cl3DDkShadow);
        } else {
            dc->SetPixel(rt - 2, t + 1, cl3DDkShadow);
            VLine(dc, rt - 1, t + 2, b - 2, cl3DDkShadow);
            VLine(dc, rt - 2, t + 2, b - 2, clBtnShadow);
            dc->SetPixel(rt - 2, b - 2, cl3DDkShadow);
        }
    } else {
        dc->FillRect({l + 1, t + 1, rt - 1, b}, clBtnFace);
        VLine(dc, l, t + 2, b, clBtnHighlight);
        dc->SetPixel(l + 1, t + 1, clBtnHighlight);
        HLine(dc, l + 2, rt - 2, t, clBtnHighlight);
        dc->SetPixel(rt - 2, t + 1, cl3DDkShadow);
        VLine(dc, rt - 1, t + 2, b, cl3DDkShadow);
        VLine(dc, rt - 2, t + 2, b, clBtnShadow);
    }
}

void ClassicStyle::DrawButtonFace(HDC dc, TRect r, UINT state) {
    if (state & (DFCS_PUSHED | DFCS_CHECKED)) DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST | BF_SOFT);
    else DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST | BF_SOFT);
    dc->FillRect(r, clBtnFace);
}

void ClassicStyle::DrawCaptionButton(HDC dc, const TRect& rect, UINT state) {
    DrawButtonFace(dc, rect, state);
    int off = (state & DFCS_PUSHED) ? 1 : 0;
    TColor ink = (state & DFCS_INACTIVE) ? clGrayText : clBtnText;
    int w = rect.Width(), h = rect.Height();
    int gw = std::max(4, w - 8), gh = std::max(4, h - 6);
    int x = rect.Left + (w - gw) / 2 + off, y = rect.Top + (h - gh) / 2 + off;
    auto glyph = [&](TColor c, int dx) {
        switch (state & 0xF) {
        case DFCS_CAPTIONCLOSE:
            for (int i = 0; i < gh; ++i) {
                int a = x + dx + i * (gw - 2) / std::max(1, gh - 1);
                int b = x + dx + gw - 2 - i * (gw - 2) / std::max(1, gh - 1);
                HLine(dc, a, a + 2, y + dx + i, c);
                HLine(dc, b, b + 2, y + dx + i, c);
            }
            break;
        case DFCS_CAPTIONMIN: dc->FillRect({x + dx + 1, y + dx + gh - 2, x + dx + gw - 3, y + dx + gh}, c); break;
        case DFCS_CAPTIONMAX:
            dc->FrameRect({x + dx, y + dx, x + dx + gw, y + dx + gh}, c);
            HLine(dc, x + dx, x + dx + gw, y + dx + 1, c);
            break;
        case DFCS_CAPTIONRESTORE: {
            int sw = gw * 2 / 3, sh = gh * 2 / 3;
            TRect back{x + dx + gw - sw, y + dx, x + dx + gw, y + dx + sh};
            TRect front{x + dx, y + dx + gh - sh, x + dx + sw, y + dx + gh};
            dc->FrameRect(back, c);
            HLine(dc, back.Left, back.Right, back.Top + 1, c);
            dc->FillRect(front, clBtnFace);
            dc->FrameRect(front, c);
            HLine(dc, front.Left, front.Right, front.Top + 1, c);
            break;
        }
        case DFCS_CAPTIONHELP: {
            int cx = x + dx + gw / 2;
            HLine(dc, cx - 2, cx + 2, y + dx, c);
            VLine(dc, cx - 3, y + dx + 1, y + dx + 3, c);
            VLine(dc, cx + 2, y + dx + 1, y + dx + 4, c);
            HLine(dc, cx, cx + 2, y + dx + 4, c);
            VLine(dc, cx, y + dx + 5, y + dx + gh - 3, c);
            dc->FillRect({cx, y + dx + gh - 2, cx + 2, y + dx + gh}, c);
            break;
        }
        }
    };
    if (state & DFCS_INACTIVE) glyph(clBtnHighlight, 1);
    glyph(ink, 0);
}

void ClassicStyle::DrawCheckBox(HDC dc, const TRect& rect, UINT state) {
    int s = std::min({rect.Width(), rect.Height(), 13});
    TRect box = Bounds(rect.Left + (rect.Width() - s) / 2, rect.Top + (rect.Height() - s) / 2, s, s);
    TRect inner = box;
    if (state & DFCS_FLAT) EdgeRing(dc, inner, BF_RECT, clBtnShadow, clBtnShadow);
    else DrawEdge(dc, &inner, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    // The third state of a three-state box: a grey tick on a grey box.
    bool indeterminate = (state & (DFCS_BUTTON3STATE | DFCS_CHECKED)) == (DFCS_BUTTON3STATE | DFCS_CHECKED);
    bool grey = indeterminate || (state & (DFCS_INACTIVE | DFCS_PUSHED)) != 0;
    dc->FillRect(inner, grey ? clBtnFace : clWindow);
    if (state & DFCS_CHECKED) DrawCheckMark(dc, inner, (state & DFCS_INACTIVE) || indeterminate ? clGrayText : clWindowText);
}

void ClassicStyle::DrawRadio(HDC dc, const TRect& rect, UINT state) {
    int s = std::min({rect.Width(), rect.Height(), 12});
    TRect box = Bounds(rect.Left + (rect.Width() - s) / 2, rect.Top + (rect.Height() - s) / 2, s, s);
    bool grey = (state & (DFCS_INACTIVE | DFCS_PUSHED)) != 0;
    dc->Ellipse(box, grey ? clBtnFace : clWindow, clBtnShadow);
    dc->Ellipse(box.Inflate(-1, -1), clNone, cl3DDkShadow);
    if (state & DFCS_CHECKED) {
        TRect dot = Bounds(box.Left + s / 2 - 2, box.Top + s / 2 - 2, 4, 4);
        TColor ink = (state & DFCS_INACTIVE) ? clGrayText : clWindowText;
        dc->Ellipse(dot, ink, ink);
    }
}

void ClassicStyle::DrawScrollButton(HDC dc, const TRect& rect, UINT state) {
    if ((state & 0xF) == DFCS_SCROLLSIZEGRIP) {
        dc->FillRect(rect, clBtnFace);
        for (int i = 0; i < 3; ++i) {
            int d = 4 * i + 2;
            for (int k = 0; k < 2; ++k) {
                TColor c = k == 0 ? clBtnHighlight : clBtnShadow;
                dc->Line(rect.Right - d - k - 1, rect.Bottom - 1, rect.Right, rect.Bottom - d - k - 2, c);
            }
        }
        return;
    }
    DrawButtonFace(dc, rect, state);
    TRect a = rect;
    if (state & DFCS_PUSHED) a = a.Offset(1, 1);
    TColor ink = (state & DFCS_INACTIVE) ? clGrayText : clBtnText;
    static const TArrowDirection dirs[] = {TArrowDirection::adUp, TArrowDirection::adDown, TArrowDirection::adLeft,
                                           TArrowDirection::adRight};
    UINT kind = state & 0xF;
    TArrowDirection dir = kind < 4 ? dirs[kind] : TArrowDirection::adDown;
    DrawArrow(dc, a, dir, ink);
}

BOOL ClassicStyle::DrawFrameControl(HDC dc, TRect* rect, UINT type, UINT state) {
    if (!dc || !rect) return FALSE;
    switch (type) {
    case DFC_CAPTION: DrawCaptionButton(dc, *rect, state); return TRUE;
    case DFC_SCROLL: DrawScrollButton(dc, *rect, state); return TRUE;
    case DFC_MENU:
        if ((state & 0xF) == DFCS_MENUCHECK) DrawCheckMark(dc, *rect, clMenuText);
        else if ((state & 0xF) == DFCS_MENUBULLET) dc->Ellipse(Bounds(rect->Left + rect->Width() / 2 - 3, rect->Top + rect->Height() / 2 - 3, 6, 6), clMenuText, clMenuText);
        else DrawArrow(dc, *rect, TArrowDirection::adRight, clMenuText);
        return TRUE;
    case DFC_BUTTON:
        if (state & DFCS_BUTTONPUSH) DrawButtonFace(dc, *rect, state);
        else if (state & DFCS_BUTTONRADIO) DrawRadio(dc, *rect, state);
        else DrawCheckBox(dc, *rect, state);
        return TRUE;
    default: return FALSE;
    }
}

void ClassicStyle::DrawCaptionBar(HDC dc, const TRect& rect, bool active) {
    TColor a = active ? clActiveCaption : clInactiveCaption;
    TColor b = active ? clGradientActiveCaption : clGradientInactiveCaption;
    dc->GradientFillRect(rect, a, b, false);
}

void ClassicStyle::DrawDefaultIcon(HDC dc, int x, int y, int size) {
    // A small window with a blue title bar and a 3 x 3 grid in its client: the program's mark.
    TRect r = Bounds(x, y, size, size);
    dc->FillRect(r, clWhite);
    dc->FrameRect(r, clNavy);
    int bar = std::max(2, size / 4);
    dc->FillRect({r.Left + 1, r.Top + 1, r.Right - 1, r.Top + 1 + bar}, RGB(0, 0, 160));
    int top = r.Top + 1 + bar, h = r.Bottom - 1 - top, w = r.Width() - 2;
    for (int i = 1; i < 3; ++i) {
        VLine(dc, r.Left + 1 + w * i / 3, top, r.Bottom - 1, clGray);
        HLine(dc, r.Left + 1, r.Right - 1, top + h * i / 3, clGray);
    }
}

void ClassicStyle::SetCaptionTextPainter(TCaptionTextPainter painter) {
    CaptionPainter() = std::move(painter);
}

void ClassicStyle::DrawCaptionText(HDC dc, const std::string& text, const TRect& rect, bool active, bool small) {
    if (text.empty() || rect.IsEmpty()) return;
    if (CaptionPainter()) {
        CaptionPainter()(dc, text, rect, active, small);
        return;
    }
    TLogFont lf;
    lf.FaceName = "Tahoma";
    lf.Height = -11;
    lf.Weight = FW_BOLD;
    const Font* font = Font::Get(lf);
    const Font* old = dc->SelectFont(font);
    dc->SetTextColor(active ? clCaptionText : clInactiveCaptionText);
    int oldMode = dc->SetBkMode(TRANSPARENT);
    TRect r = rect;
    DrawText(dc, text, &r, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
    dc->SetBkMode(oldMode);
    dc->SelectFont(old);
}
