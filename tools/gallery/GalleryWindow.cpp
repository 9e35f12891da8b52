// The gallery window and its controls.
#include "tools/gallery/GalleryWindow.h"
#include "platform/controls/ButtonCodes.h"
#include "platform/controls/ComboBoxCodes.h"
#include "platform/controls/EditCodes.h"
#include "platform/controls/ListBoxCodes.h"
#include "platform/controls/MenuApi.h"
#include "platform/controls/MessageBox.h"
#include "platform/controls/StandardControls.h"
#include "platform/controls/StaticCodes.h"
#include "platform/controls/TabControlCodes.h"
#include "platform/controls/TrackBarCodes.h"
#include "platform/window/ScrollCodes.h"
#include "platform/window/Win.h"

namespace {
GalleryWindow::TMenus& MenusRef() {
    static GalleryWindow::TMenus menus;
    return menus;
}

HWND Add(HWND parent, const char* cls, const std::string& text, DWORD style, TRect r, int id = 0, DWORD ex = 0) {
    return CreateWindowEx(ex, cls, text, WS_CHILD | WS_VISIBLE | style, r.Left, r.Top, r.Width(), r.Height(), parent,
                          reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(id)));
}

UINT_PTR Sub(HMENU m) {
    return reinterpret_cast<UINT_PTR>(m);
}
}

const GalleryWindow::TMenus& GalleryWindow::Menus() {
    return MenusRef();
}

void GalleryWindow::BuildMenus() {
    TMenus& m = MenusRef();
    m.Recent = CreatePopupMenu();
    AppendMenu(m.Recent, MF_STRING, 11, "&1 settings.ini");
    AppendMenu(m.Recent, MF_STRING, 12, "&2 records.ini");
    m.File = CreatePopupMenu();
    AppendMenu(m.File, MF_STRING | MF_DEFAULT, 1, "&New game\tF2");
    AppendMenu(m.File, MF_STRING, 2, "&Open...\tCtrl+O");
    AppendMenu(m.File, MF_POPUP, Sub(m.Recent), "&Recent files");
    AppendMenu(m.File, MF_SEPARATOR, 0, "");
    AppendMenu(m.File, MF_STRING | MF_CHECKED, 3, "&Training mode");
    AppendMenu(m.File, MF_STRING | MF_GRAYED, 4, "&Save (disabled)");
    AppendMenu(m.File, MF_SEPARATOR, 0, "");
    AppendMenu(m.File, MF_STRING, kShowMessageBox, "&Message box...");
    AppendMenu(m.File, MF_STRING, 5, "E&xit\tAlt+F4");
    HMENU view = CreatePopupMenu();
    AppendMenu(view, MF_STRING, 21, "&Small");
    AppendMenu(view, MF_STRING, 22, "&Large");
    CheckMenuRadioItem(view, 21, 22, 22, MF_BYCOMMAND);
    m.Bar = CreateMenu();
    AppendMenu(m.Bar, MF_POPUP, Sub(m.File), "&Game");
    AppendMenu(m.Bar, MF_POPUP, Sub(view), "&View");
    AppendMenu(m.Bar, MF_STRING | MF_GRAYED, 31, "&Records");
    AppendMenu(m.Bar, MF_STRING, 32, "&About");
}

void GalleryWindow::AddButtons(HWND p) {
    Add(p, "Button", "Buttons", BS_GROUPBOX, Bounds(8, 4, 196, 206));
    Add(p, "Button", "&Push", BS_PUSHBUTTON | WS_TABSTOP, Bounds(18, 24, 80, 24), 101);
    Add(p, "Button", "&Default", BS_DEFPUSHBUTTON | WS_TABSTOP, Bounds(106, 24, 88, 24), 102);
    Add(p, "Button", "Disabled", BS_PUSHBUTTON | WS_DISABLED, Bounds(18, 54, 80, 24), 103);
    HWND check = Add(p, "Button", "&Check box", BS_AUTOCHECKBOX | WS_TABSTOP, Bounds(18, 86, 176, 18), 104);
    SendMessage(check, BM_SETCHECK, BST_CHECKED, 0);
    HWND three = Add(p, "Button", "&Three-state", BS_AUTO3STATE | WS_TABSTOP, Bounds(18, 106, 176, 18), 105);
    SendMessage(three, BM_SETCHECK, BST_INDETERMINATE, 0);
    HWND radio = Add(p, "Button", "Radio &one", BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP, Bounds(18, 130, 176, 18), 106);
    SendMessage(radio, BM_SETCHECK, BST_CHECKED, 0);
    Add(p, "Button", "Radio t&wo", BS_AUTORADIOBUTTON, Bounds(18, 150, 176, 18), 107);
    HWND off = Add(p, "Button", "Disabled check", BS_AUTOCHECKBOX | WS_DISABLED, Bounds(18, 176, 176, 18), 108);
    SendMessage(off, BM_SETCHECK, BST_CHECKED, 0);
}

