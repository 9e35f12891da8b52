// The drawn hint windows on the virtual screen: sizes, placement, the ellipse's gradient, border,
// shadow and opacity as the screen composes them, the fade-in, full transparency, and the path
// over a captured screen when layered windows are not there.
#include "tests/skin/hints/HintWindowFixture.h"

#include "skin/data/SkinCommands.h"
#include "skin/data/TsGradArray.h"
#include "skin/hints/TacHintShadow.h"
#include "skin/hints/TsBalloonHintWindow.h"
#include "skin/hints/TsEllipseHintWindow.h"
#include "skin/hints/TsHintManager.h"

#include "framework/TextBlock.h"

#include "platform/text/TextDraw.h"
#include "platform/window/Compositor.h"

#include <cmath>

TEST_F(HintWindowTest, TheEllipseHasAGradientFromYellowToWhiteAnOliveAndBlackBorderAndOpacity242) {
    Load(shEllipse);
    const TsHintKind& kind = *Manager->HintKind();
    const std::uint64_t before = FBackend.Virtual().NowMs();
    TsCustomHintWindow* w = Show("Режим тренировки", {200, 200});
    EXPECT_EQ(FBackend.Virtual().NowMs() - before, 30u * 8u) << "31 steps, 8 ms apart";
    ASSERT_EQ(w->ClassName(), "TsEllipseHintWindow");
    EXPECT_EQ(w->Corner(), 0);
    EXPECT_EQ(w->BoundsRect().TopLeft(), (TPoint{200, 200}));
    const TRect body = EllipseBody(w, kind);
    EXPECT_TRUE(PointerInside(w, {3, 3}, body)) << "the pointer comes from the hint position";
    EXPECT_FALSE(Inside(w, 3, w->Height() - 3));

    const int cx = body.Left + body.Width() / 2;
    int top = body.Top, bottom = body.Bottom - 1;
    while (!Inside(w, cx, top)) ++top;
    while (!Inside(w, cx, bottom)) --bottom;
    EXPECT_EQ(w->Body().Pixel(cx, top), static_cast<TColor>(0x008080)) << "upper-left edge";
    EXPECT_EQ(w->Body().Pixel(cx, bottom), clBlack) << "lower-right edge";

    // The gradient's first step runs from its first row to 99 % of the body's height.
    const TsGradStep step = ParseGradientData(kind.GradientData()).front();
    const int last = std::min(body.Top + step.Percent * body.Height() / 100, body.Bottom - 1);
    const int row = top + 4;
    const double share = double(row - body.Top) / (last - body.Top);
    for (int shift : {0, 8, 16}) {
        const double c1 = Channel(step.Color1, shift), c2 = Channel(step.Color2, shift);
        EXPECT_NEAR(Channel(w->Body().Pixel(cx, row), shift), c1 + (c2 - c1) * share, 1.0) << shift;
    }
    EXPECT_EQ(Channel(step.Color1, 0), 0xFF);
    EXPECT_EQ(Channel(step.Color1, 16), 0x75);

    const TColor bg = ColorToRGB(kFormColor);
    EXPECT_EQ(ScreenAt(w, cx, row), Composed(w->Body().Pixel(cx, row), 255, 242, bg));
}

TEST_F(HintWindowTest, TheEllipsesShadowDarkensBelowItAndNothingBeyondIt) {
    Load(shEllipse);
    const TsHintKind& kind = *Manager->HintKind();
    TsCustomHintWindow* w = Show("Сложность игры (1-10)", {200, 200});
    const int s = kind.ShadowOffset();
    const TRect body = EllipseBody(w, kind);
    const int x = body.Left + body.Width() / 2 + s, y = w->Height() - kind.ShadowBlur() - 2;
    ASSERT_FALSE(Inside(w, x, y));
    const int t = std::lround((100 - kind.ShadowTransparency()) * (kind.Transparency() / 100.0) + kind.ShadowTransparency());
    const int darkest = t * 255 / 100;
    const int alpha = 255 - 255 * darkest / 256;
    const TColor bg = ColorToRGB(kFormColor);
    EXPECT_EQ(ScreenAt(w, x, y), Composed(0, alpha, 242, bg));
    EXPECT_NE(ScreenAt(w, x, y), bg);
    EXPECT_EQ(ScreenAt(w, w->Width() - 1, body.Top + 1), bg) << "outside shape and shadow the screen shows through";
}

