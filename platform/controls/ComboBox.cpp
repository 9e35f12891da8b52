// The combo box window class.
#include "platform/controls/ComboBox.h"

#include "platform/controls/ComboBoxCodes.h"
#include "platform/controls/ControlInstance.h"
#include "platform/controls/EditCodes.h"
#include "platform/controls/ListBoxCodes.h"
#include "platform/controls/OwnerDrawCodes.h"
#include "platform/controls/PaintClient.h"
#include "platform/text/TextDraw.h"
#include "platform/window/ClassicStyle.h"

#include <algorithm>
#include <cstdint>

namespace {
constexpr int kEditId = 1001;
constexpr int kBorder = 2;

int Index(WPARAM w) { return static_cast<int>(static_cast<LONG_PTR>(w)); }
}

void ComboBox::Register() {
    WNDCLASS wc;
    wc.lpszClassName = WC_COMBOBOX;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &ControlInstance<ComboBox>::Procedure;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClass(wc);
}

LRESULT ComboBox::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE: return OnCreate(reinterpret_cast<const CREATESTRUCT*>(lParam));
    case WM_DESTROY: return OnDestroy();
    case WM_SIZE: return OnSize();
    case WM_PAINT: return OnPaint(reinterpret_cast<HDC>(wParam));
    case WM_PRINTCLIENT: Paint(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SETFONT: return OnSetFont(wParam, lParam);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(FFont);
    case WM_SETFOCUS: return OnSetFocus();
    case WM_KILLFOCUS: return OnKillFocus(reinterpret_cast<HWND>(wParam));
    case WM_ENABLE: return OnEnable(wParam);
    case WM_CANCELMODE: Close(false); return DefWindowProc(FHwnd, msg, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnLButtonDown(lParam);
    case WM_KEYDOWN: return Key(wParam, false) ? 0 : DefWindowProc(FHwnd, msg, wParam, lParam);
    case WM_SYSKEYDOWN: return Key(wParam, true) ? 0 : DefWindowProc(FHwnd, msg, wParam, lParam);
    case WM_CHAR: return OnChar(wParam);
    case WM_MOUSEWHEEL: return OnMouseWheel(wParam);
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS | (FDropped ? DLGC_WANTALLKEYS : 0);
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
        // The list's and the edit's colour questions are the combo box's parent's to answer.
        HWND parent = GetParent(FHwnd);
        return parent ? SendMessage(parent, msg, wParam, lParam) : 0;
    }
    case WM_SETTEXT: return OnSetText(lParam);
    case WM_GETTEXT: return OnGetText(reinterpret_cast<std::string*>(lParam));
    case WM_GETTEXTLENGTH: return OnGetText(nullptr);
    case CB_ADDSTRING:
    case CB_INSERTSTRING:
    case CB_DELETESTRING:
    case CB_RESETCONTENT:
    case CB_GETCOUNT:
    case CB_GETCURSEL:
    case CB_GETLBTEXT:
    case CB_GETLBTEXTLEN:
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT:
    case CB_GETITEMDATA:
    case CB_SETITEMDATA:
    case CB_GETTOPINDEX:
    case CB_SETTOPINDEX: return OnItemChange(msg, wParam, lParam);
    case CB_SETCURSEL: return OnSetCurSel(wParam);
    case CB_SELECTSTRING: return OnSelectString(wParam, lParam);
    case CB_SHOWDROPDOWN:
        if (wParam) Open();
        else Close(false);
        return TRUE;
    case CB_GETDROPPEDSTATE: return FDropped ? TRUE : FALSE;
    case CB_SETITEMHEIGHT: return OnSetItemHeight(wParam, lParam);
    case CB_GETITEMHEIGHT: return OnGetItemHeight(wParam);
    case CB_SETDROPPEDWIDTH: FDroppedWidth = std::max(0, Index(wParam)); [[fallthrough]];
    case CB_GETDROPPEDWIDTH: return DropRect().Width();
    case CB_SETMINVISIBLE:
        if (Index(wParam) < 1) return FALSE;
        FMinVisible = Index(wParam);
        return TRUE;
    case CB_GETMINVISIBLE: return FMinVisible;
    case CB_GETDROPPEDCONTROLRECT: return OnGetDroppedRect(reinterpret_cast<TRect*>(lParam));
    case CB_GETCOMBOBOXINFO: return OnGetComboBoxInfo(reinterpret_cast<COMBOBOXINFO*>(lParam));
    case CB_LIMITTEXT:
    case CB_SETEDITSEL:
    case CB_GETEDITSEL: return OnEditSel(msg, wParam, lParam);
    default: return DefWindowProc(FHwnd, msg, wParam, lParam);
    }
}

