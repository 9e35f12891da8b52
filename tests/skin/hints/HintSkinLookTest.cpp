// Hints that take their look from the skin's HINT section: a small skin made here with a frame
// whose corners hold see-through key pixels. Size, body, text colour, outline, the section's
// transparency on the screen, no drawn shadow, the platform's drop shadow, and the cache info.
#include "tests/skin/hints/HintWindowFixture.h"
#include "tests/skin/paint/PaintTestKit.h"

#include "skin/data/SkinCommands.h"
#include "skin/data/TsSkinManager.h"
#include "skin/hints/HintOpacity.h"
#include "skin/paint/ParentQueries.h"

#include "framework/TScreen.h"
#include "framework/TextBlock.h"

#include "platform/text/TextDraw.h"

namespace {
constexpr TColor kSection = RGB(30, 140, 90);
constexpr TColor kFont = RGB(250, 250, 20);
constexpr TColor kFrame = RGB(120, 30, 200);
constexpr int kTransparency = 20;
constexpr int kFrameWidth = 3;

// A 9 x 9 frame of one colour whose outermost corner pixels are the key colour.
Bitmap FrameMaster() {
    Bitmap master = Solid(9, 9, kFrame);
    for (TPoint p : {TPoint{0, 0}, TPoint{8, 0}, TPoint{0, 8}, TPoint{8, 8}}) master.SetPixel(p.X, p.Y, clKeyColor);
    return master;
}

// More than halfway from the section colour to the font colour, as the smoothed text's pixels are.
bool NearerTheFont(TColor c) {
    return GetRValue(c) > (GetRValue(kSection) + GetRValue(kFont)) / 2 && GetBValue(c) < (GetBValue(kSection) + GetBValue(kFont)) / 2;
}

std::string Options(const std::string& section) {
    return "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n[" + section + "]\nCOLOR=" + std::to_string(kSection) +
           "\nFONTCOLOR=" + std::to_string(kFont) + "\nTRANSPARENCY=" + std::to_string(kTransparency) +
           "\nBORDERSMASK=^0000^0000^0009^0009^0003^0003^0003^0003^1^0^0^0\n";
}

class HintSkinLookTest : public HintWindowTest {
protected:
    void SetUp() override {
        HintWindowTest::SetUp();
        Skins = std::make_unique<TsSkinManager>(nullptr);
        ASSERT_EQ(TsSkinManager::DefaultManager(), Skins.get());
    }
    void TearDown() override {
        Shown.reset();
        Skins.reset();
        HintWindowTest::TearDown();
    }
    void UseSkin(const std::string& section) { LoadTestSkin(Skins->Model(), Options(section), FrameMaster()); }
    void LoadSkinned() {
        Load(shEllipse, [](TsHintManager& m) { m.SetUseSkinData(true); });
    }

    std::unique_ptr<TsSkinManager> Skins;
};
} // namespace

TEST_F(HintSkinLookTest, TheHintIsTheSectionWithItsFrameSizedForTheTextInsideTheFrame) {
    UseSkin("HINT");
    LoadSkinned();
    const std::string text = "Сложность игры (1-10)";
    TsCustomHintWindow* w = Show(text, {200, 200});
    const TSize measured = MeasureTextBlock(Screen->HintFont(), text, Manager->HintKind()->MaxWidth(), DT_NOPREFIX);
    EXPECT_EQ(w->Width(), std::max(measured.cx, 50) + 2 * kFrameWidth + 8) << "no shadow, no ellipse room";
    EXPECT_EQ(w->Height(), measured.cy + 2 * kFrameWidth + 8);
    EXPECT_EQ(w->BoundsRect().TopLeft(), (TPoint{200, 200}));
    EXPECT_EQ(w->Body().Pixel(1, 1), kFrame);
    EXPECT_EQ(w->Body().Pixel(w->Width() - 2, w->Height() / 2), kFrame);
    EXPECT_EQ(w->Body().Pixel(kFrameWidth + 1, kFrameWidth + 1), kSection) << "inside the frame the section colour";

    const TRect textArea{kFrameWidth + 4, kFrameWidth + 4, w->Width() - kFrameWidth - 4, w->Height() - kFrameWidth - 4};
    int inFont = 0, strayFont = 0;
    for (int y = 0; y < w->Height(); ++y)
        for (int x = 0; x < w->Width(); ++x)
            if (NearerTheFont(w->Body().Pixel(x, y))) (textArea.Contains({x, y}) ? inFont : strayFont)++;
    EXPECT_GT(inFont, 10) << "the text in the section's font colour (its edges smoothed into the section)";
    EXPECT_EQ(strayFont, 0);
}

