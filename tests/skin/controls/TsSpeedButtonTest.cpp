// The skinned speed button: its caption block, toggling, state looks, glyphs, the disabled look,
// when it rebuilds its image, the one-cell repaint, and its plain look without a skin.
#include "skin/controls/TsPanel.h"
#include "skin/controls/TsSpeedButton.h"
#include "tests/skin/controls/BoardControlsKit.h"
#include "tests/skin/paint/PaintTestKit.h"

#include "framework/TBitmap.h"
#include "platform/window/PaintApi.h"

#include <algorithm>

namespace {

constexpr TColor Red = RGB(220, 20, 20);

class SpeedButtons : public BoardControlsTest {
protected:
    void SetUp() override {
        BoardControlsTest::SetUp();
        SkinOn();
        Board = On<TsPanel>(Form, 10, 10, 220, 160);
        Board->SetBevelOuter(bvNone);
        Cell = On<TsSpeedButton>(Board, 20, 20, 40, 40);
        Cell->OnPaint = [this](TObject*, TBitmap*) { ++Rebuilds; };
        Pump();
    }
    // Counts the paints the control receives.
    void CountPaints(TControl& control, int& paints) {
        control.PushWindowProc([&paints](TMessage& m, const TWndMethod& next) {
            if (m.Msg == WM_PAINT) ++paints;
            next(m);
        });
    }
    const Bitmap& Cache() const { return Cell->SkinData()->CacheBitmap()->Image(); }
    void GiveGlyph(const Bitmap& glyph) {
        TBitmap bitmap;
        bitmap.SetSize(glyph.Width(), glyph.Height());
        bitmap.Image() = glyph;
        Cell->SetGlyph(&bitmap);
        Pump();
    }

    TsPanel* Board = nullptr;
    TsSpeedButton* Cell = nullptr;
    int Rebuilds = 0;
};


} // namespace

TEST_F(SpeedButtons, AThreeLineCaptionIsOneBlockCentredVerticallyWithEachLineCentred) {
    Cell->Font()->SetName("Courier New");
    Cell->Font()->SetSize(7);
    Cell->SetCaption("1 2 3\r\n5\r\n7   9");
    Pump();
    TBitmap measure;
    measure.Canvas()->Font()->Assign(Cell->Font());
    const int lineHeight = measure.Canvas()->TextHeight("W");
    // Measured with word breaks, the block is as wide as its widest line.
    const int tw = std::max({measure.Canvas()->TextWidth("1 2 3"), measure.Canvas()->TextWidth("5"),
                             measure.Canvas()->TextWidth("7   9")});
    const int th = 3 * lineHeight;
    const int h = (40 - tw) / 2;

    const TRect caption = Cell->CaptionRect();
    EXPECT_EQ(caption.Top, (40 - th) / 2);
    EXPECT_EQ(caption.Bottom, 40 - (40 - th) / 2);
    EXPECT_EQ(caption.Left, h - 1);
    EXPECT_EQ(caption.Right, 40 - h + 2);

    // Each line's ink is centred on the block's middle column; the lines sit in their thirds.
    const double middle = 20;
    for (int line = 0; line < 3; ++line) {
        const int top = caption.Top + line * lineHeight;
        const TInk ink = InkOf(Cache(), BoardSkin::Speed, {0, top, 40, top + lineHeight});
        ASSERT_TRUE(ink.Any()) << "line " << line;
        EXPECT_NEAR((ink.Left + ink.Right + 1) / 2.0, middle, 2.0) << "line " << line;
    }
    const TInk all = InkOf(Cache(), BoardSkin::Speed, {0, 0, 40, 40});
    EXPECT_GE(all.Top, caption.Top);
    EXPECT_LT(all.Bottom, caption.Bottom);
}

