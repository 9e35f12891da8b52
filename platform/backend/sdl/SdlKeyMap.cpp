// Key translation.
#include "platform/backend/sdl/SdlKeyMap.h"
#include "platform/window/VirtualKeys.h"

unsigned SdlKeyMap::FromKeycode(SDL_Keycode sym) {
    if (sym >= SDLK_a && sym <= SDLK_z) return 'A' + static_cast<unsigned>(sym - SDLK_a);
    if (sym >= SDLK_0 && sym <= SDLK_9) return '0' + static_cast<unsigned>(sym - SDLK_0);
    switch (sym) {
    case SDLK_RETURN:
        return VK_RETURN;
    case SDLK_ESCAPE:
        return VK_ESCAPE;
    case SDLK_BACKSPACE:
        return VK_BACK;
    case SDLK_TAB:
        return VK_TAB;
    case SDLK_SPACE:
        return VK_SPACE;
    case SDLK_HOME:
        return VK_HOME;
    case SDLK_END:
        return VK_END;
    case SDLK_PAGEUP:
        return VK_PRIOR;
    case SDLK_PAGEDOWN:
        return VK_NEXT;
    case SDLK_INSERT:
        return VK_INSERT;
    case SDLK_DELETE:
        return VK_DELETE;
    case SDLK_LEFT:
        return VK_LEFT;
    case SDLK_RIGHT:
        return VK_RIGHT;
    case SDLK_UP:
        return VK_UP;
    case SDLK_DOWN:
        return VK_DOWN;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
        return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
        return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT:
        return VK_MENU;
    case SDLK_LGUI:
        return VK_LWIN;
    case SDLK_RGUI:
        return VK_RWIN;
    case SDLK_APPLICATION:
        return VK_APPS;
    case SDLK_CAPSLOCK:
        return VK_CAPITAL;
    case SDLK_NUMLOCKCLEAR:
        return VK_NUMLOCK;
    case SDLK_SCROLLLOCK:
        return VK_SCROLL;
    case SDLK_PAUSE:
        return VK_PAUSE;
    case SDLK_PRINTSCREEN:
        return VK_SNAPSHOT;
    default:
        break;
    }
    if (sym >= SDLK_F1 && sym <= SDLK_F12) return VK_F1 + static_cast<unsigned>(sym - SDLK_F1);
    return 0;
}

// Keys whose layout gives no Latin letter or digit (a Cyrillic layout) keep the code of their place.
unsigned SdlKeyMap::FromScancode(SDL_Scancode code) {
    if (code >= SDL_SCANCODE_A && code <= SDL_SCANCODE_Z)
        return 'A' + static_cast<unsigned>(code - SDL_SCANCODE_A);
    if (code >= SDL_SCANCODE_1 && code <= SDL_SCANCODE_9)
        return '1' + static_cast<unsigned>(code - SDL_SCANCODE_1);
    if (code == SDL_SCANCODE_0) return '0';
    return FromPunctuationPlace(code);
}

unsigned SdlKeyMap::FromPunctuationPlace(SDL_Scancode code) {
    switch (code) {
    case SDL_SCANCODE_SEMICOLON: return VK_OEM_1;
    case SDL_SCANCODE_EQUALS: return VK_OEM_PLUS;
    case SDL_SCANCODE_COMMA: return VK_OEM_COMMA;
    case SDL_SCANCODE_MINUS: return VK_OEM_MINUS;
    case SDL_SCANCODE_PERIOD: return VK_OEM_PERIOD;
    case SDL_SCANCODE_SLASH: return VK_OEM_2;
    case SDL_SCANCODE_GRAVE: return VK_OEM_3;
    case SDL_SCANCODE_LEFTBRACKET: return VK_OEM_4;
    case SDL_SCANCODE_BACKSLASH: return VK_OEM_5;
    case SDL_SCANCODE_RIGHTBRACKET: return VK_OEM_6;
    case SDL_SCANCODE_APOSTROPHE: return VK_OEM_7;
    default: return 0;
    }
}

unsigned SdlKeyMap::FromKeypad(SDL_Scancode code, bool numLock) {
    switch (code) {
    case SDL_SCANCODE_KP_ENTER:
        return VK_RETURN;
    case SDL_SCANCODE_KP_PLUS:
        return VK_ADD;
    case SDL_SCANCODE_KP_MINUS:
        return VK_SUBTRACT;
    case SDL_SCANCODE_KP_MULTIPLY:
        return VK_MULTIPLY;
    case SDL_SCANCODE_KP_DIVIDE:
        return VK_DIVIDE;
    default:
        break;
    }
    // Keypad scancodes run 1..9 then 0, then the decimal point.
    if (code == SDL_SCANCODE_KP_PERIOD) return numLock ? VK_DECIMAL : VK_DELETE;
    if (code < SDL_SCANCODE_KP_1 || code > SDL_SCANCODE_KP_0) return 0;
    int digit = code == SDL_SCANCODE_KP_0 ? 0 : 1 + (code - SDL_SCANCODE_KP_1);
    if (numLock) return VK_NUMPAD0 + static_cast<unsigned>(digit);
    static constexpr unsigned kNavigation[10] = {VK_INSERT, VK_END,   VK_DOWN, VK_NEXT, VK_LEFT,
                                                 VK_CLEAR,  VK_RIGHT, VK_HOME, VK_UP,   VK_PRIOR};
    return kNavigation[digit];
}

unsigned SdlKeyMap::ToVk(const SDL_Keysym& key) {
    bool keypad = key.scancode >= SDL_SCANCODE_KP_DIVIDE && key.scancode <= SDL_SCANCODE_KP_PERIOD;
    if (keypad) return FromKeypad(key.scancode, (key.mod & KMOD_NUM) != 0);
    if (unsigned vk = FromKeycode(key.sym)) return vk;
    return FromScancode(key.scancode);
}
