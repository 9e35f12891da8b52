// The "#32768" popup menu window.
#include "platform/controls/PopupMenuWindow.h"
#include "platform/controls/MenuPainter.h"
#include "platform/controls/MenuTable.h"
#include "platform/window/ClassicStyle.h"
#include "platform/window/Win.h"

#include <algorithm>

namespace {
// Not GWLP_USERDATA: the skin keeps its own data there when it subclasses a popup.
const char* const kStateProp = "#32768.State";
}

void PopupMenuWindow::Register() {
    WNDCLASS wc;
    wc.lpszClassName = kClassName;
    wc.style = CS_DROPSHADOW | CS_SAVEBITS;
    wc.lpfnWndProc = Proc;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClass(wc);
}

PopupMenuWindow::TState* PopupMenuWindow::State(HWND popup) {
    return reinterpret_cast<TState*>(GetProp(popup, kStateProp));
}

HWND PopupMenuWindow::Create(HMENU menu, HWND owner) {
    TState init;
    init.Menu = menu;
    init.Owner = owner;
    HWND hwnd = CreateWindowEx(WS_EX_TOPMOST | WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClassName, "",
                               WS_POPUP | WS_CLIPSIBLINGS, 0, 0, 0, 0, owner, nullptr, &init);
    TState* s = hwnd ? State(hwnd) : nullptr;
    if (!s) return nullptr;
    Layout(*s);
    SetWindowPos(hwnd, nullptr, 0, 0, s->Content.cx + 2 * kFrame, s->Content.cy + 2 * kFrame,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return hwnd;
}

HMENU PopupMenuWindow::MenuOf(HWND popup) {
    TState* s = State(popup);
    return s ? s->Menu : nullptr;
}

HWND PopupMenuWindow::FindShowing(HMENU menu) {
    HWND found = nullptr;
    EnumWindows([&](HWND h) {
        if (GetClassName(h) == kClassName && IsWindowVisible(h) && MenuOf(h) == menu) found = h;
        return found == nullptr;
    });
    return found;
}

void PopupMenuWindow::Layout(TState& s) {
    Menu* m = MenuTable::Instance().Find(s.Menu);
    s.Items.clear();
    s.ShortcutX.clear();
    s.Content = {0, 0};
    if (!m) return;
    // Columns start at MFT_MENUBREAK / MFT_MENUBARBREAK items; each is as wide as its widest item,
    // and the shortcuts of a column line up behind its widest label.
    int x = 0, y = 0, columnStart = 0;
    auto closeColumn = [&](int end) {
        int width = 0, label = 0, shortcut = 0;
        for (int k = columnStart; k < end; ++k) {
            const MenuItem& item = m->Items()[k];
            width = std::max(width, item.Size.cx);
            if (item.IsOwnerDraw() || item.IsSeparator()) continue;
            label = std::max(label, MenuPainter::LabelWidth(item));
            shortcut = std::max(shortcut, MenuPainter::ShortcutWidth(item));
        }
        if (shortcut) width = std::max(width, MenuPainter::kCheckColumn + label + MenuPainter::kShortcutGap + shortcut + MenuPainter::kArrowColumn);
        for (int k = columnStart; k < end; ++k) {
            s.Items[k].Right = s.Items[k].Left + width;
            s.ShortcutX[k] = x + MenuPainter::kCheckColumn + label + MenuPainter::kShortcutGap;
        }
        x += width;
        s.Content.cx = x;
    };
    for (int i = 0; i < m->Count(); ++i) {
        MenuItem& item = m->Items()[i];
        TSize size = MenuPainter::MeasurePopupItem(s.Owner, item);
        if (i > 0 && (item.Type & (MFT_MENUBREAK | MFT_MENUBARBREAK))) {
            closeColumn(i);
            columnStart = i;
            y = 0;
        }
        s.Items.push_back({x, y, x, y + size.cy});
        s.ShortcutX.push_back(0);
        y += size.cy;
        s.Content.cy = std::max(s.Content.cy, y);
    }
    closeColumn(m->Count());
    if (m->Count() == 0) s.Content = {MenuPainter::kCheckColumn + MenuPainter::kArrowColumn, MenuPainter::PopupItemHeight() / 2};
}

int PopupMenuWindow::ItemAt(HWND popup, TPoint screen) {
    TState* s = State(popup);
    if (!s) return -1;
    ScreenToClient(popup, &screen);
    for (std::size_t i = 0; i < s->Items.size(); ++i)
        if (s->Items[i].Contains(screen)) return static_cast<int>(i);
    return -1;
}

bool PopupMenuWindow::ItemScreenRect(HWND popup, int index, TRect* rect) {
    TState* s = State(popup);
    if (!s || index < 0 || index >= static_cast<int>(s->Items.size())) return false;
    *rect = s->Items[index];
    MapWindowRect(popup, nullptr, rect);
    return true;
}

void PopupMenuWindow::InvalidateItem(HWND popup, int index) {
    TState* s = State(popup);
    if (!s || index < 0 || index >= static_cast<int>(s->Items.size())) return;
    InvalidateRect(popup, &s->Items[index], TRUE);
}

LRESULT PopupMenuWindow::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCCREATE: return OnNcCreate(hwnd, lParam);
    case WM_NCDESTROY: return OnNcDestroy(hwnd);
    case WM_NCPAINT: return OnNcPaint(hwnd);
    case WM_ERASEBKGND: return OnEraseBackground(hwnd, wParam);
    case WM_PAINT: return OnPaint(hwnd);
    case WM_PRINTCLIENT: return OnPrintClient(hwnd, wParam);
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case MN_GETHMENU: return reinterpret_cast<LRESULT>(MenuOf(hwnd));
    default: return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

LRESULT PopupMenuWindow::OnNcCreate(HWND hwnd, LPARAM lParam) {
    const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
    const auto* init = cs ? static_cast<const TState*>(cs->lpCreateParams) : nullptr;
    if (!init) return FALSE;
    SetProp(hwnd, kStateProp, reinterpret_cast<std::uintptr_t>(new TState(*init)));
    return DefWindowProc(hwnd, WM_NCCREATE, 0, lParam);
}

LRESULT PopupMenuWindow::OnNcDestroy(HWND hwnd) {
    delete reinterpret_cast<TState*>(RemoveProp(hwnd, kStateProp));
    return 0;
}

LRESULT PopupMenuWindow::OnNcPaint(HWND hwnd) {
    HDC dc = GetWindowDC(hwnd);
    if (!dc) return 0;
    TRect r;
    GetWindowRect(hwnd, &r);
    r = {0, 0, r.Width(), r.Height()};
    ClassicStyle::DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
    dc->FrameRect(r, clMenu);
    ReleaseDC(hwnd, dc);
    return 0;
}

LRESULT PopupMenuWindow::OnEraseBackground(HWND hwnd, WPARAM wParam) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    if (!dc) return 0;
    TRect client;
    GetClientRect(hwnd, &client);
    dc->FillRect(client, clMenu);
    return 1;
}

LRESULT PopupMenuWindow::OnPaint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (dc) PaintItems(hwnd, dc, ps.rcPaint);
    EndPaint(hwnd, &ps);
    return 0;
}

LRESULT PopupMenuWindow::OnPrintClient(HWND hwnd, WPARAM wParam) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    TRect client;
    GetClientRect(hwnd, &client);
    if (dc) PaintItems(hwnd, dc, client);
    return 0;
}

void PopupMenuWindow::PaintItems(HWND hwnd, HDC dc, const TRect& area) {
    TState* s = State(hwnd);
    Menu* m = s ? MenuTable::Instance().Find(s->Menu) : nullptr;
    if (!m) return;
    int n = std::min(m->Count(), static_cast<int>(s->Items.size()));
    for (int i = 0; i < n; ++i) {
        if (s->Items[i].Intersect(area).IsEmpty()) continue;
        MenuPainter::DrawPopupItem(dc, s->Owner, s->Menu, m->Items()[i], s->Items[i], s->ShortcutX[i]);
        // The owner's handler may have changed or destroyed the menu.
        if (!(m = MenuTable::Instance().Find(s->Menu))) return;
        n = std::min(m->Count(), n);
    }
}
