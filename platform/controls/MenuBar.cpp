// Menu bar layout, hit testing and painting.
#include "platform/controls/MenuBar.h"
#include "platform/controls/MenuTable.h"
#include "platform/controls/MenuTracker.h"
#include "platform/window/Win.h"

#include <algorithm>

int MenuBar::FrameBorder(HWND hwnd) {
    // The frame thickness the default non-client layout gives the window's styles.
    DWORD style = static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE));
    DWORD ex = static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_EXSTYLE));
    int border = 0;
    if ((ex & WS_EX_DLGMODALFRAME) || (style & (WS_THICKFRAME | WS_DLGFRAME))) border = 2;
    if (style & WS_THICKFRAME) border += GetSystemMetrics(SM_CXFRAME) - GetSystemMetrics(SM_CXDLGFRAME);
    if ((style & (WS_BORDER | WS_DLGFRAME)) || (ex & WS_EX_DLGMODALFRAME)) ++border;
    return border;
}

TBarLayout MenuBar::Layout(HWND hwnd, HMENU menu, int windowWidth) {
    TBarLayout l;
    int rowHeight = GetSystemMetrics(SM_CYMENU);
    l.Height = rowHeight;
    Menu* m = MenuTable::Instance().Find(menu);
    if (!m) return l;
    int width = std::max(1, windowWidth - 2 * FrameBorder(hwnd));
    for (MenuItem& item : m->Items()) {
        TSize s = MenuPainter::MeasureBarItem(hwnd, item);
        rowHeight = std::max(rowHeight, s.cy);
    }
    int x = 0, y = 0;
    for (MenuItem& item : m->Items()) {
        int w = item.Size.cx;
        bool forced = (item.Type & (MFT_MENUBREAK | MFT_MENUBARBREAK)) != 0;
        if (x > 0 && (forced || x + w > width)) {
            x = 0;
            y += rowHeight;
        }
        l.Items.push_back(Bounds(x, y, w, rowHeight));
        x += w;
    }
    l.Height = y + rowHeight;
    return l;
}

int MenuBar::Height(HWND hwnd, HMENU menu, int windowWidth) {
    return Layout(hwnd, menu, windowWidth).Height;
}

void MenuBar::Paint(HWND hwnd, HMENU menu, HDC dc, const TRect& bar, bool) {
    dc->FillRect(bar, clMenu);
    Menu* m = MenuTable::Instance().Find(menu);
    if (!m) return;
    TRect w;
    GetWindowRect(hwnd, &w);
    TBarLayout l = Layout(hwnd, menu, w.Width());
    TBarItemLook hiliteLook = MenuTracker::BarLook(hwnd);
    int n = std::min(m->Count(), static_cast<int>(l.Items.size()));
    for (int i = 0; i < n; ++i) {
        const MenuItem& item = m->Items()[i];
        TRect r = l.Items[i].Offset(bar.Left, bar.Top).Intersect(bar);
        if (r.IsEmpty()) continue;
        TBarItemLook look = (item.State & MFS_HILITE) ? hiliteLook : TBarItemLook::blNormal;
        MenuPainter::DrawBarItem(dc, hwnd, menu, item, r, look);
        if (!(m = MenuTable::Instance().Find(menu))) return;
        n = std::min(m->Count(), n);
    }
}

bool MenuBar::ScreenRect(HWND hwnd, TRect* rect) {
    HMENU menu = GetMenu(hwnd);
    if (!menu) return false;
    TRect w;
    GetWindowRect(hwnd, &w);
    TPoint client{0, 0};
    ClientToScreen(hwnd, &client);
    DWORD ex = static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_EXSTYLE));
    int edge = (ex & WS_EX_CLIENTEDGE) ? 2 : (ex & WS_EX_STATICEDGE) ? 1 : 0;
    int border = FrameBorder(hwnd);
    int bottom = client.Y - edge;
    *rect = {w.Left + border, bottom - Height(hwnd, menu, w.Width()), w.Right - border, bottom};
    return true;
}

bool MenuBar::ItemScreenRect(HWND hwnd, int index, TRect* rect) {
    TRect bar, w;
    if (!ScreenRect(hwnd, &bar)) return false;
    GetWindowRect(hwnd, &w);
    TBarLayout l = Layout(hwnd, GetMenu(hwnd), w.Width());
    if (index < 0 || index >= static_cast<int>(l.Items.size())) return false;
    *rect = l.Items[index].Offset(bar.Left, bar.Top);
    return true;
}

int MenuBar::ItemAt(HWND hwnd, TPoint screen) {
    TRect bar, w;
    if (!ScreenRect(hwnd, &bar) || !bar.Contains(screen)) return -1;
    GetWindowRect(hwnd, &w);
    TBarLayout l = Layout(hwnd, GetMenu(hwnd), w.Width());
    TPoint p{screen.X - bar.Left, screen.Y - bar.Top};
    for (std::size_t i = 0; i < l.Items.size(); ++i)
        if (l.Items[i].Contains(p)) return static_cast<int>(i);
    return -1;
}

void MenuBar::Redraw(HWND hwnd) {
    TRect bar;
    if (!ScreenRect(hwnd, &bar)) return;
    MapWindowRect(nullptr, hwnd, &bar);
    RedrawWindow(hwnd, &bar, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
}