TEST_F(HintWindowTest, WithoutAnimationTheHintShowsAtOnceAtItsOpacity) {
    Load(shEllipse, [](TsHintManager& m) { m.SetAnimated(false); });
    const std::uint64_t before = FBackend.Virtual().NowMs();
    TsCustomHintWindow* w = Show("x", {200, 200});
    EXPECT_EQ(FBackend.Virtual().NowMs(), before);
    const TRect body = EllipseBody(w, *Manager->HintKind());
    const int cx = body.Left + body.Width() / 2, cy = body.Top + 4;
    EXPECT_EQ(ScreenAt(w, cx, cy), Composed(w->Body().Pixel(cx, cy), 255, 242, ColorToRGB(kFormColor)));
}

TEST_F(HintWindowTest, FullTransparencyFadesToNothing) {
    Load(shEllipse);
    Manager->HintKind()->SetTransparency(100);
    TsCustomHintWindow* w = Show("invisible", {200, 200});
    ASSERT_TRUE(w->Active());
    const TColor bg = ColorToRGB(kFormColor);
    for (int y = 0; y < w->Height(); y += 7)
        for (int x = 0; x < w->Width(); x += 7) ASSERT_EQ(ScreenAt(w, x, y), bg) << x << "," << y;
}

TEST_F(HintWindowTest, OneWordEllipsesAndBalloonsAreAtLeastFiftyPixelsWideBeforeTheFrame) {
    for (TsHintsPredefinitions p : {shEllipse, shBalloon}) {
        Load(p);
        const TsHintKind& k = *Manager->HintKind();
        auto* w = dynamic_cast<TsCustomHintWindow*>(Application->HintWindowClass()(Application));
        Shown.reset(w);
        const TSize text = MeasureTextBlock(k.Font(), "a", k.MaxWidth(), DT_NOPREFIX);
        ASSERT_LT(text.cx, 50);
        const double width = 50 + (k.MarginH() + k.BevelWidth()) * 2 + k.ShadowOffset();
        const double height = text.cy + (k.MarginV() + k.BevelWidth()) * 2 + k.ShadowOffset() + k.ExOffset();
        const double d = std::sqrt(width * width + height * height) - width;
        const TRect r = w->CalcHintRect(0, "a", nullptr);
        EXPECT_EQ(w->ExtraWidth(), std::lround(width * d / height)) << p;
        EXPECT_EQ(w->ExtraHeight(), std::lround(d * height / width)) << p;
        EXPECT_EQ(r, (TRect{0, 0, int(width) + w->ExtraWidth(), int(height) + w->ExtraHeight()})) << p;
    }
}

TEST_F(HintWindowTest, NearTheBottomRightTheHintOpensAboveLeftWithThePointerFromCornerThree) {
    Load(shEllipse);
    TRect work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    const TPoint p{work.Right - 10, work.Bottom - 10};
    TsCustomHintWindow* w = Show("Здесь можно выбрать сложность игры (1-10)", p);
    EXPECT_EQ(w->Corner(), 3);
    EXPECT_EQ(w->BoundsRect().BottomRight(), p);
    const TRect body = EllipseBody(w, *Manager->HintKind());
    EXPECT_EQ(body.Top, 0) << "the body above the pointer";
    EXPECT_TRUE(PointerInside(w, {w->Width() - 3, w->Height() - 3}, body)) << "the pointer tip";
    EXPECT_FALSE(Inside(w, 3, 3));
}

