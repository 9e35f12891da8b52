// Raw input to messages.
#include "platform/window/InputRouter.h"
#include "platform/system/Utf8.h"
#include "platform/window/FocusManager.h"
#include "platform/window/InputApi.h"
#include "platform/window/MessageApi.h"
#include "platform/window/SystemApi.h"
#include "platform/window/WindowSystem.h"

#include <cstdlib>

using TKind = TInputEvent::TKind;

static void Candidates(Window* w, TPoint ptWin, std::vector<Window*>& out) {
    if (w->FClient.Contains(ptWin)) {
        TPoint inClient{ptWin.X - w->FClient.Left, ptWin.Y - w->FClient.Top};
        for (Window* c : w->FChildren) {
            if (!(c->FStyle & WS_VISIBLE) || !c->ContainsInParent(inClient)) continue;
            Candidates(c, {inClient.X - c->FRect.Left, inClient.Y - c->FRect.Top}, out);
        }
    }
    out.push_back(w);
}

static bool ColorKeyHole(const Window* top, TPoint ptWin) {
    const LayeredState* l = top->FLayered.get();
    if (!l) return false;
    if (l->FHasImage) return (l->FImageFlags & ULW_ALPHA) && l->FImage.Alpha(ptWin.X, ptWin.Y) == 0;
    return (l->FFlags & LWA_COLORKEY) && top->FBacking.Pixel(ptWin.X, ptWin.Y) == ColorToRGB(l->FKey);
}

std::pair<HWND, int> InputRouter::HitTest(TPoint screen) {
    std::vector<Window*> found;
    for (Window* top : FWs.TopLevels()) {
        if (!(top->FStyle & WS_VISIBLE) || (top->FStyle & WS_MINIMIZE) || !top->ContainsInParent(screen)) continue;
        TPoint ptWin{screen.X - top->FRect.Left, screen.Y - top->FRect.Top};
        if (ColorKeyHole(top, ptWin)) continue;
        Candidates(top, ptWin, found);
    }
    std::vector<HWND> handles;
    for (Window* w : found) handles.push_back(w->FHandle);
    for (HWND h : handles) {
        Window* w = FWs.Find(h);
        if (!w) continue;
        if (!w->IsEnabledChain()) return {h, HTERROR};
        int ht = static_cast<int>(SendMessage(h, WM_NCHITTEST, 0, PointToLParam(screen)));
        if (ht != HTTRANSPARENT && FWs.Find(h)) return {h, ht};
    }
    return {nullptr, HTNOWHERE};
}

WPARAM InputRouter::MouseKeyFlags() const {
    WPARAM f = 0;
    if (KeyDown(VK_LBUTTON)) f |= MK_LBUTTON;
    if (KeyDown(VK_RBUTTON)) f |= MK_RBUTTON;
    if (KeyDown(VK_MBUTTON)) f |= MK_MBUTTON;
    if (KeyDown(VK_SHIFT)) f |= MK_SHIFT;
    if (KeyDown(VK_CONTROL)) f |= MK_CONTROL;
    return f;
}

void InputRouter::Post(HWND hwnd, UINT msg, WPARAM w, LPARAM l, TPoint pt) {
    MSG m;
    m.hwnd = hwnd;
    m.message = msg;
    m.wParam = w;
    m.lParam = l;
    m.time = static_cast<DWORD>(FWs.Now());
    m.pt = pt;
    FWs.Posted().Post(m);
}

void InputRouter::UpdateTracking(HWND target, int ht) {
    if (!FTrackWindow) return;
    bool nonClient = (FTrackFlags & TME_NONCLIENT) != 0;
    bool still = target == FTrackWindow && (nonClient ? ht != HTCLIENT : ht == HTCLIENT);
    if (still) return;
    HWND left = FTrackWindow;
    FTrackWindow = nullptr;
    if (FWs.Find(left)) Post(left, nonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0, FCursor);
}

void InputRouter::StartHover(HWND hwnd, DWORD flags, DWORD time) {
    if (time == HOVER_DEFAULT) {
        UINT t = 400;
        SystemParametersInfo(SPI_GETMOUSEHOVERTIME, 0, &t, 0);
        time = t;
    }
    FHoverWindow = hwnd;
    FHoverNonClient = (flags & TME_NONCLIENT) != 0;
    FHoverTime = time;
    FHoverOrigin = FCursor;
    FHoverDue = FWs.Now() + time;
}

