// Layered windows composed for a desktop that cannot blend: the blend over our windows below and
// the desktop colour, and the see-through pixels cut out. Also: a pause shows what was drawn.
#include "platform/backend/sdl/SdlLayeredImage.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/window/Compositor.h"
#include "platform/window/Win.h"
#include "platform/window/WindowSystem.h"

#include <gtest/gtest.h>

namespace {
constexpr TColor kKey = RGB(255, 0, 255);

class SdlLayeredImageTest : public ::testing::Test {
protected:
    void SetUp() override {
        WindowSystem::Start(FBackend);
        for (auto [name, colour] : {std::pair{"Red", RGB(255, 0, 0)},
                                    {"Blue", RGB(0, 0, 255)},
                                    {"Key", kKey},
                                    {"Green", RGB(0, 255, 0)},
                                    {"Black", RGB(0, 0, 0)}}) {
            WNDCLASS wc;
            wc.lpszClassName = name;
            wc.hbrBackground = colour;
            RegisterClass(wc);
        }
        Lower = CreateWindowEx(0, "Red", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr);
    }
    void TearDown() override { WindowSystem::Stop(); }
    HWND Layered(const char* cls, int x, int y) {
        return CreateWindowEx(WS_EX_LAYERED, cls, "", WS_POPUP | WS_VISIBLE, x, y, 40, 40, nullptr, nullptr);
    }
    void Paint() {
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&msg);
    }
    static int Blend(int src, int dst, int a) {
        return Compositor::Mul255(src, a) + Compositor::Mul255(dst, 255 - a);
    }

    HeadlessBackend FBackend{{200, 150}};
    HWND Lower = nullptr;
};
} // namespace

TEST_F(SdlLayeredImageTest, OneOpacityBlendsOverOurWindowBelowAndTheDesktopBeyondIt) {
    HWND upper = Layered("Blue", 80, 70); // half over the red window, half over the desktop
    CreateWindowEx(0, "Black", "", WS_CHILD | WS_VISIBLE, 2, 20, 8, 8, upper,
                   nullptr); // dark, not see-through
    SetLayeredWindowAttributes(upper, 0, 128, LWA_ALPHA);
    Paint();
    Bitmap pixels;
    Region solid;
    ASSERT_TRUE(SdlLayeredImage::Compose(upper, pixels, solid));
    ASSERT_EQ(pixels.Size(), (TSize{40, 40}));
    EXPECT_EQ(pixels.Pixel(5, 5), RGB(Blend(0, 255, 128), 0, Blend(255, 0, 128)));
    TColor desk = ColorToRGB(GetSysColor(COLOR_BACKGROUND));
    EXPECT_EQ(pixels.Pixel(30, 35), RGB(Blend(0, GetRValue(desk), 128), Blend(0, GetGValue(desk), 128),
                                        Blend(255, GetBValue(desk), 128)));
    EXPECT_EQ(pixels.Pixel(4, 22), RGB(Blend(0, 255, 128), 0, 0));
    EXPECT_EQ(solid, Region(TRect{0, 0, 40, 40})); // nothing wholly see-through
}

