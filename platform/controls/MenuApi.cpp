// The menu functions: thin checks over the menu table, the system menu and the tracker.
#include "platform/controls/MenuApi.h"
#include "platform/controls/MenuBar.h"
#include "platform/controls/MenuTable.h"
#include "platform/controls/MenuTracker.h"
#include "platform/controls/PopupMenuWindow.h"
#include "platform/controls/SystemMenu.h"
#include "platform/window/Win.h"

#include <algorithm>

namespace {
constexpr UINT kTypeFlags = MF_SEPARATOR | MF_OWNERDRAW | MF_MENUBREAK | MF_MENUBARBREAK | MF_BITMAP | MF_RIGHTJUSTIFY;
constexpr UINT kStateFlags = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_HILITE | MF_DEFAULT;
constexpr UINT kFailed = static_cast<UINT>(-1);

MenuTable& Table() {
    return MenuTable::Instance();
}

// An item from the flags of AppendMenu / InsertMenu / ModifyMenu; false for a bad submenu.
bool ItemFromFlags(UINT flags, UINT_PTR id, const std::string& text, MenuItem& item) {
    item.Type = flags & kTypeFlags;
    item.State = flags & kStateFlags;
    item.SubMenu = nullptr;
    if (flags & MF_POPUP) {
        item.SubMenu = reinterpret_cast<HMENU>(id);
        if (!Table().Find(item.SubMenu)) return false;
    }
    item.Id = static_cast<UINT>(id);
    item.Text = item.IsSeparator() ? std::string() : text;
    item.Measured = false;
    return true;
}

// Where an insertion goes: before the located item, or at the end for -1 by position.
bool InsertAt(HMENU menu, UINT position, bool byPosition, MenuItem item) {
    Menu* m = Table().Find(menu);
    if (!m) return false;
    if (item.SubMenu == menu) return false;
    if (byPosition && (position == kFailed || static_cast<int>(position) >= m->Count())) {
        m->Items().push_back(std::move(item));
        return true;
    }
    MenuTable::TLocation at = Table().Locate(menu, position, byPosition ? MF_BYPOSITION : MF_BYCOMMAND);
    Menu* target = at.Object();
    if (!target) return false;
    target->Items().insert(target->Items().begin() + at.Index, std::move(item));
    return true;
}

bool Remove(HMENU menu, UINT position, UINT flags, bool destroySubMenu) {
    MenuTable::TLocation at = Table().Locate(menu, position, flags);
    Menu* m = at.Object();
    if (!m) return false;
    HMENU sub = m->Items()[at.Index].SubMenu;
    m->Items().erase(m->Items().begin() + at.Index);
    if (destroySubMenu && sub) Table().Destroy(sub);
    return true;
}

void ApplyInfo(MenuItem& item, const MENUITEMINFO& info) {
    if (info.fMask & (MIIM_FTYPE | MIIM_TYPE)) item.Type = info.fType & ~(MF_POPUP | MF_STRING);
    if (info.fMask & (MIIM_STRING | MIIM_TYPE)) item.Text = info.dwTypeData;
    if (info.fMask & MIIM_STATE) item.State = info.fState & (kStateFlags | MFS_GRAYED);
    if (info.fMask & MIIM_ID) item.Id = info.wID;
    if (info.fMask & MIIM_SUBMENU) item.SubMenu = info.hSubMenu;
    if (info.fMask & MIIM_DATA) item.Data = info.dwItemData;
    item.Measured = false;
}
}

HMENU CreateMenu() {
    return Table().Add(std::make_unique<Menu>(false));
}

HMENU CreatePopupMenu() {
    return Table().Add(std::make_unique<Menu>(true));
}

BOOL DestroyMenu(HMENU menu) {
    return Table().Destroy(menu) ? TRUE : FALSE;
}

BOOL IsMenu(HMENU menu) {
    return Table().Find(menu) ? TRUE : FALSE;
}

BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR idNewItem, const std::string& text) {
    return InsertMenu(menu, kFailed, flags | MF_BYPOSITION, idNewItem, text);
}

