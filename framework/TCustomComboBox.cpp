// Combo boxes: items, selection, drop-down events and the keyboard path of the editable field.
#include "framework/TCustomComboBox.h"

#include "framework/TApplication.h"
#include "framework/TBrush.h"
#include "framework/TCanvas.h"
#include "framework/TFont.h"
#include "framework/TCustomForm.h"

#include "platform/controls/ComboBoxCodes.h"
#include "platform/window/Win.h"

#include <algorithm>

namespace {
constexpr TItemMessages kComboMessages{CB_ADDSTRING, CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT,
                                       CB_GETCOUNT,  CB_GETLBTEXT,    CB_GETITEMDATA,  CB_SETITEMDATA};
}

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TWinControl(owner), FItems(std::make_unique<TItemStrings>(kComboMessages)) {
    FControlStyle = {csSetCaption, csDoubleClicks, csFixedHeight};
    FWidth = 145;
    FHeight = 21;
    SetTabStop(true);
    SetParentColor(false);
    FColor = clWindow;
}

TCustomComboBox::~TCustomComboBox() {
    *FEditHookLive = false; // the field still hears messages while the window goes
    BeforeDestruction();
}

void TCustomComboBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WinClassName = WC_COMBOBOX;
    params.Style |= CBS_HASSTRINGS | CBS_AUTOHSCROLL;
    switch (FStyle) {
    case csDropDown: params.Style |= CBS_DROPDOWN; break;
    case csSimple: params.Style |= CBS_SIMPLE; break;
    case csDropDownList: params.Style |= CBS_DROPDOWNLIST; break;
    case csOwnerDrawFixed: params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED; break;
    case csOwnerDrawVariable: params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE; break;
    }
    if (FSorted) params.Style |= CBS_SORT;
}

