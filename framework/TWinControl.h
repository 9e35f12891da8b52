// A control with its own platform window: children, handle life cycle, focus and tab order,
// keyboard events, dialog keys, reflected notifications, layout of aligned and anchored
// children, and painting of graphic children over the window's background.
#pragma once

#include "framework/TControl.h"

#include "platform/window/WinStyles.h"

#include <string>
#include <vector>

// What CreateWnd asks of the platform; CreateParams fills it in.
struct TCreateParams {
    std::string Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    HWND WndParent = nullptr;
    void* Param = nullptr;
    UINT WindowClassStyle = CS_DBLCLKS;
    TColor WindowClassBackground = clNone;
    // The platform class of the window. A framework class registers its own class under this
    // name; a control that wraps a platform control ("Button", "Edit", ...) names that class,
    // and its messages then end at that class's procedure (DefWndProc).
    std::string WinClassName;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;
    std::string ClassName() const override { return "TWinControl"; }

    // --- the window ------------------------------------------------------------------------
    // The window, created on first use (with the windows of its parents).
    HWND Handle();
    HWND Handle() const { return FHandle; }
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded();
    // Destroys the window and makes it again (after a style change); children are recreated.
    void RecreateWnd();
    // The control sits in a window that is not a framework control (a top-level host).
    HWND ParentWindow() const { return FParentWindow; }
    void SetParentWindow(HWND window);
    // The control whose window this is, nullptr for windows that are not framework controls.
    static TWinControl* FromHandle(HWND hwnd);
    // The framework control whose window is hwnd or an ancestor of it.
    static TWinControl* FindControl(HWND hwnd);

    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    bool Showing() const override;
    // The client area less BorderWidth: where aligned children go.
    virtual TRect AlignRect() const;
    // The size children are laid out in: AlignRect's, or while the window is minimised, the
    // size of the last layout (the one it will have again when restored).
    TSize LayoutSize() const;

    // --- children --------------------------------------------------------------------------
    int ControlCount() const { return static_cast<int>(FControls.size()); }
    // Children in z-order, bottom first (graphic and windowed alike).
    TControl* Controls(int index) const;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    bool ContainsControl(const TControl* control) const;
    // The topmost visible child at a client point (disabled ones only when allowed).
    TControl* ControlAtPos(TPoint point, bool allowDisabled, bool allowWinControls = false) const;
    // Sends the message to every child (stopping at one that answers nonzero).
    void Broadcast(TMessage& message);
    void NotifyControls(UINT msg);

