// Menus: creating and editing menu objects, the system menu, and tracking popup menus. Every call
// refuses (returns 0, FALSE, -1 or nullptr) a handle of a destroyed menu. UI-thread only.
#pragma once

#include "platform/controls/MenuCodes.h"

#include <string>

HMENU CreateMenu();
HMENU CreatePopupMenu();
// Destroys the menu and its submenus.
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);

// flags: MF_STRING / MF_SEPARATOR / MF_OWNERDRAW, MF_POPUP (then idNewItem is the submenu's
// HMENU), MF_CHECKED, MF_GRAYED / MF_DISABLED, MF_MENUBREAK / MF_MENUBARBREAK, MF_DEFAULT.
// With MF_OWNERDRAW the text is not shown; pass item data through SetMenuItemInfo.
BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR idNewItem, const std::string& text);
// Inserts before the item given by position (MF_BYPOSITION) or command; -1 by position appends.
BOOL InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, const std::string& text);
BOOL InsertMenuItem(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFO* info);
BOOL ModifyMenu(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, const std::string& text);
// Takes the item out; its submenu stays alive (RemoveMenu) or is destroyed (DeleteMenu).
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags);
BOOL DeleteMenu(HMENU menu, UINT position, UINT flags);

int GetMenuItemCount(HMENU menu);
// The command id at a position; -1 (as UINT) for a submenu item or a bad position.
UINT GetMenuItemID(HMENU menu, int position);
HMENU GetSubMenu(HMENU menu, int position);
BOOL GetMenuItemInfo(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFO* info);
BOOL SetMenuItemInfo(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFO* info);
int GetMenuString(HMENU menu, UINT item, std::string* text, UINT flags);
// Return the previous state (MF_CHECKED / MF_UNCHECKED, MF_ENABLED / MF_GRAYED / MF_DISABLED),
// or -1 (as DWORD / UINT) when the item does not exist.
DWORD CheckMenuItem(HMENU menu, UINT item, UINT check);
BOOL CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT flags);
BOOL EnableMenuItem(HMENU menu, UINT item, UINT enable);
// MF_* flags of the item; for a submenu item the high byte holds the submenu's item count.
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
BOOL SetMenuDefaultItem(HMENU menu, UINT item, UINT byPosition);
UINT GetMenuDefaultItem(HMENU menu, UINT byPosition, UINT flags);
BOOL HiliteMenuItem(HWND hwnd, HMENU menu, UINT item, UINT hilite);

// The window's copy of the system menu (Restore, Move, Size, Minimize, Maximize, Close with the
// SC_* ids), made on first use; revert destroys the copy and returns nullptr.
HMENU GetSystemMenu(HWND hwnd, BOOL revert);

// Shows a popup menu at a screen point and tracks it until an item is chosen or the menu is
// cancelled. With TPM_RETURNCMD the chosen id (0 for none) is returned and no WM_COMMAND is sent;
// otherwise WM_COMMAND is posted to the owner and the result is TRUE.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const TRect* reserved2);
BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, const TPMPARAMS* params);
// Closes the menu being tracked, as Esc would; FALSE when none is open.
BOOL EndMenu();
// The screen rectangle of an item of a window's menu bar or of an open popup menu.
BOOL GetMenuItemRect(HWND hwnd, HMENU menu, UINT position, TRect* rect);
// The position of the item of a window's menu bar or an open popup menu at a screen point; -1.
int MenuItemFromPoint(HWND hwnd, HMENU menu, TPoint screen);
