// Windowed controls: the window's life, children, layout, painting, focus and keyboard.
// Its helpers (layout, dialog-key rules, notification sources, window binding) are classes of their own.
#include "framework/TWinControl.h"

#include "framework/Exception.h"
#include "framework/Format.h"
#include "framework/TAlignLayout.h"
#include "framework/TApplication.h"
#include "framework/TCustomForm.h"
#include "framework/TDialogKeys.h"
#include "framework/TNotifySource.h"
#include "framework/TPopupMenu.h"
#include "framework/TScreen.h"
#include "framework/TWinControlCreation.h"

#include "platform/controls/Brushes.h"
#include "platform/window/Win.h"

#include <algorithm>

#include <utility>

char32_t TWinControl::FEatChar = 0;
bool TWinControl::FEatSysChar = false;

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

// Children go while the control is whole: owned ones by the ownership protocol, the others
// (owned elsewhere) here, as a parent takes its children along.
TWinControl::~TWinControl() {
    BeforeDestruction();
    while (!FControls.empty()) {
        TControl* child = FControls.back();
        RemoveControl(child);
        delete child;
    }
    if (FHandle) {
        HWND hwnd = std::exchange(FHandle, nullptr);
        TWinControlCreation::Unbind(hwnd);
        DestroyWindow(hwnd);
    }
    // Leaving the parent here, while still a windowed control, takes it out of the tab order too.
    if (FParent) FParent->RemoveControl(this);
}

// --- the window ------------------------------------------------------------------------------

HWND TWinControl::Handle() {
    HandleNeeded();
    return FHandle;
}

void TWinControl::HandleNeeded() {
    if (FHandle) return;
    if (FParent) FParent->HandleNeeded(); // which may have made this window with its children
    if (!FHandle) CreateWnd();
}

TWinControl* TWinControl::FromHandle(HWND hwnd) {
    return hwnd ? TWinControlCreation::Find(hwnd) : nullptr;
}

TWinControl* TWinControl::FindControl(HWND hwnd) {
    for (; hwnd; hwnd = GetParent(hwnd))
        if (TWinControl* control = FromHandle(hwnd)) return control;
    return nullptr;
}

void TWinControl::CreateParams(TCreateParams& params) {
    params.Caption = FText;
    params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (FControlStyle.Contains(csAcceptsControls)) params.Style |= WS_CLIPCHILDREN;
    if (FVisible) params.Style |= WS_VISIBLE;
    if (!FEnabled) params.Style |= WS_DISABLED;
    if (FTabStop) params.Style |= WS_TABSTOP;
    params.X = FLeft;
    params.Y = FTop;
    params.Width = FWidth;
    params.Height = FHeight;
    params.WndParent = FParent ? FParent->Handle() : FParentWindow;
    params.WinClassName = ClassName();
}

void TWinControl::CreateWnd() {
    TCreateParams params;
    CreateParams(params);
    if ((params.Style & WS_CHILD) && !params.WndParent)
        throw EInvalidOperation(Format("Control '%s' has no parent window", {Name()}));
    FWrapsPlatformClass = params.WinClassName != ClassName();
    FControlState.Include(csCreating);
    try {
        CreateWindowHandle(params);
    } catch (...) {
        FControlState.Exclude(csCreating);
        throw;
    }
    FControlState.Exclude(csCreating);
    if (!FHandle) throw EOutOfResources(Format("Error creating window for %s", {ClassName()}));
    CreateHandleChildren();
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
    TWinControlCreation::Create(this, params);
}

