// The seam between the window system and a back end (headless or desktop): what the window
// system asks of a back end, and the input sink through which the back end feeds it.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Geometry.h"
#include "platform/gfx/Region.h"
#include "platform/system/Clock.h"
#include "platform/window/WinTypes.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// How the back end feeds input to the window system. Every call is thread-safe and only queues
// the event (then wakes the UI thread through Backend::Wake); the window system turns queued
// events into messages when the UI thread next looks for messages, so hit testing, capture and
// focus are decided on the UI thread at that moment, as a real desktop does.
// Coordinates are screen pixels; keys are VK_* codes; text is UTF-8 (one WM_CHAR per code point).
class InputSink {
public:
    virtual ~InputSink() = default;
    virtual void MouseMove(int x, int y) = 0;
    virtual void MouseButton(TMouseButton button, bool down, int x, int y) = 0;
    // delta in WHEEL_DELTA units (120 per notch), positive away from the user.
    virtual void MouseWheel(int delta, int x, int y) = 0;
    // character: what the keyboard layout types with the key alone, 0 when it is the letter or
    // digit of the key's code (or nothing); Alt mnemonics of captions in other scripts need it.
    virtual void Key(UINT vk, bool down, char32_t character = 0) = 0;
    virtual void Text(const std::string& utf8) = 0;
    // The application as a whole gained or lost the desktop's focus.
    virtual void AppActivation(bool active) = 0;
    // The desktop minimised or restored a top-level window (task bar, window manager).
    virtual void DesktopMinimize(HWND topLevel, bool minimized) = 0;
    // The desktop asked a top-level window to close (its close box on the desktop's side).
    virtual void DesktopClose(HWND topLevel) = 0;
    // Runs fn on the UI thread the next time it looks for messages (test drivers only).
    virtual void RunOnUi(std::function<void()> fn) = 0;
};

enum class TTopLevelChange {
    tcCreated,
    tcDestroyed,
    tcShown,
    tcHidden,
    tcBounds,   // moved or resized
    tcZOrder,
    tcRegion,
    tcLayered,  // layered attributes or the layered image changed
    tcMinimized,
    tcRestored,
    tcText,
};

// A snapshot of a top-level window as the back end needs it.
struct TTopLevelState {
    TRect Bounds;                // screen coordinates, frame included
    bool Visible = false;
    bool Minimized = false;
    bool Maximized = false;
    bool TopMost = false;
    bool Popup = false;          // WS_POPUP: menus, hints, chooser; no task bar entry
    bool ToolWindow = false;
    bool Layered = false;
    bool DropShadow = false;
    std::optional<Region> Shape; // window coordinates; nullopt = the whole rectangle
    HWND InsertAfter = nullptr;  // the top-level directly above, nullptr = top of the z-order
    std::string Text;
};

// Everything here is called on the UI thread, except Wake (any thread).
class Backend {
public:
    static constexpr std::uint64_t kNoDeadline = std::numeric_limits<std::uint64_t>::max();

    virtual ~Backend() = default;

    // Called once when the window system starts on this back end.
    virtual void Attach(InputSink* sink) = 0;
    virtual void Detach() = 0;

    // Timers, waits and message times run on this clock.
    virtual Clock& GetClock() = 0;
    virtual TSize ScreenSize() const = 0;
    virtual TRect WorkArea() const = 0;

    // Blocks until Wake is called or the clock reaches deadlineMs, whichever comes first;
    // returns at once when Wake was called since the last wait. The UI thread calls it only when
    // it has nothing to do, so a back end may treat "inside WaitForInput" as idle.
    virtual void WaitForInput(std::uint64_t deadlineMs) = 0;
    // Any thread: something was queued on the input sink.
    virtual void Wake() = 0;

    // A top-level window was created, destroyed, shown, moved, ...; state is its new state.
    virtual void TopLevelChanged(HWND topLevel, TTopLevelChange change, const TTopLevelState& state) = 0;
    // The pixels of a top-level window changed inside dirty (window coordinates). image is the
    // window's backing bitmap (24-bit) or, for a layered window set by UpdateLayeredWindow, its
    // 32-bit premultiplied image; it stays valid until the next call for this window.
    virtual void Present(HWND topLevel, const Bitmap& image, const Region& dirty) = 0;

    virtual void SetCursorShape(int idc) = 0;
    // The window system moved the pointer (SetCursorPos, ClipCursor).
    virtual void MoveCursor(TPoint screen) = 0;
    virtual void SetClipboardText(const std::string& text) = 0;
    virtual std::string GetClipboardText() = 0;
    // Opens a file or address with the desktop's default program, showing its window as the
    // SW_* show command asks where the desktop allows; false when it could not.
    virtual bool ShellOpen(const std::string& target, int showCommand) = 0;
    // The screen as the desktop shows it; false lets the window system compose it itself.
    virtual bool CaptureScreen(Bitmap& out) { (void)out; return false; }
};
