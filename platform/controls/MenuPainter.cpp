// Measuring and drawing menu items in the classic look.
#include "platform/controls/MenuPainter.h"
#include "platform/text/TextDraw.h"
#include "platform/window/ClassicStyle.h"
#include "platform/window/Win.h"

#include <algorithm>

const Font* MenuPainter::MenuFont(bool bold) {
    NONCLIENTMETRICS m;
    SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 0, &m, 0);
    if (bold) m.lfMenuFont.Weight = FW_BOLD;
    return Font::Get(m.lfMenuFont);
}

int MenuPainter::PopupItemHeight() {
    return std::max(GetSystemMetrics(SM_CYMENUSIZE), MenuFont()->Metrics().tmHeight + 5);
}

static int TextWidth(const Font* font, const std::string& text) {
    if (text.empty()) return 0;
    DeviceContext dc;
    dc.SelectFont(font);
    TRect r{0, 0, 0, 0};
    DrawText(&dc, text, &r, DT_SINGLELINE | DT_CALCRECT);
    return r.Width();
}

int MenuPainter::LabelWidth(const MenuItem& item) {
    return TextWidth(MenuFont((item.State & MFS_DEFAULT) != 0), item.Label());
}

int MenuPainter::ShortcutWidth(const MenuItem& item) {
    return TextWidth(MenuFont((item.State & MFS_DEFAULT) != 0), item.Shortcut());
}