// ---- parts ----

ComboBox::TKind ComboBox::Kind() const {
    switch (GetWindowLongPtr(FHwnd, GWL_STYLE) & 3) {
    case CBS_SIMPLE: return TKind::ckSimple;
    case CBS_DROPDOWN: return TKind::ckDropDown;
    default: return TKind::ckDropDownList;
    }
}

const Font* ComboBox::UsedFont() const {
    return FFont ? FFont : Font::Default();
}

int ComboBox::SimpleFieldHeight() const {
    return FSimpleField > 0 ? FSimpleField : UsedFont()->Metrics().tmHeight + 8;
}

TRect ComboBox::ButtonRect() const {
    if (Kind() == TKind::ckSimple) return {};
    TRect client;
    GetClientRect(FHwnd, &client);
    int w = std::min(GetSystemMetrics(SM_CXVSCROLL), std::max(0, client.Width() - 2 * kBorder));
    return {client.Right - kBorder - w, kBorder, client.Right - kBorder, std::max(kBorder, client.Bottom - kBorder)};
}

TRect ComboBox::FieldRect() const {
    TRect client;
    GetClientRect(FHwnd, &client);
    int bottom = Kind() == TKind::ckSimple ? SimpleFieldHeight() : client.Bottom;
    int right = Kind() == TKind::ckSimple ? client.Right - kBorder - 1 : ButtonRect().Left - 1;
    return {kBorder + 1, kBorder + 1, std::max(kBorder + 1, right), std::max(kBorder + 1, bottom - kBorder - 1)};
}

int ComboBox::ListSel() const {
    return FList ? static_cast<int>(SendMessage(FList, LB_GETCURSEL, 0, 0)) : -1;
}

std::string ComboBox::ItemText(int index) const {
    std::string text;
    if (FList && index >= 0) SendMessage(FList, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text));
    return text;
}

// ---- creation and layout ----

LRESULT ComboBox::OnCreate(const CREATESTRUCT* cs) {
    auto style = static_cast<DWORD>(GetWindowLongPtr(FHwnd, GWL_STYLE));
    DWORD listStyle = WS_VSCROLL | LBS_COMBOBOX | LBS_NOTIFY | ((style & CBS_SORT) ? LBS_SORT : 0) |
                      ((style & CBS_OWNERDRAWFIXED) ? LBS_OWNERDRAWFIXED : 0) |
                      ((style & CBS_OWNERDRAWVARIABLE) ? LBS_OWNERDRAWVARIABLE : 0) |
                      ((style & CBS_HASSTRINGS) ? LBS_HASSTRINGS : 0) | ((style & CBS_DISABLENOSCROLL) ? LBS_DISABLENOSCROLL : 0);
    if (Kind() == TKind::ckSimple)
        FList = CreateWindowEx(0, WC_COMBOLBOX, "", listStyle | WS_CHILD | WS_VISIBLE | WS_BORDER, 0, 0, 0, 0, FHwnd, nullptr, FHwnd);
    else
        FList = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, WC_COMBOLBOX, "", listStyle | WS_POPUP | WS_BORDER,
                               0, 0, 0, 0, FHwnd, nullptr, FHwnd);
    if (!FList) return -1;
    if (Kind() != TKind::ckDropDownList) {
        FEdit = CreateWindowEx(0, "Edit", cs ? cs->lpszName : "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 0, 0, FHwnd,
                               reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(kEditId)));
        if (!FEdit) return -1;
        std::weak_ptr<ComboBox> self = ControlInstance<ComboBox>::Find(FHwnd);
        FEditBelow = SetWindowProc(FEdit, [self](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if (auto me = self.lock()) return me->EditProc(h, m, w, l);
            return DefWindowProc(h, m, w, l);
        });
    }
    OnSize();
    return 0;
}

