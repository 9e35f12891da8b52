// The skinned push button: its window region without the key-coloured corner pixels, the hot look
// of the default button, the pressed flash of a quick click, the focus frame, and the plain button
// it becomes again without the skin.
#include "skin/controls/TsButton.h"
#include "tests/skin/controls/ButtonsTestKit.h"
#include "tests/skin/paint/PaintTestKit.h"

#include "framework/TBitmap.h"
#include "framework/TButton.h"
#include "framework/TCanvas.h"
#include "framework/TEdit.h"
#include "platform/controls/ButtonCodes.h"
#include "platform/text/TextDraw.h"

namespace {

using namespace ButtonsSkin;

class SkinnedButton : public SkinnedButtonsTest {
protected:
    TsButton* Placed(int left, int top, const char* caption = "") {
        auto* button = On<TsButton>(Form);
        button->SetBounds(left, top, 40, 20);
        button->SetCaption(caption);
        return button;
    }
};

DWORD ButtonType(const TsButton& button) {
    return static_cast<DWORD>(GetWindowLongPtr(button.Handle(), GWL_STYLE)) & BS_TYPEMASK;
}

} // namespace

TEST_F(SkinnedButton, TheWindowRegionLeavesOutTheMagentaCornerPixelsAndTheFormShowsThere) {
    TsButton* button = Placed(10, 10);
    SkinOn();
    Pump();
    Region expected(TRect{0, 0, 40, 20});
    for (TRect key : {TRect{0, 0, 2, 1}, TRect{0, 1, 1, 2}, TRect{39, 19, 40, 20}}) expected.Subtract(key);
    Region shape;
    ASSERT_NE(GetWindowRgn(button->Handle(), &shape), RGN_ERROR);
    EXPECT_EQ(shape, expected);
    EXPECT_EQ(ButtonType(*button), BS_OWNERDRAW);

    EXPECT_EQ(Pixel(*button, 0, 0), FormColour);
    EXPECT_EQ(Pixel(*button, 1, 0), FormColour);
    EXPECT_EQ(Pixel(*button, 39, 19), FormColour);
    EXPECT_EQ(Pixel(*button, 2, 0), Button[0]);
    EXPECT_EQ(Pixel(*button, 39, 0), Button[0]) << "the top-right corner has no key pixel";
    EXPECT_EQ(Pixel(*button, 20, 10), Button[0]) << "the centre piece is drawn";

    Form->Invalidate();
    EXPECT_EQ(Pixel(*button, 0, 0), FormColour) << "the parent's own repaint shows through the corner";
}

TEST_F(SkinnedButton, TheDefaultButtonLooksHotWhileAnotherControlHasTheFocus) {
    TsButton* plain = Placed(10, 10);
    TsButton* byDefault = Placed(60, 10);
    byDefault->SetDefault(true);
    auto* edit = On<TEdit>(Form);
    edit->SetBounds(10, 60, 80, 21);
    SkinOn();
    edit->SetFocus();
    Pump();
    EXPECT_EQ(Pixel(*byDefault, 20, 10), Button[1]);
    EXPECT_EQ(Pixel(*plain, 20, 10), Button[0]);

    plain->SetFocus();
    Pump();
    EXPECT_EQ(Pixel(*plain, 20, 10), Button[1]) << "the focused button is the hot one";
    EXPECT_EQ(Pixel(*byDefault, 20, 10), Button[0]);
}

TEST_F(SkinnedButton, AQuickClickShowsThePressedImageBeforeTheClickGoesOn) {
    TsButton* button = Placed(10, 10);
    SkinOn();
    TColor seenAtClick = clNone;
    button->OnClick = [&](TObject*) { seenAtClick = CaptureScreen().Pixel(At(*button, 20, 10).X, At(*button, 20, 10).Y); };
    const TPoint p = At(*button, 20, 10);
    QueuedClick(p.X, p.Y); // press and release are handled with no paint between them
    EXPECT_EQ(seenAtClick, Button[2]);
    EXPECT_EQ(Pixel(*button, 20, 10), Button[1]) << "after the click: focused, so hot";
}

TEST_F(SkinnedButton, AReleaseOutsideAfterPressingDoesNotClickOrFlash) {
    TsButton* button = Placed(10, 10);
    SkinOn();
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    const TPoint in = At(*button, 20, 10);
    const TPoint out = At(*button, 20, 60);
    MoveTo(in.X, in.Y);
    Press(in.X, in.Y, true);
    EXPECT_EQ(Pixel(*button, 20, 10), Button[2]);
    MoveTo(out.X, out.Y);
    Press(out.X, out.Y, false);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(Pixel(*button, 20, 10), Button[1]);
}