// Hovering ends when the pointer leaves the tracked part of the window, and starts counting again
// when it moves out of the small rectangle around where it came to rest.
void InputRouter::UpdateHover(HWND target, int ht) {
    if (!FHoverWindow) return;
    if (target != FHoverWindow || (FHoverNonClient ? ht == HTCLIENT : ht != HTCLIENT)) {
        FHoverWindow = nullptr;
        return;
    }
    UINT w = 4, h = 4;
    SystemParametersInfo(SPI_GETMOUSEHOVERWIDTH, 0, &w, 0);
    SystemParametersInfo(SPI_GETMOUSEHOVERHEIGHT, 0, &h, 0);
    if (std::abs(FCursor.X - FHoverOrigin.X) > static_cast<int>(w) / 2 ||
        std::abs(FCursor.Y - FHoverOrigin.Y) > static_cast<int>(h) / 2) {
        FHoverOrigin = FCursor;
        FHoverDue = FWs.Now() + FHoverTime;
    }
}

std::uint64_t InputRouter::HoverDue() const {
    return FHoverWindow ? FHoverDue : Backend::kNoDeadline;
}

void InputRouter::CheckHover(std::uint64_t now) {
    if (!FHoverWindow || now < FHoverDue) return;
    HWND h = FHoverWindow;
    FHoverWindow = nullptr; // one message per request
    Window* w = FWs.Find(h);
    if (!w) return;
    if (FHoverNonClient) {
        int ht = static_cast<int>(SendMessage(h, WM_NCHITTEST, 0, PointToLParam(FCursor)));
        if (FWs.Find(h)) Post(h, WM_NCMOUSEHOVER, static_cast<WPARAM>(ht), PointToLParam(FCursor), FCursor);
        return;
    }
    TPoint c = w->ClientScreenOrigin();
    Post(h, WM_MOUSEHOVER, MouseKeyFlags(), MAKELPARAM(FCursor.X - c.X, FCursor.Y - c.Y), FCursor);
}

bool InputRouter::IsDoubleClick(HWND target, UINT msg, int ht, TPoint screen) {
    std::uint64_t now = FWs.Now();
    Window* w = FWs.Find(target);
    bool client = ht == HTCLIENT;
    bool allowed = !client || (w && (w->ClassStyle() & CS_DBLCLKS));
    bool dbl = allowed && FLastClickValid && FLastClickWindow == target && FLastClickMsg == msg &&
               (FLastClickHt == HTCLIENT) == client && now - FLastClickTime <= GetDoubleClickTime() &&
               std::abs(screen.X - FLastClickPos.X) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
               std::abs(screen.Y - FLastClickPos.Y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    // A double click ends a pair: the next press starts counting again.
    FLastClickValid = !dbl;
    FLastClickWindow = target;
    FLastClickMsg = msg;
    FLastClickHt = ht;
    FLastClickPos = screen;
    FLastClickTime = now;
    return dbl;
}

static bool IsButtonDown(UINT m) { return m == WM_LBUTTONDOWN || m == WM_RBUTTONDOWN || m == WM_MBUTTONDOWN; }

void InputRouter::MouseEvent(UINT clientMsg, TPoint screen, WPARAM extra) {
    FocusManager& focus = FWs.Focus();
    HWND cap = FWs.Find(focus.Capture()) ? focus.Capture() : nullptr;
    auto [target, ht] = cap ? std::pair<HWND, int>{cap, HTCLIENT} : HitTest(screen);
    UpdateTracking(target, ht);
    UpdateHover(target, ht);
    Window* w = FWs.Find(target);
    if (!w) return;
    bool down = IsButtonDown(clientMsg);
    if (ht == HTERROR || !w->IsEnabledChain()) {
        // A click on a window disabled by a modal one brings the modal one forward.
        if (down && !w->TopLevel()->IsEnabledChain())
            for (Window* t : FWs.TopLevels())
                if (t->FOwner == w->TopLevel() && (t->FStyle & WS_VISIBLE) && !(t->FStyle & WS_DISABLED)) {
                    focus.Activate(t->FHandle, WA_ACTIVE, true);
                    break;
                }
        return;
    }
    bool eat = false;
    Window* top = w->TopLevel();
    if (down && !cap && top->FHandle != focus.Active() && !(top->FExStyle & WS_EX_NOACTIVATE)) {
        LRESULT r = SendMessage(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top->FHandle), MAKELPARAM(ht, clientMsg));
        if (r == MA_ACTIVATE || r == MA_ACTIVATEANDEAT || r == 0) focus.Activate(top->FHandle, WA_CLICKACTIVE, true);
        eat = r == MA_ACTIVATEANDEAT || r == MA_NOACTIVATEANDEAT;
        if (!FWs.Find(target)) return;
    }
    if (!cap) {
        SendMessage(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(ht, clientMsg));
        if (!(w = FWs.Find(target))) return;
    }
    if (eat) return;
    UINT msg = clientMsg;
    WPARAM wParam;
    LPARAM lParam;
    if (ht == HTCLIENT) {
        TPoint c = w->ClientScreenOrigin();
        wParam = MouseKeyFlags() | extra;
        lParam = MAKELPARAM(screen.X - c.X, screen.Y - c.Y);
    } else {
        msg = clientMsg - WM_MOUSEMOVE + WM_NCMOUSEMOVE;
        wParam = static_cast<WPARAM>(ht);
        lParam = PointToLParam(screen);
    }
    if (down && IsDoubleClick(target, clientMsg, ht, screen)) msg += 2;
    Post(target, msg, wParam, lParam, screen);
}

