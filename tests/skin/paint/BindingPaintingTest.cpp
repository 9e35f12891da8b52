// A control's element painted through its binding: the parent's colour in the see-through corner
// pixels, their repair in the finished image, and the caption in the section's colours.
#include "skin/paint/BindingPainting.h"
#include "skin/paint/ControlKinds.h"
#include "skin/paint/ParentColors.h"
#include "tests/skin/paint/BindingTestKit.h"
#include "tests/skin/paint/PaintTestKit.h"

#include "framework/TBitmap.h"
#include "platform/text/TextDraw.h"

namespace {

constexpr TColor FormColour = RGB(90, 60, 30);

class BindingPainting : public BindingTest {
protected:
    void SetUp() override {
        BindingTest::SetUp();
        SkinOn();
        Button = On<TTestGraphic>(Form, 0);
        Button->SkinData()->SetSkinSection("BUTTON");
        Button->SetBounds(20, 10, 16, 12);
    }
    Bitmap& Cache() { return Button->SkinData()->PrepareCacheBitmap().Image(); }

    TTestGraphic* Button = nullptr;
};

bool Shows(const Bitmap& bmp, TColor colour) {
    for (int y = 0; y < bmp.Height(); ++y)
        for (int x = 0; x < bmp.Width(); ++x)
            if (bmp.Pixel(x, y) == colour) return true;
    return false;
}

int RightmostNot(const Bitmap& bmp, TColor background) {
    int right = -1;
    for (int y = 0; y < bmp.Height(); ++y)
        for (int x = 0; x < bmp.Width(); ++x)
            if (bmp.Pixel(x, y) != background) right = std::max(right, x);
    return right;
}

} // namespace

TEST_F(BindingPainting, WithoutAParentImageKeyCornerPixelsKeepTheBackgroundUntilTheCornersAreRestored) {
    Bitmap& cache = Cache();
    PaintSkinSection(*Button->SkinData(), {}, false, 0, cache.BoundsRect(), {20, 10}, &cache, false);
    EXPECT_EQ(cache.Pixel(0, 0), TestSkin::Button);
    EXPECT_EQ(cache.Pixel(1, 0), TestSkin::ButtonFrame);
    EXPECT_EQ(cache.Pixel(15, 0), TestSkin::ButtonFrame);
    EXPECT_EQ(cache.Pixel(8, 6), TestSkin::Button) << "the centre is left to the background";
    EXPECT_FALSE(IsParentColorSet(ParentFillColor));
    EXPECT_FALSE(IsParentColorSet(ParentKeyColor));

    RestoreTransparentCorners(*Button->SkinData(), 0, ccAllCorners);
    EXPECT_EQ(cache.Pixel(0, 0), FormColour);
    EXPECT_EQ(cache.Pixel(15, 11), FormColour);
    EXPECT_EQ(cache.Pixel(1, 0), TestSkin::ButtonFrame);
}

TEST_F(BindingPainting, ACustomColourFillsTheBackgroundAndKeepsTheBorders) {
    Button->SetColor(clTeal);
    Button->SkinData()->SetCustomColor(true);
    Bitmap& cache = Cache();
    PaintSkinSection(*Button->SkinData(), {}, false, 0, cache.BoundsRect(), {20, 10}, &cache, false);
    EXPECT_EQ(cache.Pixel(8, 6), ColorToRGB(clTeal));
    EXPECT_EQ(cache.Pixel(1, 0), TestSkin::ButtonFrame);
}

TEST_F(BindingPainting, RestoringCornersPutsTheParentsBackgroundWhereTheMaskIsMagenta) {
    Bitmap& cache = Cache();
    cache.Fill(clRed);
    RestoreTransparentCorners(*Button->SkinData(), 0, ccTopLeft);
    EXPECT_EQ(cache.Pixel(0, 0), FormColour);
    EXPECT_EQ(cache.Pixel(15, 11), clRed) << "only the corner asked for";
    RestoreTransparentCorners(*Button->SkinData(), 0, ccAllCorners);
    EXPECT_EQ(cache.Pixel(15, 11), FormColour);
    EXPECT_EQ(cache.Pixel(1, 0), clRed);
    EXPECT_EQ(cache.Pixel(15, 0), clRed);
    EXPECT_FALSE(IsParentColorSet(ParentFillColor));
}

TEST_F(BindingPainting, OverAParentImageThatIsNotOneColourTheCornersShowThatImage) {
    auto* gradient = On<TTestContainer>(Form, ckPanel);
    gradient->SkinData()->SetSkinSection("GRAD");
    gradient->SetBounds(0, 0, 80, 60);
    gradient->SkinData()->PrepareCacheBitmap().SetImage(Numbered(80, 60));
    Button->SetParent(gradient);
    Bitmap& cache = Cache();
    cache.Fill(clRed);
    RestoreTransparentCorners(*Button->SkinData(), 0, ccAllCorners);
    const Bitmap& behind = gradient->SkinData()->CacheBitmap()->Image();
    EXPECT_EQ(cache.Pixel(0, 0), behind.Pixel(20, 10));
    EXPECT_EQ(cache.Pixel(15, 11), behind.Pixel(35, 21));
}

TEST_F(BindingPainting, CaptionsTakeTheSectionsFontColourTheControlsOwnOrTheDisabledMix) {
    auto* edit = On<TTestEdit>(Form);
    edit->Font()->SetSize(16);
    edit->Font()->SetStyle({fsBold});
    edit->Font()->SetColor(clRed);
    const TRect r{0, 0, 80, 30};
    auto caption = [&](bool enabled) {
        TBitmap bmp(80, 30);
        bmp.Canvas()->Brush()->SetColor(clWhite);
        bmp.Canvas()->FillRect(r);
        DrawSkinText(*bmp.Canvas(), "WWW", enabled, false, *edit->SkinData(), DT_LEFT | DT_SINGLELINE, r);
        return bmp.Image();
    };
    const Bitmap skinned = caption(true);
    EXPECT_TRUE(Shows(skinned, TestSkin::EditFont));
    EXPECT_FALSE(Shows(skinned, clRed));

    // 40 percent of the way from the section's colour to its font colour.
    const TColor mix = PerChannel(TestSkin::EditFont, TestSkin::Edit,
                                  [](int f, int c) { return RoundEven(0.4 * (f - c) + c); });
    EXPECT_TRUE(Shows(caption(false), mix));

    edit->SkinData()->SetCustomFont(true);
    const Bitmap own = caption(true);
    EXPECT_TRUE(Shows(own, clRed));
    EXPECT_FALSE(Shows(own, TestSkin::EditFont));
}

TEST_F(BindingPainting, ACaptionStaysInsideItsRectangle) {
    auto* edit = On<TTestEdit>(Form);
    edit->Font()->SetSize(16);
    TBitmap bmp(80, 30);
    bmp.Canvas()->Brush()->SetColor(clWhite);
    bmp.Canvas()->FillRect({0, 0, 80, 30});
    DrawSkinText(*bmp.Canvas(), "WWWWWWWW", true, false, *edit->SkinData(), DT_LEFT | DT_SINGLELINE, {0, 0, 20, 30});
    const int right = RightmostNot(bmp.Image(), clWhite);
    EXPECT_GE(right, 10) << "the text is drawn";
    EXPECT_LE(right, 19);
}
