// Translation of desktop key codes into the virtual-key codes our messages carry.
#pragma once

#include <SDL_keyboard.h>

class SdlKeyMap {
public:
    // The VK_* code of a key, 0 for keys we have no code for. Letters and digits follow the
    // keyboard layout where it types Latin ones and the key's position where it does not, as do
    // the punctuation keys (VK_OEM_*); left
    // and right modifiers both give the generic code; the keypad gives digits while Num Lock is
    // on and the navigation keys while it is off.
    static unsigned ToVk(const SDL_Keysym& key);

private:
    static unsigned FromKeycode(SDL_Keycode sym);
    static unsigned FromScancode(SDL_Scancode code);
    // The punctuation keys by their place (where Russian and other layouts have letters).
    static unsigned FromPunctuationPlace(SDL_Scancode code);
    static unsigned FromKeypad(SDL_Scancode code, bool numLock);
};