LRESULT ComboBox::OnDestroy() {
    FDropped = false;
    // The drop-down list is owned by the top-level window, not by us: it goes with us.
    if (FList && Kind() != TKind::ckSimple) DestroyWindow(FList);
    FList = nullptr;
    return 0;
}

LRESULT ComboBox::OnSize() {
    TRect field = FieldRect();
    if (FEdit) MoveWindow(FEdit, field.Left, field.Top, field.Width(), field.Height(), TRUE);
    if (FList && Kind() == TKind::ckSimple) {
        TRect client;
        GetClientRect(FHwnd, &client);
        int top = SimpleFieldHeight();
        MoveWindow(FList, 0, top, client.Width(), std::max(0, client.Height() - top), TRUE);
    }
    if (FDropped) {
        TRect r = DropRect();
        SetWindowPos(FList, nullptr, r.Left, r.Top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    Redraw();
    return 0;
}

LRESULT ComboBox::OnSetFont(WPARAM font, LPARAM redraw) {
    FFont = reinterpret_cast<HFONT>(font);
    DefWindowProc(FHwnd, WM_SETFONT, font, redraw);
    if (FEdit) SendMessage(FEdit, WM_SETFONT, font, redraw);
    if (FList) SendMessage(FList, WM_SETFONT, font, redraw);
    OnSize();
    return 0;
}

// ---- focus and input ----

LRESULT ComboBox::OnSetFocus() {
    if (!FEdit) {
        SetFocused(true);
        return 0;
    }
    SetFocus(FEdit);
    if (FEdit && IsWindow(FEdit)) SendMessage(FEdit, EM_SETSEL, 0, -1);
    return 0;
}

LRESULT ComboBox::OnKillFocus(HWND to) {
    if (!FEdit || to != FEdit) SetFocused(false);
    return 0;
}

void ComboBox::SetFocused(bool focused) {
    if (focused == FFocused) return;
    FFocused = focused;
    if (!focused) Close(false);
    if (!IsWindow(FHwnd)) return;
    Redraw();
    Command(focused ? CBN_SETFOCUS : CBN_KILLFOCUS);
}

LRESULT ComboBox::OnEnable(WPARAM enabled) {
    if (FEdit) EnableWindow(FEdit, enabled ? TRUE : FALSE);
    if (!enabled) Close(false);
    Redraw();
    return 0;
}

LRESULT ComboBox::OnLButtonDown(LPARAM lParam) {
    if (GetFocus() != FHwnd && GetFocus() != FEdit) SetFocus(FHwnd);
    if (!IsWindow(FHwnd) || Kind() == TKind::ckSimple) return 0;
    if (Kind() == TKind::ckDropDownList || ButtonRect().Contains(LParamToPoint(lParam))) Toggle();
    return 0;
}

bool ComboBox::Key(WPARAM key, bool alt) {
    if ((alt && (key == VK_DOWN || key == VK_UP)) || (!alt && key == VK_F4)) {
        if (Kind() != TKind::ckSimple) Toggle();
        return true;
    }
    if (alt) return false;
    return FDropped ? DroppedKey(key) : ClosedKey(key);
}

bool ComboBox::DroppedKey(WPARAM key) {
    // Left, Right, Home and End belong to the edit's caret when there is an edit.
    bool list = Kind() == TKind::ckDropDownList;
    switch (key) {
    case VK_RETURN:
    case VK_ESCAPE:
        FSwallowChar = true;
        Close(key == VK_RETURN);
        return true;
    case VK_LEFT:
    case VK_RIGHT:
        if (!list) return false;
        SendMessage(FList, WM_KEYDOWN, key == VK_LEFT ? VK_UP : VK_DOWN, 0);
        return true;
    case VK_HOME:
    case VK_END:
        if (!list) return false;
        [[fallthrough]];
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT: SendMessage(FList, WM_KEYDOWN, key, 0); return true;
    default: return false;
    }
}

bool ComboBox::ClosedKey(WPARAM key) {
    bool list = Kind() == TKind::ckDropDownList;
    int n = static_cast<int>(SendMessage(FList, LB_GETCOUNT, 0, 0));
    int sel = ListSel();
    int page = std::max(1, std::min(FMinVisible, n) - 1);
    int target;
    switch (key) {
    case VK_LEFT: if (!list) return false; [[fallthrough]];
    case VK_UP: target = sel < 0 ? 0 : sel - 1; break;
    case VK_RIGHT: if (!list) return false; [[fallthrough]];
    case VK_DOWN: target = sel < 0 ? 0 : sel + 1; break;
    case VK_PRIOR: target = sel - page; break;
    case VK_NEXT: target = sel + page; break;
    case VK_HOME: if (!list) return false; target = 0; break;
    case VK_END: if (!list) return false; target = n - 1; break;
    default: return false;
    }
    if (n > 0) UserSelect(std::clamp(target, 0, n - 1));
    return true;
}

void ComboBox::UserSelect(int index) {
    if (index == ListSel()) return;
    SendMessage(FList, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ShowSelection();
    Command(CBN_SELCHANGE);
}

LRESULT ComboBox::OnChar(WPARAM ch) {
    if (FSwallowChar) {
        FSwallowChar = false;
        return 0;
    }
    if (ch < 0x20 || !FList) return 0;
    // Type-ahead is the list's; closed, the pick is the user's selection.
    int before = ListSel();
    SendMessage(FList, WM_CHAR, ch, 0);
    if (!FDropped && ListSel() != before) {
        ShowSelection();
        Command(CBN_SELCHANGE);
    }
    return 0;
}

LRESULT ComboBox::OnMouseWheel(WPARAM wParam) {
    if (FDropped || Kind() == TKind::ckSimple) return SendMessage(FList, WM_MOUSEWHEEL, wParam, 0);
    int n = static_cast<int>(SendMessage(FList, LB_GETCOUNT, 0, 0));
    int notches = GET_WHEEL_DELTA_WPARAM(wParam) / 120;
    if (n > 0 && notches) UserSelect(std::clamp(std::max(ListSel(), 0) - notches, 0, n - 1));
    return 0;
}

LRESULT ComboBox::OnCommand(WPARAM wParam, LPARAM lParam) {
    auto from = reinterpret_cast<HWND>(lParam);
    int code = HIWORD(wParam);
    if (from && from == FList) {
        if (code == LBN_SELCANCEL) Close(false);
        else if (code == LBN_DBLCLK) Command(CBN_DBLCLK);
        else if (code == LBN_SELCHANGE && Kind() != TKind::ckSimple) Close(true);
        else if (code == LBN_SELCHANGE) {
            ShowSelection();
            Command(CBN_SELCHANGE);
        }
        return 0;
    }
    if (!from || from != FEdit || FSettingText) return 0;
    if (code == EN_UPDATE) Command(CBN_EDITUPDATE);
    if (code != EN_CHANGE) return 0;
    if (FDropped || Kind() == TKind::ckSimple) {
        // The open list follows what is typed.
        std::string text = GetWindowText(FEdit);
        LRESULT match = text.empty() ? LB_ERR : SendMessage(FList, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
        SendMessage(FList, LB_SETCURSEL, static_cast<WPARAM>(match), 0);
    }
    Command(CBN_EDITCHANGE);
    return 0;
}

LRESULT ComboBox::EditProc(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (Key(wParam, msg == WM_SYSKEYDOWN)) return 0;
        break;
    case WM_CHAR:
        if (FSwallowChar) {
            FSwallowChar = false;
            return 0;
        }
        break;
    case WM_GETDLGCODE: return CallWindowProc(FEditBelow, edit, msg, wParam, lParam) | (FDropped ? DLGC_WANTALLKEYS : 0);
    case WM_SETFOCUS: {
        LRESULT r = CallWindowProc(FEditBelow, edit, msg, wParam, lParam);
        SetFocused(true);
        return r;
    }
    case WM_KILLFOCUS: {
        LRESULT r = CallWindowProc(FEditBelow, edit, msg, wParam, lParam);
        if (reinterpret_cast<HWND>(wParam) != FHwnd) SetFocused(false);
        return r;
    }
    default: break;
    }
    return CallWindowProc(FEditBelow, edit, msg, wParam, lParam);
}

// ---- the drop-down list ----

TRect ComboBox::DropRect() const {
    TRect combo;
    GetWindowRect(FHwnd, &combo);
    int width = std::max(combo.Width(), FDroppedWidth);
    int n = FList ? static_cast<int>(SendMessage(FList, LB_GETCOUNT, 0, 0)) : 0;
    int height = 2;
    for (int i = 0; i < std::clamp(n, 1, FMinVisible); ++i)
        height += static_cast<int>(SendMessage(FList, LB_GETITEMHEIGHT, static_cast<WPARAM>(i), 0));
    TRect work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    int below = work.Bottom - combo.Bottom, above = combo.Top - work.Top;
    bool up = height > below && above > below;
    height = std::min(height, std::max(up ? above : below, 0));
    int left = std::clamp(combo.Left, work.Left, std::max(work.Left, work.Right - width));
    return Bounds(left, up ? combo.Top - height : combo.Bottom, width, height);
}

LRESULT ComboBox::OnGetDroppedRect(TRect* out) const {
    if (!out) return CB_ERR;
    *out = DropRect();
    return TRUE;
}

void ComboBox::Open() {
    if (FDropped || Kind() == TKind::ckSimple || !IsWindowEnabled(FHwnd)) return;
    Command(CBN_DROPDOWN);
    if (!IsWindow(FHwnd) || !FList) return;
    if (FEdit) {
        // An edited text picks its item when the list opens.
        std::string text = GetWindowText(FEdit);
        LRESULT match = SendMessage(FList, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
        if (match < 0 && !text.empty())
            match = SendMessage(FList, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
        if (match >= 0) SendMessage(FList, LB_SETCURSEL, static_cast<WPARAM>(match), 0);
    }
    FSelAtDrop = ListSel();
    TRect r = DropRect();
    SetWindowPos(FList, HWND_TOPMOST, r.Left, r.Top, r.Width(), r.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (FSelAtDrop >= 0) SendMessage(FList, LB_SETCURSEL, static_cast<WPARAM>(FSelAtDrop), 0);
    else SendMessage(FList, LB_SETTOPINDEX, 0, 0);
    FDropped = true;
    SetCapture(FList);
    Redraw();
}

void ComboBox::Close(bool accept) {
    if (!FDropped) return;
    FDropped = false;
    int chosen = ListSel();
    if (!accept && chosen != FSelAtDrop) SendMessage(FList, LB_SETCURSEL, static_cast<WPARAM>(FSelAtDrop), 0);
    Command(accept ? CBN_SELENDOK : CBN_SELENDCANCEL);
    if (!IsWindow(FHwnd)) return;
    ShowWindow(FList, SW_HIDE);
    if (GetCapture() == FList) ReleaseCapture();
    // Accepting nothing keeps what was typed.
    if (accept && (chosen >= 0 || !FEdit)) ShowSelection();
    Redraw();
    Command(CBN_CLOSEUP);
    if (IsWindow(FHwnd) && accept && chosen != FSelAtDrop) Command(CBN_SELCHANGE);
}

// ---- texts and items ----

void ComboBox::ShowSelection() {
    if (FEdit) {
        FSettingText = true;
        SetWindowText(FEdit, ItemText(ListSel()));
        SendMessage(FEdit, EM_SETSEL, 0, -1);
        FSettingText = false;
    }
    Redraw();
}

LRESULT ComboBox::OnSetText(LPARAM text) {
    const char* s = text ? reinterpret_cast<const char*>(text) : "";
    if (FEdit) {
        FSettingText = true;
        SetWindowText(FEdit, s);
        FSettingText = false;
        return TRUE;
    }
    LRESULT match = SendMessage(FList, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(s));
    if (match < 0) return CB_ERR;
    SendMessage(FList, LB_SETCURSEL, static_cast<WPARAM>(match), 0);
    Redraw();
    return TRUE;
}

LRESULT ComboBox::OnGetText(std::string* out) const {
    std::string text = FEdit ? GetWindowText(FEdit) : ItemText(ListSel());
    if (out) *out = text;
    return static_cast<LRESULT>(text.size());
}

LRESULT ComboBox::OnItemChange(UINT msg, WPARAM wParam, LPARAM lParam) {
    static constexpr std::pair<UINT, UINT> kToList[] = {
        {CB_ADDSTRING, LB_ADDSTRING},       {CB_INSERTSTRING, LB_INSERTSTRING}, {CB_DELETESTRING, LB_DELETESTRING},
        {CB_RESETCONTENT, LB_RESETCONTENT}, {CB_GETCOUNT, LB_GETCOUNT},         {CB_GETCURSEL, LB_GETCURSEL},
        {CB_GETLBTEXT, LB_GETTEXT},         {CB_GETLBTEXTLEN, LB_GETTEXTLEN},   {CB_FINDSTRING, LB_FINDSTRING},
        {CB_FINDSTRINGEXACT, LB_FINDSTRINGEXACT}, {CB_GETITEMDATA, LB_GETITEMDATA}, {CB_SETITEMDATA, LB_SETITEMDATA},
        {CB_GETTOPINDEX, LB_GETTOPINDEX},   {CB_SETTOPINDEX, LB_SETTOPINDEX}};
    auto it = std::find_if(std::begin(kToList), std::end(kToList), [&](const auto& p) { return p.first == msg; });
    if (!FList || it == std::end(kToList)) return CB_ERR;
    LRESULT result = SendMessage(FList, it->second, wParam, lParam);
    if (msg == CB_RESETCONTENT && FEdit) {
        FSettingText = true;
        SetWindowText(FEdit, "");
        FSettingText = false;
    }
    if (msg == CB_DELETESTRING || msg == CB_RESETCONTENT) Redraw();
    return result;
}

LRESULT ComboBox::OnSetCurSel(WPARAM index) {
    LRESULT result = SendMessage(FList, LB_SETCURSEL, index, 0);
    if (result != LB_ERR || Index(index) == -1) ShowSelection();
    return result == LB_ERR ? CB_ERR : result;
}

LRESULT ComboBox::OnSelectString(WPARAM start, LPARAM text) {
    LRESULT found = SendMessage(FList, LB_SELECTSTRING, start, text);
    if (found != LB_ERR) ShowSelection();
    return found == LB_ERR ? CB_ERR : found;
}

LRESULT ComboBox::OnSetItemHeight(WPARAM index, LPARAM height) {
    if (Index(index) != -1) return SendMessage(FList, LB_SETITEMHEIGHT, index, height) == LB_ERR ? CB_ERR : CB_OKAY;
    int h = LOWORD(static_cast<std::uintptr_t>(height));
    if (h < 1 || h > 255) return CB_ERR;
    // The selection field's height: the field and its frame make the combo box's height.
    if (Kind() == TKind::ckSimple) {
        FSimpleField = h + 2 * (kBorder + 1);
        OnSize();
        return CB_OKAY;
    }
    TRect r;
    GetWindowRect(FHwnd, &r);
    SetWindowPos(FHwnd, nullptr, 0, 0, r.Width(), h + 2 * (kBorder + 1), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return CB_OKAY;
}

LRESULT ComboBox::OnGetItemHeight(WPARAM index) const {
    if (Index(index) == -1) return FieldRect().Height();
    return SendMessage(FList, LB_GETITEMHEIGHT, index, 0);
}

LRESULT ComboBox::OnGetComboBoxInfo(COMBOBOXINFO* info) const {
    if (!info) return FALSE;
    info->rcItem = FieldRect();
    info->rcButton = ButtonRect();
    info->stateButton = Kind() == TKind::ckSimple ? STATE_SYSTEM_INVISIBLE : (FDropped ? STATE_SYSTEM_PRESSED : 0);
    info->hwndCombo = FHwnd;
    info->hwndItem = FEdit ? FEdit : FHwnd;
    info->hwndList = FList;
    return TRUE;
}

LRESULT ComboBox::OnEditSel(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == CB_LIMITTEXT) {
        if (FEdit) SendMessage(FEdit, EM_LIMITTEXT, wParam, 0);
        return TRUE;
    }
    if (!FEdit) return CB_ERR;
    if (msg == CB_GETEDITSEL) return SendMessage(FEdit, EM_GETSEL, wParam, lParam);
    auto packed = static_cast<std::uintptr_t>(lParam);
    SendMessage(FEdit, EM_SETSEL, static_cast<WPARAM>(static_cast<std::int16_t>(LOWORD(packed))),
                static_cast<LPARAM>(static_cast<std::int16_t>(HIWORD(packed))));
    return TRUE;
}

// ---- painting ----

LRESULT ComboBox::OnPaint(HDC given) {
    return PaintClient(FHwnd, given, [this](HDC dc) { Paint(dc); });
}

void ComboBox::Paint(HDC dc) {
    if (!dc) return;
    bool enabled = IsWindowEnabled(FHwnd) != FALSE;
    UINT ask = !enabled ? WM_CTLCOLORSTATIC : (Kind() == TKind::ckDropDownList ? WM_CTLCOLORLISTBOX : WM_CTLCOLOREDIT);
    TColor back = ControlParent(FHwnd).CtlColor(ask, dc, enabled ? clWindowText : clGrayText, enabled ? clWindow : clBtnFace);
    TColor text = enabled ? dc->GetTextColor() : clGrayText;
    TRect client;
    GetClientRect(FHwnd, &client);
    TRect frame = client;
    if (Kind() == TKind::ckSimple) {
        dc->FillRect(client, clBtnFace);
        frame.Bottom = std::min(client.Bottom, SimpleFieldHeight());
    }
    dc->FillRect(frame, back);
    ClassicStyle::DrawEdge(dc, &frame, EDGE_SUNKEN, BF_RECT);
    if (Kind() == TKind::ckSimple) return;
    TRect button = ButtonRect();
    ClassicStyle::DrawFrameControl(dc, &button, DFC_SCROLL,
                                   DFCS_SCROLLCOMBOBOX | (FDropped ? DFCS_PUSHED : 0) | (enabled ? 0 : DFCS_INACTIVE));
    if (Kind() == TKind::ckDropDownList) PaintField(dc, text, back);
}

void ComboBox::PaintField(HDC dc, TColor text, TColor back) {
    TRect r = FieldRect();
    int sel = ListSel();
    bool enabled = IsWindowEnabled(FHwnd) != FALSE;
    bool highlight = FFocused && !FDropped && enabled;
    dc->SelectFont(UsedFont());
    dc->SetBkColor(highlight ? clHighlight : back);
    dc->SetTextColor(highlight ? clHighlightText : text);
    if (GetWindowLongPtr(FHwnd, GWL_STYLE) & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) {
        DRAWITEMSTRUCT dis;
        dis.CtlType = ODT_COMBOBOX;
        dis.itemID = static_cast<UINT>(sel);
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = ODS_COMBOBOXEDIT | (highlight ? ODS_SELECTED | ODS_FOCUS : 0) | (enabled ? 0 : ODS_DISABLED);
        dis.hDC = dc;
        dis.rcItem = r;
        dis.itemData = sel >= 0 ? static_cast<UINT_PTR>(SendMessage(FList, LB_GETITEMDATA, static_cast<WPARAM>(sel), 0)) : 0;
        ControlParent(FHwnd).DrawItem(dis);
        return;
    }
    if (highlight) dc->FillRect(r, clHighlight);
    dc->SetBkMode(TRANSPARENT);
    TRect t{r.Left + 2, r.Top, r.Right - 1, r.Bottom};
    DrawText(dc, ItemText(sel), &t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (highlight) ClassicStyle::DrawFocusRect(dc, r);
}
