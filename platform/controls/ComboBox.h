// The "ComboBox" window class: a selection field (CBS_DROPDOWNLIST) or an "Edit" child
// (CBS_DROPDOWN, CBS_SIMPLE) over a list of items; the drop-down styles show the list in a popup
// "ComboLBox" window that opens by button, F4 or Alt+Down and closes on a pick, Enter, Esc or a
// press elsewhere.
#pragma once

#include "platform/controls/ComboBoxCodes.h"
#include "platform/controls/ControlParent.h"
#include "platform/window/Win.h"

#include <string>

class ComboBox {
public:
    // Registers the class; calling it again does nothing.
    static void Register();

    explicit ComboBox(HWND hwnd) : FHwnd(hwnd) {}
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    enum class TKind { ckSimple, ckDropDown, ckDropDownList };

    // Window and input messages.
    LRESULT OnCreate(const CREATESTRUCT* cs);
    LRESULT OnDestroy();
    LRESULT OnSize();
    LRESULT OnPaint(HDC given);
    LRESULT OnSetFont(WPARAM font, LPARAM redraw);
    LRESULT OnSetFocus();
    LRESULT OnKillFocus(HWND to);
    LRESULT OnEnable(WPARAM enabled);
    LRESULT OnLButtonDown(LPARAM lParam);
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseWheel(WPARAM wParam);
    LRESULT OnChar(WPARAM ch);
    LRESULT OnSetText(LPARAM text);
    LRESULT OnGetText(std::string* out) const;
    // Keys of the combo box, or of its edit; false when the key is not ours.
    bool Key(WPARAM key, bool alt);
    bool DroppedKey(WPARAM key);
    bool ClosedKey(WPARAM key);
    // Item messages.
    LRESULT OnItemChange(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnSetCurSel(WPARAM index);
    LRESULT OnSelectString(WPARAM start, LPARAM text);
    LRESULT OnSetItemHeight(WPARAM index, LPARAM height);
    LRESULT OnGetItemHeight(WPARAM index) const;
    LRESULT OnGetComboBoxInfo(COMBOBOXINFO* info) const;
    LRESULT OnEditSel(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnGetDroppedRect(TRect* out) const;

    // The edit's procedure put in front of it: the keys that work the list.
    LRESULT EditProc(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam);

    TKind Kind() const;
    const Font* UsedFont() const;
    int SimpleFieldHeight() const;
    TRect ButtonRect() const;
    TRect FieldRect() const;
    int ListSel() const;
    std::string ItemText(int index) const;
    // Shows the current item in the edit (all of it selected) or the field.
    void ShowSelection();
    // Selects as the user asked: the parent hears CBN_SELCHANGE when it changed.
    void UserSelect(int index);
    void Open();
    void Close(bool accept);
    void Toggle() { FDropped ? Close(true) : Open(); }
    TRect DropRect() const;
    void Command(int code) const { ControlParent(FHwnd).Command(code); }
    void SetFocused(bool focused);
    void Redraw() { InvalidateRect(FHwnd, nullptr, FALSE); }

    void Paint(HDC dc);
    void PaintField(HDC dc, TColor text, TColor back);

    HWND FHwnd;
    HWND FList = nullptr;
    HWND FEdit = nullptr;
    WNDPROC FEditBelow;
    HFONT FFont = nullptr;
    bool FDropped = false;
    bool FFocused = false;
    bool FSwallowChar = false; // the character of a key the list took (Enter, Esc)
    int FSelAtDrop = -1;
    int FMinVisible = 30;
    int FDroppedWidth = 0;
    int FSimpleField = 0;      // CBS_SIMPLE: the edit part's height; 0 follows the font
    bool FSettingText = false; // our own change of the edit's text is not the user's
};
