// The "ListBox" window class (and "ComboLBox", the same list serving a combo box): a scrolling
// list of items with single, multiple or extended selection, sorting, owner drawing, keyboard
// and mouse selection and type-ahead search.
#pragma once

#include "platform/controls/ControlParent.h"
#include "platform/controls/ListGeometry.h"
#include "platform/controls/ListItems.h"
#include "platform/window/Win.h"

#include <cstdint>
#include <string>

class ListBox {
public:
    // Registers "ListBox" and "ComboLBox"; calling it again does nothing.
    static void Register();

    explicit ListBox(HWND hwnd) : FHwnd(hwnd) {}
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    enum class TSelMode { smSingle, smMultiple, smExtended, smNone };

    // Window and input messages.
    LRESULT OnCreate(const CREATESTRUCT* cs);
    LRESULT OnPaint(HDC given);
    LRESULT OnSetFont(WPARAM font, LPARAM redraw);
    LRESULT OnSize();
    LRESULT OnFocus(bool gained);
    LRESULT OnLButtonDown(WPARAM keys, LPARAM lParam, bool dbl);
    LRESULT OnMouseMove(LPARAM lParam);
    LRESULT OnLButtonUp(LPARAM lParam);
    LRESULT OnCaptureChanged();
    LRESULT OnTimer(WPARAM id);
    LRESULT OnKeyDown(WPARAM key);
    LRESULT OnChar(WPARAM ch);
    LRESULT OnMouseWheel(WPARAM wParam);
    LRESULT OnVScroll(WPARAM wParam);
    // Item messages.
    LRESULT OnAddString(UINT msg, WPARAM index, LPARAM text);
    LRESULT OnDeleteString(WPARAM index);
    LRESULT OnResetContent();
    LRESULT OnGetText(WPARAM index, std::string* out) const;
    LRESULT OnGetTextLen(WPARAM index) const;
    LRESULT OnFind(UINT msg, WPARAM start, LPARAM text);
    LRESULT OnSetCurSel(WPARAM index);
    LRESULT OnGetCurSel() const;
    LRESULT OnSetSel(WPARAM select, LPARAM index);
    LRESULT OnGetSel(WPARAM index) const;
    LRESULT OnGetSelItems(WPARAM max, int* out) const;
    LRESULT OnSelItemRange(WPARAM select, LPARAM range);
    LRESULT OnSetTopIndex(WPARAM index);
    LRESULT OnSetCaretIndex(WPARAM index);
    LRESULT OnSetItemHeight(WPARAM index, LPARAM height);
    LRESULT OnGetItemHeight(WPARAM index) const;
    LRESULT OnGetItemRect(WPARAM index, TRect* out) const;
    LRESULT OnItemFromPoint(LPARAM lParam) const;
    LRESULT OnSetItemData(WPARAM index, LPARAM data);

    DWORD Style() const;
    TSelMode SelMode() const;
    bool OwnerDraw() const;
    // The drop-down list of a combo box (a popup), as against the list of a simple combo box.
    bool DropDown() const;
    bool HasStrings() const;
    const Font* UsedFont() const;
    ListGeometry Geometry() const;
    // The list reports to its combo box (or to its parent); owner drawing goes to the combo's
    // parent on the combo's behalf.
    ControlParent Listener() const { return ControlParent(FHwnd, FCombo); }
    ControlParent Owner() const { return FCombo ? ControlParent(FCombo) : ControlParent(FHwnd); }

    int MeasureItem(int index, UINT_PTR data);
    // Moves the caret (and the selection, as the mode says) as a key or the mouse asked;
    // true when the selection changed.
    bool MoveTo(int index, bool extend, bool caretOnly);
    bool ClickItem(int index, WPARAM keys);
    void SetTop(int top);
    void ShowItem(int index);
    void Notify(int code);
    void UpdateScrollBar();
    void Redraw() { InvalidateRect(FHwnd, nullptr, FALSE); }
    void RedrawItem(int index);
    void AfterInsert(int index);
    void AfterDelete(int index);
    void EndTracking();
    // The drop-down list of a combo box: the mouse picks, an outside press cancels.
    bool ComboPress(TPoint client);

    void Paint(HDC dc);
    void PaintItem(HDC dc, const ListGeometry& geometry, int index, TColor text, TColor back);

    HWND FHwnd;
    HWND FCombo = nullptr;
    HFONT FFont = nullptr;
    ListItems FItems;
    int FItemHeight = 13;
    int FTop = 0;
    int FCaret = 0;
    int FAnchor = 0;
    bool FScrollBar = false;
    bool FUpdatingBar = false;  // showing or hiding the bar resizes the client area
    bool FTracking = false;
    bool FExtendDrag = false;   // extended selection: a drag selects from the anchor
    bool FNcTracking = false;   // the drop-down's own scroll bar has the mouse
    TPoint FMouse;
    std::string FSearch;        // type-ahead text
    DWORD FSearchTime = 0;
};