TEST_F(HintSkinLookTest, TheFramesKeyPixelsAreCutOutAndTheRestShowsAtTheSectionsTransparency) {
    UseSkin("HINT");
    LoadSkinned();
    TsCustomHintWindow* w = Show("Прозрачность", {200, 200});
    EXPECT_EQ(w->Mask().Pixel(0, 0), clWhite);
    EXPECT_EQ(w->Mask().Pixel(w->Width() - 1, w->Height() - 1), clWhite);
    EXPECT_NE(w->Mask().Pixel(1, 0), clWhite);
    Region outline;
    ASSERT_NE(GetWindowRgn(w->Handle(), &outline), RGN_ERROR);
    EXPECT_FALSE(outline.Contains({0, 0}));
    EXPECT_TRUE(outline.Contains({1, 0}));
    EXPECT_TRUE(outline.Contains({w->Width() / 2, w->Height() / 2}));

    const TColor bg = ColorToRGB(kFormColor);
    const int opacity = HintOpacity(kTransparency);
    EXPECT_EQ(ScreenAt(w, 0, 0), bg);
    EXPECT_EQ(ScreenAt(w, 1, 1), Composed(kFrame, 255, opacity, bg));
    EXPECT_EQ(ScreenAt(w, kFrameWidth + 1, kFrameWidth + 1), Composed(kSection, 255, opacity, bg));
    EXPECT_EQ(ScreenAt(w, w->Width() + 2, w->Height() + 2), bg) << "no drawn shadow beside the frame";
}

TEST_F(HintSkinLookTest, TheSkinsLookAsksThePlatformForItsDropShadowTheKindsDoNot) {
    UseSkin("HINT");
    LoadSkinned();
    TsCustomHintWindow* w = Show("Тень", {200, 200});
    EXPECT_TRUE(GetClassStyle(w->Handle()) & CS_DROPSHADOW);
    Skins->Model().Clear();
    w = Show("Тень", {200, 200});
    EXPECT_FALSE(GetClassStyle(w->Handle()) & CS_DROPSHADOW);
}

TEST_F(HintSkinLookTest, WithoutTheSectionInTheSkinTheKindsOwnLookIsUsed) {
    UseSkin("BUTTON");
    LoadSkinned();
    const TsHintKind& k = *Manager->HintKind();
    TsCustomHintWindow* w = Show("Эллипс", {200, 200});
    EXPECT_GT(w->ExtraWidth(), 0) << "room for the ellipse";
    const TRect body = EllipseBody(w, k);
    EXPECT_EQ(w->Mask().Pixel(0, w->Height() - 1), clWhite) << "the ellipse's outline, not the frame's";
    EXPECT_TRUE(Inside(w, body.Left + body.Width() / 2, body.Top + body.Height() / 2));
}

TEST_F(HintSkinLookTest, AHintWindowAnswersTheCacheInfoRequestWithItsBody) {
    UseSkin("HINT");
    LoadSkinned();
    TsCustomHintWindow* w = Show("Кэш", {200, 200});
    CacheInfoAnswer = {};
    SendMessage(w->Handle(), SM_SKINCMD, MakeSkinCmdWParam(scGetCacheInfo), 0);
    EXPECT_TRUE(CacheInfoAnswer.Ready);
    EXPECT_EQ(CacheInfoAnswer.Bmp, &w->Body());
    EXPECT_EQ(CacheInfoAnswer.X, 0);
    EXPECT_EQ(CacheInfoAnswer.Y, 0);
}
