// The desktop back end.
#include "platform/backend/sdl/SdlBackend.h"
#include "platform/backend/sdl/SdlLayeredImage.h"
#include "platform/backend/sdl/X11Bridge.h"
#include "platform/window/InputApi.h"
#include "platform/window/PaintApi.h"
#include "platform/window/WindowApi.h"

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <string>

namespace {
std::uint32_t FlagsFor(HWND hwnd, const TTopLevelState& state) {
    auto style = static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE));
    bool owned = GetWindow(hwnd, GW_OWNER) != nullptr;
    return SdlTopLevel::CreationFlags(state, (style & WS_CAPTION) == WS_CAPTION, owned);
}

// How long the desktop may take to answer a focus request.
constexpr std::uint64_t kFocusAnswerMs = 1000;

bool Transient(SDL_Window* w) {
    return (SDL_GetWindowFlags(w) & (SDL_WINDOW_POPUP_MENU | SDL_WINDOW_TOOLTIP)) != 0;
}

// Only a real desktop: the video's fall-back drivers (off-screen, dummy) run when asked for by
// name in SDL_VIDEODRIVER only, and a desktop that is not there is not tried (its client library
// would print its own complaint).
bool ChooseDriver(std::string* error) {
    if (SDL_getenv("SDL_VIDEODRIVER")) return true;
    bool x11 = SDL_getenv("DISPLAY") && *SDL_getenv("DISPLAY");
    bool wayland = SDL_getenv("WAYLAND_DISPLAY") && *SDL_getenv("WAYLAND_DISPLAY");
    if (!x11 && !wayland) {
        if (error) *error = "neither DISPLAY nor WAYLAND_DISPLAY is set";
        return false;
    }
    SDL_SetHint(SDL_HINT_VIDEODRIVER, x11 && wayland ? "x11,wayland" : x11 ? "x11" : "wayland");
    return true;
}

bool Overlap(const TRect& a, const TRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}
} // namespace

SdlBackend::SdlBackend() : FUiThread(std::this_thread::get_id()), FWindows(FlagsFor) {}

std::unique_ptr<SdlBackend> SdlBackend::Open(std::string* error) {
    // A game leaves signals, the screen saver and compositing to the desktop, draws in software
    // (no GL under Xvfb or remote displays) and activates windows only when we do.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    SDL_SetHint(SDL_HINT_WINDOW_NO_ACTIVATION_WHEN_SHOWN, "1");
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // A click that focuses a window is still a click: activating on a click is ours to decide.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    if (!ChooseDriver(error)) return nullptr;
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        if (error) *error = SDL_GetError();
        return nullptr;
    }
    std::unique_ptr<SdlBackend> b(new SdlBackend());
    b->FAnchor = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS);
    b->FWakeEvent = SDL_RegisterEvents(1);
    if (!b->FAnchor || b->FWakeEvent == static_cast<std::uint32_t>(-1)) {
        if (error) *error = SDL_GetError();
        return nullptr; // the destructor shuts the video down again
    }
    X11Bridge::TolerateGoneWindows(b->FAnchor);
    // Our windows take the screen's own visual (the video would pick another where the screen
    // offers one), so that they can share its colormap.
    if (unsigned long visual = X11Bridge::ScreenVisual(b->FAnchor))
        SDL_SetHint(SDL_HINT_VIDEO_X11_WINDOW_VISUALID, std::to_string(visual).c_str());
    b->FCompositor = X11Bridge::HasCompositor(b->FAnchor);
    if (b->FCompositor) b->FAlphaVisual = X11Bridge::AlphaVisual(b->FAnchor);
    b->FNoWindowManager = X11Bridge::Active() && !X11Bridge::HasWindowManager(b->FAnchor);
    b->FWindows.SetMinimizeByHiding(b->FNoWindowManager);
    b->ReadDisplay();
    return b;
}

SdlBackend::~SdlBackend() {
    FTranslator.reset();
    FWindows.Clear();
    FCursors.Clear();
    if (FAnchor) SDL_DestroyWindow(FAnchor);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    SDL_Quit();
}

void SdlBackend::Attach(InputSink* sink) {
    FSink = sink;
    FTranslator = std::make_unique<SdlEventTranslator>(*sink, static_cast<SdlEventContext&>(*this));
}

