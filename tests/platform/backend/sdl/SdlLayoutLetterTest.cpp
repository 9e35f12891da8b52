// Alt with a key of a layout in another script (Russian): the system character the window gets is
// the layout's letter, so that mnemonics of Cyrillic captions work on the desktop.
#include "platform/backend/sdl/SdlEventTranslator.h"
#include "tests/platform/window/WindowTestFixture.h"

#include <SDL_keycode.h>

#include <memory>

namespace {
class NoPlaces final : public SdlEventContext {
public:
    std::optional<TSdlPlace> Place(std::uint32_t) const override { return std::nullopt; }
    std::optional<TPoint> PointerNow() const override { return std::nullopt; }
    void DesktopFocused(HWND) override {}
};

class SdlLayoutLetterTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Translator = std::make_unique<SdlEventTranslator>(Input(), Places);
        Target = Child(Top("form", 0, 0, 300, 200), 0, 0, 50, 20);
        SetFocus(Target);
        Pump();
    }
    void TearDown() override {
        Translator.reset();
        WindowTest::TearDown();
    }
    void Press(SDL_Scancode code, SDL_Keycode sym, Uint16 mod, bool down) {
        SDL_Event e{};
        e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        e.key.keysym.scancode = code;
        e.key.keysym.sym = sym;
        e.key.keysym.mod = mod;
        Translator->Translate(e);
    }
    // Alt held, the key pressed and released, Alt released: the system characters the window got.
    std::vector<WPARAM> AltWith(SDL_Scancode code, SDL_Keycode sym) {
        Log.clear();
        Press(SDL_SCANCODE_LALT, SDLK_LALT, KMOD_LALT, true);
        Press(code, sym, KMOD_LALT, true);
        Press(code, sym, KMOD_LALT, false);
        Press(SDL_SCANCODE_LALT, SDLK_LALT, KMOD_NONE, false);
        Pump();
        std::vector<WPARAM> chars;
        for (const TRecorded& r : Log)
            if (r.Hwnd == Target && r.Msg == WM_SYSCHAR) chars.push_back(r.WParam);
        return chars;
    }

    NoPlaces Places;
    std::unique_ptr<SdlEventTranslator> Translator;
    HWND Target = nullptr;
};

constexpr SDL_Keycode kCyrillicI = 0x438;  // и, on the key of the Latin B
constexpr SDL_Keycode kCyrillicYo = 0x451; // ё, on the key of the grave accent
} // namespace

TEST_F(SdlLayoutLetterTest, AltWithACyrillicLetterGivesThatLetterNotTheLatinOneOfItsPlace) {
    EXPECT_EQ(AltWith(SDL_SCANCODE_B, kCyrillicI), (std::vector<WPARAM>{0x438}));
    EXPECT_EQ(AltWith(SDL_SCANCODE_GRAVE, kCyrillicYo), (std::vector<WPARAM>{0x451}))
        << "a letter on a key whose code is no letter at all";
}

TEST_F(SdlLayoutLetterTest, AltWithLatinLettersAndDigitsKeepsTheKeysOwnCharacter) {
    EXPECT_EQ(AltWith(SDL_SCANCODE_F, SDLK_f), (std::vector<WPARAM>{'f'}));
    EXPECT_EQ(AltWith(SDL_SCANCODE_2, SDLK_2), (std::vector<WPARAM>{'2'}));
    EXPECT_EQ(AltWith(SDL_SCANCODE_B, kCyrillicI), (std::vector<WPARAM>{0x438}));
    EXPECT_EQ(AltWith(SDL_SCANCODE_B, SDLK_b), (std::vector<WPARAM>{'b'}))
        << "back on a Latin layout the same key is the Latin letter again";
}