void TWinControl::CreateHandleChildren() {
    SendMessage(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
    for (TControl* child : FControls)
        if (auto* win = dynamic_cast<TWinControl*>(child)) win->HandleNeeded();
    Realign();
}

// Children go first, each through its own DestroyWnd, so that every control keeps what lives
// in its window (text, items, selection) for the window it will get again.
void TWinControl::DestroyWnd() {
    for (TControl* child : std::vector<TControl*>(FControls))
        if (auto* win = dynamic_cast<TWinControl*>(child); win && win->FHandle) win->DestroyWnd();
    if (FHandle) FText = GetWindowText(FHandle);
    DestroyWindowHandle();
}

void TWinControl::DestroyWindowHandle() {
    FControlState.Include(csDestroyingHandle);
    if (FHandle) DestroyWindow(FHandle);
    FControlState.Exclude(csDestroyingHandle);
    FHandle = nullptr;
}

void TWinControl::RecreateWnd() {
    if (!FHandle) return;
    DestroyWnd();
    HandleNeeded();
}

void TWinControl::SetParentWindow(HWND window) {
    if (FParent || FParentWindow == window) return;
    if (FHandle) DestroyWnd();
    FParentWindow = window;
}

TRect TWinControl::ClientRect() const {
    TRect r{0, 0, FWidth, FHeight};
    if (FHandle) GetClientRect(FHandle, &r);
    return r;
}

TPoint TWinControl::ClientOrigin() const {
    if (!FHandle) return TControl::ClientOrigin();
    TPoint p{0, 0};
    ::ClientToScreen(FHandle, &p);
    return p;
}

bool TWinControl::Showing() const {
    return FHandle ? IsWindowVisible(FHandle) != FALSE : false;
}

TRect TWinControl::AlignRect() const {
    return ClientRect().Inflate(-FBorderWidth, -FBorderWidth);
}

TSize TWinControl::LayoutSize() const {
    if (FHandle && IsIconic(FHandle)) return FLayoutSize;
    return AlignRect().Size();
}

TRect TWinControl::WindowBoundsInParent(HWND hwnd) {
    TRect r;
    GetWindowRect(hwnd, &r);
    if (HWND parent = GetParent(hwnd); parent && (GetWindowLongPtr(hwnd, GWL_STYLE) & WS_CHILD))
        MapWindowRect(nullptr, parent, &r);
    return r;
}

HWND TWinControl::CanvasWindow(TRect& area) const {
    if (!FHandle) return nullptr;
    area = ClientRect();
    return FHandle;
}

// --- children --------------------------------------------------------------------------------

TControl* TWinControl::Controls(int index) const {
    if (index < 0 || index >= ControlCount()) throw EListError(Format("List index out of bounds (%d)", {index}));
    return FControls[static_cast<size_t>(index)];
}

void TWinControl::InsertControl(TControl* control) {
    if (auto* w = dynamic_cast<TWinControl*>(control); w && w->ContainsControl(this))
        throw EInvalidOperation("A control cannot be placed inside itself or its own child");
    control->SetParentComponent(this);
    FControls.push_back(control);
    auto* win = dynamic_cast<TWinControl*>(control);
    if (win) FTabList.push_back(win);
    control->Perform(CM_PARENTCOLORCHANGED, 0, 0);
    control->Perform(CM_PARENTFONTCHANGED, 0, 0);
    control->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
    control->UpdateAnchorRules();
    if (win && FHandle) win->HandleNeeded();
    if (!win) control->Invalidate();
    Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), 1);
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 1);
    if (control->Align() != alNone) Realign();
}

void TWinControl::RemoveControl(TControl* control) {
    auto it = std::find(FControls.begin(), FControls.end(), control);
    if (it == FControls.end()) return;
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 0);
    if (TCustomForm* form = GetParentForm()) form->ControlRemoving(control);
    if (Application) Application->ControlRemoving(control);
    auto* win = dynamic_cast<TWinControl*>(control);
    if (win && win->FHandle) win->DestroyWnd();
    if (!win) control->Invalidate();
    FControls.erase(std::find(FControls.begin(), FControls.end(), control));
    if (win) FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), win), FTabList.end());
    control->SetParentComponent(nullptr);
    Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), 0);
    if (control->Align() != alNone && !ComponentState().Contains(csDestroying)) Realign();
}

bool TWinControl::ContainsControl(const TControl* control) const {
    for (; control; control = control->Parent())
        if (control == this) return true;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint point, bool allowDisabled, bool allowWinControls) const {
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        TControl* c = *it;
        if (!allowWinControls && dynamic_cast<TWinControl*>(c)) continue;
        if (!c->Visible() || (!allowDisabled && !c->Enabled())) continue;
        if (!c->BoundsRect().Contains(point)) continue;
        TPoint local{point.X - c->Left(), point.Y - c->Top()};
        if (c->Perform(CM_HITTEST, 0, PointToLParam(local)) != 0) return c;
    }
    return nullptr;
}

