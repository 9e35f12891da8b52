// Bounds, anchors, notifications, the message path and mouse handling of every control.
#include "framework/TControl.h"

#include "framework/Exception.h"
#include "framework/TApplication.h"
#include "framework/TCustomForm.h"
#include "framework/TPopupMenu.h"
#include "framework/TWinControl.h"

#include "platform/window/Win.h"

#include <algorithm>

TControl::TControl(TComponent* owner)
    : TComponent(owner), FConstraints(std::make_unique<TSizeConstraints>()), FFont(std::make_unique<TFont>()) {
    WindowProc = [this](TMessage& message) { WndProc(message); };
    FFont->OnChange = [this](TObject*) { FontChanged(); };
    FConstraints->OnChange = [this](TObject*) { SetBounds(FLeft, FTop, FWidth, FHeight); };
}

TControl::~TControl() {
    if (Application) Application->ControlDestroyed(this);
    SetParent(nullptr);
    FAlive.reset();
}

// --- parent and bounds ---------------------------------------------------------------------

void TControl::SetParent(TWinControl* parent) {
    if (FParent == parent) return;
    if (parent == this) throw EInvalidOperation("A control cannot have itself as its parent");
    if (FParent) FParent->RemoveControl(this);
    if (parent) parent->InsertControl(this);
}

void TControl::SetParentComponent(TWinControl* parent) {
    FParent = parent;
}

void TControl::SetBounds(int left, int top, int width, int height) {
    width = FConstraints->ConstrainWidth(std::max(0, width));
    height = FConstraints->ConstrainHeight(std::max(0, height));
    ApplyBounds(left, top, width, height);
    UpdateAnchorRules();
    if (FAlign != alNone) RequestAlign();
}

void TControl::SetAlignedBounds(int left, int top, int width, int height) {
    ApplyBounds(left, top, FConstraints->ConstrainWidth(std::max(0, width)),
                FConstraints->ConstrainHeight(std::max(0, height)));
}

void TControl::ApplyBounds(int left, int top, int width, int height) {
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
    const bool moved = left != FLeft || top != FTop;
    const bool resized = width != FWidth || height != FHeight;
    InvalidateControl(FVisible, false);
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    InvalidateControl(FVisible, false);
    BoundsChanged();
    if (!dynamic_cast<TWinControl*>(this)) NotifyGraphicBounds(moved, resized);
    if (resized) Resize();
}

// A control without a window hears its own moves and sizes as a windowed one hears them from
// the platform, so code in front of its procedure (skinning) handles both kinds alike.
void TControl::NotifyGraphicBounds(bool moved, bool resized) {
    if (moved) Perform(WM_MOVE, 0, MAKELPARAM(FLeft, FTop));
    if (resized) Perform(WM_SIZE, SIZE_RESTORED, MAKELPARAM(FWidth, FHeight));
}

void TControl::SetClientSize(int width, int height) {
    TRect client = ClientRect();
    SetBounds(FLeft, FTop, FWidth + width - client.Width(), FHeight + height - client.Height());
}

