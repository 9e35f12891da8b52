// Desktop events to raw input: coordinates through our window placement, buttons, wheel, keys and
// text with command modifiers, close and minimise requests without echoes, focus and activation.
#include "platform/backend/sdl/SdlEventTranslator.h"
#include "platform/window/VirtualKeys.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {
HWND H(int n) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(n));
}

class RecordingSink final : public InputSink {
public:
    std::vector<std::string> Calls;
    void MouseMove(int x, int y) override { Add("move " + P(x, y)); }
    void MouseButton(TMouseButton b, bool down, int x, int y) override {
        const char* name = b == TMouseButton::mbLeft    ? "left"
                           : b == TMouseButton::mbRight ? "right"
                                                        : "middle";
        Add(std::string(name) + (down ? " down " : " up ") + P(x, y));
    }
    void MouseWheel(int delta, int x, int y) override {
        Add("wheel " + std::to_string(delta) + " " + P(x, y));
    }
    void Key(UINT vk, bool down, char32_t character) override {
        Add("key " + std::to_string(vk) + (down ? " down" : " up") +
            (character ? " typing U+" + std::to_string(static_cast<unsigned>(character)) : ""));
    }
    void Text(const std::string& utf8) override { Add("text " + utf8); }
    void AppActivation(bool active) override { Add(active ? "app active" : "app inactive"); }
    void DesktopMinimize(HWND w, bool m) override { Add((m ? "minimize " : "restore ") + N(w)); }
    void DesktopClose(HWND w) override { Add("close " + N(w)); }
    void RunOnUi(std::function<void()>) override { Add("task"); }

private:
    void Add(const std::string& s) { Calls.push_back(s); }
    static std::string P(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
    static std::string N(HWND w) { return std::to_string(reinterpret_cast<std::uintptr_t>(w)); }
};

class FakeContext final : public SdlEventContext {
public:
    std::map<std::uint32_t, TSdlPlace> Places;
    std::optional<TPoint> Pointer;
    std::vector<HWND> Focused;
    std::optional<TSdlPlace> Place(std::uint32_t id) const override {
        auto it = Places.find(id);
        return it == Places.end() ? std::nullopt : std::optional<TSdlPlace>(it->second);
    }
    std::optional<TPoint> PointerNow() const override { return Pointer; }
    void DesktopFocused(HWND w) override { Focused.push_back(w); }
};

class SdlEventTranslatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        Context.Places[1] = {H(11), {100, 50}, false, false};
        Context.Places[2] = {H(12), {400, 300}, true, false};
    }
    std::vector<std::string> Take() {
        std::vector<std::string> out = std::move(Sink.Calls);
        Sink.Calls.clear();
        return out;
    }
    void Motion(std::uint32_t window, int x, int y, std::uint32_t buttons = 0) {
        SDL_Event e{};
        e.type = SDL_MOUSEMOTION;
        e.motion.windowID = window;
        e.motion.x = x;
        e.motion.y = y;
        e.motion.state = buttons;
        Tr.Translate(e);
    }
    void Button(std::uint32_t window, Uint8 button, bool down, int x, int y) {
        SDL_Event e{};
        e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        e.button.windowID = window;
        e.button.button = button;
        e.button.x = x;
        e.button.y = y;
        Tr.Translate(e);
    }
    void Key(SDL_Scancode code, SDL_Keycode sym, bool down, Uint16 mod) {
        SDL_Event e{};
        e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        e.key.keysym.scancode = code;
        e.key.keysym.sym = sym;
        e.key.keysym.mod = mod;
        Tr.Translate(e);
    }
    void Text(const char* text) {
        SDL_Event e{};
        e.type = SDL_TEXTINPUT;
        std::snprintf(e.text.text, sizeof e.text.text, "%s", text);
        Tr.Translate(e);
    }
    void WindowEvent(std::uint32_t window, Uint8 what) {
        SDL_Event e{};
        e.type = SDL_WINDOWEVENT;
        e.window.windowID = window;
        e.window.event = what;
        Tr.Translate(e);
    }

    RecordingSink Sink;
    FakeContext Context;
    SdlEventTranslator Tr{Sink, Context};
};
} // namespace

TEST_F(SdlEventTranslatorTest, PointerCoordinatesAreScreenCoordinatesOfOurPlacement) {
    Motion(1, 5, 7);
    Motion(2, 0, 0);
    Motion(99, 5, 5); // not one of ours (the hidden anchor window)
    Button(1, SDL_BUTTON_LEFT, true, 10, 20);
    Button(1, SDL_BUTTON_RIGHT, true, 10, 20);
    Button(1, SDL_BUTTON_MIDDLE, true, 10, 20);
    Button(1, SDL_BUTTON_X1, true, 10, 20);
    EXPECT_EQ(Take(), (std::vector<std::string>{"move 105,57", "move 400,300", "left down 110,70",
                                                "right down 110,70", "middle down 110,70"}));
}

