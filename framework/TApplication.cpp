// The application object: message loop, forms, mouse tracking, hints and error reports.
#include "framework/TApplication.h"

#include "framework/Consts.h"
#include "framework/Exception.h"
#include "framework/Format.h"
#include "framework/Messages.h"
#include "framework/TComponentDump.h"
#include "framework/TMenuDump.h"
#include "framework/TCustomForm.h"
#include "framework/THintWindow.h"
#include "framework/TMouse.h"
#include "framework/TScreen.h"

#include "platform/controls/MessageBox.h"
#include "platform/controls/StandardControls.h"
#include "platform/window/Win.h"


#include <utility>

TApplication* Application = nullptr;

namespace {

constexpr int kCursorHeight = 20; // the hint goes this far below the pointer's hot spot
constexpr int kHintMaxWidth = 300;

// The window that holds the pointer for a control: its own, or a graphic control's parent's.
HWND CaptureWindowOf(TControl* control) {
    auto* win = dynamic_cast<TWinControl*>(control);
    if (!win) win = control ? control->Parent() : nullptr;
    return win && win->HandleAllocated() ? win->Handle() : nullptr;
}

} // namespace

TMessageBoxFunction TApplication::MessageBoxFunction = ::MessageBox;

TApplication::TApplication(TComponent* owner)
    : TComponent(owner), FScreen(std::make_unique<TScreen>(nullptr)), FMouse(std::make_unique<TMouse>()) {
    Application = this;
    Screen = FScreen.get();
    Mouse = FMouse.get();
    FHintWindowClass = [](TComponent* hintOwner) { return new THintWindow(hintOwner); };
}

TApplication::~TApplication() {
    StopHintTimers();
    BeforeDestruction();
    FMainForm = nullptr;
    Mouse = nullptr;
    Screen = nullptr;
    Application = nullptr;
}

void TApplication::FormCreated(TCustomForm* form) {
    form->AfterConstruction();
    if (!FMainForm) FMainForm = form;
}

// --- the message loop --------------------------------------------------------------------

void TApplication::Run() {
    if (FMainForm && FShowMainForm) FMainForm->Show();
    while (!FTerminated) HandleMessage();
}

