// The menu loop.
#include "platform/controls/MenuTracker.h"
#include "platform/controls/MenuBar.h"
#include "platform/controls/MenuPlacement.h"
#include "platform/controls/MenuTable.h"
#include "platform/controls/PopupMenuWindow.h"
#include "platform/controls/SystemMenu.h"
#include "platform/system/LetterCase.h"
#include "platform/window/Win.h"

MenuTracker* MenuTracker::FCurrent = nullptr;

namespace {
enum { kAtPoint, kBesideItem, kBelowBarItem };

TRect WorkArea() {
    TRect work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

bool IsMouseMessage(UINT msg) {
    return (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || (msg >= WM_NCMOUSEMOVE && msg <= WM_NCMBUTTONDBLCLK);
}
}

MenuTracker::MenuTracker(HWND owner, UINT flags, bool system) : FOwner(owner), FFlags(flags), FSystem(system) {}

// ---- Entry points -------------------------------------------------------------------------

UINT_PTR MenuTracker::TrackPopup(HMENU menu, UINT flags, TPoint pt, HWND owner, const TRect* exclude, bool system) {
    if (FCurrent || !IsWindow(owner) || !MenuTable::Instance().Find(menu)) return 0;
    MenuTracker t(owner, flags, system || MenuTable::Instance().Find(menu)->IsSystem());
    t.Begin(menu);
    bool keyboard = system && (GetKeyState(VK_SPACE) & 0x8000);
    if (!t.OpenRoot(menu, pt, exclude, keyboard)) t.Cancel();
    t.Run();
    t.Finish();
    if (flags & TPM_RETURNCMD) return t.FChosen ? t.FCommand : 0;
    t.Deliver();
    return TRUE;
}

void MenuTracker::TrackBar(HWND hwnd, TPoint screen) {
    HMENU menu = GetMenu(hwnd);
    int index = MenuBar::ItemAt(hwnd, screen);
    if (FCurrent || !MenuTable::Instance().Find(menu) || index < 0) return;
    MenuTracker t(hwnd, 0, false);
    t.FPopupMode = false;
    t.FBar = menu;
    t.FButtonDown = true;
    t.Begin(menu);
    t.SelectBar(index, true, false);
    t.Run();
    t.Finish();
    t.Deliver();
}

void MenuTracker::KeyMenu(HWND hwnd, WPARAM key) {
    HMENU menu = GetMenu(hwnd);
    Menu* m = MenuTable::Instance().Find(menu);
    if (FCurrent || !m || m->Count() == 0) return;
    int index = 0;
    if (key) {
        char32_t c = LowerChar(static_cast<char32_t>(key));
        index = -1;
        for (int i = 0; i < m->Count() && index < 0; ++i)
            if (m->Items()[i].Mnemonic() == c) index = i;
        if (index < 0) return;
    }
    MenuTracker t(hwnd, 0, false);
    t.FPopupMode = false;
    t.FBar = menu;
    t.Begin(menu);
    if (key) t.Activate(kBar, index);
    else t.SelectBar(index, false, false);
    t.Run();
    t.Finish();
    t.Deliver();
}

void MenuTracker::ShowSystemMenu(HWND hwnd, TPoint screen) {
    HMENU menu = SystemMenu::Get(hwnd, false);
    if (!menu) return;
    SystemMenu::Refresh(hwnd, menu);
    TrackPopup(menu, TPM_LEFTBUTTON, screen, hwnd, nullptr, true);
}

bool MenuTracker::EndCurrent() {
    if (!FCurrent) return false;
    FCurrent->Cancel();
    PostMessage(nullptr, WM_NULL, 0, 0);
    return true;
}

TBarItemLook MenuTracker::BarLook(HWND hwnd) {
    if (!FCurrent || FCurrent->FPopupMode || FCurrent->FOwner != hwnd) return TBarItemLook::blNormal;
    return FCurrent->FBarOpen ? TBarItemLook::blPressed : TBarItemLook::blHot;
}

// ---- The loop ---------------------------------------------------------------------------------

void MenuTracker::Begin(HMENU initMenu) {
    FOuter = FCurrent;
    FCurrent = this;
    if (Notify()) {
        SendMessage(FOwner, WM_ENTERMENULOOP, FPopupMode ? TRUE : FALSE, 0);
        SendMessage(FOwner, WM_INITMENU, reinterpret_cast<WPARAM>(initMenu), 0);
    }
    SetCapture(FOwner);
}

void MenuTracker::Run() {
    MSG msg;
    while (!FDone) {
        if (!IsWindow(FOwner) || GetCapture() != FOwner) break;
        if (!PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            SendIdle();
            if (FDone) break;
        }
        if (!GetMessage(&msg, nullptr, 0, 0)) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        FIdleSent = false;
        if (!Intercept(msg)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
    }
}

void MenuTracker::SendIdle() {
    if (FIdleSent || !Notify()) return;
    FIdleSent = true;
    HWND shown = FLevels.empty() ? FOwner : FLevels.back().Window;
    SendMessage(FOwner, WM_ENTERIDLE, MSGF_MENU, reinterpret_cast<LPARAM>(shown));
}

bool MenuTracker::Intercept(MSG& msg) {
    if (IsMouseMessage(msg.message)) {
        switch (msg.message) {
        case WM_MOUSEMOVE:
        case WM_NCMOUSEMOVE: MouseMove(msg.pt); break;
        case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK: ButtonDown(msg.pt); break;
        case WM_LBUTTONUP: case WM_NCLBUTTONUP: ButtonUp(msg.pt); break;
        case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: case WM_NCRBUTTONDOWN: case WM_NCRBUTTONDBLCLK:
            if ((FFlags & TPM_RIGHTBUTTON) || HitTest(msg.pt).Level == kNowhere) ButtonDown(msg.pt);
            break;
        case WM_RBUTTONUP: case WM_NCRBUTTONUP:
            if (FFlags & TPM_RIGHTBUTTON) ButtonUp(msg.pt);
            break;
        default: break; // middle button and wheel: swallowed while the menu is open
        }
        return true;
    }
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        TranslateMessage(&msg);
        KeyDown(static_cast<UINT>(msg.wParam));
        return true;
    case WM_KEYUP:
    case WM_SYSKEYUP: return true;
    case WM_CHAR:
    case WM_SYSCHAR:
        if (msg.wParam >= 32) Char(static_cast<char32_t>(msg.wParam));
        return true;
    case WM_TIMER:
        if (msg.wParam != kOpenTimer) return false;
        Timer(msg.hwnd);
        return true;
    default: return false;
    }
}

void MenuTracker::Finish() {
    CloseFrom(0);
    if (Menu* bar = MenuTable::Instance().Find(FBar)) {
        bar->Hilite(-1);
        FBarOpen = false;
        if (IsWindow(FOwner)) MenuBar::Redraw(FOwner);
    }
    if (GetCapture() == FOwner) ReleaseCapture();
    FCurrent = FOuter;
    if (Notify() && IsWindow(FOwner)) {
        SendMessage(FOwner, WM_MENUSELECT, MAKEWPARAM(0, kMenuClosedFlags), 0);
        SendMessage(FOwner, WM_EXITMENULOOP, FPopupMode ? TRUE : FALSE, 0);
    }
}

void MenuTracker::Deliver() {
    if (!FChosen || !Notify() || !IsWindow(FOwner)) return;
    if (FCommandIsSystem) PostMessage(FOwner, WM_SYSCOMMAND, FCommand, FCommandPos);
    else PostMessage(FOwner, WM_COMMAND, MAKEWPARAM(static_cast<int>(FCommand), 0), 0);
}

// ---- Menus and levels ---------------------------------------------------------------------------

Menu* MenuTracker::MenuAt(int level) const {
    if (level == kBar) return MenuTable::Instance().Find(FBar);
    if (level < 0 || level >= static_cast<int>(FLevels.size())) return nullptr;
    return MenuTable::Instance().Find(FLevels[level].Menu);
}

MenuItem* MenuTracker::Selected(int level, int* index) const {
    Menu* m = MenuAt(level);
    int i = m ? m->Hilited() : -1;
    if (index) *index = i;
    return i >= 0 ? &m->Items()[i] : nullptr;
}

HWND MenuTracker::ShowPopup(HMENU menu, int parentIndex, const TRect& from, int how, TPoint pt, const TRect* exclude) {
    if (Notify())
        SendMessage(FOwner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(parentIndex, FSystem ? 1 : 0));
    if (FDone || !MenuTable::Instance().Find(menu) || !IsWindow(FOwner)) return nullptr;
    HWND popup = PopupMenuWindow::Create(menu, FOwner);
    if (!popup) return nullptr;
    TRect r;
    GetWindowRect(popup, &r);
    TSize size = r.Size();
    TRect work = WorkArea();
    TPoint at = how == kBesideItem     ? MenuPlacement::BesideItem(size, from, work)
                : how == kBelowBarItem ? MenuPlacement::BelowBarItem(size, from, work)
                                       : MenuPlacement::AtPoint(size, pt, FFlags, exclude, work);
    SetWindowPos(popup, HWND_TOPMOST, at.X, at.Y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    return popup;
}

bool MenuTracker::OpenRoot(HMENU menu, TPoint pt, const TRect* exclude, bool selectFirst) {
    HWND popup = ShowPopup(menu, 0, {}, kAtPoint, pt, exclude);
    if (!popup) return false;
    FLevels.push_back({menu, popup});
    if (selectFirst) MoveSelection(0, 1);
    return true;
}

bool MenuTracker::OpenSubmenu(int level, bool selectFirst) {
    int index = -1;
    MenuItem* item = Selected(level, &index);
    if (!item || !item->SubMenu || item->IsDisabled()) return false;
    HMENU sub = item->SubMenu;
    if (static_cast<int>(FLevels.size()) > level + 1 && FLevels[level + 1].Menu == sub) return true;
    CloseFrom(level + 1);
    TRect from;
    bool fromBar = level == kBar;
    if (fromBar ? !MenuBar::ItemScreenRect(FOwner, index, &from)
                : !PopupMenuWindow::ItemScreenRect(FLevels[level].Window, index, &from))
        return false;
    HWND popup = ShowPopup(sub, index, from, fromBar ? kBelowBarItem : kBesideItem, {}, nullptr);
    if (!popup) return false;
    FLevels.push_back({sub, popup});
    if (selectFirst) MoveSelection(static_cast<int>(FLevels.size()) - 1, 1);
    return true;
}

void MenuTracker::CloseFrom(int level) {
    level = std::max(level, 0);
    while (static_cast<int>(FLevels.size()) > level) {
        TLevel closing = FLevels.back();
        FLevels.pop_back();
        if (Menu* m = MenuTable::Instance().Find(closing.Menu)) m->Hilite(-1);
        if (IsWindow(closing.Window)) {
            KillTimer(closing.Window, kOpenTimer);
            DestroyWindow(closing.Window);
        }
        if (Notify() && IsWindow(FOwner))
            SendMessage(FOwner, WM_UNINITMENUPOPUP, reinterpret_cast<WPARAM>(closing.Menu), MAKELPARAM(0, FSystem ? MF_SYSMENU : 0));
    }
}

void MenuTracker::SendMenuSelect(int level, int index) {
    Menu* m = MenuAt(level);
    if (!Notify() || !m || !m->Valid(index)) return;
    const MenuItem& item = m->Items()[index];
    UINT flags = (item.State & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_HILITE)) | (item.Type & (MF_OWNERDRAW | MF_SEPARATOR));
    if (item.SubMenu) flags |= MF_POPUP;
    if (FButtonDown) flags |= MF_MOUSESELECT;
    if (FSystem) flags |= MF_SYSMENU;
    UINT first = item.SubMenu ? static_cast<UINT>(index) : item.Id;
    HMENU holder = level == kBar ? FBar : FLevels[level].Menu;
    SendMessage(FOwner, WM_MENUSELECT, MAKEWPARAM(static_cast<int>(first), static_cast<int>(flags)), reinterpret_cast<LPARAM>(holder));
}

void MenuTracker::Select(int level, int index) {
    Menu* m = MenuAt(level);
    if (!m || level < 0) return;
    int old = m->Hilited();
    if (old == index) return;
    HWND window = FLevels[level].Window;
    KillTimer(window, kOpenTimer);
    CloseFrom(level + 1);
    m->Hilite(index);
    PopupMenuWindow::InvalidateItem(window, old);
    PopupMenuWindow::InvalidateItem(window, index);
    SendMenuSelect(level, index);
}

void MenuTracker::SelectBar(int index, bool open, bool selectFirst) {
    Menu* bar = MenuAt(kBar);
    if (!bar) return;
    bool changed = index != FBarIndex || open != FBarOpen;
    if (index != FBarIndex || !open) CloseFrom(0);
    FBarIndex = index;
    FBarOpen = open;
    bar->Hilite(index);
    if (changed) {
        MenuBar::Redraw(FOwner);
        SendMenuSelect(kBar, index);
    }
    if (open && !FDone) OpenSubmenu(kBar, selectFirst);
}

void MenuTracker::Choose(int level, int index) {
    Menu* m = MenuAt(level);
    if (!m || !m->Valid(index)) return;
    const MenuItem& item = m->Items()[index];
    if (!item.IsSelectable()) return;
    if (item.SubMenu) {
        if (level == kBar) SelectBar(index, true, true);
        else OpenSubmenu(level, true);
        return;
    }
    FChosen = true;
    FCommand = item.Id;
    FCommandIsSystem = FSystem || m->IsSystem();
    TPoint pos;
    GetCursorPos(&pos);
    FCommandPos = FMouseChoice ? PointToLParam(pos) : 0;
    FDone = true;
}

MenuTracker::THit MenuTracker::HitTest(TPoint screen) const {
    for (int level = static_cast<int>(FLevels.size()) - 1; level >= 0; --level) {
        TRect r;
        GetWindowRect(FLevels[level].Window, &r);
        if (r.Contains(screen)) return {level, PopupMenuWindow::ItemAt(FLevels[level].Window, screen)};
    }
    if (FBar) {
        int index = MenuBar::ItemAt(FOwner, screen);
        if (index >= 0) return {kBar, index};
    }
    return {};
}

// ---- Mouse ----------------------------------------------------------------------------------------

void MenuTracker::MouseMove(TPoint pt) {
    THit hit = HitTest(pt);
    if (hit.Level == kBar) {
        if (hit.Index != FBarIndex) SelectBar(hit.Index, FBarOpen || FButtonDown, false);
        return;
    }
    Menu* m = MenuAt(hit.Level);
    if (hit.Level < 0 || !m || !m->Valid(hit.Index) || m->Items()[hit.Index].IsSeparator()) return;
    if (m->Hilited() == hit.Index) return;
    Select(hit.Level, hit.Index);
    const MenuItem* item = Selected(hit.Level);
    if (item && item->SubMenu && !item->IsDisabled()) SetTimer(FLevels[hit.Level].Window, kOpenTimer, kOpenDelayMs);
}

void MenuTracker::ButtonDown(TPoint pt) {
    FButtonDown = true;
    THit hit = HitTest(pt);
    if (hit.Level == kNowhere) {
        Cancel(); // the click that closes the menu goes nowhere else
        return;
    }
    if (hit.Level == kBar) {
        if (hit.Index == FBarIndex && FBarOpen && !FLevels.empty()) Cancel();
        else SelectBar(hit.Index, true, false);
        return;
    }
    Menu* m = MenuAt(hit.Level);
    if (!m || !m->Valid(hit.Index) || m->Items()[hit.Index].IsSeparator()) return;
    Select(hit.Level, hit.Index);
    OpenSubmenu(hit.Level, false);
}

void MenuTracker::ButtonUp(TPoint pt) {
    FButtonDown = false;
    FMouseChoice = true;
    THit hit = HitTest(pt);
    Menu* m = MenuAt(hit.Level);
    bool onItem = m && m->Valid(hit.Index);
    if (hit.Level >= 0) {
        if (onItem && !m->Items()[hit.Index].SubMenu) Choose(hit.Level, hit.Index);
        return;
    }
    // A bar item without a drop-down acts on release over it; released elsewhere, it lets go.
    Menu* bar = MenuAt(kBar);
    if (!bar || FBarIndex < 0 || !FLevels.empty() || bar->Items()[FBarIndex].SubMenu) return;
    if (hit.Level == kBar && hit.Index == FBarIndex && FBarOpen) Choose(kBar, FBarIndex);
    else if (FBarOpen) Cancel();
}

void MenuTracker::Timer(HWND window) {
    KillTimer(window, kOpenTimer);
    for (int level = 0; level < static_cast<int>(FLevels.size()); ++level)
        if (FLevels[level].Window == window) OpenSubmenu(level, false);
}

// ---- Keyboard ------------------------------------------------------------------------------------

void MenuTracker::MoveSelection(int level, int step) {
    Menu* m = MenuAt(level);
    if (!m || m->Count() == 0) return;
    int n = m->Count(), start = m->Hilited();
    int i = start < 0 ? (step > 0 ? n - 1 : 0) : start;
    for (int tries = 0; tries < n; ++tries) {
        i = (i + step + n) % n;
        if (m->Items()[i].IsSelectable()) {
            Select(level, i);
            return;
        }
    }
}

void MenuTracker::MoveBar(int step) {
    Menu* bar = MenuAt(kBar);
    if (!bar || bar->Count() == 0) return;
    int n = bar->Count();
    int i = FBarIndex;
    for (int tries = 0; tries < n; ++tries) {
        i = ((i < 0 ? 0 : i) + step + n) % n;
        if (!bar->Items()[i].IsSeparator()) break;
    }
    SelectBar(i, FBarOpen, true);
}

void MenuTracker::Activate(int level, int index) {
    Menu* m = MenuAt(level);
    if (!m || !m->Valid(index)) return;
    if (level == kBar) {
        if (m->Items()[index].SubMenu) SelectBar(index, true, true);
        else {
            SelectBar(index, false, false);
            Choose(kBar, index);
        }
        return;
    }
    Select(level, index);
    Choose(level, index);
}

void MenuTracker::KeyDown(UINT vk) {
    FMouseChoice = false;
    int deepest = static_cast<int>(FLevels.size()) - 1;
    bool barOnly = deepest < 0 && FBar;
    int index = -1;
    switch (vk) {
    case VK_ESCAPE:
        if (deepest > 0 || (deepest == 0 && FBar)) {
            CloseFrom(deepest);
            if (deepest == 0) SelectBar(FBarIndex, false, false);
        } else {
            Cancel();
        }
        break;
    case VK_MENU:
    case VK_F10: Cancel(); break;
    case VK_UP:
    case VK_DOWN:
        if (barOnly) SelectBar(std::max(FBarIndex, 0), true, true);
        else if (deepest >= 0) MoveSelection(deepest, vk == VK_DOWN ? 1 : -1);
        break;
    case VK_LEFT:
        if (deepest > 0) CloseFrom(deepest);
        else if (FBar) MoveBar(-1);
        break;
    case VK_RIGHT: {
        MenuItem* item = deepest >= 0 ? Selected(deepest) : nullptr;
        if (item && item->SubMenu && !item->IsDisabled()) OpenSubmenu(deepest, true);
        else if (FBar) MoveBar(1);
        break;
    }
    case VK_RETURN:
        if (deepest >= 0 && Selected(deepest, &index)) Choose(deepest, index);
        else if (barOnly && FBarIndex >= 0) Activate(kBar, FBarIndex);
        break;
    default: break;
    }
}

void MenuTracker::Char(char32_t c) {
    FMouseChoice = false;
    int level = FLevels.empty() ? kBar : static_cast<int>(FLevels.size()) - 1;
    Menu* m = MenuAt(level);
    if (!m) return;
    c = LowerChar(c);
    std::vector<int> matches;
    for (int i = 0; i < m->Count(); ++i)
        if (!m->Items()[i].IsSeparator() && m->Items()[i].Mnemonic() == c) matches.push_back(i);
    if (matches.empty()) return;
    if (matches.size() == 1) {
        Activate(level, matches[0]);
        return;
    }
    // Several items share the letter: each press moves to the next of them.
    int current = level == kBar ? FBarIndex : m->Hilited();
    int next = matches[0];
    for (int i : matches)
        if (i > current) {
            next = i;
            break;
        }
    if (level == kBar) SelectBar(next, FBarOpen, false);
    else Select(level, next);
}
