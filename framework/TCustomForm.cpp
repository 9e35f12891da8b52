// Forms: window styles from border settings, showing, modal loops, closing and activation.
#include "framework/TCustomForm.h"

#include "framework/Exception.h"
#include "framework/TApplication.h"
#include "framework/TMainMenu.h"
#include "framework/TScreen.h"

#include "platform/window/Win.h"

#include <algorithm>

std::function<HMENU(TMainMenu*)> TCustomForm::MenuHandleOf;

TCustomForm::TCustomForm(TComponent* owner) : TCustomControl(owner) {
    FVisible = false;
    FColor = clBtnFace;
    SetParentColor(false);
    SetParentFont(false);
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    FWidth = 320;
    FHeight = 240;
    if (Screen) Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
    DoDestroy();
    BeforeDestruction();
    if (Screen) Screen->RemoveForm(this);
    if (Application) Application->FormDestroyed(this);
}

void TCustomForm::AfterConstruction() {
    if (FCreated) return;
    FCreated = true;
    DoCreate();
}

void TCustomForm::DoDestroy() {
    if (FDestroyed) return;
    FDestroyed = true;
    if (!OnDestroy) return;
    try {
        OnDestroy(this);
    } catch (const std::exception& e) {
        if (Application) Application->HandleException(this, &e);
    }
}

void TCustomForm::DoCreate() {
    if (OnCreate) OnCreate(this);
}

// --- window ----------------------------------------------------------------------------------

void TCustomForm::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    params.ExStyle = 0;
    params.WndParent = nullptr;
    switch (FBorderStyle) {
    case bsNone: params.Style |= WS_POPUP; break;
    case bsSingle: params.Style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable: params.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog: params.Style |= WS_CAPTION | WS_DLGFRAME; params.ExStyle |= WS_EX_DLGMODALFRAME; break;
    case bsToolWindow: params.Style |= WS_CAPTION | WS_BORDER; params.ExStyle |= WS_EX_TOOLWINDOW; break;
    case bsSizeToolWin: params.Style |= WS_CAPTION | WS_THICKFRAME; params.ExStyle |= WS_EX_TOOLWINDOW; break;
    }
    if (FBorderStyle != bsNone && FBorderIcons.Contains(biSystemMenu)) {
        params.Style |= WS_SYSMENU;
        const bool boxes = FBorderStyle != bsDialog && FBorderStyle != bsToolWindow && FBorderStyle != bsSizeToolWin;
        if (boxes && FBorderIcons.Contains(biMinimize)) params.Style |= WS_MINIMIZEBOX;
        if (boxes && FBorderIcons.Contains(biMaximize)) params.Style |= WS_MAXIMIZEBOX;
        if (FBorderIcons.Contains(biHelp)) params.ExStyle |= WS_EX_CONTEXTHELP;
    }
    if (!FEnabled) params.Style |= WS_DISABLED;
    if (FFormStyle == fsStayOnTop) params.ExStyle |= WS_EX_TOPMOST;
    if (FPosition == poDefault || FPosition == poDefaultPosOnly) params.X = params.Y = CW_USEDEFAULT;
}

void TCustomForm::CreateWnd() {
    TCustomControl::CreateWnd();
    MenuChanged();
}

TRect TCustomForm::ClientRect() const {
    if (!FHandle) const_cast<TCustomForm*>(this)->HandleNeeded();
    return TCustomControl::ClientRect();
}

TPoint TCustomForm::ClientOrigin() const {
    if (!FHandle) const_cast<TCustomForm*>(this)->HandleNeeded();
    return TCustomControl::ClientOrigin();
}