void SdlBackend::Detach() {
    FTranslator.reset();
    FSink = nullptr;
    if (FCaptured) SDL_CaptureMouse(SDL_FALSE);
    FCaptured = false;
}

void SdlBackend::ReadDisplay() {
    SDL_Rect r;
    if (SDL_GetDisplayBounds(0, &r) == 0) FScreen = {r.w, r.h};
    if (SDL_GetDisplayUsableBounds(0, &r) == 0 && r.w > 0 && r.h > 0)
        FWorkArea = {r.x, r.y, r.x + r.w, r.y + r.h};
    else
        FWorkArea = {0, 0, FScreen.cx, FScreen.cy};
}

// The UI thread sleeps in the desktop's event wait (a poll on its connection) until an event,
// a wake from another thread or the next timer's deadline: an idle program uses no CPU.
void SdlBackend::WaitForInput(std::uint64_t deadlineMs) {
    FollowCapture();
    for (;;) {
        SDL_Event e;
        while (SDL_PollEvent(&e)) Dispatch(e);
        if (FTranslator) FTranslator->EndBatch();
        RecomposeStale();
        if (FWoken.exchange(false)) return;
        std::uint64_t now = FClock.NowMs();
        if (now >= deadlineMs) return;
        int timeout = deadlineMs == kNoDeadline
                          ? -1
                          : static_cast<int>(std::min<std::uint64_t>(deadlineMs - now, INT_MAX));
        if (SDL_WaitEventTimeout(&e, timeout)) Dispatch(e);
    }
}

void SdlBackend::Wake() {
    FWoken = true;
    if (std::this_thread::get_id() == FUiThread) return; // the wait loop sees the flag
    if (FWakePosted.exchange(true)) return;
    SDL_Event e{};
    e.type = FWakeEvent;
    SDL_PushEvent(&e);
}

void SdlBackend::Dispatch(const SDL_Event& e) {
    if (e.type == FWakeEvent) {
        FWakePosted = false;
        return;
    }
    if (e.type == SDL_DISPLAYEVENT) {
        ReadDisplay();
        return;
    }
    if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        SurfaceLost(FWindows.FindById(e.window.windowID));
        return;
    }
    if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_EXPOSED) {
        if (SdlWindowTable::TEntry* entry = FWindows.Find(FWindows.FindById(e.window.windowID)))
            entry->Real->Refresh();
        return;
    }
    if (FTranslator) FTranslator->Translate(e);
}

// While a button is held the desktop's own automatic capture follows the pointer everywhere, and
// grabbing the pointer on top of it stops the motion events of a drag: ours waits until the
// buttons are up (a menu tracking the pointer with no button down).
void SdlBackend::FollowCapture() {
    bool want = GetCapture() != nullptr;
    if (want && SDL_GetMouseState(nullptr, nullptr) != 0) return;
    if (want == FCaptured) return;
    FCaptured = want;
    SDL_CaptureMouse(want ? SDL_TRUE : SDL_FALSE);
    if (FTranslator) FTranslator->SetCaptured(want);
}

void SdlBackend::FollowActivation() {
    HWND active = GetActiveWindow();
    if (active == FDesktopActive) return;
    SdlWindowTable::TEntry* e = FWindows.Find(active);
    if (!active || !e) {
        FDesktopActive = active;
        return;
    }
    // Activation of a window not on the screen yet is asked for when it is shown.
    if (!e->Real->Mapped() || Transient(e->Real->Handle())) return;
    FDesktopActive = active;
    AskFocus(active, *e);
}

void SdlBackend::AskFocus(HWND hwnd, SdlWindowTable::TEntry& e) {
    FFocusAsked = hwnd;
    FFocusAskedAt = FClock.NowMs();
    // Raising asks a window manager for activation; on a bare server it would only upset our
    // stacking, which Restack keeps.
    if (FNoWindowManager)
        SDL_SetWindowInputFocus(e.Real->Handle());
    else
        SDL_RaiseWindow(e.Real->Handle());
}

// With no window manager the video focuses every window it shows (nobody else would); a popup or
// a window shown without activation must not keep it, so the active window takes it back.
void SdlBackend::KeepBareFocus(HWND shown) {
    if (!FNoWindowManager || shown == FDesktopActive) return;
    SdlWindowTable::TEntry* e = FWindows.Find(FDesktopActive);
    if (e && e->Real->Mapped()) AskFocus(FDesktopActive, *e);
}