BOOL InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, const std::string& text) {
    MenuItem item;
    if (!ItemFromFlags(flags, idNewItem, text, item)) return FALSE;
    return InsertAt(menu, position, (flags & MF_BYPOSITION) != 0, std::move(item)) ? TRUE : FALSE;
}

BOOL InsertMenuItem(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFO* info) {
    if (!info) return FALSE;
    if ((info->fMask & MIIM_SUBMENU) && info->hSubMenu && !Table().Find(info->hSubMenu)) return FALSE;
    MenuItem added;
    ApplyInfo(added, *info);
    return InsertAt(menu, item, byPosition != FALSE, std::move(added)) ? TRUE : FALSE;
}

BOOL ModifyMenu(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, const std::string& text) {
    MenuItem* item = Table().Locate(menu, position, flags).Item();
    if (!item) return FALSE;
    MenuItem changed = *item;
    if (!ItemFromFlags(flags, idNewItem, text, changed) || changed.SubMenu == menu) return FALSE;
    *item = std::move(changed);
    return TRUE;
}

BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) {
    return Remove(menu, position, flags, false) ? TRUE : FALSE;
}

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) {
    return Remove(menu, position, flags, true) ? TRUE : FALSE;
}

int GetMenuItemCount(HMENU menu) {
    Menu* m = Table().Find(menu);
    return m ? m->Count() : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
    MenuItem* item = Table().Locate(menu, static_cast<UINT>(position), MF_BYPOSITION).Item();
    if (!item || item->SubMenu) return kFailed;
    return item->Id;
}

HMENU GetSubMenu(HMENU menu, int position) {
    MenuItem* item = Table().Locate(menu, static_cast<UINT>(position), MF_BYPOSITION).Item();
    return item ? item->SubMenu : nullptr;
}

BOOL GetMenuItemInfo(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFO* info) {
    MenuItem* it = Table().Locate(menu, item, byPosition ? MF_BYPOSITION : MF_BYCOMMAND).Item();
    if (!it || !info) return FALSE;
    if (info->fMask & (MIIM_FTYPE | MIIM_TYPE)) info->fType = it->Type;
    if (info->fMask & (MIIM_STRING | MIIM_TYPE)) info->dwTypeData = it->Text;
    if (info->fMask & MIIM_STATE) info->fState = it->State;
    if (info->fMask & MIIM_ID) info->wID = it->Id;
    if (info->fMask & MIIM_SUBMENU) info->hSubMenu = it->SubMenu;
    if (info->fMask & MIIM_DATA) info->dwItemData = it->Data;
    return TRUE;
}

BOOL SetMenuItemInfo(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFO* info) {
    MenuItem* it = Table().Locate(menu, item, byPosition ? MF_BYPOSITION : MF_BYCOMMAND).Item();
    if (!it || !info) return FALSE;
    if ((info->fMask & MIIM_SUBMENU) && info->hSubMenu && (info->hSubMenu == menu || !Table().Find(info->hSubMenu)))
        return FALSE;
    ApplyInfo(*it, *info);
    return TRUE;
}

int GetMenuString(HMENU menu, UINT item, std::string* text, UINT flags) {
    MenuItem* it = Table().Locate(menu, item, flags).Item();
    if (!it) return 0;
    if (text) *text = it->Text;
    return static_cast<int>(it->Text.size());
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT check) {
    MenuItem* it = Table().Locate(menu, item, check).Item();
    if (!it) return static_cast<DWORD>(-1);
    DWORD old = it->State & MF_CHECKED;
    if (check & MF_CHECKED) it->State |= MF_CHECKED;
    else it->State &= ~MF_CHECKED;
    return old;
}

BOOL CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT flags) {
    MenuTable::TLocation a = Table().Locate(menu, first, flags), b = Table().Locate(menu, last, flags);
    MenuTable::TLocation c = Table().Locate(menu, check, flags);
    if (!a.Owner || a.Owner != b.Owner || a.Owner != c.Owner) return FALSE;
    Menu* m = a.Object();
    for (int i = std::min(a.Index, b.Index); i <= std::max(a.Index, b.Index); ++i) {
        MenuItem& it = m->Items()[i];
        if (i == c.Index) {
            it.State |= MF_CHECKED;
            it.Type |= MFT_RADIOCHECK;
        } else {
            it.State &= ~MF_CHECKED;
        }
    }
    return TRUE;
}

