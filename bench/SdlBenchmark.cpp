// Presenting on the desktop: what a repaint costs from our backing bitmap to the real window, on
// the X server when there is one (Xvfb will do), else on the video's off-screen driver. The
// frame budget is 16 ms for the whole message-to-screen path; the present is a small part of it.
#include "platform/backend/sdl/SdlTopLevel.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {
// The video for one benchmark's lifetime, with a shown window of the given size.
struct TSession {
    std::unique_ptr<SdlTopLevel> Window;
    Bitmap Image;
    TSession(int width, int height) : Image(width, height) {
        if (!std::getenv("DISPLAY")) setenv("SDL_VIDEODRIVER", "offscreen", 1);
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        SDL_InitSubSystem(SDL_INIT_VIDEO);
        TTopLevelState s;
        s.Bounds = {20, 20, 20 + width, 20 + height};
        s.Visible = true;
        Window = std::make_unique<SdlTopLevel>(s, SdlTopLevel::CreationFlags(s, true, false));
        Window->Apply(s);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) Image.SetPixel(x, y, RGB(x & 255, y & 255, (x ^ y) & 255));
    }
    ~TSession() {
        Window.reset();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
};

// A whole main window (after a resize or a skin change).
void BM_PresentWholeWindow(benchmark::State& state) {
    TSession s(480, 400);
    Region all(TRect{0, 0, 480, 400});
    for (auto _ : state) s.Window->Present(s.Image, all);
    state.SetLabel(SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "?");
}
BENCHMARK(BM_PresentWholeWindow)->Unit(benchmark::kMicrosecond);

// One board cell repainted (a hover or a pressed cell).
void BM_PresentOneCell(benchmark::State& state) {
    TSession s(480, 400);
    Region cell(TRect{200, 150, 240, 190});
    for (auto _ : state) s.Window->Present(s.Image, cell);
    state.SetLabel(SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "?");
}
BENCHMARK(BM_PresentOneCell)->Unit(benchmark::kMicrosecond);
} // namespace
