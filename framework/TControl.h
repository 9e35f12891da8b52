// The base of every visible control: bounds, parent, alignment and anchors, visibility, colour,
// font, text, hints, mouse events and the message path Perform → WindowProc → WndProc → Dispatch.
#pragma once

#include "framework/ControlTypes.h"
#include "framework/Events.h"
#include "framework/Messages.h"
#include "framework/TComponent.h"
#include "framework/TFont.h"
#include "framework/TSizeConstraints.h"

#include "platform/gfx/Color.h"
#include "platform/window/WinCodes.h"

#include <memory>
#include <string>
#include <vector>

class TWinControl;
class TCustomForm;
class TPopupMenu;

// A procedure stacked in front of a control's WindowProc with PushWindowProc. It receives the
// message and `next`, the procedure below it at the time of the call, which it calls to pass the
// message on (or not, to swallow it).
using TWndHook = std::function<void(TMessage& message, const TWndMethod& next)>;
struct TWndHookEntry;
using TWndHookHandle = std::shared_ptr<TWndHookEntry>;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;
    std::string ClassName() const override { return "TControl"; }

    // --- parent and bounds -----------------------------------------------------------------
    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* parent);
    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
    void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
    void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
    void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
    // Moves and sizes the control (limited by Constraints) and remembers the new place as the
    // one its anchors keep.
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const TRect& rect) { SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height()); }
    virtual TRect ClientRect() const { return {0, 0, FWidth, FHeight}; }
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    void SetClientWidth(int value) { SetClientSize(value, ClientHeight()); }
    void SetClientHeight(int value) { SetClientSize(ClientWidth(), value); }
    virtual void SetClientSize(int width, int height);
    // The screen position of the client area's top-left corner.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint point) const;
    TPoint ScreenToClient(TPoint point) const;

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign align);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors anchors);
    TSizeConstraints* Constraints() const { return FConstraints.get(); }

    // --- state and look --------------------------------------------------------------------
    bool Visible() const { return FVisible; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and so is every parent up to a shown window.
    virtual bool Showing() const;
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* font) { FFont->Assign(font); }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor cursor);
    // Opened by a right click (WM_CONTEXTMENU) when its AutoPopup is set; forgotten when freed.
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* menu);

    // Caption and Text are one value; setting it sends CM_TEXTCHANGED.
    std::string Caption() const { return GetText(); }
    void SetCaption(const std::string& text) { SetText(text); }
    std::string Text() const { return GetText(); }
    virtual std::string GetText() const;
    virtual void SetText(const std::string& text);
    int GetTextLen() const { return static_cast<int>(GetText().size()); }

    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& hint) { FHint = hint; }
    // Whether the control has a hint to ask for (CM_HINTSHOW): its own Hint, or, for a control
    // whose parts carry hints of their own, any of those.
    virtual bool OffersHint() const { return !FHint.empty(); }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool value);

    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle style) { FControlStyle = style; }
    TControlState ControlState() const { return FControlState; }
    void SetControlState(TControlState state) { FControlState = state; }

    // --- messages --------------------------------------------------------------------------
    // Sends a message straight to the control's WindowProc and returns its result.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // Replaceable: code may put its own procedure here and call the old one. Defaults to WndProc.
    TWndMethod WindowProc;
    // Stacks a procedure in front of WindowProc; RemoveWindowProc takes it out again wherever it
    // then sits, and the procedures around it stay linked.
    TWndHookHandle PushWindowProc(TWndHook hook);
    bool RemoveWindowProc(const TWndHookHandle& handle);
    // Calls the handler method of the message (one switch); unknown messages go to DefaultHandler.
    virtual void Dispatch(TMessage& message);
    virtual void DefaultHandler(TMessage& message);

    // --- painting and z-order ----------------------------------------------------------------
    virtual void Invalidate();
    // Invalidate and paint at once.
    virtual void Repaint();
    void Refresh() { Repaint(); }
    virtual void Update();
    void BringToFront() { SetZOrder(true); }
    void SendToBack() { SetZOrder(false); }

    virtual void Click();
    virtual void DblClick();
    bool MouseCapture() const;
    void SetMouseCapture(bool capture);
    // The form the control sits on, nullptr when none.
    TCustomForm* GetParentForm() const;
    // The window a canvas of this control draws into and the control's area in its client
    // coordinates (a graphic control draws into its parent's window).
    virtual HWND CanvasWindow(TRect& area) const;
    // False once the control is gone: lets a caller that ran an event handler see whether the
    // handler freed the control.
    std::weak_ptr<int> AliveToken() const { return FAlive; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;

protected:
    friend class TWinControl;
    friend class TAlignLayout;

    virtual void WndProc(TMessage& message);

    // Mouse.
    virtual void WMLButtonDown(TMessage& message);
    virtual void WMLButtonUp(TMessage& message);
    virtual void WMLButtonDblClk(TMessage& message);
    virtual void WMRButtonDown(TMessage& message);
    virtual void WMRButtonUp(TMessage& message);
    virtual void WMMButtonDown(TMessage& message);
    virtual void WMMButtonUp(TMessage& message);
    virtual void WMMouseMove(TMessage& message);
    virtual void WMCancelMode(TMessage& message);
    // Opens PopupMenu (when AutoPopup) at the message's screen point (the client area's corner for
    // -1, -1, a request from the keyboard); otherwise the request goes on to the parent.
    virtual void WMContextMenu(TMessage& message);
    virtual void WMPaint(TMessage& message) { DefaultHandler(message); }
    virtual void CMMouseEnter(TMessage& message);
    virtual void CMMouseLeave(TMessage& message);
    virtual void CMHitTest(TMessage& message) { message.Result = HTCLIENT; }
    virtual void CMHintShow(TMessage& message) { message.Result = 0; }
    // Notifications.
    virtual void CMVisibleChanged(TMessage& message);
    virtual void CMEnabledChanged(TMessage& message);
    virtual void CMColorChanged(TMessage& message);
    virtual void CMFontChanged(TMessage& message);
    virtual void CMTextChanged(TMessage& message);
    virtual void CMParentColorChanged(TMessage& message);
    virtual void CMParentFontChanged(TMessage& message);
    virtual void CMParentShowHintChanged(TMessage& message);
    virtual void CMShowHintChanged(TMessage&) {}
    virtual void CMCursorChanged(TMessage& message);

    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void Resize();
    // After a right release: a graphic control sends WM_CONTEXTMENU to its parent's window.
    virtual void RequestContextMenu(TMessage& message);
    void Notification(TComponent* component, TOperation operation) override;
    virtual void SetZOrder(bool topMost);
    // The parent must lay its children out again (this control's Align or size changed).
    void RequestAlign();
    // Bounds were set by the parent's layout: kept without touching the anchor record.
    void SetAlignedBounds(int left, int top, int width, int height);
    // Remembers the current bounds and the parent's client size as what the anchors keep.
    void UpdateAnchorRules();
    // The bounds the anchors give for a parent client size.
    TRect AnchoredBounds(TSize parentClient) const;
    // Applies new bounds to the platform (a windowed control moves its window).
    virtual void BoundsChanged() {}
    void ApplyBounds(int left, int top, int width, int height);
    void NotifyGraphicBounds(bool moved, bool resized);
    virtual void SetParentComponent(TWinControl* parent);
    virtual void VisibleChanging() {}
    virtual void FontChanged();
    void InvalidateControl(bool isVisible, bool isOpaque);
    void SendCancelMode();

    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    TControlStyle FControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    TControlState FControlState;
    std::string FText;
    bool FVisible = true;
    bool FEnabled = true;
    TColor FColor = clWindow;

private:
    void DoMouseDown(TMessage& message, TMouseButton button);
    void DoMouseUp(TMessage& message, TMouseButton button);
    void ParentFontAdopt();
    void CallWindowHooks(size_t index, TMessage& message);

    TAlign FAlign = alNone;
    TAnchors FAnchors = DefaultAnchors;
    TRect FAnchorBounds;
    TSize FAnchorParentSize;
    bool FAnchorRecorded = false;
    std::unique_ptr<TSizeConstraints> FConstraints;
    std::unique_ptr<TFont> FFont;
    bool FParentColor = true;
    bool FParentFont = true;
    bool FAdoptingFont = false;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TCursor FCursor = crDefault;
    TPopupMenu* FPopupMenu = nullptr;
    std::string FHint;
    std::vector<TWndHookHandle> FWindowHooks;
    TWndMethod FHookBase; // WindowProc as it was before the first PushWindowProc
    std::shared_ptr<int> FAlive = std::make_shared<int>(0);
};

// The procedure a PushWindowProc stack entry runs.
struct TWndHookEntry {
    TWndHook Hook;
};