TPoint TControl::ClientOrigin() const {
    if (!FParent) return {FLeft, FTop};
    TPoint origin = FParent->ClientOrigin();
    return {origin.X + FLeft, origin.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint point) const {
    TPoint origin = ClientOrigin();
    return {point.X + origin.X, point.Y + origin.Y};
}

TPoint TControl::ScreenToClient(TPoint point) const {
    TPoint origin = ClientOrigin();
    return {point.X - origin.X, point.Y - origin.Y};
}

void TControl::SetAlign(TAlign align) {
    if (FAlign == align) return;
    FAlign = align;
    if (align != alNone && align != alCustom) FAnchors = align == alClient ? TAnchors{akLeft, akTop, akRight, akBottom} : DefaultAnchors;
    RequestAlign();
}

void TControl::SetAnchors(TAnchors anchors) {
    FAnchors = anchors;
    UpdateAnchorRules();
}

void TControl::RequestAlign() {
    if (FParent) FParent->Realign();
}

void TControl::UpdateAnchorRules() {
    FAnchorRecorded = false;
    if (!FParent || FAnchors == DefaultAnchors || FAlign != alNone) return;
    FAnchorBounds = BoundsRect();
    FAnchorParentSize = FParent->LayoutSize();
    FAnchorRecorded = true;
}

// Each axis keeps what its anchors name: both edges stretch the control, one edge keeps that
// distance, neither keeps the centre at the same proportion of the parent.
TRect TControl::AnchoredBounds(TSize parentClient) const {
    if (!FAnchorRecorded) return BoundsRect();
    auto axis = [](bool lowEdge, bool highEdge, int pos, int size, int oldParent, int newParent, int& outPos, int& outSize) {
        outPos = pos;
        outSize = size;
        const int delta = newParent - oldParent;
        if (lowEdge && highEdge)
            outSize = std::max(0, size + delta);
        else if (highEdge)
            outPos = pos + delta;
        else if (!lowEdge && oldParent > 0)
            outPos = static_cast<int>((static_cast<long long>(pos) * 2 + size) * newParent / (2LL * oldParent)) - size / 2;
    };
    TRect r = FAnchorBounds;
    int left, width, top, height;
    axis(FAnchors.Contains(akLeft), FAnchors.Contains(akRight), r.Left, r.Width(), FAnchorParentSize.cx, parentClient.cx, left, width);
    axis(FAnchors.Contains(akTop), FAnchors.Contains(akBottom), r.Top, r.Height(), FAnchorParentSize.cy, parentClient.cy, top, height);
    return Bounds(left, top, width, height);
}

// --- state and look --------------------------------------------------------------------------

void TControl::SetVisible(bool visible) {
    if (FVisible == visible) return;
    VisibleChanging();
    FVisible = visible;
    Perform(CM_VISIBLECHANGED, visible ? 1 : 0, 0);
    RequestAlign();
}

bool TControl::Showing() const {
    return FVisible && FParent && FParent->Showing();
}

void TControl::SetEnabled(bool enabled) {
    if (FEnabled == enabled) return;
    FEnabled = enabled;
    Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::SetColor(TColor color) {
    if (FColor == color && !FParentColor) return;
    FColor = color;
    FParentColor = false;
    Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool value) {
    if (FParentColor == value) return;
    FParentColor = value;
    if (value && FParent) Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::SetParentFont(bool value) {
    if (FParentFont == value) return;
    FParentFont = value;
    if (value && FParent) Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::FontChanged() {
    if (!FAdoptingFont) FParentFont = false;
    Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::ParentFontAdopt() {
    FAdoptingFont = true;
    FFont->Assign(FParent->Font());
    FAdoptingFont = false;
}

void TControl::SetCursor(TCursor cursor) {
    if (FCursor == cursor) return;
    FCursor = cursor;
    Perform(CM_CURSORCHANGED, 0, 0);
}

std::string TControl::GetText() const {
    return FText;
}

void TControl::SetText(const std::string& text) {
    if (FText == text) return;
    FText = text;
    Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::SetShowHint(bool value) {
    if (FShowHint == value && !FParentShowHint) return;
    FShowHint = value;
    FParentShowHint = false;
    Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetParentShowHint(bool value) {
    if (FParentShowHint == value) return;
    FParentShowHint = value;
    if (value && FParent) Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}

// --- messages --------------------------------------------------------------------------------

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage message{msg, wParam, lParam, 0};
    // A copy, so that a handler that frees the control does not pull the procedure away under
    // the running call.
    TWndMethod proc = WindowProc;
    proc(message);
    return message.Result;
}

TWndHookHandle TControl::PushWindowProc(TWndHook hook) {
    if (FWindowHooks.empty()) {
        FHookBase = WindowProc;
        WindowProc = [this](TMessage& message) { CallWindowHooks(FWindowHooks.size(), message); };
    }
    auto entry = std::make_shared<TWndHookEntry>(TWndHookEntry{std::move(hook)});
    FWindowHooks.push_back(entry);
    return entry;
}

bool TControl::RemoveWindowProc(const TWndHookHandle& handle) {
    auto it = std::find(FWindowHooks.begin(), FWindowHooks.end(), handle);
    if (it == FWindowHooks.end()) return false;
    FWindowHooks.erase(it);
    return true;
}

// Runs the hook below position `index` of the stack; below the last one lies the base procedure.
// The entry is held while it runs, so a hook may remove itself.
void TControl::CallWindowHooks(size_t index, TMessage& message) {
    index = std::min(index, FWindowHooks.size());
    if (index == 0) {
        TWndMethod base = FHookBase;
        base(message);
        return;
    }
    TWndHookHandle entry = FWindowHooks[index - 1];
    TWndMethod next = [this, entry](TMessage& m) {
        auto it = std::find(FWindowHooks.begin(), FWindowHooks.end(), entry);
        size_t below = it == FWindowHooks.end() ? FWindowHooks.size() : static_cast<size_t>(it - FWindowHooks.begin());
        CallWindowHooks(below, m);
    };
    entry->Hook(message, next);
}

// Nothing may touch the control after Dispatch: a handler may have freed it.
void TControl::WndProc(TMessage& message) {
    if (message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MOUSELAST && Application)
        Application->ControlMouseMessage(this, message);
    Dispatch(message);
}

void TControl::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_LBUTTONDOWN: WMLButtonDown(m); break;
    case WM_LBUTTONUP: WMLButtonUp(m); break;
    case WM_LBUTTONDBLCLK: WMLButtonDblClk(m); break;
    case WM_RBUTTONDOWN: WMRButtonDown(m); break;
    case WM_RBUTTONUP: WMRButtonUp(m); break;
    case WM_MBUTTONDOWN: WMMButtonDown(m); break;
    case WM_MBUTTONUP: WMMButtonUp(m); break;
    case WM_MOUSEMOVE: WMMouseMove(m); break;
    case WM_CANCELMODE: WMCancelMode(m); break;
    case WM_CONTEXTMENU: WMContextMenu(m); break;
    case WM_PAINT: WMPaint(m); break;
    case CM_MOUSEENTER: CMMouseEnter(m); break;
    case CM_MOUSELEAVE: CMMouseLeave(m); break;
    case CM_HITTEST: CMHitTest(m); break;
    case CM_HINTSHOW: CMHintShow(m); break;
    case CM_VISIBLECHANGED: CMVisibleChanged(m); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(m); break;
    case CM_COLORCHANGED: CMColorChanged(m); break;
    case CM_FONTCHANGED: CMFontChanged(m); break;
    case CM_TEXTCHANGED: CMTextChanged(m); break;
    case CM_PARENTCOLORCHANGED: CMParentColorChanged(m); break;
    case CM_PARENTFONTCHANGED: CMParentFontChanged(m); break;
    case CM_PARENTSHOWHINTCHANGED: CMParentShowHintChanged(m); break;
    case CM_SHOWHINTCHANGED: CMShowHintChanged(m); break;
    case CM_CURSORCHANGED: CMCursorChanged(m); break;
    default: DefaultHandler(m); break;
    }
}

// A control without a window keeps its text itself.
void TControl::DefaultHandler(TMessage& m) {
    switch (m.Msg) {
    case WM_GETTEXT:
        if (m.LParam) *reinterpret_cast<std::string*>(m.LParam) = FText;
        m.Result = static_cast<LRESULT>(FText.size());
        break;
    case WM_GETTEXTLENGTH: m.Result = static_cast<LRESULT>(FText.size()); break;
    case WM_SETTEXT:
        if (m.LParam) FText = reinterpret_cast<const char*>(m.LParam);
        m.Result = TRUE;
        break;
    default: break;
    }
}

// --- notifications ---------------------------------------------------------------------------

void TControl::CMVisibleChanged(TMessage&) {
    InvalidateControl(true, FVisible && FControlStyle.Contains(csOpaque));
}

void TControl::CMEnabledChanged(TMessage&) {
    Invalidate();
}

void TControl::CMColorChanged(TMessage&) {
    Invalidate();
}

void TControl::CMFontChanged(TMessage&) {
    Invalidate();
}

void TControl::CMTextChanged(TMessage&) {
    Invalidate();
}

void TControl::CMParentColorChanged(TMessage& m) {
    if (!FParentColor || !FParent) return;
    // wParam 1 carries the colour itself (the parent's notification); 0 asks to look it up.
    FColor = m.WParam ? static_cast<TColor>(m.LParam) : FParent->Color();
    Perform(CM_COLORCHANGED, 0, 0);
    FParentColor = true;
}

void TControl::CMParentFontChanged(TMessage&) {
    if (FParentFont && FParent) ParentFontAdopt();
}

void TControl::CMParentShowHintChanged(TMessage&) {
    if (!FParentShowHint || !FParent) return;
    FShowHint = FParent->ShowHint();
    Perform(CM_SHOWHINTCHANGED, 0, 0);
    FParentShowHint = true;
}

void TControl::CMCursorChanged(TMessage&) {
    if (Application) Application->CursorChangedOn(this);
}

// Enter and leave name the control they are about (lParam); the control itself hears them with
// lParam 0 and fires its events, then tells its parent with lParam = itself, so containers (and
// skinning code in front of them) learn which child the mouse is over.
void TControl::CMMouseEnter(TMessage& m) {
    if (m.LParam == 0 && OnMouseEnter) OnMouseEnter(this);
    if (FParent) FParent->Perform(CM_MOUSEENTER, 0, m.LParam ? m.LParam : reinterpret_cast<LPARAM>(this));
}

void TControl::CMMouseLeave(TMessage& m) {
    if (m.LParam == 0 && OnMouseLeave) OnMouseLeave(this);
    if (FParent) FParent->Perform(CM_MOUSELEAVE, 0, m.LParam ? m.LParam : reinterpret_cast<LPARAM>(this));
}

// --- mouse -----------------------------------------------------------------------------------

void TControl::DoMouseDown(TMessage& m, TMouseButton button) {
    if (FControlStyle.Contains(csNoStdEvents)) return;
    TPoint p = LParamToPoint(m.LParam);
    MouseDown(button, KeysToShiftState(m.WParam), p.X, p.Y);
}

void TControl::DoMouseUp(TMessage& m, TMouseButton button) {
    if (FControlStyle.Contains(csNoStdEvents)) return;
    TPoint p = LParamToPoint(m.LParam);
    MouseUp(button, KeysToShiftState(m.WParam), p.X, p.Y);
}

void TControl::WMLButtonDown(TMessage& m) {
    if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
    if (FControlStyle.Contains(csClickEvents)) FControlState.Include(csClicked);
    DoMouseDown(m, mbLeft);
}

// The click comes last: its handler may free the control.
void TControl::WMLButtonUp(TMessage& m) {
    if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(false);
    std::weak_ptr<int> alive = FAlive;
    DoMouseUp(m, mbLeft);
    if (alive.expired() || !FControlState.Contains(csClicked)) return;
    FControlState.Exclude(csClicked);
    if (ClientRect().Contains(LParamToPoint(m.LParam))) Click();
}

void TControl::WMLButtonDblClk(TMessage& m) {
    if (!FControlStyle.Contains(csDoubleClicks)) return WMLButtonDown(m);
    if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
    std::weak_ptr<int> alive = FAlive;
    DoMouseDown(m, mbLeft);
    if (!alive.expired()) DblClick();
}

void TControl::WMRButtonDown(TMessage& m) {
    DoMouseDown(m, mbRight);
}

void TControl::WMRButtonUp(TMessage& m) {
    std::weak_ptr<int> alive = FAlive;
    DoMouseUp(m, mbRight);
    if (!alive.expired()) RequestContextMenu(m);
}

// The parent's window offers the request back to the graphic child under the point first.
void TControl::RequestContextMenu(TMessage& m) {
    if (!FParent || !FParent->HandleAllocated()) return;
    const TPoint screen = ClientToScreen(LParamToPoint(m.LParam));
    HWND parent = FParent->Handle();
    SendMessage(parent, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(parent), PointToLParam(screen));
}

void TControl::WMContextMenu(TMessage& m) {
    if (!FPopupMenu || !FPopupMenu->AutoPopup()) {
        DefaultHandler(m);
        return;
    }
    TPoint p = LParamToPoint(m.LParam);
    if (p.X == -1 && p.Y == -1) p = ClientToScreen({0, 0}); // from the keyboard
    FPopupMenu->SetPopupComponent(this);
    m.Result = 1;
    FPopupMenu->Popup(p.X, p.Y);
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
    if (FPopupMenu == menu) return;
    if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
    FPopupMenu = menu;
    if (menu) menu->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && FPopupMenu && component == FPopupMenu) FPopupMenu = nullptr;
}

void TControl::WMMButtonDown(TMessage& m) {
    DoMouseDown(m, mbMiddle);
}

void TControl::WMMButtonUp(TMessage& m) {
    DoMouseUp(m, mbMiddle);
}

void TControl::WMMouseMove(TMessage& m) {
    if (FControlStyle.Contains(csNoStdEvents)) return;
    TPoint p = LParamToPoint(m.LParam);
    MouseMove(KeysToShiftState(m.WParam), p.X, p.Y);
}

void TControl::WMCancelMode(TMessage&) {
    if (MouseCapture()) {
        SetMouseCapture(false);
        FControlState.Exclude(csClicked);
    }
}

void TControl::SendCancelMode() {
    Perform(WM_CANCELMODE, 0, 0);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void TControl::Resize() {
    if (OnResize) OnResize(this);
}

bool TControl::MouseCapture() const {
    return Application && Application->CaptureControl() == this;
}

void TControl::SetMouseCapture(bool capture) {
    if (!Application || MouseCapture() == capture) return;
    Application->SetCaptureControl(capture ? this : nullptr);
}

// --- painting and z-order --------------------------------------------------------------------

void TControl::InvalidateControl(bool isVisible, bool isOpaque) {
    if (!isVisible || !FParent || !FParent->HandleAllocated()) return;
    TRect r = BoundsRect();
    InvalidateRect(FParent->Handle(), &r, !isOpaque);
}

void TControl::Invalidate() {
    InvalidateControl(FVisible, FControlStyle.Contains(csOpaque));
}

void TControl::Repaint() {
    if (!FVisible || !FParent || !FParent->HandleAllocated()) return;
    Invalidate();
    FParent->Update();
}

void TControl::Update() {
    if (FParent) FParent->Update();
}

void TControl::SetZOrder(bool topMost) {
    if (FParent) FParent->MoveControl(this, topMost);
    Invalidate();
}

HWND TControl::CanvasWindow(TRect& area) const {
    if (!FParent || !FParent->HandleAllocated()) return nullptr;
    area = BoundsRect();
    return FParent->Handle();
}

TCustomForm* TControl::GetParentForm() const {
    const TControl* control = this;
    while (control->FParent) control = control->FParent;
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(control));
}