void GalleryWindow::AddTextControls(HWND p) {
    Add(p, "Static", "Static &label:", SS_LEFT, Bounds(216, 10, 90, 16));
    Add(p, "Edit", "Single-line edit", ES_AUTOHSCROLL | WS_TABSTOP, Bounds(306, 8, 170, 21), 201, WS_EX_CLIENTEDGE);
    Add(p, "Static", "Disabled:", SS_LEFT | WS_DISABLED, Bounds(216, 36, 90, 16));
    Add(p, "Edit", "Read this, not edit it", ES_AUTOHSCROLL | WS_DISABLED, Bounds(306, 34, 170, 21), 202, WS_EX_CLIENTEDGE);
    std::string memo = "Memo with a scroll bar.\r\nLine two\r\nLine three\r\nLine four\r\nLine five\r\nLine six\r\nLine seven";
    Add(p, "Edit", memo, ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP, Bounds(216, 62, 260, 78), 203,
        WS_EX_CLIENTEDGE);
    Add(p, "Static", "Centred static text", SS_CENTER | SS_SUNKEN, Bounds(216, 148, 260, 18));
}

void GalleryWindow::AddLists(HWND p) {
    HWND list = Add(p, WC_LISTBOX, "", LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP, Bounds(8, 292, 150, 94), 301);
    for (int level = 1; level <= 10; ++level) {
        std::string text = "Difficulty " + std::to_string(level) + " (" + std::to_string(4 * level + 14) + " hidden)";
        SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessage(list, LB_SETCURSEL, 3, 0);
    HWND off = Add(p, WC_LISTBOX, "", WS_BORDER | WS_DISABLED, Bounds(166, 292, 100, 94), 302);
    for (const char* text : {"Disabled", "list box"}) SendMessage(off, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    struct TCombo {
        DWORD Style;
        int Top;
        const char* Text;
    };
    for (TCombo c : {TCombo{CBS_DROPDOWNLIST | WS_TABSTOP, 292, nullptr}, TCombo{CBS_DROPDOWN | WS_TABSTOP, 322, "Editable combo"},
                     TCombo{CBS_DROPDOWNLIST | WS_DISABLED, 352, nullptr}}) {
        HWND combo = Add(p, WC_COMBOBOX, "", c.Style, Bounds(276, c.Top, 170, 21), 303 + c.Top);
        for (const char* skin : {"Standard", "Aqua", "Emerald", "Graphite"}) SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(skin));
        if (c.Text) SetWindowText(combo, c.Text);
        else SendMessage(combo, CB_SETCURSEL, (c.Style & WS_DISABLED) ? 2 : 1, 0);
    }
    HWND bar = Add(p, "ScrollBar", "", SBS_VERT, Bounds(456, 292, 17, 94), 310);
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMax = 50;
    si.nPage = 10;
    si.nPos = 40;
    SendMessage(bar, SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&si));
}

void GalleryWindow::AddRanges(HWND p) {
    HWND h = Add(p, TRACKBAR_CLASS, "", TBS_AUTOTICKS | WS_TABSTOP, Bounds(8, 218, 196, 32), 401);
    SendMessage(h, TBM_SETRANGE, TRUE, MAKELPARAM(1, 10));
    SendMessage(h, TBM_SETPOS, TRUE, 4);
    HWND v = Add(p, TRACKBAR_CLASS, "", TBS_VERT | TBS_AUTOTICKS | TBS_BOTH | WS_TABSTOP, Bounds(486, 8, 40, 160), 402);
    SendMessage(v, TBM_SETRANGE, TRUE, MAKELPARAM(0, 20));
    SendMessage(v, TBM_SETTICFREQ, 5, 0);
    SendMessage(v, TBM_SETPOS, TRUE, 7);
    HWND off = Add(p, TRACKBAR_CLASS, "", TBS_AUTOTICKS | WS_DISABLED, Bounds(8, 254, 196, 32), 403);
    SendMessage(off, TBM_SETRANGE, TRUE, MAKELPARAM(0, 5));
    SendMessage(off, TBM_SETPOS, TRUE, 2);
    HWND sb = Add(p, "ScrollBar", "", SBS_HORZ, Bounds(216, 176, 260, 17), 404);
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = 100;
    si.nPage = 20;
    si.nPos = 30;
    SendMessage(sb, SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&si));
    HWND tabs = Add(p, WC_TABCONTROL, "", WS_TABSTOP, Bounds(216, 200, 310, 90), 405);
    for (const char* text : {"Digits", "Marks", "Colours"}) {
        TCITEM item;
        item.mask = TCIF_TEXT;
        item.pszText = text;
        SendMessage(tabs, TCM_INSERTITEM, static_cast<WPARAM>(SendMessage(tabs, TCM_GETITEMCOUNT, 0, 0)), reinterpret_cast<LPARAM>(&item));
    }
    Add(tabs, "Static", "The page of the first tab.", SS_LEFT, Bounds(14, 36, 200, 16));
    SetFocus(tabs); // its focus rectangle shows in the first picture
}

LRESULT GalleryWindow::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
        if (LOWORD(wParam) == kShowMessageBox)
            MessageBox(hwnd, "Неправильно!!! Вы проиграли! Начать новую игру?", "Tavik Sudoku", MB_YESNO | MB_ICONQUESTION);
        else if (LOWORD(wParam) == 5) DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

HWND GalleryWindow::Create() {
    RegisterStandardControls();
    WNDCLASS wc;
    wc.lpszClassName = "TavikGallery";
    wc.hbrBackground = clBtnFace;
    wc.lpfnWndProc = Proc;
    RegisterClass(wc);
    BuildMenus();
    HWND hwnd = CreateWindowEx(0, "TavikGallery", "Control gallery", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 560, 440,
                               nullptr, MenusRef().Bar);
    AddButtons(hwnd);
    AddTextControls(hwnd);
    AddLists(hwnd);
    AddRanges(hwnd);
    MenusRef().Window = hwnd;
    return hwnd;
}