HWND InputRouter::KeyboardTarget() const {
    HWND f = FWs.Focus().Focus();
    if (FWs.Find(f)) return f;
    HWND a = FWs.Focus().Active();
    return FWs.Find(a) ? a : nullptr;
}

void InputRouter::KeyEvent(UINT vk, bool down, char32_t character) {
    std::size_t k = vk & 0xFF;
    bool wasDown = (FKeys[k] & 0x80) != 0;
    if (down) FKeyCharacters[k] = character;
    if (down) FKeys[k] = static_cast<std::uint8_t>(0x80 | ((FKeys[k] & 1) ^ (wasDown ? 0 : 1)));
    else FKeys[k] = static_cast<std::uint8_t>(FKeys[k] & 1);
    bool alt = KeyDown(VK_MENU);
    if (vk == VK_MENU && down && !wasDown) FAltUsedWithKey = false;
    else if (vk != VK_MENU && alt && down) FAltUsedWithKey = true;
    HWND target = KeyboardTarget();
    NoteCharacterSource(vk, down, target);
    if (!target) return;
    bool sys = (alt && !KeyDown(VK_CONTROL)) || vk == VK_F10 || (vk == VK_MENU && !down);
    // With no focus window, keys go to the active window as system keys.
    if (!FWs.Find(FWs.Focus().Focus())) sys = true;
    if (vk == VK_MENU && !down && FAltUsedWithKey) sys = false;
    UINT msg = down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
    std::uint32_t l = 1;
    if (alt || (vk == VK_MENU && !down)) l |= 1u << 29;
    if (wasDown) l |= 1u << 30;
    if (!down) l |= 1u << 31;
    Post(target, msg, vk, static_cast<LPARAM>(static_cast<std::int32_t>(l)), FCursor);
}

static bool IsModifierKey(UINT vk) {
    return vk == VK_SHIFT || vk == VK_CONTROL || vk == VK_MENU || vk == VK_CAPITAL || vk == VK_LWIN ||
           vk == VK_RWIN || (vk >= VK_LSHIFT && vk <= VK_RMENU);
}

// A desktop sends the character of a key press as its own event after the key-down. It belongs
// to the window that got the key-down, as the character TranslateMessage makes from a key-down
// does: when handling the key moves the focus (a digit that closes a popup and opens a prompt),
// the character must not land in the window that gains it.
void InputRouter::NoteCharacterSource(UINT vk, bool down, HWND target) {
    if (IsModifierKey(vk)) return;
    if (down) {
        FCharTarget = target;
        FCharKey = vk;
        FCharPending = true;
    } else if (vk == FCharKey) {
        FCharPending = false;
    }
}

void InputRouter::TextEvent(const std::string& utf8) {
    HWND target = FCharPending ? FCharTarget : KeyboardTarget();
    FCharPending = false;
    // A window destroyed since its key-down drops the character, as its posted message would be.
    if (!FWs.Find(target)) return;
    for (char32_t c : DecodeUtf8(utf8)) Post(target, WM_CHAR, c, 1, FCursor);
}

TPoint InputRouter::Confine(TPoint p) const {
    if (!FClip) return p;
    p.X = std::max(FClip->Left, std::min(p.X, FClip->Right - 1));
    p.Y = std::max(FClip->Top, std::min(p.Y, FClip->Bottom - 1));
    return p;
}

void InputRouter::SetCursorPos(TPoint p) {
    FCursor = Confine(p);
    FWs.GetBackend().MoveCursor(FCursor);
    FWs.Input().MouseMove(FCursor.X, FCursor.Y);
}

void InputRouter::SetClip(const std::optional<TRect>& clip) {
    FClip = clip;
    TPoint c = Confine(FCursor);
    if (c != FCursor) SetCursorPos(c);
}

HCURSOR InputRouter::SetCursor(HCURSOR cursor) {
    HCURSOR old = FCursorShape;
    FCursorShape = cursor;
    if (cursor != old) FWs.GetBackend().SetCursorShape(CursorId(cursor));
    return old;
}

