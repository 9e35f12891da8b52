// Tab controls: tabs kept and mirrored, user changes and Ctrl+Tab.
#include "framework/TCustomTabControl.h"

#include "framework/Consts.h"
#include "framework/Exception.h"
#include "framework/TCanvas.h"
#include "framework/TCustomForm.h"

#include "platform/controls/OwnerDrawCodes.h"
#include "platform/controls/TabControlCodes.h"
#include "platform/text/TextDraw.h"
#include "platform/window/Win.h"

#include <algorithm>

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
    FControlStyle = {csAcceptsControls, csDoubleClicks};
    FWidth = 289;
    FHeight = 193;
    SetTabStop(true);
    FColor = clBtnFace;
    SetParentColor(false);
}

void TCustomTabControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WinClassName = WC_TABCONTROL;
    params.Style |= WS_CLIPCHILDREN;
    if (FStyle == tsButtons) params.Style |= TCS_BUTTONS;
    if (FStyle == tsFlatButtons) params.Style |= TCS_BUTTONS | TCS_FLATBUTTONS;
    if (FTabWidth > 0) params.Style |= TCS_FIXEDWIDTH;
    if (FOwnerDraw) params.Style |= TCS_OWNERDRAWFIXED;
    if (FHotTrack) params.Style |= TCS_HOTTRACK;
    if (FMultiLine) params.Style |= TCS_MULTILINE;
    if (FTabPosition == tpBottom) params.Style |= TCS_BOTTOM;
    if (FTabPosition == tpLeft) params.Style |= TCS_VERTICAL;
    if (FTabPosition == tpRight) params.Style |= TCS_VERTICAL | TCS_RIGHT;
}

void TCustomTabControl::CreateWnd() {
    TWinControl::CreateWnd();
    ApplyItemSize();
    for (size_t i = 0; i < FTabs.size(); ++i) {
        TCITEM item;
        item.mask = TCIF_TEXT;
        item.pszText = FTabs[i];
        SendMessage(FHandle, TCM_INSERTITEM, i, reinterpret_cast<LPARAM>(&item));
    }
    SendMessage(FHandle, TCM_SETCURSEL, static_cast<WPARAM>(FTabIndex), 0);
    Realign();
}

void TCustomTabControl::DestroyWnd() {
    if (FHandle) FTabIndex = TabIndex();
    TWinControl::DestroyWnd();
}

// --- the tabs --------------------------------------------------------------------------------

