// Real windows: which kind of desktop window each of ours becomes, and the pixels it shows.
#include "platform/backend/sdl/SdlTopLevel.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace {
TTopLevelState State(bool popup, bool layered = false, bool tool = false, bool topMost = false) {
    TTopLevelState s;
    s.Bounds = {10, 20, 110, 70};
    s.Popup = popup;
    s.Layered = layered;
    s.ToolWindow = tool;
    s.TopMost = topMost;
    return s;
}

constexpr std::uint32_t kKinds = SDL_WINDOW_POPUP_MENU | SDL_WINDOW_TOOLTIP;
} // namespace

TEST(SdlTopLevelFlags, CaptionlessPopupsAreTheDesktopsPopupsOutOfTheTaskBar) {
    std::uint32_t menu = SdlTopLevel::CreationFlags(State(true), false, true);
    EXPECT_EQ(menu & kKinds, std::uint32_t(SDL_WINDOW_POPUP_MENU));
    EXPECT_TRUE(menu & SDL_WINDOW_SKIP_TASKBAR);
    std::uint32_t hint = SdlTopLevel::CreationFlags(State(true, true), false, false);
    EXPECT_EQ(hint & kKinds, std::uint32_t(SDL_WINDOW_TOOLTIP));
    EXPECT_TRUE(hint & SDL_WINDOW_SKIP_TASKBAR);
}

TEST(SdlTopLevelFlags, CaptionedWindowsAreOrdinaryAndOnlyOwnersAreInTheTaskBar) {
    std::uint32_t main = SdlTopLevel::CreationFlags(State(false), true, false);
    std::uint32_t dialog = SdlTopLevel::CreationFlags(State(true), true, true);
    std::uint32_t tool = SdlTopLevel::CreationFlags(State(false, false, true), true, false);
    EXPECT_EQ(main & (kKinds | SDL_WINDOW_SKIP_TASKBAR), 0u);
    EXPECT_EQ(dialog & kKinds, 0u); // a dialog takes activation like any window
    EXPECT_TRUE(dialog & SDL_WINDOW_SKIP_TASKBAR);
    EXPECT_TRUE(tool & SDL_WINDOW_SKIP_TASKBAR);
    for (std::uint32_t f : {main, dialog, tool}) {
        EXPECT_TRUE(f & SDL_WINDOW_BORDERLESS); // the frame is ours
        EXPECT_TRUE(f & SDL_WINDOW_HIDDEN);     // shown when we show it
        EXPECT_FALSE(f & SDL_WINDOW_ALWAYS_ON_TOP);
    }
    EXPECT_TRUE(SdlTopLevel::CreationFlags(State(false, false, false, true), true, false) &
                SDL_WINDOW_ALWAYS_ON_TOP);
}

// The off-screen video driver gives real window surfaces without a display; in software, as the
// back end asks for them.
class SdlTopLevelPixels : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    }
    void TearDown() override { SDL_QuitSubSystem(SDL_INIT_VIDEO); }

    static TColor SurfacePixel(SDL_Surface* s, int x, int y) {
        Uint32 p = 0;
        std::memcpy(&p, static_cast<std::uint8_t*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel,
                    s->format->BytesPerPixel);
        Uint8 r = 0, g = 0, b = 0;
        SDL_GetRGB(p, s->format, &r, &g, &b);
        return RGB(r, g, b);
    }
    static Bitmap Pattern(bool bottomUp) {
        Bitmap b(100, 50, TPixelFormat::pf24bit, bottomUp);
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 100; ++x) b.SetPixel(x, y, RGB(x * 2, y * 5, (x + y) % 256));
        return b;
    }
    void ExpectPresented(bool bottomUp) {
        SdlTopLevel w(State(false), SdlTopLevel::CreationFlags(State(false), true, false));
        ASSERT_TRUE(w.Valid());
        SDL_Surface* s = SDL_GetWindowSurface(w.Handle());
        ASSERT_NE(s, nullptr);
        Bitmap plain(100, 50);
        plain.Fill(RGB(1, 2, 3));
        w.Present(plain, Region());
        Bitmap image = Pattern(bottomUp);
        Region dirty = Region::FromRects({{5, 5, 30, 20}, {60, 10, 100, 50}});
        w.Present(image, dirty);
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 100; ++x) {
                TColor want = dirty.Contains({x, y}) ? image.Pixel(x, y) : RGB(1, 2, 3);
                ASSERT_EQ(SurfacePixel(s, x, y), want) << x << "," << y;
            }
    }
};

TEST_F(SdlTopLevelPixels, OnlyTheDirtyPartIsCopiedWithColoursIntact) {
    ExpectPresented(false);
}

TEST_F(SdlTopLevelPixels, BottomUpBitmapsArriveTheRightWayUp) {
    ExpectPresented(true);
}

TEST_F(SdlTopLevelPixels, AFreshOrResizedWindowGetsTheWholeImageWhateverIsDirty) {
    // The real window's surface starts blank; copying only the dirty part would leave the rest so.
    SdlTopLevel w(State(false), SdlTopLevel::CreationFlags(State(false), true, false));
    SDL_Surface* s = SDL_GetWindowSurface(w.Handle());
    ASSERT_NE(s, nullptr);
    Bitmap image = Pattern(false);
    w.Present(image, Region(TRect{0, 0, 1, 1}));
    EXPECT_EQ(SurfacePixel(s, 90, 40), image.Pixel(90, 40));
    Bitmap plain(100, 50);
    plain.Fill(RGB(1, 2, 3));
    w.Present(plain, Region(TRect{0, 0, 1, 1}));
    EXPECT_EQ(SurfacePixel(s, 90, 40), image.Pixel(90, 40)) << "afterwards only the dirty part";
    w.SurfaceLost();
    s = SDL_GetWindowSurface(w.Handle());
    w.Present(plain, Region(TRect{0, 0, 1, 1}));
    EXPECT_EQ(SurfacePixel(s, 90, 40), RGB(1, 2, 3));
}

TEST_F(SdlTopLevelPixels, ManyDirtyPiecesStillCopyEveryOne) {
    SdlTopLevel w(State(false), SdlTopLevel::CreationFlags(State(false), true, false));
    SDL_Surface* s = SDL_GetWindowSurface(w.Handle());
    ASSERT_NE(s, nullptr);
    Bitmap image = Pattern(false);
    std::vector<TRect> pieces;
    for (int i = 0; i < 40; ++i)
        pieces.push_back({(i % 10) * 10, (i / 10) * 12, (i % 10) * 10 + 3, (i / 10) * 12 + 2});
    w.Present(image, Region::FromRects(pieces));
    for (const TRect& r : pieces)
        EXPECT_EQ(SurfacePixel(s, r.Left + 1, r.Top + 1), image.Pixel(r.Left + 1, r.Top + 1));
}
