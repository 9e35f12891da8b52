// List boxes.
#include "framework/TListBox.h"

#include "platform/controls/ListBoxCodes.h"
#include "platform/window/Win.h"

namespace {
constexpr TItemMessages kListMessages{LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT,
                                      LB_GETCOUNT,  LB_GETTEXT,      LB_GETITEMDATA,  LB_SETITEMDATA};
}

TListBox::TListBox(TComponent* owner) : TWinControl(owner), FItems(std::make_unique<TItemStrings>(kListMessages)) {
    FControlStyle = {csSetCaption, csDoubleClicks};
    FWidth = 121;
    FHeight = 97;
    SetTabStop(true);
    SetParentColor(false);
    FColor = clWindow;
}

TListBox::~TListBox() {
    BeforeDestruction();
}

void TListBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WinClassName = WC_LISTBOX;
    params.Style |= LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
    if (FSorted) params.Style |= LBS_SORT;
    if (FBorderStyle == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListBox::CreateWnd() {
    TWinControl::CreateWnd();
    FItems->Attach(FHandle);
    SendMessage(FHandle, LB_SETCURSEL, static_cast<WPARAM>(FItemIndex), 0);
}

void TListBox::DestroyWnd() {
    if (FHandle) {
        FItemIndex = ItemIndex();
        FItems->Detach();
    }
    TWinControl::DestroyWnd();
}

int TListBox::ItemIndex() const {
    if (!FHandle) return FItemIndex;
    return static_cast<int>(SendMessage(FHandle, LB_GETCURSEL, 0, 0));
}

void TListBox::SetItemIndex(int index) {
    if (index < 0 || index >= FItems->Count()) index = -1;
    FItemIndex = index;
    if (FHandle) SendMessage(FHandle, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TListBox::SetSorted(bool value) {
    if (FSorted == value) return;
    FSorted = value;
    FItems->SetSorted(value);
    RecreateWnd();
}

void TListBox::SetBorderStyle(TBorderStyle value) {
    if (FBorderStyle == value) return;
    FBorderStyle = value;
    RecreateWnd();
}

void TListBox::Dispatch(TMessage& m) {
    if (m.Msg == CN_COMMAND) {
        CNCommand(m);
        return;
    }
    TWinControl::Dispatch(m);
}

void TListBox::CNCommand(TMessage& m) {
    switch (static_cast<int>(HIWORD(m.WParam))) {
    case LBN_SELCHANGE: Click(); break;
    case LBN_DBLCLK: DblClick(); break;
    default: break;
    }
}
