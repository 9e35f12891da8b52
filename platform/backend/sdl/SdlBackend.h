// The desktop back end: every top-level window is a real borderless window on the user's X11 or
// Wayland desktop, input comes from the desktop's events, time from the real clock.
#pragma once

#include "platform/backend/sdl/SdlCursors.h"
#include "platform/backend/sdl/SdlEventTranslator.h"
#include "platform/backend/sdl/SdlLayeredImage.h"
#include "platform/backend/sdl/SdlWindowTable.h"
#include "platform/system/ShellLauncher.h"
#include "platform/window/Backend.h"

#include <atomic>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <thread>

class SdlBackend final : public Backend, private SdlEventContext {
public:
    // Starts the desktop's video on the calling thread, which must be the UI thread; nullptr with
    // the desktop's reason when there is no display to show windows on.
    static std::unique_ptr<SdlBackend> Open(std::string* error);
    ~SdlBackend() override;
    SdlBackend(const SdlBackend&) = delete;
    SdlBackend& operator=(const SdlBackend&) = delete;

    void Attach(InputSink* sink) override;
    void Detach() override;
    Clock& GetClock() override { return FClock; }
    TSize ScreenSize() const override { return FScreen; }
    TRect WorkArea() const override { return FWorkArea; }

    void WaitForInput(std::uint64_t deadlineMs) override;
    void Wake() override;

    void TopLevelChanged(HWND topLevel, TTopLevelChange change, const TTopLevelState& state) override;
    void Present(HWND topLevel, const Bitmap& image, const Region& dirty) override;

    void SetCursorShape(int idc) override { FCursors.Show(idc); }
    void MoveCursor(TPoint screen) override;
    void SetClipboardText(const std::string& text) override;
    std::string GetClipboardText() override;
    // The desktop's opener takes no show command: the opened program shows itself as it likes.
    bool ShellOpen(const std::string& target, int) override { return FShell.Open(target); }
    bool CaptureScreen(Bitmap& out) override;

private:
    SdlBackend();

    std::optional<TSdlPlace> Place(std::uint32_t windowId) const override;
    std::optional<TPoint> PointerNow() const override;
    void DesktopFocused(HWND window) override;

    void Dispatch(const SDL_Event& e);
    void ReadDisplay();
    // Our capture (SetCapture) holds the desktop's pointer too, so drags and menus see it leave.
    void FollowCapture();
    // The active window we made becomes the desktop's focused one.
    void FollowActivation();
    void AskFocus(HWND hwnd, SdlWindowTable::TEntry& entry);
    void KeepBareFocus(HWND shown);
    // image is nullptr when the window is recomposed because what lies below it changed.
    void PresentLayered(HWND hwnd, SdlWindowTable::TEntry& entry, const Bitmap* image, const Region& dirty);
    bool PresentToCompositor(HWND hwnd, SdlWindowTable::TEntry& entry, const Bitmap* image, const Region& dirty);
    void MarkLayeredAbove(HWND hwnd);
    // Keeps the screen's pixels under a layered window that is about to be shown, so that its
    // see-through parts can be composed over what really lies there.
    void CaptureBeneath(HWND hwnd, const TRect& bounds);
    void RecomposeStale();
    void SurfaceLost(HWND hwnd);

    RealClock FClock;
    std::thread::id FUiThread;
    SDL_Window* FAnchor = nullptr; // hidden: names the display and lets other threads wake us
    std::uint32_t FWakeEvent = 0;
    std::atomic<bool> FWoken{false};
    std::atomic<bool> FWakePosted{false};

    InputSink* FSink = nullptr;
    std::unique_ptr<SdlEventTranslator> FTranslator;
    SdlWindowTable FWindows;
    SdlCursors FCursors;
    ShellLauncher FShell;
    TSize FScreen{1280, 1024};
    TRect FWorkArea{0, 0, 1280, 1024};
    bool FCompositor = false;
    unsigned long FAlphaVisual = 0; // where a compositing manager blends per-pixel alpha
    bool FNoWindowManager = false; // bare X server (Xvfb, kiosks): we give the keyboard focus
    bool FCaptured = false;
    HWND FDesktopActive = nullptr;
    // The window we last asked the desktop to focus, while the answer may still be on its way:
    // focus events until then are echoes of our own earlier requests, not the user's doing.
    HWND FFocusAsked = nullptr;
    std::uint64_t FFocusAskedAt = 0;
    std::set<HWND> FStale; // layered windows we compose whose pixels are out of date
    std::map<HWND, TSdlBeneath> FBeneath; // what lay under the shown layered windows we compose
    std::map<HWND, SdlLayeredImage> FComposed; // their last composition
};