TEST_F(HintWindowTest, TheSimpleHintGoesSixteenPixelsBelowThePositionWithAFramedRectangle) {
    Load(shSimply);
    const TsHintKind& k = *Manager->HintKind();
    TsCustomHintWindow* w = Show("Simple", {200, 200});
    ASSERT_EQ(w->ClassName(), "TsSimplyHintWindow");
    EXPECT_EQ(w->BoundsRect().TopLeft(), (TPoint{200, 216}));
    const int right = w->Width() - k.ShadowOffset() - 1, bottom = w->Height() - k.ShadowOffset() - 1;
    EXPECT_TRUE(Inside(w, 0, 0));
    EXPECT_TRUE(Inside(w, right, bottom));
    EXPECT_FALSE(Inside(w, right + 1, bottom));
    EXPECT_EQ(w->Body().Pixel(5, 0), ColorToRGB(k.ColorBorderTop()));
    EXPECT_EQ(w->Body().Pixel(right, 5), ColorToRGB(k.ColorBorderBottom()));
    EXPECT_EQ(w->Body().Pixel(2, 5 + k.BevelWidth()), ColorToRGB(k.Color())) << "no gradient, plain colour";
}

TEST_F(HintWindowTest, TheBalloonsBubblesLeadFromTheEllipseToThePosition) {
    Load(shBalloon);
    TsCustomHintWindow* w = Show("Balloon", {200, 200});
    ASSERT_EQ(w->ClassName(), "TsBalloonHintWindow");
    const TRect body = EllipseBody(w, *Manager->HintKind());
    // Above the ellipse only bubbles are inside; the smallest reaches the hint position.
    int nearest = 1 << 20, count = 0;
    for (int y = 0; y < body.Top; ++y)
        for (int x = 0; x < w->Width(); ++x)
            if (Inside(w, x, y)) {
                ++count;
                nearest = std::min(nearest, std::max(std::abs(x - 3), std::abs(y - 3)));
            }
    EXPECT_GT(count, 0);
    EXPECT_LE(nearest, body.Height() / (4 * 5)) << "the last bubble touches the tip";
    EXPECT_FALSE(Inside(w, w->Width() - 4, 3)) << "no bubble toward the other corner";
}

TEST_F(HintWindowTest, WithoutLayeredWindowsTheHintPaintsOverTheCapturedScreen) {
    TsHintManager::SetLayeredWindows(false);
    Load(shEllipse);
    const TsHintKind& k = *Manager->HintKind();
    TsCustomHintWindow* w = Show("Captured", {200, 200});
    w->Repaint();
    Pump();
    const TColor bg = ColorToRGB(kFormColor);
    const TRect body = EllipseBody(w, k);
    const int cx = body.Left + body.Width() / 2, cy = body.Top + 4;
    EXPECT_EQ(ScreenAt(w, cx, cy), w->Body().Pixel(cx, cy)) << "opaque inside at 5 % transparency";
    EXPECT_EQ(ScreenAt(w, w->Width() - 1, body.Top + 1), bg) << "the captured screen outside";
    const int x = cx + k.ShadowOffset(), y = w->Height() - k.ShadowBlur() - 2;
    const int darkest = TacHintShadow::Darkest(k);
    EXPECT_EQ(ScreenAt(w, x, y), RGB(Channel(bg, 0) * darkest / 256, Channel(bg, 8) * darkest / 256,
                                     Channel(bg, 16) * darkest / 256));
}

TEST_F(HintWindowTest, AHintWindowSaysItsBackgroundIsNotUniform) {
    Load(shEllipse);
    TsCustomHintWindow* w = Show("q", {200, 200});
    EXPECT_EQ(SendMessage(w->Handle(), SM_SKINCMD, MakeSkinCmdWParam(scUniformBackground), 0), 1);
}