TEST_F(SdlLayeredImageTest, KeyColouredPixelsAreCutOutAndShowWhatIsBelow) {
    HWND upper = Layered("Key", 10, 10);
    CreateWindowEx(0, "Green", "", WS_CHILD | WS_VISIBLE, 5, 6, 10, 12, upper, nullptr);
    SetLayeredWindowAttributes(upper, kKey, 255, LWA_COLORKEY);
    Paint();
    Bitmap pixels;
    Region solid;
    ASSERT_TRUE(SdlLayeredImage::Compose(upper, pixels, solid));
    EXPECT_EQ(solid, Region(TRect{5, 6, 15, 18}));
    EXPECT_EQ(pixels.Pixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(pixels.Pixel(6, 7), RGB(0, 255, 0));
}

TEST_F(SdlLayeredImageTest, OnlyTopLevelWindowsOfTheRunningSystemCompose) {
    HWND child = CreateWindowEx(0, "Green", "", WS_CHILD | WS_VISIBLE, 5, 5, 10, 10, Lower, nullptr);
    Bitmap pixels;
    Region solid;
    EXPECT_FALSE(SdlLayeredImage::Compose(child, pixels, solid));
    DestroyWindow(child);
    EXPECT_FALSE(SdlLayeredImage::Compose(child, pixels, solid));
}

TEST_F(SdlLayeredImageTest, APauseInsideACallShowsWhatWasDrawnBeforeIt) {
    Paint();
    CaptureScreen();
    std::uint64_t before = FBackend.Presents();
    HDC dc = GetDC(Lower);
    dc->FillRect({0, 0, 10, 10}, RGB(1, 2, 3));
    ReleaseDC(Lower, dc);
    Sleep(8); // an animation's frame pause
    EXPECT_EQ(FBackend.Presents(), before + 1);
}

TEST_F(SdlLayeredImageTest, APerPixelWindowIsComposedOverTheScreenCapturedBeneathIt) {
    HWND upper = CreateWindowEx(WS_EX_LAYERED, "Blue", "", WS_POPUP | WS_VISIBLE, 80, 70, 40, 40, nullptr, nullptr);
    Bitmap image(40, 40, TPixelFormat::pf32bit);
    image.Fill(RGB(0, 0, 0), 128); // black at half alpha, premultiplied
    DeviceContext source(&image);
    const TPoint origin{0, 0};
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ASSERT_TRUE(UpdateLayeredWindow(upper, nullptr, nullptr, nullptr, &source, &origin, 0, &blend, ULW_ALPHA));
    Paint();
    TSdlBeneath beneath{Bitmap(40, 40), {80, 70, 120, 110}};
    beneath.Pixels.Fill(RGB(0, 255, 0)); // another program's window under ours
    Bitmap pixels;
    Region solid;
    ASSERT_TRUE(SdlLayeredImage::Compose(upper, pixels, solid, &beneath));
    EXPECT_EQ(pixels.Pixel(5, 5), RGB(Compositor::Mul255(255, 127), 0, 0)) << "our window below, drawn anew";
    EXPECT_EQ(pixels.Pixel(30, 35), RGB(0, Compositor::Mul255(255, 127), 0)) << "the captured screen";
    EXPECT_EQ(solid, Region(TRect{0, 0, 40, 40}));

    beneath.Bounds = {0, 0, 40, 40}; // captured for another place: not used
    ASSERT_TRUE(SdlLayeredImage::Compose(upper, pixels, solid, &beneath));
    TColor desk = ColorToRGB(GetSysColor(COLOR_BACKGROUND));
    EXPECT_EQ(pixels.Pixel(30, 35), RGB(Compositor::Mul255(GetRValue(desk), 127), Compositor::Mul255(GetGValue(desk), 127),
                                        Compositor::Mul255(GetBValue(desk), 127)));
}

TEST_F(SdlLayeredImageTest, AFadeStepBlendsTheWindowAgainOverWhatWasKeptAndKeepsTheFullOutline) {
    HWND upper = CreateWindowEx(WS_EX_LAYERED, "Blue", "", WS_POPUP | WS_VISIBLE, 80, 70, 40, 40, nullptr, nullptr);
    Bitmap image(40, 40, TPixelFormat::pf32bit);
    image.Fill(RGB(0, 0, 0), 0);                 // see-through everywhere ...
    image.FillRect({10, 10, 30, 30}, RGB(0, 0, 200)); // ... but an opaque blue square
    DeviceContext source(&image);
    const TPoint origin{0, 0};
    const BLENDFUNCTION faded{AC_SRC_OVER, 0, 0, AC_SRC_ALPHA};
    ASSERT_TRUE(UpdateLayeredWindow(upper, nullptr, nullptr, nullptr, &source, &origin, 0, &faded, ULW_ALPHA));
    Paint();
    TSdlBeneath beneath{Bitmap(40, 40), {80, 70, 120, 110}};
    beneath.Pixels.Fill(RGB(0, 255, 0));
    SdlLayeredImage composed;
    ASSERT_TRUE(composed.Compose(upper, &beneath));
    EXPECT_EQ(composed.Solid(), Region(TRect{10, 10, 30, 30})) << "the outline at full strength, though at opacity 0";
    EXPECT_EQ(composed.Pixels().Pixel(20, 20), RGB(0, 255, 0)) << "nothing of the window shows yet";

    beneath.Pixels.Fill(RGB(9, 9, 9)); // kept: a fade step does not look at the screen again
    const BLENDFUNCTION half{AC_SRC_OVER, 0, 200, AC_SRC_ALPHA};
    ASSERT_TRUE(UpdateLayeredWindow(upper, nullptr, nullptr, nullptr, nullptr, nullptr, 0, &half, ULW_ALPHA));
    ASSERT_TRUE(composed.Reblend(upper));
    EXPECT_EQ(composed.Pixels().Pixel(20, 20), RGB(0, Blend(0, 255, 200), Blend(200, 0, 200)));
    EXPECT_EQ(composed.Pixels().Pixel(35, 35), RGB(0, 255, 0));

    SetWindowPos(upper, nullptr, 60, 70, 40, 40, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_FALSE(composed.Reblend(upper)) << "moved: what was kept lay elsewhere";
}

TEST_F(SdlLayeredImageTest, AnOutlineTakenBeforeTheWindowShowedIsNotKeptForTheFade) {
    HWND upper = CreateWindowEx(WS_EX_LAYERED, "Blue", "", WS_POPUP, 80, 70, 40, 40, nullptr, nullptr);
    Bitmap image(40, 40, TPixelFormat::pf32bit);
    image.Fill(RGB(0, 0, 0), 0);
    image.FillRect({10, 10, 30, 30}, RGB(0, 0, 200));
    DeviceContext source(&image);
    const TPoint origin{0, 0};
    const BLENDFUNCTION faded{AC_SRC_OVER, 0, 0, AC_SRC_ALPHA};
    ASSERT_TRUE(UpdateLayeredWindow(upper, nullptr, nullptr, nullptr, &source, &origin, 0, &faded, ULW_ALPHA));
    SdlLayeredImage composed;
    ASSERT_TRUE(composed.Compose(upper, nullptr));
    ASSERT_TRUE(composed.Solid().IsEmpty()) << "hidden, the window shows nothing yet";

    ShowWindow(upper, SW_SHOWNOACTIVATE);
    Paint();
    const BLENDFUNCTION half{AC_SRC_OVER, 0, 200, AC_SRC_ALPHA};
    ASSERT_TRUE(UpdateLayeredWindow(upper, nullptr, nullptr, nullptr, nullptr, nullptr, 0, &half, ULW_ALPHA));
    EXPECT_FALSE(composed.Reblend(upper)) << "an empty outline would keep the fading window cut away";
    ASSERT_TRUE(composed.Compose(upper, nullptr));
    EXPECT_EQ(composed.Solid(), Region(TRect{10, 10, 30, 30}));
}
