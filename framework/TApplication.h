// The application: its forms and main form, the message loop, minimise and restore
// notifications, the control under the mouse with its enter/leave notices, the hint machinery,
// and the default error report.
#pragma once

#include "framework/ControlTypes.h"
#include "framework/Events.h"
#include "framework/TComponent.h"

#include "platform/gfx/Color.h"
#include "platform/window/WinTypes.h"

#include <exception>
#include <functional>
#include <memory>
#include <string>

class TControl;
class TCustomForm;
class THintWindow;
class TScreen;
class TMouse;
class TWinControl;
struct TMessage;

// What the hint control (answering CM_HINTSHOW) and OnShowHint may change before a hint is shown.
struct THintInfo {
    TControl* HintControl = nullptr;
    std::string HintStr;     // the text; starts as the control's Hint
    TPoint HintPos;          // screen position of the hint's top-left corner
    int HintMaxWidth = 0;
    TColor HintColor = clInfoBk;
    TRect CursorRect;        // in HintControl's client coordinates: the hint holds while the
                             // pointer stays inside; leaving it asks for a hint again
    TPoint CursorPos;        // in HintControl's client coordinates
    int HideTimeout = 0;     // ms; 0 takes HintHidePause
    void* HintData = nullptr;
};

using TShowHintEvent = std::function<void(std::string& hint, bool& canShow, THintInfo& info)>;
using TExceptionEvent = std::function<void(TObject* sender, const std::exception& error)>;
using THintWindowFactory = std::function<THintWindow*(TComponent* owner)>;
using TMessageBoxFunction = std::function<int(HWND owner, const std::string& text, const std::string& caption, UINT flags)>;

// The one process-wide application object (`Application`), as the framework's model has it:
// every control reports mouse movement, capture and errors to it, and the skin engine and the
// game reach the main form, hints and minimise notifications through it. It exists while a
// TApplication object lives (the program's main makes one; each test makes its own).
class TApplication : public TComponent {
public:
    explicit TApplication(TComponent* owner = nullptr);
    ~TApplication() override;
    std::string ClassName() const override { return "TApplication"; }

    // Registers the platform's standard control classes (which controls wrap) and the
    // framework's records for automation dumps. Needs the window system running.
    void Initialize();
    // Makes a form, stores it in ref, runs its OnCreate; the first form made is the main form.
    template <class T>
    void CreateForm(T*& ref) {
        T* form = new T(this);
        ref = form;
        FormCreated(form);
    }
    TCustomForm* MainForm() const { return FMainForm; }
    // Shows the main form and handles messages until it closes or Terminate is called.
    void Run();
    // Handles every message waiting now, then returns.
    void ProcessMessages();
    // Handles one message, or runs the idle step and waits when there is none.
    void HandleMessage();
    void Terminate();
    bool Terminated() const { return FTerminated; }

    // Minimises or restores the main form (and with it the application).
    void Minimize();
    void Restore();
    bool Minimized() const { return FMinimized; }

    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& title) { FTitle = title; }
    bool ShowMainForm() const { return FShowMainForm; }
    void SetShowMainForm(bool value) { FShowMainForm = value; }

    // --- hints ---------------------------------------------------------------------------
    int HintPause() const { return FHintPause; }
    void SetHintPause(int ms) { FHintPause = ms; }
    int HintShortPause() const { return FHintShortPause; }
    void SetHintShortPause(int ms) { FHintShortPause = ms; }
    int HintHidePause() const { return FHintHidePause; }
    void SetHintHidePause(int ms) { FHintHidePause = ms; }
    TColor HintColor() const { return FHintColor; }
    void SetHintColor(TColor color) { FHintColor = color; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    // The hint of the control under the mouse (OnHint fires when it changes).
    const std::string& Hint() const { return FHint; }
    // Makes the hint windows; replaceable so that another kind of window shows the hints. A
    // window is made for each hint and freed when the hint hides.
    const THintWindowFactory& HintWindowClass() const { return FHintWindowClass; }
    void SetHintWindowClass(THintWindowFactory factory);
    THintWindow* HintWindow() const { return FHintWindow; }
    // Hides a shown hint and stops a pending one.
    void CancelHint();
    void ActivateHint(TPoint cursorPos);

    // --- errors --------------------------------------------------------------------------
    // Reports an error that reached the message dispatch: OnException when set, else
    // ShowException. EAbort is silent. error may be nullptr for a non-standard exception.
    void HandleException(TObject* sender, const std::exception* error);
    // The default error report: a message box with the error text, captioned with Title.
    void ShowException(const std::exception* error);
    // The platform's message box (MB_* flags, ID* answers), owned by the active window.
    int MessageBox(const std::string& text, const std::string& caption, UINT flags);
    // How MessageBox reaches the platform; tests put their own here.
    static TMessageBoxFunction MessageBoxFunction;

    // --- mouse and capture (used by the controls) -----------------------------------------
    TControl* MouseControl() const { return FMouseControl; }
    TControl* CaptureControl() const { return FCaptureControl; }
    void SetCaptureControl(TControl* control);
    void ControlMouseMessage(TControl* control, TMessage& message);
    // The mouse left a framework window: find what it is over now.
    void WindowMouseLeft(TWinControl* window);
    // Sends enter and leave notices so that control is the one under the mouse.
    void SetMouseControl(TControl* control);
    // The control under the cursor becomes the mouse control.
    void UpdateMouseControl();
    void CursorChangedOn(TControl* control);
    void ControlRemoving(TControl* control);
    void ControlDestroyed(TControl* control);
    void FormDestroyed(TCustomForm* form);
    void MainFormMinimized();
    void MainFormRestored();

    TNotifyEvent OnMinimize;
    TNotifyEvent OnRestore;
    TNotifyEvent OnHint;
    TNotifyEvent OnIdle;
    TShowHintEvent OnShowHint;
    TExceptionEvent OnException;

private:
    void FormCreated(TCustomForm* form);
    bool ProcessMessage();
    void ReportBackingFailure(const MSG& msg);
    void Idle();
    void HintControlChanged(TControl* control);
    void HintPointerMoved();
    TControl* HintControlFor(TControl* control) const;
    void StartHintTimer(int ms);
    void StartHideTimer(int ms);
    void StopHintTimers();
    void HideHintWindow();
    void ForgetControl(TControl* control);

    TCustomForm* FMainForm = nullptr;
    std::unique_ptr<TScreen> FScreen;
    std::unique_ptr<TMouse> FMouse;
    bool FTerminated = false;
    bool FMinimized = false;
    bool FShowMainForm = true;
    std::string FTitle;

    int FHintPause = 500;
    int FHintShortPause = 50;
    int FHintHidePause = 2500;
    TColor FHintColor = clInfoBk;
    bool FShowHint = true;
    std::string FHint;
    THintWindowFactory FHintWindowClass;
    THintWindow* FHintWindow = nullptr;
    TControl* FHintControl = nullptr;
    bool FHintShown = false; // a hint is up (a new control's hint then follows after the short pause)
    TRect FHintCursorRect;   // screen; empty while no hint was asked for
    UINT_PTR FHintTimer = 0;
    UINT_PTR FHideTimer = 0;

    TControl* FMouseControl = nullptr;
    TControl* FCaptureControl = nullptr;
};

extern TApplication* Application;
