// The desktop back end without a display (the video's off-screen driver): waking and waiting,
// events reaching the input sink, refusing to start without a desktop, and our windows arriving
// on real windows with their title, place and pixels.
#include "platform/backend/sdl/SdlBackend.h"
#include "platform/window/Win.h"
#include "platform/window/WindowSystem.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <thread>

namespace {
// Keeps an environment variable as it was around a test.
class EnvGuard {
public:
    explicit EnvGuard(const char* name) : FName(name) {
        if (const char* v = std::getenv(name)) FOld = v;
    }
    ~EnvGuard() {
        if (FOld)
            setenv(FName, FOld->c_str(), 1);
        else
            unsetenv(FName);
    }

private:
    const char* FName;
    std::optional<std::string> FOld;
};

class WakingSink final : public InputSink {
public:
    Backend* Owner = nullptr;
    std::vector<UINT> Keys;
    std::vector<TPoint> Moves;
    void MouseMove(int x, int y) override { Moves.push_back({x, y}), Owner->Wake(); }
    void MouseButton(TMouseButton, bool, int, int) override { Owner->Wake(); }
    void MouseWheel(int, int, int) override { Owner->Wake(); }
    void Key(UINT vk, bool down, char32_t) override {
        if (down) Keys.push_back(vk);
        Owner->Wake();
    }
    void Text(const std::string&) override { Owner->Wake(); }
    void AppActivation(bool) override { Owner->Wake(); }
    void DesktopMinimize(HWND, bool) override { Owner->Wake(); }
    void DesktopClose(HWND) override { Owner->Wake(); }
    void RunOnUi(std::function<void()>) override { Owner->Wake(); }
};

class SdlBackendTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        std::string why;
        Backend = SdlBackend::Open(&why);
        ASSERT_NE(Backend, nullptr) << why;
        Sink.Owner = Backend.get();
    }

    EnvGuard Driver{"SDL_VIDEODRIVER"};
    std::unique_ptr<SdlBackend> Backend;
    WakingSink Sink;
};

SDL_Window* RealWindowTitled(const char* title) {
    for (Uint32 id = 1; id < 64; ++id)
        if (SDL_Window* w = SDL_GetWindowFromID(id); w && std::strcmp(SDL_GetWindowTitle(w), title) == 0)
            return w;
    return nullptr;
}
} // namespace

TEST(SdlBackendOpen, WithoutADesktopItSaysWhyAndGivesNothing) {
    EnvGuard display("DISPLAY"), wayland("WAYLAND_DISPLAY"), driver("SDL_VIDEODRIVER");
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("SDL_VIDEODRIVER");
    std::string why;
    EXPECT_EQ(SdlBackend::Open(&why), nullptr);
    EXPECT_NE(why.find("DISPLAY"), std::string::npos) << why;
}

TEST_F(SdlBackendTest, AWakeFromAnotherThreadEndsAWaitWithoutDeadline) {
    Backend->Attach(&Sink);
    std::thread other([&] { Backend->Wake(); });
    Backend->WaitForInput(Backend::kNoDeadline); // would block for ever without the wake
    other.join();
    Backend->WaitForInput(0); // a deadline already passed returns at once
    Backend->Detach();
}

TEST_F(SdlBackendTest, DesktopEventsReachTheSinkDuringTheWait) {
    Backend->Attach(&Sink);
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.scancode = SDL_SCANCODE_F2;
    e.key.keysym.sym = SDLK_F2;
    SDL_PushEvent(&e);
    Backend->WaitForInput(Backend::kNoDeadline);
    EXPECT_EQ(Sink.Keys, std::vector<UINT>{VK_F2});
    Backend->Detach();
}

TEST_F(SdlBackendTest, OurWindowsBecomeRealWindowsWithTitlePlaceAndPixels) {
    WindowSystem::Start(*Backend);
    WNDCLASS wc;
    wc.lpszClassName = "SdlTestFrame";
    wc.hbrBackground = RGB(10, 200, 30);
    RegisterClass(wc);
    HWND top = CreateWindowEx(0, "SdlTestFrame", "Real one", WS_POPUP | WS_VISIBLE, 40, 30, 120, 80, nullptr,
                              nullptr);
    HWND hidden = CreateWindowEx(0, "SdlTestFrame", "Hidden one", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr);
    UpdateWindow(top);
    CaptureScreen(); // flushes what was painted to the back end
    SDL_Window* real = RealWindowTitled("Real one");
    ASSERT_NE(real, nullptr);
    int x = 0, y = 0;
    SDL_GetWindowPosition(real, &x, &y);
    EXPECT_EQ(TPoint(x, y), TPoint(40, 30));
    EXPECT_TRUE(SDL_GetWindowFlags(real) & SDL_WINDOW_SHOWN);
    SDL_Surface* s = SDL_GetWindowSurface(real);
    ASSERT_NE(s, nullptr);
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(*reinterpret_cast<Uint32*>(static_cast<std::uint8_t*>(s->pixels) + 40 * s->pitch + 60 * 4),
               s->format, &r, &g, &b);
    EXPECT_EQ(RGB(r, g, b), RGB(10, 200, 30));
    ASSERT_NE(RealWindowTitled("Hidden one"), nullptr);
    EXPECT_FALSE(SDL_GetWindowFlags(RealWindowTitled("Hidden one")) & SDL_WINDOW_SHOWN);
    MoveWindow(top, 70, 90, 120, 80, TRUE);
    SDL_GetWindowPosition(real, &x, &y);
    EXPECT_EQ(TPoint(x, y), TPoint(70, 90));
    DestroyWindow(hidden);
    EXPECT_EQ(RealWindowTitled("Hidden one"), nullptr);
    WindowSystem::Stop();
    EXPECT_EQ(RealWindowTitled("Real one"), nullptr);
}