BOOL EnableMenuItem(HMENU menu, UINT item, UINT enable) {
    MenuItem* it = Table().Locate(menu, item, enable).Item();
    if (!it) return -1;
    UINT old = it->State & (MF_GRAYED | MF_DISABLED);
    it->State = (it->State & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
    return static_cast<BOOL>(old);
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
    MenuItem* it = Table().Locate(menu, item, flags).Item();
    if (!it) return kFailed;
    UINT state = it->Type | it->State;
    if (Menu* sub = Table().Find(it->SubMenu)) state = (state & 0xFF) | MF_POPUP | (static_cast<UINT>(sub->Count()) << 8);
    return state;
}

BOOL SetMenuDefaultItem(HMENU menu, UINT item, UINT byPosition) {
    Menu* m = Table().Find(menu);
    if (!m) return FALSE;
    int index = -1;
    if (item != kFailed) {
        MenuTable::TLocation at = Table().Locate(menu, item, byPosition ? MF_BYPOSITION : MF_BYCOMMAND);
        if (at.Owner != menu) return FALSE;
        index = at.Index;
    }
    for (int i = 0; i < m->Count(); ++i) {
        if (i == index) m->Items()[i].State |= MFS_DEFAULT;
        else m->Items()[i].State &= ~MFS_DEFAULT;
    }
    m->Invalidate();
    return TRUE;
}

UINT GetMenuDefaultItem(HMENU menu, UINT byPosition, UINT) {
    Menu* m = Table().Find(menu);
    if (!m) return kFailed;
    for (int i = 0; i < m->Count(); ++i)
        if (m->Items()[i].State & MFS_DEFAULT) return byPosition ? static_cast<UINT>(i) : m->Items()[i].Id;
    return kFailed;
}

BOOL HiliteMenuItem(HWND hwnd, HMENU menu, UINT item, UINT hilite) {
    MenuTable::TLocation at = Table().Locate(menu, item, hilite);
    if (at.Owner != menu) return FALSE;
    at.Object()->Hilite((hilite & MF_HILITE) ? at.Index : -1);
    if (GetMenu(hwnd) == menu) MenuBar::Redraw(hwnd);
    return TRUE;
}

HMENU GetSystemMenu(HWND hwnd, BOOL revert) {
    return SystemMenu::Get(hwnd, revert != FALSE);
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const TRect*) {
    return TrackPopupMenuEx(menu, flags, x, y, owner, nullptr);
}

BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, const TPMPARAMS* params) {
    return static_cast<BOOL>(MenuTracker::TrackPopup(menu, flags, {x, y}, owner, params ? &params->rcExclude : nullptr, false));
}

BOOL EndMenu() {
    return MenuTracker::EndCurrent() ? TRUE : FALSE;
}

BOOL GetMenuItemRect(HWND hwnd, HMENU menu, UINT position, TRect* rect) {
    if (!rect || !Table().Find(menu)) return FALSE;
    if (GetMenu(hwnd) == menu) return MenuBar::ItemScreenRect(hwnd, static_cast<int>(position), rect) ? TRUE : FALSE;
    HWND popup = PopupMenuWindow::FindShowing(menu);
    return popup && PopupMenuWindow::ItemScreenRect(popup, static_cast<int>(position), rect) ? TRUE : FALSE;
}

int MenuItemFromPoint(HWND hwnd, HMENU menu, TPoint screen) {
    if (!Table().Find(menu)) return -1;
    if (GetMenu(hwnd) == menu) return MenuBar::ItemAt(hwnd, screen);
    HWND popup = PopupMenuWindow::FindShowing(menu);
    return popup ? PopupMenuWindow::ItemAt(popup, screen) : -1;
}
