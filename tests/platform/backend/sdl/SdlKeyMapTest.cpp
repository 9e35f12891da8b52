// Desktop keys to virtual-key codes: layouts, modifiers, the keypad with and without Num Lock.
#include "platform/backend/sdl/SdlKeyMap.h"
#include "platform/window/VirtualKeys.h"

#include <gtest/gtest.h>

namespace {
SDL_Keysym Key(SDL_Scancode code, SDL_Keycode sym, Uint16 mod = KMOD_NONE) {
    SDL_Keysym k{};
    k.scancode = code;
    k.sym = sym;
    k.mod = mod;
    return k;
}
} // namespace

TEST(SdlKeyMap, LettersAndDigitsFollowTheLayoutWhereItTypesLatin) {
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_A, SDLK_a)), unsigned('A'));
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_Z, SDLK_z)), unsigned('Z'));
    // A French layout: the key in the Q place types 'a', and Win32 gives VK 'A' for it.
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_Q, SDLK_a)), unsigned('A'));
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_0, SDLK_0)), unsigned('0'));
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_9, SDLK_9)), unsigned('9'));
}

TEST(SdlKeyMap, NonLatinLayoutsKeepTheCodeOfTheKeysPlace) {
    // A Cyrillic layout: the Q key types U+0439, the 1 key types a digit-less symbol.
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_Q, 0x0439)), unsigned('Q'));
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_M, 0x044C)), unsigned('M'));
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_1, 0x2116)), unsigned('1'));
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_0, 0x2116)), unsigned('0'));
}

TEST(SdlKeyMap, PunctuationKeysAreKnownByTheirPlaceWhateverTheyType) {
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_GRAVE, SDLK_BACKQUOTE)), VK_OEM_3);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_GRAVE, 0x0451)), VK_OEM_3) << "ё on a Russian layout";
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_SEMICOLON, 0x0436)), VK_OEM_1) << "ж";
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_COMMA, 0x0431)), VK_OEM_COMMA) << "б";
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_APOSTROPHE, 0x044D)), VK_OEM_7) << "э";
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_LEFTBRACKET, 0x0445)), VK_OEM_4) << "х";
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_MINUS, SDLK_MINUS)), VK_OEM_MINUS);
}

TEST(SdlKeyMap, EditingNavigationAndFunctionKeys) {
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_RETURN, SDLK_RETURN)), VK_RETURN);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE)), VK_ESCAPE);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_TAB, SDLK_TAB)), VK_TAB);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_BACKSPACE, SDLK_BACKSPACE)), VK_BACK);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_SPACE, SDLK_SPACE)), VK_SPACE);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_PAGEUP, SDLK_PAGEUP)), VK_PRIOR);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_PAGEDOWN, SDLK_PAGEDOWN)), VK_NEXT);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_INSERT, SDLK_INSERT)), VK_INSERT);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_DELETE, SDLK_DELETE)), VK_DELETE);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_LEFT, SDLK_LEFT)), VK_LEFT);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_DOWN, SDLK_DOWN)), VK_DOWN);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_F1, SDLK_F1)), VK_F1);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_F4, SDLK_F4)), VK_F4);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_F12, SDLK_F12)), VK_F12);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_F13, SDLK_F13)), 0u);
}

TEST(SdlKeyMap, LeftAndRightModifiersGiveTheGenericCode) {
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_LSHIFT, SDLK_LSHIFT)), VK_SHIFT);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_RSHIFT, SDLK_RSHIFT)), VK_SHIFT);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_LCTRL, SDLK_LCTRL)), VK_CONTROL);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_RCTRL, SDLK_RCTRL)), VK_CONTROL);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_LALT, SDLK_LALT)), VK_MENU);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_RALT, SDLK_RALT)), VK_MENU);
}

TEST(SdlKeyMap, KeypadGivesDigitsWithNumLockAndNavigationWithout) {
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_KP_0, SDLK_KP_0, KMOD_NUM)), VK_NUMPAD0);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_KP_1, SDLK_KP_1, KMOD_NUM)), VK_NUMPAD0 + 1);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_KP_9, SDLK_KP_9, KMOD_NUM)), VK_NUMPAD9);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_KP_PERIOD, SDLK_KP_PERIOD, KMOD_NUM)), VK_DECIMAL);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_KP_7, SDLK_HOME)), VK_HOME);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_KP_8, SDLK_UP)), VK_UP);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_KP_3, SDLK_PAGEDOWN)), VK_NEXT);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_KP_0, SDLK_INSERT)), VK_INSERT);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_KP_5, SDLK_KP_5)), VK_CLEAR);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_KP_PERIOD, SDLK_DELETE)), VK_DELETE);
    // Keys that mean the same with Num Lock on or off.
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER)), VK_RETURN);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_KP_PLUS, SDLK_KP_PLUS, KMOD_NUM)), VK_ADD);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_KP_MINUS, SDLK_KP_MINUS)), VK_SUBTRACT);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_KP_MULTIPLY, SDLK_KP_MULTIPLY)), VK_MULTIPLY);
    EXPECT_EQ(SdlKeyMap::ToVk(Key(SDL_SCANCODE_KP_DIVIDE, SDLK_KP_DIVIDE)), VK_DIVIDE);
}
