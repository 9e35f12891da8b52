// Speed buttons: groups under one parent, AllowAllUp, the press look while the mouse is held,
// disabled buttons, glyph images and the layout of glyph and caption.
#include "FormTestFixture.h"

#include "framework/TPanel.h"
#include "framework/TSpeedButton.h"

namespace {
class SpeedButtonTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Form = ShownForm(50, 50, 400, 200);
    }
    void TearDown() override {
        Form.reset();
        FormTest::TearDown();
    }
    TSpeedButton* Make(TWinControl* parent, int left, int group) {
        auto* b = new TSpeedButton(Form.get());
        b->SetParent(parent);
        b->SetBounds(left, 10, 40, 30);
        b->SetGroupIndex(group);
        b->OnClick = [this](TObject*) { ++Clicks; };
        return b;
    }
    void Click(TSpeedButton* b) {
        Advance(1000); // each click a single one
        TPoint p = At(*b, 10, 10);
        ClickAt(p.X, p.Y);
    }
    std::unique_ptr<TForm> Form;
    int Clicks = 0;
};
}

TEST_F(SpeedButtonTest, AGroupKeepsOneButtonDownUnderTheSameParentAndAllowAllUpLetsItGoUp) {
    TSpeedButton* a = Make(Form.get(), 10, 1);
    TSpeedButton* b = Make(Form.get(), 60, 1);
    TSpeedButton* c = Make(Form.get(), 110, 2);
    auto* panel = new TPanel(Form.get());
    panel->SetParent(Form.get());
    panel->SetBounds(200, 0, 150, 100);
    TSpeedButton* elsewhere = Make(panel, 10, 1);
    elsewhere->SetDown(true);

    Click(a);
    EXPECT_TRUE(a->Down());
    Click(b);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_TRUE(elsewhere->Down()) << "another parent is another group";
    Click(c);
    EXPECT_TRUE(b->Down() && c->Down()) << "another index is another group";
    Click(b);
    EXPECT_TRUE(b->Down()) << "a down button does not go up without AllowAllUp";
    b->SetDown(false);
    EXPECT_TRUE(b->Down());
    a->SetAllowAllUp(true); // shared by the whole group
    EXPECT_TRUE(b->AllowAllUp());
    Click(b);
    EXPECT_FALSE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(Clicks, 5);
    a->SetDown(true);
    EXPECT_EQ(a->State(), bsExclusive);
}

TEST_F(SpeedButtonTest, WithoutAGroupAButtonOnlyPushesAndShowsThePressWhileThePointerIsInside) {
    TSpeedButton* b = Make(Form.get(), 10, 0);
    b->SetDown(true);
    EXPECT_FALSE(b->Down()) << "Down needs a group";
    TPoint in = At(*b, 10, 10), out = At(*Form, 300, 150);
    MoveTo(in.X, in.Y);
    Press(in.X, in.Y, true);
    EXPECT_EQ(b->State(), bsDown);
    MoveTo(out.X, out.Y);
    EXPECT_EQ(b->State(), bsUp);
    MoveTo(in.X, in.Y);
    EXPECT_EQ(b->State(), bsDown);
    MoveTo(out.X, out.Y);
    Press(out.X, out.Y, false);
    EXPECT_EQ(b->State(), bsUp);
    EXPECT_EQ(Clicks, 0);
    Click(b);
    EXPECT_EQ(Clicks, 1);
    EXPECT_FALSE(b->Down());
    b->SetEnabled(false);
    Click(b);
    EXPECT_EQ(Clicks, 1);
    EXPECT_EQ(b->State(), bsDisabled);
}