TEST_F(SpeedButtons, ACellOfItsOwnGroupTogglesOnReleaseInsideOnly) {
    Cell->SetGroupIndex(5);
    Cell->SetAllowAllUp(true);
    const TPoint inside = At(*Cell, 20, 20), outside = At(*Cell, 60, 20);
    ClickAt(inside.X, inside.Y);
    EXPECT_TRUE(Cell->Down());
    EXPECT_EQ(Pixel(*Cell, 20, 35), BoardSkin::SpeedHot) << "held down: the pressed look";
    ClickAt(inside.X, inside.Y);
    EXPECT_FALSE(Cell->Down());

    Press(inside.X, inside.Y, true);
    MoveTo(outside.X, outside.Y);
    Press(outside.X, outside.Y, false);
    EXPECT_FALSE(Cell->Down()) << "released outside: no toggle";
    EXPECT_EQ(Pixel(*Cell, 20, 35), BoardSkin::Speed);
}

TEST_F(SpeedButtons, SettingDownShowsThePressedLookAtTheNextPaint) {
    Cell->SetGroupIndex(3);
    Cell->SetAllowAllUp(true);
    EXPECT_EQ(Pixel(*Cell, 5, 5), BoardSkin::Speed);
    Cell->SetDown(true);
    EXPECT_EQ(Cell->CurrentState(), 2);
    EXPECT_EQ(Pixel(*Cell, 5, 5), BoardSkin::SpeedHot);
    Cell->SetDown(false);
    EXPECT_EQ(Pixel(*Cell, 5, 5), BoardSkin::Speed);
}

TEST_F(SpeedButtons, TheMouseOverACellMakesItHotAndLeavingMakesItNormal) {
    const TPoint over = At(*Cell, 10, 10);
    MoveTo(over.X, over.Y);
    EXPECT_EQ(Cell->CurrentState(), 1);
    EXPECT_EQ(Pixel(*Cell, 30, 30), BoardSkin::SpeedHot);
    const TPoint away = At(*Board, 150, 120);
    MoveTo(away.X, away.Y);
    EXPECT_EQ(Cell->CurrentState(), 0);
    EXPECT_EQ(Pixel(*Cell, 30, 30), BoardSkin::Speed);
}

TEST_F(SpeedButtons, ADisabledButtonOverAGradientShowsSixTenthsParentAndFourTenthsButton) {
    Board->SkinData()->SetSkinSection("GRAD");
    Cell->SetEnabled(false);
    Pump();
    const Bitmap& parent = Board->SkinData()->CacheBitmap()->Image();
    for (int y : {0, 13, 39}) {
        const TColor behind = parent.Pixel(Cell->Left() + 7, Cell->Top() + y);
        const TColor expected = PerChannel(behind, BoardSkin::Speed, [](int p, int b) {
            return RoundEven(p - 0.4 * (p - b));
        });
        EXPECT_EQ(Pixel(*Cell, 7, y), expected) << "row " << y;
    }
    EXPECT_NE(parent.Pixel(27, 20), parent.Pixel(27, 59)) << "the parent is a gradient";
}

TEST_F(SpeedButtons, AOneImageGlyphWithBlendIsHalfSeeThroughWhenNormalAndOpaqueWhenHot) {
    Bitmap glyph = Solid(8, 8, Red);
    glyph.SetPixel(0, 7, clFuchsia); // the key colour is the bottom-left pixel's
    GiveGlyph(glyph);
    Cell->SetBlend(50);
    Pump();
    const TRect at = Cell->GlyphRect();
    EXPECT_EQ(at, (TRect{16, 16, 24, 24}));
    const TColor half = PerChannel(Red, BoardSkin::Speed, [](int s, int d) { return RoundEven(s - 0.5 * (s - d)); });
    EXPECT_EQ(Pixel(*Cell, 19, 19), half);
    EXPECT_EQ(Pixel(*Cell, 16, 23), BoardSkin::Speed) << "the key pixel shows the button";

    const TPoint over = At(*Cell, 2, 2);
    MoveTo(over.X, over.Y);
    EXPECT_EQ(Pixel(*Cell, 19, 19), Red);
}

