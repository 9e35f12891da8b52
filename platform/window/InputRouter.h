// Turns the back end's raw input into window messages on the UI thread: mouse routing by hit test
// (capture first), click activation, cursor shape, double clicks, leave tracking and keyboard.
#pragma once

#include "platform/window/InputQueue.h"
#include "platform/window/Window.h"

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

class WindowSystem;

class InputRouter {
public:
    explicit InputRouter(WindowSystem& ws) : FWs(ws) {}

    // Handles one raw event; messages it makes are posted to the queue.
    void Process(const TInputEvent& e);

    // The window under a screen point and its hit-test code: top-level windows top to bottom,
    // children top to bottom, each window asked with WM_NCHITTEST; HTTRANSPARENT passes the point
    // on to the window below; a disabled window answers HTERROR without being asked.
    std::pair<HWND, int> HitTest(TPoint screen);

    TPoint CursorPos() const { return FCursor; }
    void SetCursorPos(TPoint p);
    void SetClip(const std::optional<TRect>& clip);
    std::optional<TRect> Clip() const { return FClip; }
    HCURSOR SetCursor(HCURSOR cursor);
    HCURSOR Cursor() const { return FCursorShape; }

    bool Track(const TRACKMOUSEEVENT& tme);
    void QueryTracking(TRACKMOUSEEVENT& tme) const;
    void ForgetWindow(HWND hwnd);
    // When the hover being tracked is due, Backend::kNoDeadline when none is.
    std::uint64_t HoverDue() const;
    // Posts the hover message once it is due; the message loop calls it before it looks further.
    void CheckHover(std::uint64_t now);

    bool KeyDown(int vk) const { return (FKeys[static_cast<std::size_t>(vk & 0xFF)] & 0x80) != 0; }
    bool KeyToggled(int vk) const { return (FKeys[static_cast<std::size_t>(vk & 0xFF)] & 0x01) != 0; }
    // What the keyboard layout typed with the key at its last press, 0 when the back end did not
    // say (the key's code then names its letter).
    char32_t KeyCharacter(int vk) const { return FKeyCharacters[static_cast<std::size_t>(vk & 0xFF)]; }
    // MK_* flags of the buttons and modifier keys held now.
    WPARAM MouseKeyFlags() const;

private:
    void MouseEvent(UINT clientMsg, TPoint screen, WPARAM extra);
    void UpdateTracking(HWND target, int ht);
    void UpdateHover(HWND target, int ht);
    void StartHover(HWND hwnd, DWORD flags, DWORD time);
    bool IsDoubleClick(HWND target, UINT clientMsg, int ht, TPoint screen);
    void KeyEvent(UINT vk, bool down, char32_t character);
    void NoteCharacterSource(UINT vk, bool down, HWND target);
    void TextEvent(const std::string& utf8);
    HWND KeyboardTarget() const;
    void Post(HWND hwnd, UINT msg, WPARAM w, LPARAM l, TPoint pt);
    TPoint Confine(TPoint p) const;

    WindowSystem& FWs;
    TPoint FCursor;
    std::optional<TRect> FClip;
    HCURSOR FCursorShape = nullptr;
    std::array<std::uint8_t, 256> FKeys{};
    std::array<char32_t, 256> FKeyCharacters{};
    bool FAltUsedWithKey = false;
    // The window of the last key-down whose character has not come yet.
    HWND FCharTarget = nullptr;
    UINT FCharKey = 0;
    bool FCharPending = false;

    HWND FTrackWindow = nullptr;
    DWORD FTrackFlags = 0;

    HWND FHoverWindow = nullptr;
    bool FHoverNonClient = false;
    DWORD FHoverTime = 0;
    std::uint64_t FHoverDue = 0;
    TPoint FHoverOrigin;         // where the pointer came to rest (screen)

    HWND FLastClickWindow = nullptr;
    UINT FLastClickMsg = 0;
    int FLastClickHt = 0;
    TPoint FLastClickPos;
    std::uint64_t FLastClickTime = 0;
    bool FLastClickValid = false;
};