void SdlBackend::TopLevelChanged(HWND hwnd, TTopLevelChange change, const TTopLevelState& state) {
    // Whatever change maps the real window (a new z-order may come before the notice of showing),
    // the screen beneath is taken just before.
    const SdlWindowTable::TEntry* known = FWindows.Find(hwnd);
    const bool mapping = state.Visible && !state.Minimized && (!known || !known->Real->Mapped());
    if (mapping && state.Layered && !FCompositor) CaptureBeneath(hwnd, state.Bounds);
    if (!state.Visible) FBeneath.erase(hwnd); // a moved window's capture is left unused
    if (!FWindows.Update(hwnd, change, state)) {
        FBeneath.erase(hwnd);
        FComposed.erase(hwnd);
        FStale.erase(hwnd);
        if (FDesktopActive == hwnd) FDesktopActive = nullptr;
        return;
    }
    SdlWindowTable::TEntry& e = *FWindows.Find(hwnd);
    if (state.Layered) {
        FStale.insert(hwnd);
    } else {
        e.Real->SetOpacity(1.0f);
        e.Real->SetShape(state.Shape);
    }
    switch (change) {
    case TTopLevelChange::tcCreated:
    case TTopLevelChange::tcShown:
    case TTopLevelChange::tcZOrder:
    case TTopLevelChange::tcRestored:
    case TTopLevelChange::tcBounds:
        FWindows.Restack();
        break;
    default:
        break;
    }
    FollowActivation();
    if (change == TTopLevelChange::tcShown) KeepBareFocus(hwnd);
}

void SdlBackend::Present(HWND hwnd, const Bitmap& image, const Region& dirty) {
    SdlWindowTable::TEntry* e = FWindows.Find(hwnd);
    if (!e) return;
    if (e->State.Layered) {
        PresentLayered(hwnd, *e, &image, dirty);
        return;
    }
    e->Real->Present(image, dirty);
    MarkLayeredAbove(hwnd);
}

// Without a compositing manager we compose the window ourselves.
void SdlBackend::PresentLayered(HWND hwnd, SdlWindowTable::TEntry& e, const Bitmap* image,
                                const Region& dirty) {
    FStale.erase(hwnd);
    if (FCompositor && PresentToCompositor(hwnd, e, image, dirty)) return;
    // The same pixels at a new opacity (a fade step) keep what lies beneath and the outline.
    SdlLayeredImage& composed = FComposed[hwnd];
    const bool opacityOnly = image && dirty.IsEmpty();
    if (!(opacityOnly && composed.Reblend(hwnd))) {
        auto beneath = FBeneath.find(hwnd);
        if (!composed.Compose(hwnd, beneath == FBeneath.end() ? nullptr : &beneath->second)) return;
    }
    Region solid = composed.Solid();
    if (e.State.Shape) solid.Intersect(*e.State.Shape);
    e.Real->SetOpacity(1.0f);
    e.Real->SetShape(solid);
    e.Real->Present(composed.Pixels(), solid);
}

// With a compositing manager a window of one opacity (and a key colour) is the desktop's job, and
// so is a per-pixel image on a real window of a visual with alpha. False when neither applies.
bool SdlBackend::PresentToCompositor(HWND hwnd, SdlWindowTable::TEntry& e, const Bitmap* image,
                                     const Region& dirty) {
    TColor key = 0;
    BYTE alpha = 255;
    DWORD flags = 0;
    if (image && GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags)) {
        e.Real->SetOpacity((flags & LWA_ALPHA) ? alpha / 255.0f : 1.0f);
        std::optional<Region> shape = e.State.Shape;
        if (flags & LWA_COLORKEY) {
            Region solid = Region::FromBitmapExceptKey(*image, ColorToRGB(key));
            if (shape) solid.Intersect(*shape);
            shape = solid;
        }
        e.Real->SetShape(shape);
        e.Real->Present(*image, dirty);
        return true;
    }
    Bitmap pixels;
    if (!FAlphaVisual || !SdlLayeredImage::WithOpacity(hwnd, pixels)) return false;
    if (e.Real->Visual() != FAlphaVisual && !FWindows.Recreate(hwnd, FAlphaVisual)) return false;
    e.Real->SetOpacity(1.0f);
    e.Real->SetShape(e.State.Shape);
    e.Real->Present(pixels, Region(pixels.BoundsRect()));
    return true;
}