bool InputRouter::Track(const TRACKMOUSEEVENT& tme) {
    if (tme.dwFlags & TME_CANCEL) {
        if ((tme.dwFlags & TME_LEAVE) && tme.hwndTrack == FTrackWindow) FTrackWindow = nullptr;
        if ((tme.dwFlags & TME_HOVER) && tme.hwndTrack == FHoverWindow) FHoverWindow = nullptr;
        return true;
    }
    if (!(tme.dwFlags & (TME_LEAVE | TME_HOVER)) || !FWs.Find(tme.hwndTrack)) return false;
    if (tme.dwFlags & TME_HOVER) {
        auto [target, ht] = FWs.Find(FWs.Focus().Capture()) ? std::pair<HWND, int>{FWs.Focus().Capture(), HTCLIENT}
                                                            : HitTest(FCursor);
        bool nonClient = (tme.dwFlags & TME_NONCLIENT) != 0;
        // Hovering needs the pointer over the part asked for now; otherwise there is nothing to wait for.
        if (target == tme.hwndTrack && (nonClient ? ht != HTCLIENT : ht == HTCLIENT))
            StartHover(tme.hwndTrack, tme.dwFlags, tme.dwHoverTime);
        else if (FHoverWindow == tme.hwndTrack)
            FHoverWindow = nullptr;
    }
    if (!(tme.dwFlags & TME_LEAVE)) return true;
    FTrackWindow = tme.hwndTrack;
    FTrackFlags = tme.dwFlags & (TME_LEAVE | TME_NONCLIENT);
    HWND cap = FWs.Focus().Capture();
    if (FWs.Find(cap)) {
        Window* w = FWs.Find(tme.hwndTrack);
        bool over = w->ScreenRect().Contains(FCursor);
        UpdateTracking(over ? tme.hwndTrack : nullptr, (tme.dwFlags & TME_NONCLIENT) ? HTCAPTION : HTCLIENT);
        return true;
    }
    auto [target, ht] = HitTest(FCursor);
    UpdateTracking(target, ht);
    return true;
}

void InputRouter::QueryTracking(TRACKMOUSEEVENT& tme) const {
    tme.hwndTrack = FTrackWindow ? FTrackWindow : FHoverWindow;
    tme.dwFlags = FTrackWindow ? FTrackFlags : 0;
    if (FHoverWindow && FHoverWindow == tme.hwndTrack) {
        tme.dwFlags |= TME_HOVER | (FHoverNonClient ? TME_NONCLIENT : 0);
        tme.dwHoverTime = FHoverTime;
    }
}

void InputRouter::ForgetWindow(HWND hwnd) {
    if (FTrackWindow == hwnd) FTrackWindow = nullptr;
    if (FHoverWindow == hwnd) FHoverWindow = nullptr;
    if (FLastClickWindow == hwnd) FLastClickValid = false;
}

static UINT ButtonMessage(TMouseButton b, bool down) {
    switch (b) {
    case TMouseButton::mbLeft: return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    case TMouseButton::mbRight: return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    default: return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
    }
}

static int ButtonKey(TMouseButton b) {
    return b == TMouseButton::mbLeft ? VK_LBUTTON : b == TMouseButton::mbRight ? VK_RBUTTON : VK_MBUTTON;
}

void InputRouter::Process(const TInputEvent& e) {
    switch (e.Kind) {
    case TKind::ikMouseMove:
        FCursor = Confine(e.Pos);
        MouseEvent(WM_MOUSEMOVE, FCursor, 0);
        break;
    case TKind::ikButton: {
        FCursor = Confine(e.Pos);
        std::size_t k = static_cast<std::size_t>(ButtonKey(e.Button));
        FKeys[k] = static_cast<std::uint8_t>(e.Down ? (0x80 | ((FKeys[k] & 1) ^ 1)) : (FKeys[k] & 1));
        MouseEvent(ButtonMessage(e.Button, e.Down), FCursor, 0);
        break;
    }
    case TKind::ikWheel: {
        FCursor = Confine(e.Pos);
        HWND target = KeyboardTarget();
        if (target) Post(target, WM_MOUSEWHEEL, MAKEWPARAM(static_cast<int>(MouseKeyFlags()), e.Delta), PointToLParam(FCursor), FCursor);
        break;
    }
    case TKind::ikKey: KeyEvent(e.Vk, e.Down, e.Character); break;
    case TKind::ikText: TextEvent(e.Text); break;
    case TKind::ikAppActivation: FWs.Focus().SetAppActive(e.Down); break;
    case TKind::ikDesktopMinimize:
        if (FWs.Find(e.Window)) SendMessage(e.Window, WM_SYSCOMMAND, e.Down ? SC_MINIMIZE : SC_RESTORE, 0);
        break;
    case TKind::ikDesktopClose:
        if (FWs.Find(e.Window)) SendMessage(e.Window, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case TKind::ikTask:
        if (e.Task) e.Task();
        break;
    }
}