void TWinControl::Broadcast(TMessage& message) {
    for (size_t i = 0; i < FControls.size(); ++i) {
        TControl* child = FControls[i];
        message.Result = 0;
        child->WindowProc(message);
        if (message.Result != 0) return;
    }
}

void TWinControl::NotifyControls(UINT msg) {
    TMessage message{msg, 0, 0, 0};
    Broadcast(message);
}

void TWinControl::MoveControl(TControl* control, bool topMost) {
    auto it = std::find(FControls.begin(), FControls.end(), control);
    if (it == FControls.end()) return;
    FControls.erase(it);
    if (topMost)
        FControls.push_back(control);
    else
        FControls.insert(FControls.begin(), control);
}

void TWinControl::SetZOrder(bool topMost) {
    if (FParent) FParent->MoveControl(this, topMost);
    if (FHandle) SetWindowPos(FHandle, topMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// --- layout ----------------------------------------------------------------------------------

void TWinControl::EnableAlign() {
    if (FAlignLevel > 0) --FAlignLevel;
    if (FAlignLevel == 0 && FAlignPending) Realign();
}

void TWinControl::SetBorderWidth(int width) {
    width = std::max(0, width);
    if (FBorderWidth == width) return;
    FBorderWidth = width;
    Realign();
    Invalidate();
}

// A minimised window has no client area to lay out in: the layout waits for the restore.
void TWinControl::Realign() {
    if (FAlignLevel > 0 || (FHandle && IsIconic(FHandle))) {
        FAlignPending = true;
        return;
    }
    if (FRealigning) return;
    FAlignPending = false;
    FRealigning = true;
    try {
        TRect rect = AlignRect();
        FLayoutSize = rect.Size();
        AlignControls(nullptr, rect);
    } catch (...) {
        FRealigning = false;
        throw;
    }
    FRealigning = false;
}

void TWinControl::AlignControls(TControl*, TRect& rect) {
    TAlignLayout::Arrange(FControls, rect);
}

void TWinControl::BoundsChanged() {
    if (!FHandle) {
        Realign();
        return;
    }
    SetWindowPos(FHandle, nullptr, FLeft, FTop, FWidth, FHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::UpdateBoundsFromWindow() {
    if (!FHandle || IsIconic(FHandle)) return;
    TRect r = WindowBoundsInParent(FHandle);
    if (r == BoundsRect()) return;
    const bool resized = r.Width() != FWidth || r.Height() != FHeight;
    FLeft = r.Left;
    FTop = r.Top;
    FWidth = r.Width();
    FHeight = r.Height();
    if (resized) Resize();
}

// --- focus and tab order ---------------------------------------------------------------------

int TWinControl::TabOrder() const {
    if (!FParent) return -1;
    const auto& list = FParent->FTabList;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (!FParent) return;
    auto& list = FParent->FTabList;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
}

void TWinControl::AppendTabOrder(std::vector<TWinControl*>& list) const {
    for (TWinControl* child : FTabList) {
        list.push_back(child);
        child->AppendTabOrder(list);
    }
}

std::vector<TWinControl*> TWinControl::GetTabOrderList() const {
    std::vector<TWinControl*> list;
    AppendTabOrder(list);
    return list;
}

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

bool TWinControl::Focused() const {
    return FHandle && GetFocus() == FHandle;
}

void TWinControl::SetFocus() {
    if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
    ::SetFocus(Handle());
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent) const {
    std::vector<TWinControl*> list = GetTabOrderList();
    if (list.empty()) return nullptr;
    const int n = static_cast<int>(list.size());
    auto it = std::find(list.begin(), list.end(), current);
    int start = it == list.end() ? (goForward ? n - 1 : 0) : static_cast<int>(it - list.begin());
    for (int step = 1; step <= n; ++step) {
        int i = ((start + (goForward ? step : -step)) % n + n) % n;
        TWinControl* c = list[static_cast<size_t>(i)];
        if (c == current) break;
        if ((!checkTabStop || c->TabStop()) && (!checkParent || c->Parent() == this) && c->CanFocus()) return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop)) next->SetFocus();
}

// --- painting --------------------------------------------------------------------------------

void TWinControl::Invalidate() {
    if (FHandle) InvalidateRect(FHandle, nullptr, !FControlStyle.Contains(csOpaque));
}

void TWinControl::Repaint() {
    Invalidate();
    Update();
}

void TWinControl::Update() {
    if (FHandle) UpdateWindow(FHandle);
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
    auto it = first ? std::find(FControls.begin(), FControls.end(), first) : FControls.begin();
    TRect clip;
    dc->GetClipBox(&clip);
    for (; it != FControls.end(); ++it) {
        TControl* c = *it;
        if (dynamic_cast<TWinControl*>(c) || !c->Visible()) continue;
        if (c->BoundsRect().Intersect(clip).IsEmpty()) continue;
        const int saved = dc->SaveDC();
        dc->OffsetViewportOrg(c->Left(), c->Top());
        dc->IntersectClipRect({0, 0, c->Width(), c->Height()});
        c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        dc->RestoreDC(saved);
    }
}

void TWinControl::PaintWindow(HDC dc) {
    TMessage message{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
    DefaultHandler(message);
}

// With DoubleBuffered the background, the window's own painting and the graphic children are
// composed off-screen and reach the window in one copy, so nothing is seen half-drawn.
void TWinControl::PaintHandler(TMessage& m) {
    PAINTSTRUCT ps;
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    const bool own = dc == nullptr;
    if (own) dc = BeginPaint(FHandle, &ps);
    try {
        if (FDoubleBuffered && own) {
            PaintOffScreen(dc, ps.rcPaint);
        } else {
            PaintWindow(dc);
            PaintControls(dc, nullptr);
        }
    } catch (...) {
        if (own) EndPaint(FHandle, &ps);
        throw;
    }
    if (own) EndPaint(FHandle, &ps);
}

// Only the part to be painted is composed: a board of many cells repaints one cell at a time.
void TWinControl::PaintOffScreen(HDC dc, const TRect& paint) {
    const TRect area = paint.Intersect(ClientRect());
    if (area.IsEmpty()) return;
    Bitmap image(area.Width(), area.Height());
    DeviceContext memory(&image);
    memory.SetViewportOrg(-area.Left, -area.Top);
    TMessage erase{WM_ERASEBKGND, reinterpret_cast<WPARAM>(&memory), reinterpret_cast<LPARAM>(&memory), 0};
    WMEraseBkgnd(erase);
    PaintWindow(&memory);
    PaintControls(&memory, nullptr);
    dc->BitBlt(area.Left, area.Top, area.Width(), area.Height(), memory, area.Left, area.Top);
}

void TWinControl::WMPaint(TMessage& m) {
    if (!FControlState.Contains(csCustomPaint) && FControls.empty() && !FDoubleBuffered)
        DefaultHandler(m);
    else
        PaintHandler(m);
}

// A control over a platform class leaves printing to that class; a double-buffered one erases
// its background itself, as WM_PRINT's erase request reaches it with no off-screen context.
void TWinControl::WMPrintClient(TMessage& m) {
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    if (FWrapsPlatformClass) return DefaultHandler(m);
    if (!dc || !(m.LParam & PRF_CLIENT)) return;
    if (FDoubleBuffered) {
        PaintOffScreen(dc, ClientRect());
        return;
    }
    PaintWindow(dc);
    PaintControls(dc, nullptr);
}

// A double-buffered control erases only off-screen (lParam names the off-screen context).
void TWinControl::WMEraseBkgnd(TMessage& m) {
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    if (FDoubleBuffered && m.LParam != static_cast<LPARAM>(m.WParam)) {
        m.Result = 1;
        return;
    }
    TRect r = ClientRect();
    dc->FillRect(r, ColorToRGB(FColor));
    m.Result = 1;
}

// --- messages --------------------------------------------------------------------------------

void TWinControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (Application) Application->CancelHint();
        break;
    case WM_MOUSEMOVE:
        TrackLeave();
        if (IsControlMouseMsg(m)) return;
        break;
    default:
        if (m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MOUSELAST && IsControlMouseMsg(m)) return;
        break;
    }
    TControl::WndProc(m);
}

// Asks for WM_MOUSELEAVE, so the application learns when the mouse leaves for a window that is
// not a framework control.
void TWinControl::TrackLeave() {
    if (FTrackingLeave || !FHandle) return;
    TRACKMOUSEEVENT tme;
    tme.dwFlags = TME_LEAVE;
    tme.hwndTrack = FHandle;
    FTrackingLeave = TrackMouseEvent(&tme) != FALSE;
}

bool TWinControl::IsControlMouseMsg(TMessage& m) {
    if (m.Msg == WM_MOUSEWHEEL) return false;
    TControl* target = Application ? Application->CaptureControl() : nullptr;
    TPoint p = LParamToPoint(m.LParam);
    if (target) {
        if (target->Parent() != this || dynamic_cast<TWinControl*>(target)) return false;
    } else {
        target = ControlAtPos(p, false);
        if (!target) return false;
    }
    TMessage forwarded{m.Msg, m.WParam, PointToLParam({p.X - target->Left(), p.Y - target->Top()}), 0};
    TWndMethod proc = target->WindowProc;
    proc(forwarded);
    m.Result = forwarded.Result;
    return true;
}

namespace {

bool IsMouseInput(UINT msg) {
    switch (msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK: return true;
    default: return false;
    }
}

} // namespace

// A wrapped platform control works the mouse itself (pressing, dragging, selecting): it sees
// each mouse message first, then the framework raises its events. Such controls leave the
// capture to the platform control (no csCaptureMouse), so the two never fight over it.
void TWinControl::Dispatch(TMessage& m) {
    if (FWrapsPlatformClass && IsMouseInput(m.Msg)) {
        std::weak_ptr<int> alive = AliveToken();
        DefaultHandler(m);
        if (!alive.expired()) TControl::Dispatch(m);
        return;
    }
    switch (m.Msg) {
    case WM_PAINT: WMPaint(m); break;
    case WM_ERASEBKGND: WMEraseBkgnd(m); break;
    case WM_PRINTCLIENT: WMPrintClient(m); break;
    case WM_SIZE: WMSize(m); break;
    case WM_MOVE: WMMove(m); break;
    case WM_WINDOWPOSCHANGED: WMWindowPosChanged(m); break;
    case WM_SETFOCUS: WMSetFocus(m); break;
    case WM_KILLFOCUS: WMKillFocus(m); break;
    case WM_KEYDOWN: WMKeyDown(m); break;
    case WM_KEYUP: WMKeyUp(m); break;
    case WM_CHAR: WMChar(m); break;
    case WM_SYSKEYDOWN: WMSysKeyDown(m); break;
    case WM_SYSCHAR: WMSysChar(m); break;
    case WM_GETDLGCODE: WMGetDlgCode(m); break;
    case WM_SETCURSOR: WMSetCursor(m); break;
    case WM_MOUSELEAVE: WMMouseLeave(m); break;
    case WM_CAPTURECHANGED: WMCaptureChanged(m); break;
    case WM_CANCELMODE: WMCancelMode(m); break;
    case WM_NCDESTROY: WMNCDestroy(m); break;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: WMReflected(m); break;
    case CN_CTLCOLORMSGBOX:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORDLG:
    case CN_CTLCOLORSCROLLBAR:
    case CN_CTLCOLORSTATIC: CNCtlColor(m); break;
    case CM_DIALOGKEY: CMDialogKey(m); break;
    case CM_DIALOGCHAR: CMDialogChar(m); break;
    case CM_FOCUSCHANGED: CMFocusChanged(m); break;
    case CM_ENTER: CMEnter(m); break;
    case CM_EXIT: CMExit(m); break;
    case CM_SHOWINGCHANGED: CMShowingChanged(m); break;
    case CM_RECREATEWND: CMRecreateWnd(m); break;
    default: TControl::Dispatch(m); break;
    }
}

void TWinControl::DefaultHandler(TMessage& m) {
    if (FHandle) {
        DefWndProc(m);
        return;
    }
    TControl::DefaultHandler(m);
}

void TWinControl::DefWndProc(TMessage& m) {
    if (!FHandle) return;
    m.Result = CallWindowProc(FDefWndProc, FHandle, m.Msg, m.WParam, m.LParam);
}

void TWinControl::SetText(const std::string& text) {
    if (GetText() == text) return;
    FText = text;
    if (FHandle) SetWindowText(FHandle, text);
    Perform(CM_TEXTCHANGED, 0, 0);
}

std::string TWinControl::GetText() const {
    return FHandle ? GetWindowText(FHandle) : FText;
}

void TWinControl::WMSize(TMessage& m) {
    DefaultHandler(m);
    if (m.WParam == static_cast<WPARAM>(SIZE_MINIMIZED)) return;
    UpdateBoundsFromWindow();
    Realign();
}

void TWinControl::WMMove(TMessage& m) {
    DefaultHandler(m);
    UpdateBoundsFromWindow();
}

void TWinControl::WMWindowPosChanged(TMessage& m) {
    DefaultHandler(m);
    UpdateBoundsFromWindow();
}

void TWinControl::WMSetFocus(TMessage& m) {
    DefaultHandler(m);
    if (TCustomForm* form = GetParentForm()) form->SetFocusedControl(this);
}

void TWinControl::WMKillFocus(TMessage& m) {
    DefaultHandler(m);
}

void TWinControl::CMEnter(TMessage&) {
    DoEnter();
}

void TWinControl::CMExit(TMessage&) {
    DoExit();
}

void TWinControl::DoEnter() {
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit) OnExit(this);
}

// The screen's cursor overrides all; otherwise the graphic child under the pointer, then this
// control, name theirs; crDefault leaves the choice to the parent and the class.
void TWinControl::WMSetCursor(TMessage& m) {
    if (reinterpret_cast<HWND>(m.WParam) == FHandle && LOWORD(static_cast<WPARAM>(m.LParam)) == HTCLIENT) {
        TCursor cursor = Screen ? Screen->Cursor() : crDefault;
        if (cursor == crDefault) {
            TPoint p;
            GetCursorPos(&p);
            TControl* child = ControlAtPos(ScreenToClient(p), false);
            cursor = child ? child->Cursor() : crDefault;
        }
        if (cursor == crDefault) cursor = Cursor();
        if (cursor != crDefault) {
            ::SetCursor(LoadCursor(nullptr, CursorToIdc(cursor)));
            m.Result = TRUE;
            return;
        }
    }
    DefaultHandler(m);
}

void TWinControl::WMMouseLeave(TMessage& m) {
    FTrackingLeave = false;
    if (Application) Application->WindowMouseLeft(this);
    DefaultHandler(m);
}

// The control holding the pointer through this window: this one or one of its graphic children.
TControl* TWinControl::CaptureHolder() const {
    TControl* holder = Application ? Application->CaptureControl() : nullptr;
    if (holder == this) return holder;
    return holder && holder->Parent() == this && !dynamic_cast<TWinControl*>(holder) ? holder : nullptr;
}

// Another window took the pointer (a menu, a modal window opened by a press handler): the
// control that held it stops its press.
void TWinControl::WMCaptureChanged(TMessage& m) {
    TControl* holder = CaptureHolder();
    if (holder && reinterpret_cast<HWND>(m.LParam) != FHandle) holder->Perform(WM_CANCELMODE, 0, 0);
    DefaultHandler(m);
}

void TWinControl::WMCancelMode(TMessage& m) {
    TControl* holder = CaptureHolder();
    if (holder && holder != this) holder->Perform(WM_CANCELMODE, 0, 0);
    TControl::WMCancelMode(m);
    DefaultHandler(m);
}

void TWinControl::WMNCDestroy(TMessage& m) {
    DefaultHandler(m);
    FHandle = nullptr;
}

void TWinControl::CMVisibleChanged(TMessage& m) {
    TControl::CMVisibleChanged(m);
    if (FHandle) ShowWindow(FHandle, FVisible ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::CMShowingChanged(TMessage& m) {
    DefaultHandler(m);
}

void TWinControl::CMEnabledChanged(TMessage& m) {
    if (FHandle) EnableWindow(FHandle, FEnabled ? TRUE : FALSE);
    TControl::CMEnabledChanged(m);
}

void TWinControl::CMColorChanged(TMessage& m) {
    TControl::CMColorChanged(m);
    TMessage notice{CM_PARENTCOLORCHANGED, 1, static_cast<LPARAM>(FColor), 0};
    for (TControl* child : std::vector<TControl*>(FControls)) child->WindowProc(notice);
}

void TWinControl::CMFontChanged(TMessage& m) {
    TControl::CMFontChanged(m);
    if (FHandle) SendMessage(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
    for (TControl* child : std::vector<TControl*>(FControls)) child->Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TWinControl::CMShowHintChanged(TMessage&) {
    for (TControl* child : std::vector<TControl*>(FControls)) child->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}

void TWinControl::CMTextChanged(TMessage& m) {
    TControl::CMTextChanged(m);
}

void TWinControl::CMRecreateWnd(TMessage&) {
    RecreateWnd();
}

void TWinControl::UpdateShowing() {}

// --- reflected notifications ---------------------------------------------------------------

// What a child window tells its parent comes back to the child control as CN_BASE + message.
// A graphic child under the point is asked first; a point outside the client area (the caption)
// is left to the platform, which shows the system menu there.
void TWinControl::WMContextMenu(TMessage& m) {
    const TPoint screen = LParamToPoint(m.LParam);
    if (screen.X != -1 || screen.Y != -1) {
        const TPoint p = ScreenToClient(screen);
        if (!ClientRect().Contains(p)) {
            DefaultHandler(m);
            return;
        }
        if (TControl* child = ControlAtPos(p, false)) {
            m.Result = child->Perform(WM_CONTEXTMENU, m.WParam, m.LParam);
            if (m.Result != 0) return;
        }
    }
    TControl::WMContextMenu(m);
}

// The platform's default procedure answers a right release with WM_CONTEXTMENU. A wrapped
// platform control is left alone: its class sees the mouse input itself and passes it there.
void TWinControl::RequestContextMenu(TMessage& m) {
    if (!FWrapsPlatformClass) DefaultHandler(m);
}

void TWinControl::WMReflected(TMessage& m) {
    TWinControl* child = FromHandle(TNotifySource::ChildOf(FHandle, m.Msg, m.LParam));
    if (child && child != this)
        m.Result = child->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
    else
        DefaultHandler(m);
}

// A wrapped platform control asks its colours: the control's font colour and Color.
void TWinControl::CNCtlColor(TMessage& m) {
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    if (dc) {
        dc->SetTextColor(ColorToRGB(Font()->Color()));
        dc->SetBkColor(ColorToRGB(FColor));
    }
    m.Result = reinterpret_cast<LRESULT>(CreateSolidBrush(ColorToRGB(FColor)));
}

// --- keyboard --------------------------------------------------------------------------------

bool TWinControl::DoKeyDown(TMessage& m) {
    WORD key = static_cast<WORD>(m.WParam);
    const TShiftState shift = KeyDataToShiftState(m.LParam);
    TCustomForm* form = GetParentForm();
    if (form && form != this && form->KeyPreview()) {
        std::weak_ptr<int> alive = AliveToken();
        form->KeyDown(key, shift);
        if (key == 0 || alive.expired()) return false;
    }
    if (!FControlStyle.Contains(csNoStdEvents)) {
        KeyDown(key, shift);
        if (key == 0) return false;
    }
    m.WParam = key;
    return true;
}

bool TWinControl::DoKeyUp(TMessage& m) {
    WORD key = static_cast<WORD>(m.WParam);
    const TShiftState shift = KeyDataToShiftState(m.LParam);
    TCustomForm* form = GetParentForm();
    if (form && form != this && form->KeyPreview()) {
        std::weak_ptr<int> alive = AliveToken();
        form->KeyUp(key, shift);
        if (key == 0 || alive.expired()) return false;
    }
    if (!FControlStyle.Contains(csNoStdEvents)) {
        KeyUp(key, shift);
        if (key == 0) return false;
    }
    m.WParam = key;
    return true;
}

bool TWinControl::DoKeyPress(TMessage& m) {
    char32_t key = static_cast<char32_t>(m.WParam);
    TCustomForm* form = GetParentForm();
    if (form && form != this && form->KeyPreview()) {
        std::weak_ptr<int> alive = AliveToken();
        form->KeyPress(key);
        if (key == 0 || alive.expired()) return false;
    }
    if (!FControlStyle.Contains(csNoStdEvents)) {
        KeyPress(key);
        if (key == 0) return false;
    }
    m.WParam = key;
    return true;
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
    if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(WORD& key, TShiftState shift) {
    if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char32_t& key) {
    if (OnKeyPress) OnKeyPress(this, key);
}

// Key preview and OnKeyDown first; then a navigation key the control does not want goes to
// the form as CM_DIALOGKEY (Tab, arrows, Enter for the default button, Esc for cancel); a key
// taken either way also drops the character TranslateMessage made of it.
bool TWinControl::KeyDownPasses(TMessage& m) {
    const WORD original = static_cast<WORD>(m.WParam);
    FEatChar = 0;
    if (IsMenuKey(m)) {
        FEatChar = TDialogKeys::TranslatedChar(original);
        return false;
    }
    std::weak_ptr<int> alive = AliveToken();
    if (!DoKeyDown(m)) {
        FEatChar = TDialogKeys::TranslatedChar(original);
        return false;
    }
    const WORD key = static_cast<WORD>(m.WParam);
    if (TDialogKeys::IsNavigationKey(key) && !TDialogKeys::Wants(this, key)) {
        TCustomForm* form = GetParentForm();
        if (form && form->Perform(CM_DIALOGKEY, key, m.LParam) != 0) {
            FEatChar = TDialogKeys::TranslatedChar(key);
            return false;
        }
        if (alive.expired()) return false;
    }
    return true;
}

bool TWinControl::CharPasses(TMessage& m) {
    const char32_t eat = std::exchange(FEatChar, 0);
    if (eat != 0 && static_cast<char32_t>(m.WParam) == eat) return false;
    return DoKeyPress(m) && !IsDialogChar(m);
}

// A printable character that the control does not take for itself (a button, a check box, a
// track bar) goes to the form as CM_DIALOGCHAR first, as with Alt: typing a caption's mnemonic
// acts on the control that carries it.
bool TWinControl::IsDialogChar(const TMessage& m) {
    if (m.WParam < 0x20 || TDialogKeys::WantsChars(this)) return false;
    TCustomForm* form = GetParentForm();
    return form && form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0;
}

void TWinControl::WMKeyDown(TMessage& m) {
    if (KeyDownPasses(m)) DefaultHandler(m);
}

void TWinControl::WMKeyUp(TMessage& m) {
    if (DoKeyUp(m)) DefaultHandler(m);
}

void TWinControl::WMChar(TMessage& m) {
    if (CharPasses(m)) DefaultHandler(m);
}

void TWinControl::WMSysKeyDown(TMessage& m) {
    FEatSysChar = false;
    if (IsMenuKey(m)) {
        FEatSysChar = true;
        return;
    }
    if (DoKeyDown(m)) DefaultHandler(m);
}

bool TWinControl::IsMenuKey(const TMessage& m) {
    const WORD key = static_cast<WORD>(m.WParam);
    const TShiftState shift = KeyDataToShiftState(m.LParam);
    for (TControl* control = this; control; control = control->Parent())
        if (control->PopupMenu() && control->PopupMenu()->IsShortCut(key, shift)) return true;
    TCustomForm* form = GetParentForm();
    return form && form->IsShortCut(key, shift);
}

// Alt+letter goes to the form's controls first as CM_DIALOGCHAR (accelerators of labels and
// buttons); only what nobody takes reaches the menu.
void TWinControl::WMSysChar(TMessage& m) {
    if (std::exchange(FEatSysChar, false)) return;
    TCustomForm* form = GetParentForm();
    if (form && form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0) return;
    DefaultHandler(m);
}

void TWinControl::CMDialogKey(TMessage& m) {
    Broadcast(m);
}

void TWinControl::CMDialogChar(TMessage& m) {
    Broadcast(m);
}

// Every control of the form hears which control has the focus now (lParam): a push button
// learns from it whether it is the default button at the moment.
void TWinControl::CMFocusChanged(TMessage& m) {
    Broadcast(m);
}