TEST_F(SpeedButtonTest, TheGlyphImageFollowsTheStateAndItsKeyColourIsSeeThrough) {
    TSpeedButton* b = Make(Form.get(), 10, 1);
    b->SetBounds(10, 10, 40, 40);
    b->SetAllowAllUp(true);
    TBitmap glyph(16, 8); // two 8 x 8 images: up red, disabled blue; bottom-left pixel is the key
    glyph.Canvas()->Brush()->SetColor(clRed);
    glyph.Canvas()->FillRect({0, 0, 8, 8});
    glyph.Canvas()->Brush()->SetColor(clBlue);
    glyph.Canvas()->FillRect({8, 0, 16, 8});
    glyph.Canvas()->SetPixels(0, 7, clFuchsia);
    glyph.Canvas()->SetPixels(8, 7, clFuchsia);
    b->SetGlyph(&glyph);
    b->SetNumGlyphs(2);
    b->SetLayout(blGlyphTop);
    Pump();
    auto pixel = [&](int x, int y) {
        Bitmap screen = CaptureScreen();
        TPoint p = At(*b, x, y);
        DeviceContext dc(&screen);
        return dc.GetPixel(p.X, p.Y);
    };
    const TRect g = b->GlyphRect();
    EXPECT_EQ(g, Bounds(16, 16, 8, 8)) << "a glyph without caption is centred";
    EXPECT_EQ(pixel(g.Left + 3, g.Top + 3), clRed);
    EXPECT_EQ(pixel(g.Left, g.Bottom - 1), ColorToRGB(clBtnFace)) << "the key colour shows the face";
    b->SetEnabled(false);
    Pump();
    EXPECT_EQ(pixel(g.Left + 3, g.Top + 3), clBlue);
    b->SetEnabled(true);
    b->SetDown(true); // no down image: the up one, moved by a pixel
    Pump();
    EXPECT_EQ(b->GlyphRect(), Bounds(17, 17, 8, 8));
    EXPECT_EQ(pixel(17 + 3, 17 + 3), clRed);
}

TEST_F(SpeedButtonTest, GlyphAndMultiLineCaptionAreLaidOutAsOneBlock) {
    TSpeedButton* b = Make(Form.get(), 10, 0);
    b->SetBounds(10, 10, 100, 80);
    TBitmap glyph(10, 10);
    b->SetGlyph(&glyph);
    b->SetCaption("1");
    const TRect oneLine = b->CaptionRect();
    b->SetCaption("1 2\r\n3");
    const TRect twoLines = b->CaptionRect();
    EXPECT_GT(twoLines.Height(), oneLine.Height() * 3 / 2);
    EXPECT_EQ((twoLines.Top + twoLines.Bottom) / 2, 40) << "centred vertically as a block";
    // Glyph left, centred: glyph, spacing 4, caption, with equal room on both sides.
    const TRect g = b->GlyphRect();
    EXPECT_EQ(twoLines.Left - g.Right, 4);
    EXPECT_LE(std::abs(g.Left - (100 - twoLines.Right)), 1);
    EXPECT_GT(g.Left, 20) << "a short caption leaves room on both sides";
    b->SetMargin(5);
    b->SetLayout(blGlyphRight);
    EXPECT_EQ(b->GlyphRect().Right, 95);
    EXPECT_EQ(b->GlyphRect().Left - b->CaptionRect().Right, 4);
}

TEST_F(SpeedButtonTest, APressEndedByAWindowTakingThePointerLeavesTheButtonUpAndTheMouseFree) {
    TSpeedButton* b = Make(Form.get(), 10, 0);
    TSpeedButton* other = Make(Form.get(), 100, 0);
    TForm popup(nullptr);
    popup.SetBounds(300, 300, 100, 80);
    popup.Show();
    // As a modal window opened from the press would: it takes the pointer and lets it go.
    b->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) {
        SetCapture(popup.Handle());
        ReleaseCapture();
    };
    TPoint p = At(*b, 10, 10);
    MoveTo(p.X, p.Y);
    Press(p.X, p.Y, true);
    EXPECT_EQ(b->State(), bsUp);
    EXPECT_EQ(Application->CaptureControl(), nullptr);
    Press(p.X, p.Y, false);
    EXPECT_EQ(Clicks, 0);
    TPoint q = At(*other, 10, 10);
    MoveTo(q.X, q.Y);
    EXPECT_EQ(Application->MouseControl(), other) << "the mouse is not stuck on the first button";
    Advance(1000);
    ClickAt(q.X, q.Y);
    EXPECT_EQ(Clicks, 1);
}
