// The popup menu window, class "#32768": shows one menu's items, paints them in WM_PAINT (owner-
// drawn items through the owner's WM_DRAWITEM) over a background erased in WM_ERASEBKGND, and its
// frame in WM_NCPAINT, so that a procedure put in front of it can take over any of the three.
// It never takes activation or input: the menu tracker reads the mouse and keys for it.
#pragma once

#include "platform/window/WinTypes.h"

#include <string>
#include <vector>

class PopupMenuWindow {
public:
    static constexpr const char* kClassName = "#32768";
    static constexpr int kFrame = 3;

    static void Register();
    // Creates the hidden window for a menu, measured (WM_MEASUREITEM to the owner for owner-drawn
    // items) and sized; the caller places and shows it.
    static HWND Create(HMENU menu, HWND owner);
    static HMENU MenuOf(HWND popup);
    // The window showing a menu, nullptr when none.
    static HWND FindShowing(HMENU menu);
    // Item at a screen point (-1 for none), an item's screen rectangle, repainting one item.
    static int ItemAt(HWND popup, TPoint screen);
    static bool ItemScreenRect(HWND popup, int index, TRect* rect);
    static void InvalidateItem(HWND popup, int index);

    // State of one popup window, owned by it.
    struct TState {
        HMENU Menu = nullptr;
        HWND Owner = nullptr;
        std::vector<TRect> Items; // client coordinates
        std::vector<int> ShortcutX;
        TSize Content;
    };

private:
    static TState* State(HWND popup);
    static LRESULT Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT OnNcCreate(HWND hwnd, LPARAM lParam);
    static LRESULT OnNcDestroy(HWND hwnd);
    static LRESULT OnNcPaint(HWND hwnd);
    static LRESULT OnEraseBackground(HWND hwnd, WPARAM wParam);
    static LRESULT OnPaint(HWND hwnd);
    static LRESULT OnPrintClient(HWND hwnd, WPARAM wParam);
    static void PaintItems(HWND hwnd, HDC dc, const TRect& area);
    static void Layout(TState& state);
};
