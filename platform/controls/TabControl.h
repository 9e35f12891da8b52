// The "SysTabControl32" window class: a row of tabs (or buttons) of which one is selected,
// chosen by mouse, arrows and Ctrl+Tab, reporting through WM_NOTIFY; an up-down child scrolls a
// row too long for the control.
#pragma once

#include "platform/controls/TabControlCodes.h"
#include "platform/controls/TabLayout.h"
#include "platform/window/Win.h"

#include <string>
#include <vector>

class TabControl {
public:
    // Registers the class; calling it again does nothing.
    static void Register();

    explicit TabControl(HWND hwnd) : FHwnd(hwnd) {}
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    struct TTab {
        std::string Text;
        int Image = -1;
        LPARAM Param = 0;
        DWORD State = 0;
    };

    LRESULT OnPaint(HDC given);
    LRESULT OnSetFont(WPARAM font, LPARAM redraw);
    LRESULT OnGetDlgCode() const;
    LRESULT OnLButtonDown(LPARAM lParam);
    LRESULT OnKeyDown(WPARAM key);
    LRESULT OnHScroll(WPARAM wParam);
    LRESULT OnInsertItem(WPARAM index, const TCITEM* item);
    LRESULT OnDeleteItem(WPARAM index);
    LRESULT OnDeleteAll();
    LRESULT OnGetItem(WPARAM index, TCITEM* item) const;
    LRESULT OnSetItem(WPARAM index, const TCITEM* item);
    LRESULT OnGetItemRect(WPARAM index, TRect* rect) const;
    LRESULT OnSetCurSel(WPARAM index);
    LRESULT OnHitTest(TCHITTESTINFO* info) const;
    LRESULT OnAdjustRect(WPARAM larger, TRect* rect) const;
    LRESULT OnSetItemSize(LPARAM size);

    DWORD Style() const;
    const Font* UsedFont() const;
    TabLayout Layout() const;
    bool Valid(WPARAM index) const { return index < FTabs.size(); }
    // Selects as the user asked: the parent may refuse; true when the selection moved.
    bool UserSelect(int index);
    bool SelectNext(bool forward);
    void ShowTab(int index);
    void Scroll(int first);
    void SyncScroller();
    void Redraw() { InvalidateRect(FHwnd, nullptr, FALSE); }

    void Paint(HDC dc);
    void PaintTab(HDC dc, const TabLayout& layout, int index);
    void PaintTabFace(HDC dc, const TabLayout& layout, const TRect& r, bool selected);
    const Font* CaptionFont(TTabSide side) const;

    HWND FHwnd;
    HFONT FFont = nullptr;
    std::vector<TTab> FTabs;
    int FSel = -1;
    int FFirst = 0;
    int FItemWidth = 0;
    int FItemHeight = 0;
    HWND FScroller = nullptr; // the up-down child while the row overflows
};
