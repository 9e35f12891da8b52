// Turns desktop events into the window system's raw input: pointer, wheel, keys, text, and the
// desktop's focus, minimise and close requests for our windows.
#pragma once

#include "platform/window/Backend.h"

#include <SDL_events.h>
#include <SDL_version.h>

#include <cstdint>
#include <optional>

// What the translator knows of the real window an event came from.
struct TSdlPlace {
    HWND Window = nullptr;
    TPoint Origin;          // where our window system has it on the screen
    bool Popup = false;     // never activated by the desktop's focus
    bool Minimized = false; // as our window system has it
};

class SdlEventContext {
public:
    virtual ~SdlEventContext() = default;
    // Our window behind a real window, nullopt for windows that are not ours.
    virtual std::optional<TSdlPlace> Place(std::uint32_t windowId) const = 0;
    // The pointer in screen coordinates, read from the desktop at once; nullopt when it cannot
    // tell. Used while a button is held, when our window may be moving under the pointer.
    virtual std::optional<TPoint> PointerNow() const = 0;
    // The desktop gave the keyboard focus to one of our (non-popup) windows.
    virtual void DesktopFocused(HWND window) = 0;
};

class SdlEventTranslator {
public:
    SdlEventTranslator(InputSink& sink, SdlEventContext& context) : FSink(sink), FContext(context) {}

    void Translate(const SDL_Event& e);
    // Our window system holds the pointer (SetCapture): the desktop's events then come clamped to
    // the grabbing window, so the pointer's place is asked of the desktop as while a button is held.
    void SetCaptured(bool captured) { FCaptured = captured; }
    // After a run of events: focus that left our windows without coming back to one of them
    // deactivates the application. Focus moving between two of our windows is no deactivation.
    void EndBatch();

private:
    void Motion(const SDL_MouseMotionEvent& e);
    void Button(const SDL_MouseButtonEvent& e);
    void Wheel(const SDL_MouseWheelEvent& e);
    void KeyEvent(const SDL_KeyboardEvent& e);
    void TextEvent(const SDL_TextInputEvent& e);
    void WindowEvent(const SDL_WindowEvent& e);
    void FocusGained(const TSdlPlace& place);
    TPoint ScreenPoint(const TSdlPlace& place, int x, int y, bool held) const;

    InputSink& FSink;
    SdlEventContext& FContext;
    std::uint16_t FMods = KMOD_NONE;
    bool FCaptured = false;
    bool FAppActive = false;
    bool FFocusLeft = false;
    TPoint FLastPointer;
};