bool TApplication::ProcessMessage() {
    MSG msg;
    if (!PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (msg.message == WM_QUIT) {
        FTerminated = true;
        return true;
    }
    if (!msg.hwnd && msg.message == BackingFailedMessage()) {
        ReportBackingFailure(msg);
        return true;
    }
    try {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    } catch (const std::exception& e) {
        HandleException(this, &e);
    } catch (...) {
        HandleException(this, nullptr);
    }
    return true;
}

void TApplication::HandleMessage() {
    if (!ProcessMessage()) Idle();
}

void TApplication::ProcessMessages() {
    while (!FTerminated && ProcessMessage()) {}
}

void TApplication::Idle() {
    if (OnIdle) OnIdle(this);
    if (!FTerminated) WaitMessage();
}

void TApplication::Terminate() {
    PostQuitMessage(0);
}

// --- minimise and restore ----------------------------------------------------------------

void TApplication::Minimize() {
    if (FMainForm && FMainForm->HandleAllocated()) ShowWindow(FMainForm->Handle(), SW_MINIMIZE);
}

void TApplication::Restore() {
    if (FMainForm && FMainForm->HandleAllocated() && IsIconic(FMainForm->Handle())) ShowWindow(FMainForm->Handle(), SW_RESTORE);
}

void TApplication::MainFormMinimized() {
    if (FMinimized) return;
    FMinimized = true;
    CancelHint();
    if (OnMinimize) OnMinimize(this);
}

void TApplication::MainFormRestored() {
    if (!FMinimized) return;
    FMinimized = false;
    if (OnRestore) OnRestore(this);
}

// --- errors ------------------------------------------------------------------------------

void TApplication::HandleException(TObject* sender, const std::exception* error) {
    if (dynamic_cast<const EAbort*>(error)) return;
    if (OnException && error) {
        OnException(sender, *error);
        return;
    }
    ShowException(error);
}

// A window too large for memory is no reason to end the program: it stays blank until resized.
void TApplication::ReportBackingFailure(const MSG& msg) {
    const long long width = static_cast<long long>(msg.wParam), height = msg.lParam;
    const EOutOfResources error(Format(SWindowTooLarge, {width, height}));
    HandleException(this, &error);
}

void TApplication::ShowException(const std::exception* error) {
    std::string text = error ? error->what() : "Unknown error";
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
    MessageBox(text, FTitle, MB_OK | MB_ICONERROR);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags) {
    HWND owner = GetActiveWindow();
    return MessageBoxFunction ? MessageBoxFunction(owner, text, caption, flags) : 0;
}

// --- the control under the mouse ---------------------------------------------------------

// Letting go only releases the platform capture while our window still holds it: a menu or a
// modal window may have taken it meanwhile. A control released outside learns at once that the
// mouse left it, not at the next move.
void TApplication::SetCaptureControl(TControl* control) {
    HWND previous = CaptureWindowOf(FCaptureControl);
    FCaptureControl = control;
    if (control) {
        if (HWND window = CaptureWindowOf(control)) SetCapture(window);
    } else if (previous && GetCapture() == previous) {
        ReleaseCapture();
        UpdateMouseControl();
    }
}

void TApplication::ControlMouseMessage(TControl* control, TMessage& message) {
    switch (message.Msg) {
    case WM_MOUSEMOVE:
        if (!FCaptureControl || FCaptureControl == control) SetMouseControl(control);
        HintPointerMoved();
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
        CancelHint();
        break;
    default: break;
    }
}

void TApplication::WindowMouseLeft(TWinControl*) {
    UpdateMouseControl();
}

void TApplication::UpdateMouseControl() {
    TPoint p;
    GetCursorPos(&p);
    TWinControl* window = TWinControl::FindControl(WindowFromPoint(p));
    TControl* under = window;
    if (window) {
        if (TControl* child = window->ControlAtPos(window->ScreenToClient(p), false)) under = child;
    }
    SetMouseControl(under);
}

// Leave goes to the old control before enter goes to the new one, each naming no other control
// (lParam 0), as the controls pass them up to their parents.
void TApplication::SetMouseControl(TControl* control) {
    if (control == FMouseControl) return;
    TControl* old = FMouseControl;
    FMouseControl = control;
    if (old) old->Perform(CM_MOUSELEAVE, 0, 0);
    if (FMouseControl == control && control) control->Perform(CM_MOUSEENTER, 0, 0);
    if (FMouseControl == control) HintControlChanged(control);
}

void TApplication::CursorChangedOn(TControl* control) {
    if (control == FMouseControl && control) {
        TPoint p;
        GetCursorPos(&p);
        SetCursorPos(p.X, p.Y); // the window under the pointer picks its cursor again
    }
}

void TApplication::ForgetControl(TControl* control) {
    if (FMouseControl == control) FMouseControl = nullptr;
    if (FCaptureControl == control) SetCaptureControl(nullptr);
    if (FHintControl == control) {
        FHintControl = nullptr;
        CancelHint();
    }
    if (FHintWindow == control) FHintWindow = nullptr;
}

void TApplication::ControlRemoving(TControl* control) {
    ForgetControl(control);
}

void TApplication::ControlDestroyed(TControl* control) {
    ForgetControl(control);
}

// A program whose main form is gone has nothing left to run for.
void TApplication::FormDestroyed(TCustomForm* form) {
    if (FMainForm != form) return;
    FMainForm = nullptr;
    if (!ComponentState().Contains(csDestroying)) Terminate();
}

void TApplication::Initialize() {
    RegisterStandardControls();
    TComponentDump::Register();
    TMenuDump::Register();
}

// --- hints -------------------------------------------------------------------------------

void TApplication::SetShowHint(bool value) {
    FShowHint = value;
    if (!value) CancelHint();
}

TControl* TApplication::HintControlFor(TControl* control) const {
    for (; control; control = control->Parent())
        if (control->OffersHint()) return control->ShowHint() ? control : nullptr;
    return nullptr;
}

// A hint follows a shown one after the short pause; otherwise after the full pause.
void TApplication::HintControlChanged(TControl* control) {
    TControl* hintControl = HintControlFor(control);
    TControl* withHint = control;
    while (withHint && withHint->Hint().empty()) withHint = withHint->Parent();
    const std::string hint = withHint ? withHint->Hint() : std::string();
    if (hint != FHint) {
        FHint = hint;
        if (OnHint) OnHint(this);
    }
    if (hintControl == FHintControl) return;
    const bool following = FHintShown;
    StopHintTimers();
    HideHintWindow();
    FHintControl = hintControl;
    FHintShown = false;
    FHintCursorRect = {};
    if (hintControl && FShowHint) StartHintTimer(following ? FHintShortPause : FHintPause);
}

// Off the part of the control the last hint was for (a tab, say): the next part's hint follows
// as another control's would.
void TApplication::HintPointerMoved() {
    if (!FHintControl || FHintCursorRect.IsEmpty()) return;
    TPoint p;
    GetCursorPos(&p);
    if (FHintCursorRect.Contains(p)) return;
    const bool following = FHintShown;
    FHintCursorRect = {};
    StopHintTimers();
    HideHintWindow();
    FHintShown = false;
    if (FShowHint) StartHintTimer(following ? FHintShortPause : FHintPause);
}

void TApplication::StartHintTimer(int ms) {
    FHintTimer = SetTimer(nullptr, 0, static_cast<UINT>(std::max(1, ms)), [this](HWND, UINT, UINT_PTR, DWORD) {
        StopHintTimers();
        TPoint p;
        GetCursorPos(&p);
        ActivateHint(p);
    });
}

void TApplication::StartHideTimer(int ms) {
    FHideTimer = SetTimer(nullptr, 0, static_cast<UINT>(std::max(1, ms)), [this](HWND, UINT, UINT_PTR, DWORD) {
        StopHintTimers();
        HideHintWindow();
        FHintShown = false;
    });
}

void TApplication::StopHintTimers() {
    if (FHintTimer) KillTimer(nullptr, std::exchange(FHintTimer, 0));
    if (FHideTimer) KillTimer(nullptr, std::exchange(FHideTimer, 0));
}

void TApplication::HideHintWindow() {
    delete std::exchange(FHintWindow, nullptr);
}

void TApplication::SetHintWindowClass(THintWindowFactory factory) {
    CancelHint();
    FHintWindowClass = std::move(factory);
}

void TApplication::CancelHint() {
    StopHintTimers();
    HideHintWindow();
    FHintShown = false;
}

void TApplication::ActivateHint(TPoint cursorPos) {
    if (!FHintControl || !FShowHint) return;
    THintInfo info;
    info.HintControl = FHintControl;
    info.HintPos = {cursorPos.X, cursorPos.Y + kCursorHeight};
    info.HintMaxWidth = kHintMaxWidth;
    info.HintColor = FHintColor;
    info.CursorPos = FHintControl->ScreenToClient(cursorPos);
    info.CursorRect = FHintControl->ClientRect();
    info.HintStr = FHintControl->Hint();
    bool canShow = FHintControl->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) == 0;
    if (!FHintControl) return;
    const TPoint origin = FHintControl->ClientToScreen({0, 0});
    FHintCursorRect = info.CursorRect.Offset(origin.X, origin.Y);
    std::string hint = info.HintStr;
    if (canShow && OnShowHint) OnShowHint(hint, canShow, info);
    if (!canShow || hint.empty()) return;
    HideHintWindow();
    FHintWindow = FHintWindowClass ? FHintWindowClass(this) : new THintWindow(this);
    FHintWindow->SetColor(info.HintColor);
    TRect rect = FHintWindow->CalcHintRect(info.HintMaxWidth, hint, info.HintData).Offset(info.HintPos.X, info.HintPos.Y);
    FHintWindow->ActivateHint(rect, hint);
    FHintShown = true;
    StartHideTimer(info.HideTimeout > 0 ? info.HideTimeout : FHintHidePause);
}