void SdlBackend::CaptureBeneath(HWND hwnd, const TRect& bounds) {
    TSdlBeneath beneath{{}, bounds};
    if (X11Bridge::CaptureScreen(FAnchor, beneath.Pixels, &bounds))
        FBeneath[hwnd] = std::move(beneath);
    else
        FBeneath.erase(hwnd);
}

// Layered windows we compose show the pixels below them, which just changed.
void SdlBackend::MarkLayeredAbove(HWND hwnd) {
    const SdlWindowTable::TEntry* below = FWindows.Find(hwnd);
    for (HWND h : FWindows.Order()) {
        if (h == hwnd) break;
        const SdlWindowTable::TEntry* e = FWindows.Find(h);
        if (e && e->State.Layered && e->Real->Mapped() && Overlap(e->State.Bounds, below->State.Bounds))
            FStale.insert(h);
    }
}

// The desktop's answer to a new size arrives after our pixels did, and the real window's new
// surface starts blank: the whole window is shown again.
void SdlBackend::SurfaceLost(HWND hwnd) {
    SdlWindowTable::TEntry* e = FWindows.Find(hwnd);
    if (!e) return;
    e->Real->SurfaceLost();
    if (e->State.Layered) {
        FStale.insert(hwnd);
        return;
    }
    if (!FSink) return;
    FSink->RunOnUi([hwnd] {
        if (IsWindow(hwnd)) RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    });
}

void SdlBackend::RecomposeStale() {
    while (!FStale.empty()) {
        HWND h = *FStale.begin();
        FStale.erase(FStale.begin());
        SdlWindowTable::TEntry* e = FWindows.Find(h);
        if (!e || !e->Real->Mapped()) continue;
        // Only what we compose needs it: the desktop blends the others from their own pixels.
        if (FCompositor && (GetLayeredWindowAttributes(h, nullptr, nullptr, nullptr) || e->Real->Visual())) continue;
        PresentLayered(h, *e, nullptr, Region());
    }
}

std::optional<TSdlPlace> SdlBackend::Place(std::uint32_t windowId) const {
    HWND hwnd = FWindows.FindById(windowId);
    const SdlWindowTable::TEntry* e = hwnd ? FWindows.Find(hwnd) : nullptr;
    if (!e) return std::nullopt;
    return TSdlPlace{hwnd, e->State.Bounds.TopLeft(), Transient(e->Real->Handle()), e->State.Minimized};
}

std::optional<TPoint> SdlBackend::PointerNow() const {
    TPoint p;
    if (!X11Bridge::QueryPointer(FAnchor, p)) return std::nullopt; // other desktops do not tell
    return p;
}

void SdlBackend::DesktopFocused(HWND window) {
    // Acting on an echo would ask for that window again and start a ping-pong with the desktop; a
    // window manager may also refuse a request, so a request is awaited for a short while only.
    if (FFocusAsked && FClock.NowMs() - FFocusAskedAt < kFocusAnswerMs) {
        if (window == FFocusAsked) FFocusAsked = nullptr;
        return;
    }
    FFocusAsked = nullptr;
    FDesktopActive = window;
    if (!FSink) return;
    FSink->RunOnUi([window] {
        if (IsWindow(window) && IsWindowVisible(window) && GetActiveWindow() != window)
            SetActiveWindow(window);
    });
}

void SdlBackend::MoveCursor(TPoint screen) {
    SDL_WarpMouseGlobal(screen.X, screen.Y);
}

void SdlBackend::SetClipboardText(const std::string& text) {
    SDL_SetClipboardText(text.c_str());
}

std::string SdlBackend::GetClipboardText() {
    char* text = SDL_GetClipboardText();
    std::string out = text ? text : "";
    SDL_free(text);
    return out;
}

bool SdlBackend::CaptureScreen(Bitmap& out) {
    RecomposeStale(); // the screen as it is now, not as it was at the last idle moment
    return X11Bridge::CaptureScreen(FAnchor, out);
}