TEST_F(SdlEventTranslatorTest, WhileAButtonIsHeldOrWeCaptureTheDesktopsPointerWins) {
    Context.Pointer = TPoint{640, 480};
    Motion(1, 5, 7, SDL_BUTTON_LMASK);
    Button(1, SDL_BUTTON_LEFT, false, -30, 900);
    Motion(1, 5, 7);      // no button: the window's own coordinates
    Tr.SetCaptured(true); // our capture: events come clamped to the grabbing window
    Motion(1, 359, 239);
    Tr.SetCaptured(false);
    Context.Pointer.reset();
    Motion(1, -3, 2, SDL_BUTTON_LMASK); // the desktop cannot tell: relative to the window it is
    EXPECT_EQ(Take(), (std::vector<std::string>{"move 640,480", "left up 640,480", "move 105,57",
                                                "move 640,480", "move 97,52"}));
}

TEST_F(SdlEventTranslatorTest, WheelNotchesBecomeWheelDeltaAwayFromTheUser) {
    SDL_Event e{};
    e.type = SDL_MOUSEWHEEL;
    e.wheel.windowID = 1;
    e.wheel.y = 2;
    e.wheel.mouseX = 4;
    e.wheel.mouseY = 6;
    Tr.Translate(e);
    e.wheel.y = 1;
    e.wheel.direction = SDL_MOUSEWHEEL_FLIPPED;
    Tr.Translate(e);
    e.wheel.y = 0;
    e.wheel.x = 3; // sideways scrolling has no message of ours
    Tr.Translate(e);
    EXPECT_EQ(Take(), (std::vector<std::string>{"wheel 240 104,56", "wheel -120 104,56"}));
}

TEST_F(SdlEventTranslatorTest, KeysPassAndTextIsHeldBackWhileCommandModifiersAreDown) {
    Key(SDL_SCANCODE_A, SDLK_a, true, KMOD_NONE);
    Text("a");
    Key(SDL_SCANCODE_A, SDLK_a, false, KMOD_NONE);
    Key(SDL_SCANCODE_LALT, SDLK_LALT, true, KMOD_LALT);
    Text("f"); // Alt+F is a menu shortcut, not typing
    Key(SDL_SCANCODE_LALT, SDLK_LALT, false, KMOD_NONE);
    Key(SDL_SCANCODE_LCTRL, SDLK_LCTRL, true, KMOD_LCTRL);
    Text("c");
    Key(SDL_SCANCODE_RALT, SDLK_RALT, true, KMOD_LCTRL | KMOD_RALT);
    Text("€");                                        // AltGr seen as Ctrl+right Alt still types
    Key(SDL_SCANCODE_F13, SDLK_F13, true, KMOD_NONE); // no code: nothing
    EXPECT_EQ(Take(), (std::vector<std::string>{"key 65 down", "text a", "key 65 up", "key 18 down",
                                                "key 18 up", "key 17 down", "key 18 down", "text €"}));
}

TEST_F(SdlEventTranslatorTest, CloseAndMinimiseRequestsPassWithoutEchoingOurOwn) {
    WindowEvent(1, SDL_WINDOWEVENT_CLOSE);
    WindowEvent(1, SDL_WINDOWEVENT_MINIMIZED);
    WindowEvent(1, SDL_WINDOWEVENT_RESTORED); // we have it restored already
    Context.Places[1].Minimized = true;       // we minimised it: the desktop's echo
    WindowEvent(1, SDL_WINDOWEVENT_MINIMIZED);
    WindowEvent(1, SDL_WINDOWEVENT_RESTORED);
    WindowEvent(99, SDL_WINDOWEVENT_CLOSE);
    EXPECT_EQ(Take(), (std::vector<std::string>{"close 11", "minimize 11", "restore 11"}));
}

TEST_F(SdlEventTranslatorTest, FocusMovingBetweenOurWindowsKeepsTheApplicationActive) {
    WindowEvent(1, SDL_WINDOWEVENT_FOCUS_GAINED);
    Tr.EndBatch();
    EXPECT_EQ(Take(), (std::vector<std::string>{"app active"}));
    EXPECT_EQ(Context.Focused, (std::vector<HWND>{H(11)}));
    WindowEvent(1, SDL_WINDOWEVENT_FOCUS_LOST);
    WindowEvent(2, SDL_WINDOWEVENT_FOCUS_GAINED); // a popup: no activation of it
    Tr.EndBatch();
    EXPECT_TRUE(Take().empty());
    EXPECT_EQ(Context.Focused.size(), 1u);
    WindowEvent(2, SDL_WINDOWEVENT_FOCUS_LOST);
    Tr.EndBatch();
    WindowEvent(2, SDL_WINDOWEVENT_FOCUS_LOST);
    Tr.EndBatch();
    EXPECT_EQ(Take(), (std::vector<std::string>{"app inactive"}));
    WindowEvent(1, SDL_WINDOWEVENT_FOCUS_GAINED);
    EXPECT_EQ(Take(), (std::vector<std::string>{"app active"}));
}