    // --- layout ----------------------------------------------------------------------------
    void DisableAlign() { ++FAlignLevel; }
    void EnableAlign();
    bool AlignDisabled() const { return FAlignLevel > 0; }
    // Lays out aligned children and moves anchored ones for the current client size.
    void Realign();
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int width);

    // --- focus and tab order ---------------------------------------------------------------
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool value) { FTabStop = value; }
    // The position among the parent's windowed children in the tab order.
    int TabOrder() const;
    void SetTabOrder(int order);
    // The tab order of the windowed children.
    std::vector<TWinControl*> GetTabOrderList() const;
    virtual bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();
    // The next (or previous) tab stop after current among the descendants, wrapping around.
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent) const;
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);

    bool DoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool value) { FDoubleBuffered = value; }
    // Paints the graphic children (all, or those from `first` up in z-order) into dc.
    void PaintControls(HDC dc, TControl* first);
    void Invalidate() override;
    void Repaint() override;
    void Update() override;
    void SetText(const std::string& text) override;
    std::string GetText() const override;

    void Dispatch(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    // Passes a message to the procedure below the framework's: the platform class's.
    void DefWndProc(TMessage& message);
    HWND CanvasWindow(TRect& area) const override;

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    friend class TControl;
    friend class TCustomForm;
    friend class TWinControlCreation;

    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    virtual void CreateWindowHandle(const TCreateParams& params);
    virtual void DestroyWnd();
    virtual void DestroyWindowHandle();
    // After the window exists: children get theirs, text and font go to it.
    virtual void CreateHandleChildren();
    void WndProc(TMessage& message) override;
    void BoundsChanged() override;
    void SetZOrder(bool topMost) override;
    void MoveControl(TControl* control, bool topMost);
    virtual void AlignControls(TControl* control, TRect& rect);

    // A shortcut of a popup menu of this control or a parent, or of the form's main menu: its
    // item runs and the key goes no further.
    bool IsMenuKey(const TMessage& message);
    // Keyboard: key preview, events, dialog keys; false from DoKey* means the key was taken.
    bool DoKeyDown(TMessage& message);
    bool DoKeyUp(TMessage& message);
    bool DoKeyPress(TMessage& message);
    // The whole keyboard path of a key or a character, up to where the window would get it:
    // false when the framework took it. A control whose keys arrive at a window of its own
    // (a combo box's edit) runs them from there.
    bool KeyDownPasses(TMessage& message);
    bool CharPasses(TMessage& message);
    // The form took the character as a mnemonic.
    bool IsDialogChar(const TMessage& message);
    virtual void KeyDown(WORD& key, TShiftState shift);
    virtual void KeyUp(WORD& key, TShiftState shift);
    virtual void KeyPress(char32_t& key);
    virtual void DoEnter();
    virtual void DoExit();

    // Handlers.
    virtual void WMPaint(TMessage& message) override;
    virtual void WMEraseBkgnd(TMessage& message);
    // WM_PRINT's request for the client area: painted into the given context as on screen.
    virtual void WMPrintClient(TMessage& message);
    virtual void WMSize(TMessage& message);
    virtual void WMMove(TMessage& message);
    virtual void WMWindowPosChanged(TMessage& message);
    virtual void WMSetFocus(TMessage& message);
    virtual void WMKillFocus(TMessage& message);
    virtual void WMKeyDown(TMessage& message);
    virtual void WMKeyUp(TMessage& message);
    virtual void WMChar(TMessage& message);
    virtual void WMSysKeyDown(TMessage& message);
    virtual void WMSysChar(TMessage& message);
    virtual void WMGetDlgCode(TMessage& message) { DefaultHandler(message); }
    virtual void WMSetCursor(TMessage& message);
    virtual void WMMouseLeave(TMessage& message);
    virtual void WMCaptureChanged(TMessage& message);
    void WMCancelMode(TMessage& message) override;
    void WMContextMenu(TMessage& message) override;
    void RequestContextMenu(TMessage& message) override;
    virtual void WMNCDestroy(TMessage& message);
    virtual void WMReflected(TMessage& message);
    virtual void CNCtlColor(TMessage& message);
    virtual void CMDialogKey(TMessage& message);
    virtual void CMDialogChar(TMessage& message);
    virtual void CMFocusChanged(TMessage& message);
    virtual void CMEnter(TMessage& message);
    virtual void CMExit(TMessage& message);
    void CMVisibleChanged(TMessage& message) override;
    void CMEnabledChanged(TMessage& message) override;
    void CMColorChanged(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    void CMShowHintChanged(TMessage& message) override;
    virtual void CMShowingChanged(TMessage& message);
    virtual void CMRecreateWnd(TMessage& message);
    void CMTextChanged(TMessage& message) override;

    // WM_PAINT: erase (or copy off-screen with DoubleBuffered), PaintWindow, then the graphic
    // children.
    void PaintOffScreen(HDC dc, const TRect& paint);
    void PaintHandler(TMessage& message);
    virtual void PaintWindow(HDC dc);
    virtual void UpdateShowing();
    bool ControlHasWindow() const { return FHandle != nullptr; }

    HWND FHandle = nullptr;
    WNDPROC FDefWndProc;
    std::vector<TControl*> FControls;

private:
    // Forwards mouse messages over graphic children (or to the one holding capture) to them.
    bool IsControlMouseMsg(TMessage& message);
    TControl* CaptureHolder() const;
    void TrackLeave();
    void UpdateBoundsFromWindow();
    void AppendTabOrder(std::vector<TWinControl*>& list) const;
    static TRect WindowBoundsInParent(HWND hwnd);

    std::vector<TWinControl*> FTabList;
    HWND FParentWindow = nullptr;
    int FAlignLevel = 0;
    TSize FLayoutSize;
    bool FAlignPending = false;
    bool FRealigning = false;
    int FBorderWidth = 0;
    bool FTabStop = false;
    bool FDoubleBuffered = false;
    bool FShowing = false;
    bool FTrackingLeave = false;
    // The window is of a platform control class ("Button", "Edit", ...), not the framework's own.
    bool FWrapsPlatformClass = false;
    // The character TranslateMessage made of a key that was taken on WM_KEYDOWN, so that its
    // WM_CHAR is dropped. Shared by all controls: a Tab moves the focus before its character
    // arrives, so the character reaches another control than the key did.
    static char32_t FEatChar;
    // Likewise the WM_SYSCHAR of an Alt key taken as a menu shortcut.
    static bool FEatSysChar;
};