void TCustomTabControl::InsertTab(int index, const std::string& caption) {
    index = std::clamp(index, 0, TabCount());
    FTabs.insert(FTabs.begin() + index, caption);
    if (!FHandle) {
        if (FTabIndex >= index) ++FTabIndex;
        return;
    }
    TCITEM item;
    item.mask = TCIF_TEXT;
    item.pszText = caption;
    SendMessage(FHandle, TCM_INSERTITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    Realign();
}

void TCustomTabControl::DeleteTab(int index) {
    if (index < 0 || index >= TabCount()) return;
    FTabs.erase(FTabs.begin() + index);
    if (!FHandle) {
        if (FTabIndex == index) FTabIndex = -1;
        else if (FTabIndex > index) --FTabIndex;
        return;
    }
    SendMessage(FHandle, TCM_DELETEITEM, static_cast<WPARAM>(index), 0);
    Realign();
}

void TCustomTabControl::SetTabCaption(int index, const std::string& caption) {
    if (index < 0 || index >= TabCount()) return;
    FTabs[static_cast<size_t>(index)] = caption;
    if (!FHandle) return;
    TCITEM item;
    item.mask = TCIF_TEXT;
    item.pszText = caption;
    SendMessage(FHandle, TCM_SETITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    Realign();
}

int TCustomTabControl::TabIndex() const {
    if (!FHandle) return FTabIndex;
    return static_cast<int>(SendMessage(FHandle, TCM_GETCURSEL, 0, 0));
}

void TCustomTabControl::SetTabIndex(int index) {
    if (index < 0 || index >= TabCount()) index = -1;
    FTabIndex = index;
    if (FHandle) SendMessage(FHandle, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

bool TCustomTabControl::SelectNextTab(bool goForward) {
    return SendMessage(Handle(), TCM_SELECTNEXT, goForward ? TRUE : FALSE, 0) != FALSE;
}

// --- look ------------------------------------------------------------------------------------

void TCustomTabControl::SetStyle(TTabStyle value) {
    if (FStyle == value) return;
    FStyle = value;
    RecreateWnd();
}

void TCustomTabControl::SetTabWidth(int value) {
    if (value < -32768 || value > 32767) throw ERangeError(SRangeError);
    value = std::max(0, value);
    if (FTabWidth == value) return;
    const bool fixedChanges = (FTabWidth > 0) != (value > 0);
    FTabWidth = value;
    if (fixedChanges) RecreateWnd();
    else ApplyItemSize();
}

void TCustomTabControl::SetTabHeight(int value) {
    if (value < -32768 || value > 32767) throw ERangeError(SRangeError);
    value = std::max(0, value);
    if (FTabHeight == value) return;
    FTabHeight = value;
    ApplyItemSize();
}

void TCustomTabControl::ApplyItemSize() {
    if (!FHandle) return;
    SendMessage(FHandle, TCM_SETITEMSIZE, 0, MAKELPARAM(FTabWidth, FTabHeight));
    Realign();
}

void TCustomTabControl::SetOwnerDraw(bool value) {
    if (FOwnerDraw == value) return;
    FOwnerDraw = value;
    RecreateWnd();
}

void TCustomTabControl::SetHotTrack(bool value) {
    if (FHotTrack == value) return;
    FHotTrack = value;
    RecreateWnd();
}

void TCustomTabControl::SetMultiLine(bool value) {
    if (FMultiLine == value) return;
    FMultiLine = value;
    RecreateWnd();
}

// The new window lays the tabs out on their side and the pages are aligned to what is left.
void TCustomTabControl::SetTabPosition(TTabPosition value) {
    if (FTabPosition == value) return;
    FTabPosition = value;
    RecreateWnd();
}

TRect TCustomTabControl::DisplayRect() const {
    TRect r = ClientRect();
    if (FHandle) SendMessage(FHandle, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    return r;
}

TRect TCustomTabControl::AlignRect() const {
    return DisplayRect().Inflate(-BorderWidth(), -BorderWidth());
}

// --- changes ---------------------------------------------------------------------------------

bool TCustomTabControl::CanChange() {
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    return allow;
}

void TCustomTabControl::Change() {
    if (OnChange) OnChange(this);
}

// An owner-drawn tab without OnDrawTab still shows its caption.
void TCustomTabControl::DrawTab(HDC dc, int tabIndex, const TRect& rect, bool active) {
    TCanvas canvas(dc);
    canvas.Font()->Assign(Font());
    if (OnDrawTab) {
        OnDrawTab(this, &canvas, tabIndex, rect, active);
        return;
    }
    if (tabIndex < 0 || tabIndex >= TabCount()) return;
    if (FTabPosition == tpLeft || FTabPosition == tpRight) canvas.Font()->SetOrientation(FTabPosition == tpLeft ? 900 : 2700);
    TRect r = rect;
    dc->SelectFont(canvas.Font()->Handle());
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(ColorToRGB(Font()->Color()));
    DrawText(dc, FTabs[static_cast<size_t>(tabIndex)], &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TCustomTabControl::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case CN_NOTIFY: CNNotify(m); break;
    case CN_DRAWITEM:
        if (const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam))
            DrawTab(item->hDC, static_cast<int>(item->itemID), item->rcItem, (item->itemState & ODS_SELECTED) != 0);
        m.Result = TRUE;
        break;
    default: TWinControl::Dispatch(m); break;
    }
}

void TCustomTabControl::CNNotify(TMessage& m) {
    const auto* header = reinterpret_cast<const NMHDR*>(m.LParam);
    if (!header) return;
    if (header->code == TCN_SELCHANGING) m.Result = CanChange() ? FALSE : TRUE;
    else if (header->code == TCN_SELCHANGE) Change();
}

bool TCustomTabControl::TakesCtrlTab() const {
    TCustomForm* form = GetParentForm();
    if (!form || !form->ContainsControl(this)) return false;
    for (TControl* c = TWinControl::FindControl(GetFocus()); c; c = c->Parent())
        if (auto* tabs = dynamic_cast<const TCustomTabControl*>(c)) return tabs == this;
    return true;
}

void TCustomTabControl::CMDialogKey(TMessage& m) {
    if (m.WParam == VK_TAB && GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0 && FHandle && IsWindowVisible(FHandle) &&
        IsWindowEnabled(FHandle) && TakesCtrlTab()) {
        SelectNextTab(GetKeyState(VK_SHIFT) >= 0);
        m.Result = 1;
        return;
    }
    TWinControl::CMDialogKey(m);
}
