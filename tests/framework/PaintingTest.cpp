// What controls put on the screen: graphic children in z-order clipped to their bounds, the
// same picture double-buffered, panel bevels, images placed by their settings and labels that
// size themselves to their text.
#include "FormTestFixture.h"

#include "framework/TBitmap.h"
#include "framework/TImage.h"
#include "framework/TLabel.h"
#include "framework/TPanel.h"

namespace {
class PaintingTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Form = ShownForm(20, 20, 300, 200);
    }
    void TearDown() override {
        Form.reset();
        FormTest::TearDown();
    }
    TColor Pixel(const TControl& control, int x, int y) {
        Pump();
        Bitmap screen = CaptureScreen();
        DeviceContext dc(&screen);
        TPoint p = At(control, x, y);
        return dc.GetPixel(p.X, p.Y);
    }
    TLabel* Block(TWinControl* parent, const TRect& r, TColor color) {
        auto* label = new TLabel(Form.get());
        label->SetParent(parent);
        label->SetAutoSize(false);
        label->SetBoundsRect(r);
        label->SetColor(color);
        return label;
    }
    std::unique_ptr<TForm> Form;
};
}

TEST_F(PaintingTest, GraphicChildrenArePaintedInZOrderWithinTheirBounds) {
    TLabel* red = Block(Form.get(), {10, 10, 50, 50}, clRed);
    TLabel* blue = Block(Form.get(), {30, 30, 70, 70}, clBlue);
    EXPECT_EQ(Pixel(*Form, 40, 40), clBlue);
    EXPECT_EQ(Pixel(*Form, 20, 20), clRed);
    EXPECT_EQ(Pixel(*Form, 60, 20), ColorToRGB(clBtnFace));
    red->BringToFront();
    EXPECT_EQ(Pixel(*Form, 40, 40), clRed);
    EXPECT_EQ(Form->Controls(1), red);
    red->SendToBack();
    EXPECT_EQ(Pixel(*Form, 40, 40), clBlue);
    blue->SetVisible(false);
    EXPECT_EQ(Pixel(*Form, 60, 60), ColorToRGB(clBtnFace));
}

TEST_F(PaintingTest, ADoubleBufferedControlShowsTheSamePicture) {
    auto* panel = new TPanel(Form.get());
    panel->SetParent(Form.get());
    panel->SetBounds(0, 0, 200, 150);
    panel->SetBevelOuter(bvNone);
    Block(panel, {10, 10, 50, 50}, clRed);
    Block(panel, {30, 30, 70, 70}, clLime);
    const TColor plain[] = {Pixel(*panel, 40, 40), Pixel(*panel, 20, 20), Pixel(*panel, 100, 100)};
    panel->SetDoubleBuffered(true);
    panel->Invalidate();
    EXPECT_EQ(Pixel(*panel, 40, 40), plain[0]);
    EXPECT_EQ(Pixel(*panel, 20, 20), plain[1]);
    EXPECT_EQ(Pixel(*panel, 100, 100), plain[2]);
    EXPECT_EQ(plain[0], clLime);
    // A repaint of part of the panel composes that part alone, in its place.
    auto* red = static_cast<TLabel*>(panel->Controls(0));
    red->SetColor(clBlue);
    EXPECT_EQ(Pixel(*panel, 20, 20), clBlue);
    EXPECT_EQ(Pixel(*panel, 40, 40), clLime);
    EXPECT_EQ(Pixel(*panel, 49, 12), clBlue);
    EXPECT_EQ(Pixel(*panel, 100, 100), plain[2]);
}

TEST_F(PaintingTest, PanelBevelsAreDrawnOutsideInAndChildrenAlignInsideThem) {
    auto* panel = new TPanel(Form.get());
    panel->SetParent(Form.get());
    panel->SetBounds(10, 10, 100, 80);
    panel->SetColor(clYellow);
    panel->SetBevelWidth(2);
    panel->SetBorderWidth(3);
    panel->SetBevelInner(bvLowered);
    const TColor light = ColorToRGB(clBtnHighlight), shadow = ColorToRGB(clBtnShadow);
    EXPECT_EQ(Pixel(*panel, 0, 0), light);
    EXPECT_EQ(Pixel(*panel, 1, 40), light);
    EXPECT_EQ(Pixel(*panel, 99, 40), shadow);
    EXPECT_EQ(Pixel(*panel, 3, 40), clYellow) << "the border in the panel colour";
    EXPECT_EQ(Pixel(*panel, 5, 40), shadow) << "the lowered inner bevel starts dark";
    EXPECT_EQ(Pixel(*panel, 93, 40), light);
    EXPECT_EQ(Pixel(*panel, 50, 40), clYellow);
    TLabel* fill = Block(panel, {0, 0, 10, 10}, clRed);
    fill->SetAlign(alClient);
    EXPECT_EQ(fill->BoundsRect(), (TRect{7, 7, 93, 73}));
}

TEST_F(PaintingTest, AnImageIsPlacedAsStretchCenterAndProportionalSay) {
    auto* image = new TImage(Form.get());
    image->SetParent(Form.get());
    image->SetBounds(10, 10, 100, 100);
    TBitmap picture(20, 10);
    picture.Canvas()->Brush()->SetColor(clGreen);
    picture.Canvas()->FillRect({0, 0, 20, 10});
    image->Picture()->SetGraphic(&picture);
    EXPECT_EQ(image->DestRect(), (TRect{0, 0, 20, 10}));
    EXPECT_EQ(Pixel(*image, 5, 5), clGreen);
    EXPECT_EQ(Pixel(*image, 50, 50), ColorToRGB(clBtnFace));
    image->SetCenter(true);
    EXPECT_EQ(image->DestRect(), (TRect{40, 45, 60, 55}));
    image->SetStretch(true);
    EXPECT_EQ(image->DestRect(), (TRect{0, 0, 100, 100}));
    EXPECT_EQ(Pixel(*image, 90, 90), clGreen);
    image->SetProportional(true);
    EXPECT_EQ(image->DestRect(), (TRect{0, 25, 100, 75}));
    image->SetStretch(false); // proportional alone only shrinks
    EXPECT_EQ(image->DestRect(), (TRect{40, 45, 60, 55}));
}

TEST_F(PaintingTest, AnAutoSizedLabelFitsItsTextKeepingTheEdgeItsAlignmentNames) {
    auto* label = new TLabel(Form.get());
    label->SetParent(Form.get());
    label->SetBounds(100, 10, 10, 10);
    label->SetCaption("Short");
    const int shortWidth = label->Width();
    EXPECT_GT(shortWidth, 10);
    EXPECT_EQ(label->Left(), 100);
    label->SetAlignment(taRightJustify);
    const int right = label->Left() + label->Width();
    label->SetCaption("A much longer caption");
    EXPECT_GT(label->Width(), shortWidth);
    EXPECT_EQ(label->Left() + label->Width(), right);
    const int oneLine = label->Height();
    label->SetWordWrap(true);
    label->SetWidth(40);
    label->SetCaption("Several words that cannot fit");
    EXPECT_EQ(label->Width(), 40);
    EXPECT_GT(label->Height(), 2 * oneLine);
}
