// Desktop event translation.
#include "platform/backend/sdl/SdlEventTranslator.h"
#include "platform/backend/sdl/SdlKeyMap.h"

namespace {
// One notch of the wheel in the units our wheel messages carry.
constexpr int kWheelDelta = 120;
} // namespace

void SdlEventTranslator::Translate(const SDL_Event& e) {
    switch (e.type) {
    case SDL_MOUSEMOTION:
        Motion(e.motion);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        Button(e.button);
        break;
    case SDL_MOUSEWHEEL:
        Wheel(e.wheel);
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        KeyEvent(e.key);
        break;
    case SDL_TEXTINPUT:
        TextEvent(e.text);
        break;
    case SDL_WINDOWEVENT:
        WindowEvent(e.window);
        break;
    default:
        break;
    }
}

// Coordinates come relative to the real window; our window system's idea of where that window is
// turns them into screen coordinates, so hit testing matches what the window shows even where
// the desktop placed it elsewhere. While a button is held the window may be moving under the
// pointer (a caption drag), and an event queued before the move would be off by the step:
// then the desktop's own pointer position is the better one.
TPoint SdlEventTranslator::ScreenPoint(const TSdlPlace& place, int x, int y, bool held) const {
    if (held || FCaptured)
        if (std::optional<TPoint> now = FContext.PointerNow()) return *now;
    return {place.Origin.X + x, place.Origin.Y + y};
}

void SdlEventTranslator::Motion(const SDL_MouseMotionEvent& e) {
    std::optional<TSdlPlace> place = FContext.Place(e.windowID);
    if (!place) return;
    FLastPointer = ScreenPoint(*place, e.x, e.y, e.state != 0);
    FSink.MouseMove(FLastPointer.X, FLastPointer.Y);
}

void SdlEventTranslator::Button(const SDL_MouseButtonEvent& e) {
    std::optional<TSdlPlace> place = FContext.Place(e.windowID);
    if (!place) return;
    TMouseButton button;
    switch (e.button) {
    case SDL_BUTTON_LEFT:
        button = TMouseButton::mbLeft;
        break;
    case SDL_BUTTON_RIGHT:
        button = TMouseButton::mbRight;
        break;
    case SDL_BUTTON_MIDDLE:
        button = TMouseButton::mbMiddle;
        break;
    default:
        return;
    }
    bool down = e.type == SDL_MOUSEBUTTONDOWN;
    // A release can come far from where the press was, after a drag.
    FLastPointer = ScreenPoint(*place, e.x, e.y, !down);
    FSink.MouseButton(button, down, FLastPointer.X, FLastPointer.Y);
}

void SdlEventTranslator::Wheel(const SDL_MouseWheelEvent& e) {
    std::optional<TSdlPlace> place = FContext.Place(e.windowID);
    if (!place || e.y == 0) return;
    int notches = e.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.y : e.y;
#if SDL_VERSION_ATLEAST(2, 26, 0)
    TPoint at = ScreenPoint(*place, e.mouseX, e.mouseY, false);
#else
    TPoint at = FLastPointer;
#endif
    FSink.MouseWheel(notches * kWheelDelta, at.X, at.Y);
}

// The desktop's key code is the layout's character for keys that type one; a Latin one is the
// key code's own letter, any other (Cyrillic) travels with the key, since no text event comes
// while Alt is held.
void SdlEventTranslator::KeyEvent(const SDL_KeyboardEvent& e) {
    FMods = e.keysym.mod;
    const SDL_Keycode sym = e.keysym.sym;
    const bool ownScript = sym >= 0x80 && !(sym & SDLK_SCANCODE_MASK);
    const char32_t character = ownScript ? static_cast<char32_t>(sym) : 0;
    if (unsigned vk = SdlKeyMap::ToVk(e.keysym)) FSink.Key(vk, e.type == SDL_KEYDOWN, character);
}

// Left Alt with a key is a menu shortcut (WM_SYSCHAR comes from the key itself) and Ctrl with a
// key a command, so neither types text; right Alt is the layouts' third-level shift and does.
void SdlEventTranslator::TextEvent(const SDL_TextInputEvent& e) {
    bool command = (FMods & KMOD_LALT) || ((FMods & KMOD_CTRL) && !(FMods & KMOD_RALT));
    if (!command && e.text[0]) FSink.Text(e.text);
}

void SdlEventTranslator::FocusGained(const TSdlPlace& place) {
    FFocusLeft = false;
    if (!FAppActive) {
        FAppActive = true;
        FSink.AppActivation(true);
    }
    if (!place.Popup) FContext.DesktopFocused(place.Window);
}

void SdlEventTranslator::WindowEvent(const SDL_WindowEvent& e) {
    std::optional<TSdlPlace> place = FContext.Place(e.windowID);
    if (!place) return;
    switch (e.event) {
    case SDL_WINDOWEVENT_CLOSE:
        FSink.DesktopClose(place->Window);
        break;
    // Our own minimising comes back from the desktop as an event too: pass on changes only.
    case SDL_WINDOWEVENT_MINIMIZED:
        if (!place->Minimized) FSink.DesktopMinimize(place->Window, true);
        break;
    case SDL_WINDOWEVENT_RESTORED:
        if (place->Minimized) FSink.DesktopMinimize(place->Window, false);
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        FocusGained(*place);
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        FFocusLeft = true;
        break;
    default:
        break;
    }
}

void SdlEventTranslator::EndBatch() {
    if (!FFocusLeft) return;
    FFocusLeft = false;
    if (!FAppActive) return;
    FAppActive = false;
    FSink.AppActivation(false);
}