void TCustomComboBox::CreateWnd() {
    TWinControl::CreateWnd();
    FItems->Attach(FHandle);
    SendMessage(FHandle, CB_SETMINVISIBLE, static_cast<WPARAM>(FDropDownCount), 0);
    SendMessage(FHandle, CB_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
    if (FItemIndex >= 0) SendMessage(FHandle, CB_SETCURSEL, static_cast<WPARAM>(FItemIndex), 0);
    ApplyItemHeight();
    HookEdit();
}

void TCustomComboBox::DestroyWnd() {
    if (FHandle) {
        FItemIndex = ItemIndex();
        FItems->Detach();
    }
    TWinControl::DestroyWnd();
}

// The editable field is the platform combo box's own child window: its keys are put through
// this control's keyboard path before the field gets them, and its focus counts as this
// control's. Errors of handlers stop here as they do in every framework window.
void TCustomComboBox::HookEdit() {
    COMBOBOXINFO info;
    SendMessage(FHandle, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
    if (!info.hwndItem) return;
    auto below = std::make_shared<WNDPROC>();
    std::shared_ptr<bool> live = FEditHookLive;
    *below = SetWindowProc(info.hwndItem, [this, live, below](HWND h, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
        if (!*live) return CallWindowProc(*below, h, msg, w, l);
        try {
            return EditMessage(*below, h, msg, w, l);
        } catch (const std::exception& e) {
            if (Application) Application->HandleException(this, &e);
        } catch (...) {
            if (Application) Application->HandleException(this, nullptr);
        }
        return 0;
    });
}

LRESULT TCustomComboBox::EditMessage(const WNDPROC& below, HWND edit, UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    std::weak_ptr<int> alive = AliveToken();
    switch (msg) {
    case WM_KEYDOWN:
        if (!KeyDownPasses(m) || alive.expired()) return 0;
        break;
    case WM_KEYUP:
        if (!DoKeyUp(m) || alive.expired()) return 0;
        break;
    case WM_CHAR:
        if (!CharPasses(m) || alive.expired()) return 0;
        break;
    case WM_SETFOCUS: {
        const LRESULT result = CallWindowProc(below, edit, msg, wParam, lParam);
        if (TCustomForm* form = GetParentForm()) form->SetFocusedControl(this);
        return result;
    }
    default: break;
    }
    return CallWindowProc(below, edit, msg, m.WParam, m.LParam);
}

void TCustomComboBox::SetStyle(TComboBoxStyle value) {
    if (FStyle == value) return;
    FStyle = value;
    RecreateWnd();
}

void TCustomComboBox::SetItemHeight(int value) {
    FItemHeight = std::clamp(value, 1, 255);
    ApplyItemHeight();
}

// The field and the rows of a fixed style; a variable style's rows are measured one by one.
void TCustomComboBox::ApplyItemHeight() {
    if (!FHandle || !OwnerDrawn()) return;
    SendMessage(FHandle, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), FItemHeight);
    if (FStyle == csOwnerDrawFixed) SendMessage(FHandle, CB_SETITEMHEIGHT, 0, FItemHeight);
}

int TCustomComboBox::ItemIndex() const {
    if (!FHandle) return FItemIndex;
    return static_cast<int>(SendMessage(FHandle, CB_GETCURSEL, 0, 0));
}

void TCustomComboBox::SetItemIndex(int index) {
    if (index < 0 || index >= FItems->Count()) index = -1;
    FItemIndex = index;
    if (FHandle) SendMessage(FHandle, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    else FText = index >= 0 ? FItems->Strings(index) : std::string();
}

void TCustomComboBox::SetSorted(bool value) {
    if (FSorted == value) return;
    FSorted = value;
    FItems->SetSorted(value);
    RecreateWnd();
}

void TCustomComboBox::SetDropDownCount(int value) {
    value = std::max(1, value);
    FDropDownCount = value;
    if (FHandle) SendMessage(FHandle, CB_SETMINVISIBLE, static_cast<WPARAM>(value), 0);
}

void TCustomComboBox::SetMaxLength(int value) {
    FMaxLength = std::max(0, value);
    if (FHandle) SendMessage(FHandle, CB_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
}

bool TCustomComboBox::DroppedDown() const {
    return FHandle && SendMessage(FHandle, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomComboBox::SetDroppedDown(bool value) {
    SendMessage(Handle(), CB_SHOWDROPDOWN, value ? TRUE : FALSE, 0);
}

void TCustomComboBox::Clear() {
    FItems->Clear();
    SetText("");
}

void TCustomComboBox::Dispatch(TMessage& m) {
    if (m.Msg == CN_COMMAND) {
        CNCommand(m);
        return;
    }
    if (m.Msg == CN_DRAWITEM) return CNDrawItem(m);
    if (m.Msg == CN_MEASUREITEM) return CNMeasureItem(m);
    if (AsksOwnColours(m)) {
        m.Result = Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
        return;
    }
    TWinControl::Dispatch(m);
}

// The editable field and the list are parts of this control: they are painted in its colours.
bool TCustomComboBox::AsksOwnColours(const TMessage& m) const {
    if (m.Msg != WM_CTLCOLOREDIT && m.Msg != WM_CTLCOLORLISTBOX && m.Msg != WM_CTLCOLORSTATIC) return false;
    if (!FHandle || !m.LParam) return false;
    COMBOBOXINFO info;
    SendMessage(FHandle, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
    const auto asker = reinterpret_cast<HWND>(m.LParam);
    return asker != FHandle && (asker == info.hwndItem || asker == info.hwndList);
}

void TCustomComboBox::CNCommand(TMessage& m) {
    switch (static_cast<int>(HIWORD(m.WParam))) {
    case CBN_SELCHANGE: {
        std::weak_ptr<int> alive = AliveToken();
        Click();
        if (!alive.expired()) Select();
        break;
    }
    case CBN_EDITCHANGE: Change(); break;
    case CBN_DROPDOWN: DropDown(); break;
    case CBN_CLOSEUP: CloseUp(); break;
    default: break;
    }
}

void TCustomComboBox::Change() {
    if (OnChange) OnChange(this);
}

void TCustomComboBox::Select() {
    if (OnSelect) OnSelect(this);
    else Change();
}

void TCustomComboBox::DropDown() {
    if (OnDropDown) OnDropDown(this);
}

void TCustomComboBox::CloseUp() {
    if (OnCloseUp) OnCloseUp(this);
}

// The canvas has the item's context, the control's font, and the colours of the item's state.
void TCustomComboBox::CNDrawItem(TMessage& m) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
    m.Result = TRUE;
    if (!item || !item->hDC) return;
    const TOwnerDrawState state = OwnerDrawStateFromBits(item->itemState);
    if (!FCanvas) FCanvas = std::make_unique<TCanvas>();
    FCanvas->SetHandle(item->hDC);
    FCanvas->Font()->Assign(Font());
    FCanvas->Brush()->SetStyle(bsSolid);
    FCanvas->Brush()->SetColor(Color());
    if (state.Contains(odSelected)) {
        FCanvas->Brush()->SetColor(clHighlight);
        FCanvas->Font()->SetColor(clHighlightText);
    }
    const int index = static_cast<int>(item->itemID);
    if (index >= 0) DrawItem(index, item->rcItem, state);
    else FCanvas->FillRect(item->rcItem);
    if (FCanvas) FCanvas->SetHandle(static_cast<HDC>(nullptr));
}

void TCustomComboBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
    if (OnDrawItem) {
        OnDrawItem(this, index, rect, state);
        return;
    }
    FCanvas->FillRect(rect);
    if (index < FItems->Count()) FCanvas->TextOut(rect.Left + 2, rect.Top, FItems->Strings(index));
}

void TCustomComboBox::CNMeasureItem(TMessage& m) {
    auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
    m.Result = TRUE;
    if (!item) return;
    int height = FItemHeight;
    MeasureItem(static_cast<int>(item->itemID), height);
    item->itemHeight = static_cast<UINT>(std::clamp(height, 1, 255));
}

void TCustomComboBox::MeasureItem(int index, int& height) {
    if (FStyle == csOwnerDrawVariable && OnMeasureItem) OnMeasureItem(this, index, height);
}