TEST_F(SkinnedButton, TheFocusedButtonShowsTheDottedFrameOnePixelOutsideItsCaption) {
    TsButton* button = Placed(10, 10, "Ок");
    button->SetBounds(10, 10, 60, 24);
    SkinOn();
    button->SetFocus();
    Pump();
    TBitmap measure;
    measure.SetSize(1, 1);
    measure.Canvas()->Font()->Assign(button->Font());
    const int tw = measure.Canvas()->TextWidth("Ок");
    const int th = measure.Canvas()->TextHeight("Ок");
    const int hx = (60 - tw) / 2, hy = (24 - th) / 2;
    const TRect frame = TRect{hx - 1, hy, 60 - hx + 2, 24 - hy}.Inflate(1, 1);
    EXPECT_EQ(Pixel(*button, frame.Left, frame.Top), clBlack);
    EXPECT_EQ(Pixel(*button, frame.Left + 3, frame.Top), clBlack);
    EXPECT_EQ(Pixel(*button, frame.Left - 1, frame.Top - 1), clWhite);
    EXPECT_EQ(Pixel(*button, frame.Left, frame.Bottom), clBlack);
    EXPECT_EQ(Pixel(*button, frame.Left + 1, frame.Top), Button[1]) << "dots every third pixel";

    auto* edit = On<TEdit>(Form);
    edit->SetBounds(10, 60, 80, 21);
    edit->SetFocus();
    Pump();
    EXPECT_EQ(Pixel(*button, frame.Left, frame.Top), Button[0]) << "no frame without the focus";
}

TEST_F(SkinnedButton, WithoutShowFocusInTheSectionNoFrameIsDrawn) {
    UseSkin({.ShowFocus = false});
    TsButton* button = Placed(10, 10, "Ок");
    SkinOn();
    button->SetFocus();
    const Bitmap shot = Shot(*button);
    for (int y = 0; y < shot.Height(); ++y)
        for (int x = 0; x < shot.Width(); ++x) ASSERT_NE(shot.Pixel(x, y), clWhite) << x << "," << y;
}

TEST_F(SkinnedButton, RemovingTheSkinGivesThePlainButtonBackWithoutARegion) {
    TsButton* skinned = Placed(10, 10, "Да");
    auto* plain = On<TButton>(Form);
    plain->SetBounds(10, 60, 40, 20);
    plain->SetCaption("Да");
    SkinOn();
    SkinOff();
    Region shape;
    EXPECT_EQ(GetWindowRgn(skinned->Handle(), &shape), RGN_ERROR);
    EXPECT_EQ(ButtonType(*skinned), BS_PUSHBUTTON);
    const Bitmap mine = Shot(*skinned);
    const Bitmap theirs = Shot(*plain);
    for (int y = 0; y < mine.Height(); ++y)
        for (int x = 0; x < mine.Width(); ++x) ASSERT_EQ(mine.Pixel(x, y), theirs.Pixel(x, y)) << x << "," << y;
}

TEST_F(SkinnedButton, DownHoldsThePressedImageAndItsCaptionMovesOnePixel) {
    TsButton* button = Placed(10, 10, "Да");
    SkinOn();
    const TRect up = button->CaptionRect();
    button->SetDown(true);
    EXPECT_EQ(Pixel(*button, 20, 2), Button[2]);
    EXPECT_EQ(button->CaptionRect(), up.Offset(1, 1));
}

TEST_F(SkinnedButton, ANewWindowForTheButtonGetsItsRegionAgain) {
    TsButton* button = Placed(10, 10, "Да");
    SkinOn();
    button->SetWordWrap(false); // the platform button is made again
    Pump();
    Region shape;
    ASSERT_NE(GetWindowRgn(button->Handle(), &shape), RGN_ERROR);
    EXPECT_FALSE(shape.Contains({0, 0}));
    EXPECT_TRUE(shape.Contains({2, 0}));
    EXPECT_EQ(ButtonType(*button), BS_OWNERDRAW);
    EXPECT_EQ(Pixel(*button, 0, 0), FormColour);
}

TEST_F(SkinnedButton, ADisabledButtonIsBlendedHalfWayToItsParentsColour) {
    TsButton* button = Placed(10, 10);
    button->SetEnabled(false);
    SkinOn();
    const TColor half = PerChannel(Button[0], FormColour, [](int own, int parent) { return RoundEven(0.5 * own + 0.5 * parent); });
    EXPECT_EQ(Pixel(*button, 20, 10), half);
    button->SetEnabled(true);
    EXPECT_EQ(Pixel(*button, 20, 10), Button[0]);
}