bool TCustomForm::Showing() const {
    return FHandle && IsWindowVisible(FHandle);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
    if (FBorderStyle == style) return;
    FBorderStyle = style;
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
    if (FBorderIcons == icons) return;
    FBorderIcons = icons;
    RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle style) {
    if (FFormStyle == style) return;
    FFormStyle = style;
    if (FHandle) SetWindowPos(FHandle, style == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::SetWindowState(TWindowState state) {
    if (FWindowState == state) return;
    FWindowState = state;
    if (FHandle && IsWindowVisible(FHandle)) ShowWindowForState();
}

void TCustomForm::ShowWindowForState() {
    static constexpr int commands[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
    if (FWindowState == wsNormal && !IsIconic(FHandle) && !IsZoomed(FHandle))
        ShowWindow(FHandle, SW_SHOW);
    else
        ShowWindow(FHandle, commands[FWindowState]);
}

void TCustomForm::SetMenu(TMainMenu* menu) {
    FMenu = menu;
    MenuChanged();
}

void TCustomForm::MenuChanged() {
    if (!FHandle) return;
    HMENU menu = FMenu && MenuHandleOf ? MenuHandleOf(FMenu) : nullptr;
    if (GetMenu(FHandle) != menu) ::SetMenu(FHandle, menu);
    else if (menu) DrawMenuBar(FHandle);
    Perform(CM_MENUCHANGED, 0, 0);
}

bool TCustomForm::IsShortCut(WORD key, TShiftState shift) {
    return FMenu && FMenu->IsShortCut(key, shift);
}

// --- showing ---------------------------------------------------------------------------------

void TCustomForm::Show() {
    SetVisible(true);
    if (FHandle && FWindowState != wsMinimized) SetForegroundWindow(FHandle);
}

void TCustomForm::CMVisibleChanged(TMessage&) {
    Perform(CM_SHOWINGCHANGED, 0, 0);
}

void TCustomForm::CMShowingChanged(TMessage&) {
    if (FVisible) {
        HandleNeeded();
        PlaceOnFirstShow();
        FFormState.Include(fsShowing);
        DoShow();
        FFormState.Exclude(fsShowing);
        if (!FVisible || !FHandle) return; // OnShow hid or freed the form's window
        ShowWindowForState();
        if (!FActiveControl) SelectFirst();
        else if (FActiveControl->CanFocus() && GetActiveWindow() == FHandle) ::SetFocus(FActiveControl->Handle());
    } else if (FHandle) {
        DoHide();
        ShowWindow(FHandle, SW_HIDE);
    }
}

void TCustomForm::DoShow() {
    if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
    if (OnHide) OnHide(this);
}

void TCustomForm::PlaceOnFirstShow() {
    if (FPlaced) return;
    FPlaced = true;
    TRect area{0, 0, Screen ? Screen->Width() : GetSystemMetrics(SM_CXSCREEN), Screen ? Screen->Height() : GetSystemMetrics(SM_CYSCREEN)};
    TCustomForm* center = nullptr;
    if (FPosition == poMainFormCenter && Application) center = Application->MainForm();
    if (FPosition == poOwnerFormCenter) center = dynamic_cast<TCustomForm*>(Owner());
    if (center && center != this && center->HandleAllocated()) area = center->BoundsRect();
    else if (FPosition == poMainFormCenter || FPosition == poOwnerFormCenter || FPosition == poDesktopCenter || FPosition == poScreenCenter) {
        if (FPosition == poDesktopCenter && Screen) area = Screen->WorkAreaRect();
    } else {
        return;
    }
    SetBounds(area.Left + (area.Width() - FWidth) / 2, area.Top + (area.Height() - FHeight) / 2, FWidth, FHeight);
}

// --- modal showing and closing ---------------------------------------------------------------

std::vector<HWND> TCustomForm::DisableOtherForms() {
    std::vector<HWND> disabled;
    if (!Screen) return disabled;
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* form = Screen->Forms(i);
        if (form == this || !form->HandleAllocated()) continue;
        HWND h = form->Handle();
        if (IsWindowVisible(h) && IsWindowEnabled(h)) {
            EnableWindow(h, FALSE);
            disabled.push_back(h);
        }
    }
    return disabled;
}

TModalResult TCustomForm::ShowModal() {
    if (FVisible || !FEnabled || FFormState.Contains(fsModal))
        throw EInvalidOperation("Cannot make a visible window modal");
    if (HWND capture = GetCapture()) SendMessage(capture, WM_CANCELMODE, 0, 0);
    if (Application) Application->CancelHint();
    HWND previouslyActive = GetActiveWindow();
    FFormState.Include(fsModal);
    std::vector<HWND> disabled = DisableOtherForms();
    FModalResult = mrNone;
    TModalResult result = mrCancel;
    try {
        Show();
        while (FModalResult == mrNone) {
            if (!Application || Application->Terminated()) {
                FModalResult = mrCancel;
                break;
            }
            Application->HandleMessage();
            if (FModalResult != mrNone) CloseModal();
        }
        result = FModalResult;
    } catch (...) {
        for (HWND h : disabled) EnableWindow(h, TRUE);
        FFormState.Exclude(fsModal);
        throw;
    }
    // The others first, so that hiding this form hands activation back to one of them.
    for (HWND h : disabled) EnableWindow(h, TRUE);
    SetVisible(false);
    if (previouslyActive && IsWindow(previouslyActive)) SetActiveWindow(previouslyActive);
    FFormState.Exclude(fsModal);
    return result;
}

void TCustomForm::CloseModal() {
    TCloseAction action = caNone;
    if (CloseQuery()) {
        action = caHide;
        DoClose(action);
    }
    if (action == caNone) FModalResult = mrNone;
    else if (action == caFree) Release();
}

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::DoClose(TCloseAction& action) {
    if (OnClose) OnClose(this, action);
}

void TCustomForm::Close() {
    if (FFormState.Contains(fsModal)) {
        FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    std::weak_ptr<int> alive = AliveToken();
    DoClose(action);
    if (alive.expired() || action == caNone) return;
    if (Application && Application->MainForm() == this) Application->Terminate();
    else if (action == caHide) Hide();
    else if (action == caMinimize) SetWindowState(wsMinimized);
    else Release();
}

void TCustomForm::Release() {
    PostMessage(Handle(), CM_RELEASE, 0, 0);
}

void TCustomForm::CMRelease(TMessage&) {
    delete this;
}

// --- focus and activation --------------------------------------------------------------------

void TCustomForm::SetActiveControl(TWinControl* control) {
    if (control && (control == this || !ContainsControl(control))) throw EInvalidOperation("Invalid control for ActiveControl");
    if (control && FHandle && IsWindowVisible(FHandle) && control->CanFocus()) {
        control->SetFocus();
        return;
    }
    FActiveControl = control;
}

void TCustomForm::SelectFirst() {
    if (TWinControl* first = FindNextControl(nullptr, true, true, false)) {
        if (FHandle && IsWindowVisible(FHandle) && GetActiveWindow() == FHandle)
            first->SetFocus();
        else
            FActiveControl = first;
    }
}

void TCustomForm::FocusControl(TWinControl* control) {
    SetActiveControl(control);
}

// Enter and exit follow the control that really had the focus: an ActiveControl named before
// the form showed gets its CM_ENTER when the focus first arrives.
void TCustomForm::SetFocusedControl(TWinControl* control) {
    if (control == this || control == FFocusedControl) return;
    TWinControl* old = FFocusedControl;
    FActiveControl = control;
    FFocusedControl = control;
    if (Screen) Screen->SetActiveControl(control);
    std::weak_ptr<int> alive = control->AliveToken();
    if (old) {
        old->Perform(CM_EXIT, 0, 0);
        if (alive.expired() || FFocusedControl != control) return;
    }
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
    if (alive.expired() || FFocusedControl != control) return;
    control->Perform(CM_ENTER, 0, 0);
}

void TCustomForm::ControlRemoving(TControl* control) {
    auto removes = [control](TWinControl* held) {
        auto* windowed = dynamic_cast<TWinControl*>(control);
        return held && (held == control || (windowed && windowed->ContainsControl(held)));
    };
    if (removes(FFocusedControl)) FFocusedControl = nullptr;
    if (removes(FActiveControl)) {
        FActiveControl = nullptr;
        if (Screen) Screen->SetActiveControl(nullptr);
    }
}

void TCustomForm::Activate() {
    if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
    if (OnDeactivate) OnDeactivate(this);
}

// --- messages --------------------------------------------------------------------------------

void TCustomForm::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case CM_RELEASE: CMRelease(m); break;
    case CM_ACTIVATE: CMActivate(m); break;
    case CM_DEACTIVATE: CMDeactivate(m); break;
    case WM_CLOSE: WMClose(m); break;
    case WM_ACTIVATE: WMActivate(m); break;
    case WM_SYSCOMMAND: WMSysCommand(m); break;
    case WM_GETMINMAXINFO: WMGetMinMaxInfo(m); break;
    case WM_COMMAND: WMCommand(m); break;
    case WM_INITMENUPOPUP: WMInitMenuPopup(m); break;
    case WM_MEASUREITEM: WMMeasureItem(m); break;
    case WM_DRAWITEM: WMDrawItem(m); break;
    default: TCustomControl::Dispatch(m); break;
    }
}

void TCustomForm::Paint() {
    if (OnPaint) OnPaint(this);
}

void TCustomForm::WMClose(TMessage&) {
    Close();
}

void TCustomForm::WMActivate(TMessage& m) {
    DefaultHandler(m);
    const bool active = LOWORD(m.WParam) != WA_INACTIVE;
    if (active == FActive) return;
    FActive = active;
    if (active) {
        if (Screen) Screen->SetActiveForm(this);
        if (FActiveControl && FActiveControl->CanFocus()) ::SetFocus(FActiveControl->Handle());
        else if (!FActiveControl) SelectFirst();
        Perform(CM_ACTIVATE, 0, 0);
    } else {
        Perform(CM_DEACTIVATE, 0, 0);
    }
}

void TCustomForm::CMActivate(TMessage&) {
    Activate();
}

void TCustomForm::CMDeactivate(TMessage&) {
    Deactivate();
}

// Tab and arrows move the focus; Enter and Esc go to the children first (a default or cancel
// button takes them); an Esc nobody took cancels a modal form.
void TCustomForm::CMDialogKey(TMessage& m) {
    const bool plain = GetKeyState(VK_MENU) >= 0 && GetKeyState(VK_CONTROL) >= 0;
    switch (m.WParam) {
    case VK_TAB:
        if (!plain) break;
        SelectNext(FActiveControl, GetKeyState(VK_SHIFT) >= 0, true);
        m.Result = 1;
        return;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        if (!plain || !FActiveControl || !FActiveControl->Parent()) break;
        FActiveControl->Parent()->SelectNext(FActiveControl, m.WParam == VK_RIGHT || m.WParam == VK_DOWN, false);
        m.Result = 1;
        return;
    default: break;
    }
    std::weak_ptr<int> alive = AliveToken();
    TCustomControl::CMDialogKey(m);
    if (alive.expired() || m.Result != 0) return;
    if (m.WParam == VK_ESCAPE && FFormState.Contains(fsModal)) {
        FModalResult = mrCancel;
        m.Result = 1;
    }
}

void TCustomForm::UpdateWindowState() {
    if (!FHandle) return;
    FWindowState = IsIconic(FHandle) ? wsMinimized : IsZoomed(FHandle) ? wsMaximized : wsNormal;
}

// The application's minimise and restore notifications follow the main form's window, whoever
// minimised it (the title bar, the desktop, or code).
void TCustomForm::WMSize(TMessage& m) {
    const TWindowState before = FWindowState;
    UpdateWindowState();
    TCustomControl::WMSize(m);
    if (!Application || Application->MainForm() != this) return;
    if (FWindowState == wsMinimized && before != wsMinimized) Application->MainFormMinimized();
    else if (FWindowState != wsMinimized && before == wsMinimized) Application->MainFormRestored();
}

void TCustomForm::WMSysCommand(TMessage& m) {
    DefaultHandler(m);
}

void TCustomForm::WMGetMinMaxInfo(TMessage& m) {
    DefaultHandler(m);
    auto* info = reinterpret_cast<MINMAXINFO*>(m.LParam);
    if (!info) return;
    TSizeConstraints* c = Constraints();
    if (c->MinWidth() > 0) info->ptMinTrackSize.X = c->MinWidth();
    if (c->MinHeight() > 0) info->ptMinTrackSize.Y = c->MinHeight();
    if (c->MaxWidth() > 0) info->ptMaxTrackSize.X = c->MaxWidth();
    if (c->MaxHeight() > 0) info->ptMaxTrackSize.Y = c->MaxHeight();
}

// --- the main menu ---------------------------------------------------------------------------

// A menu's command has no sender window; a child control's goes back to that control.
void TCustomForm::WMCommand(TMessage& m) {
    if (m.LParam == 0 && FMenu && FMenu->DispatchCommand(LOWORD(m.WParam))) return;
    TCustomControl::Dispatch(m);
}

void TCustomForm::WMInitMenuPopup(TMessage& m) {
    if (FMenu && FMenu->DispatchPopup(reinterpret_cast<HMENU>(m.WParam))) return;
    DefaultHandler(m);
}

void TCustomForm::WMMeasureItem(TMessage& m) {
    auto* request = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
    if (request && request->CtlType == ODT_MENU && FMenu && FMenu->MeasureItem(*request)) {
        m.Result = TRUE;
        return;
    }
    TCustomControl::Dispatch(m);
}

void TCustomForm::WMDrawItem(TMessage& m) {
    const auto* request = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
    if (request && request->CtlType == ODT_MENU && FMenu && FMenu->DrawItem(*request)) {
        m.Result = TRUE;
        return;
    }
    TCustomControl::Dispatch(m);
}