TEST_F(SpeedButtons, ChangingTheGlyphCountOrSpacingRebuildsTheImageAtTheNextPaint) {
    // Two images, each with its key colour at its bottom-left.
    Bitmap strip = Solid(16, 8, Red);
    strip.FillRect({8, 0, 16, 8}, clBlue);
    strip.SetPixel(0, 7, clFuchsia);
    strip.SetPixel(8, 7, clFuchsia);
    GiveGlyph(strip);
    EXPECT_EQ(Pixel(*Cell, 20, 20), clBlue) << "one image 16 wide at 12..28";

    const int before = Rebuilds;
    Cell->SetNumGlyphs(2);
    EXPECT_EQ(Pixel(*Cell, 25, 20), BoardSkin::Speed) << "two images 8 wide: the first one at 16..24";
    EXPECT_EQ(Pixel(*Cell, 17, 20), Red);
    EXPECT_EQ(Pixel(*Cell, 16, 23), BoardSkin::Speed) << "its key pixel";
    EXPECT_EQ(Rebuilds, before + 1);

    Cell->Invalidate();
    Pump();
    EXPECT_EQ(Rebuilds, before + 1) << "nothing changed: the image is only copied";

    Cell->SetCaption("A");
    Pump();
    const int withCaption = Rebuilds;
    const TRect captionBefore = Cell->CaptionRect();
    Cell->SetSpacing(12);
    Pump();
    EXPECT_EQ(Rebuilds, withCaption + 1);
    EXPECT_EQ(Cell->CaptionRect().Left, captionBefore.Left + 4)
        << "glyph, spacing and caption stay centred as one block: the caption moves by half the change";
}

TEST_F(SpeedButtons, AChangedCellRepaintsAloneNotItsNeighbourNorThePanel) {
    auto* neighbour = On<TsSpeedButton>(Board, 70, 20, 40, 40);
    Cell->SetGroupIndex(1);
    Cell->SetAllowAllUp(true);
    neighbour->SetGroupIndex(2);
    Pump();
    int cellPaints = 0, neighbourPaints = 0, neighbourRebuilds = 0, panelRebuilds = 0;
    CountPaints(*Cell, cellPaints);
    CountPaints(*neighbour, neighbourPaints);
    neighbour->OnPaint = [&](TObject*, TBitmap*) { ++neighbourRebuilds; };
    Board->OnPaint = [&](TObject*, TCanvas*) { ++panelRebuilds; };

    Cell->SetDown(true);
    Pump();
    EXPECT_GE(cellPaints, 1);
    EXPECT_EQ(neighbourPaints, 0);
    EXPECT_EQ(neighbourRebuilds, 0);
    EXPECT_EQ(panelRebuilds, 0);
    EXPECT_EQ(Pixel(*Cell, 5, 5), BoardSkin::SpeedHot);
    EXPECT_EQ(Pixel(*neighbour, 5, 5), BoardSkin::Speed);
}

TEST_F(SpeedButtons, WithoutASkinTheCellIsThePlainSpeedButtonAndStillToggles) {
    SkinOff();
    auto* plain = On<TSpeedButton>(Board, 80, 20, 40, 40);
    for (TSpeedButton* button : {static_cast<TSpeedButton*>(Cell), plain}) {
        button->SetCaption("7");
        button->SetGroupIndex(button == plain ? 8 : 9);
        button->SetAllowAllUp(true);
    }
    const TPoint inside = At(*Cell, 20, 20);
    ClickAt(inside.X, inside.Y);
    EXPECT_TRUE(Cell->Down());
    plain->SetDown(true);
    const TPoint away = At(*Board, 150, 120);
    MoveTo(away.X, away.Y);
    Pump();
    const Bitmap screen = CaptureScreen();
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const TPoint a = At(*Cell, x, y), b = At(*plain, x, y);
            ASSERT_EQ(screen.Pixel(a.X, a.Y), screen.Pixel(b.X, b.Y)) << x << "," << y;
        }
}