TSize MenuPainter::OwnerMeasure(HWND owner, MenuItem& item, int defaultHeight) {
    MEASUREITEMSTRUCT mis;
    mis.CtlType = ODT_MENU;
    mis.itemID = item.Id;
    mis.itemHeight = static_cast<UINT>(defaultHeight);
    mis.itemData = item.Data;
    if (owner) SendMessage(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
    return {static_cast<int>(mis.itemWidth), static_cast<int>(mis.itemHeight)};
}

TSize MenuPainter::MeasurePopupItem(HWND owner, MenuItem& item) {
    if (item.Measured) return item.Size;
    TSize size;
    if (item.IsOwnerDraw()) {
        size = OwnerMeasure(owner, item, PopupItemHeight());
        size.cx += GetSystemMetrics(SM_CXMENUCHECK) - 1;
    } else if (item.IsSeparator()) {
        size = {0, kSeparatorHeight};
    } else {
        int shortcut = ShortcutWidth(item);
        size.cx = kCheckColumn + LabelWidth(item) + (shortcut ? kShortcutGap + shortcut : 0) + kArrowColumn;
        size.cy = PopupItemHeight();
    }
    item.Size = size;
    item.Measured = true;
    return size;
}

TSize MenuPainter::MeasureBarItem(HWND owner, MenuItem& item) {
    if (item.Measured) return item.Size;
    int barHeight = GetSystemMetrics(SM_CYMENU);
    TSize size;
    if (item.IsOwnerDraw()) {
        size = OwnerMeasure(owner, item, barHeight - 1);
        size.cy += 1;
    } else {
        size = {LabelWidth(item) + 2 * kBarPadding, barHeight};
    }
    item.Size = size;
    item.Measured = true;
    return size;
}

void MenuPainter::OwnerDraw(HDC dc, HWND owner, HMENU menu, const MenuItem& item, const TRect& rect, UINT extraState) {
    DRAWITEMSTRUCT dis;
    dis.CtlType = ODT_MENU;
    dis.itemID = item.Id;
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = extraState;
    if (item.State & MFS_HILITE) dis.itemState |= ODS_SELECTED;
    if (item.State & MF_GRAYED) dis.itemState |= ODS_GRAYED;
    if (item.State & MF_DISABLED) dis.itemState |= ODS_DISABLED;
    if (item.State & MFS_CHECKED) dis.itemState |= ODS_CHECKED;
    if (item.State & MFS_DEFAULT) dis.itemState |= ODS_DEFAULT;
    dis.hwndItem = reinterpret_cast<HWND>(menu);
    dis.hDC = dc;
    dis.rcItem = rect;
    dis.itemData = item.Data;
    int saved = dc->SaveDC();
    if (owner) SendMessage(owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
    dc->RestoreDC(saved);
}

void MenuPainter::DrawLabel(HDC dc, const std::string& text, TRect rect, UINT format, TColor color, bool embossed) {
    dc->SetBkMode(TRANSPARENT);
    if (embossed) {
        TRect shadow = rect.Offset(1, 1);
        dc->SetTextColor(clBtnHighlight);
        DrawText(dc, text, &shadow, format);
    }
    dc->SetTextColor(color);
    DrawText(dc, text, &rect, format);
}

void MenuPainter::DrawSeparator(HDC dc, const TRect& rect) {
    int y = rect.Top + rect.Height() / 2 - 1;
    dc->FillRect({rect.Left + 1, y, rect.Right - 1, y + 1}, clBtnShadow);
    dc->FillRect({rect.Left + 1, y + 1, rect.Right - 1, y + 2}, clBtnHighlight);
}

void MenuPainter::DrawCheck(HDC dc, const MenuItem& item, const TRect& rect, TColor color) {
    TRect box = Bounds(rect.Left + 3, rect.Top + (rect.Height() - 13) / 2, 13, 13);
    if (item.Type & MFT_RADIOCHECK) {
        TRect dot = Bounds(box.Left + 4, box.Top + 4, 6, 6);
        dc->Ellipse(dot, color, color);
    } else {
        ClassicStyle::DrawCheckMark(dc, box, color);
    }
}

void MenuPainter::DrawPopupItem(HDC dc, HWND owner, HMENU menu, const MenuItem& item, const TRect& rect, int shortcutX) {
    if (item.IsOwnerDraw()) {
        OwnerDraw(dc, owner, menu, item, rect, 0);
        return;
    }
    if (item.IsSeparator()) {
        DrawSeparator(dc, rect);
        return;
    }
    bool hilite = (item.State & MFS_HILITE) != 0, disabled = item.IsDisabled();
    dc->FillRect(rect, hilite ? clHighlight : clMenu);
    TColor ink = disabled ? clGrayText : hilite ? clHighlightText : clMenuText;
    bool embossed = disabled && !hilite;
    const Font* old = dc->SelectFont(MenuFont((item.State & MFS_DEFAULT) != 0));
    if (item.State & MFS_CHECKED) DrawCheck(dc, item, rect, ink);
    TRect text{rect.Left + kCheckColumn, rect.Top, rect.Right - kArrowColumn, rect.Bottom};
    DrawLabel(dc, item.Label(), text, DT_SINGLELINE | DT_VCENTER | DT_LEFT, ink, embossed);
    std::string shortcut = item.Shortcut();
    if (!shortcut.empty()) {
        TRect sc{std::max(text.Left, shortcutX), rect.Top, text.Right, rect.Bottom};
        DrawLabel(dc, shortcut, sc, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX, ink, embossed);
    }
    if (item.SubMenu) {
        TRect arrow{rect.Right - kArrowColumn, rect.Top, rect.Right - 4, rect.Bottom};
        ClassicStyle::DrawArrow(dc, arrow, TArrowDirection::adRight, ink);
    }
    dc->SelectFont(old);
}

void MenuPainter::DrawBarItem(HDC dc, HWND owner, HMENU menu, const MenuItem& item, const TRect& rect, TBarItemLook look) {
    if (item.IsOwnerDraw()) {
        OwnerDraw(dc, owner, menu, item, rect, look == TBarItemLook::blHot ? ODS_HOTLIGHT : 0);
        return;
    }
    dc->FillRect(rect, clMenu);
    TRect frame = rect;
    if (look == TBarItemLook::blHot) ClassicStyle::DrawEdge(dc, &frame, BDR_RAISEDINNER, BF_RECT);
    if (look == TBarItemLook::blPressed) ClassicStyle::DrawEdge(dc, &frame, BDR_SUNKENOUTER, BF_RECT);
    TRect text = look == TBarItemLook::blPressed ? rect.Offset(1, 1) : rect;
    const Font* old = dc->SelectFont(MenuFont((item.State & MFS_DEFAULT) != 0));
    DrawLabel(dc, item.Label(), text, DT_SINGLELINE | DT_VCENTER | DT_CENTER, item.IsDisabled() ? clGrayText : clMenuText,
              item.IsDisabled());
    dc->SelectFont(old);
}
