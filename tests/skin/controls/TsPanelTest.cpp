// The skinned panel: its frame and custom colour, cells seen through over it, the rebuild after a
// partial repaint of a see-through panel, its caption line, and its plain look without a skin.
#include "skin/controls/TsPanel.h"
#include "skin/controls/TsSpeedButton.h"
#include "skin/windows/TsSkinProvider.h"
#include "tests/skin/controls/BoardControlsKit.h"
#include "tests/skin/paint/PaintTestKit.h"

#include "framework/TBitmap.h"
#include "platform/window/PaintApi.h"

namespace {

constexpr TColor Custom = RGB(1, 2, 250);

class Panels : public BoardControlsTest {
protected:
    void SetUp() override {
        BoardControlsTest::SetUp();
        SkinOn();
        Board = On<TsPanel>(Form, 10, 10, 200, 150);
        Board->OnPaint = [this](TObject*, TCanvas*) { ++Rebuilds; };
        Pump();
    }

    TsPanel* Board = nullptr;
    int Rebuilds = 0;
};

} // namespace

TEST_F(Panels, ACustomColourShowsFlatInsideTheFrameAndThroughTheCellsOverIt) {
    auto* cell = On<TsSpeedButton>(Board, 40, 40, 30, 30);
    cell->SkinData()->SetSkinSection("GLASSBUTTON");
    Pump();
    EXPECT_EQ(Pixel(*Board, 1, 1), BoardSkin::Frame);
    EXPECT_EQ(Pixel(*Board, 20, 20), BoardSkin::Panel);
    // Over a parent of one plain colour that colour stands in for both the parent's image and the
    // see-through colour layer, which are then blended.
    EXPECT_EQ(Pixel(*cell, 10, 10), BoardSkin::SeeThrough(BoardSkin::Panel, BoardSkin::Panel, BoardSkin::GlassTransparency));

    // As the settings dialog does it: the flag, the colour, then the refresh of every control.
    Board->SkinData()->SetCustomColor(true);
    Board->SetColor(Custom);
    Manager->BroadcastRefresh();
    Pump();
    EXPECT_EQ(Pixel(*Board, BoardSkin::FrameWidth - 1, 30), BoardSkin::Frame) << "the skin's frame stays";
    for (TPoint p : {TPoint{BoardSkin::FrameWidth, BoardSkin::FrameWidth}, TPoint{100, 75}, TPoint{196, 146}})
        EXPECT_EQ(Pixel(*Board, p.X, p.Y), Custom) << p.X << "," << p.Y;
    EXPECT_EQ(Pixel(*cell, 10, 10), BoardSkin::SeeThrough(Custom, Custom, BoardSkin::GlassTransparency));
}

TEST_F(Panels, APartialRepaintOfASeeThroughPanelRebuildsItsImageAtTheNextPaint) {
    // Over a gradient the see-through panel's image depends on what lies behind it.
    Board->SkinData()->SetSkinSection("GRAD");
    auto* glass = On<TsPanel>(Board, 20, 20, 120, 100);
    glass->SkinData()->SetSkinSection("SEETHROUGH");
    int glassRebuilds = 0;
    glass->OnPaint = [&glassRebuilds](TObject*, TCanvas*) { ++glassRebuilds; };
    Pump();
    const int settled = glassRebuilds;

    TRect part{5, 5, 30, 30};
    InvalidateRect(glass->Handle(), &part, FALSE);
    UpdateWindow(glass->Handle());
    EXPECT_EQ(glassRebuilds, settled) << "the partial paint itself copies the image";
    EXPECT_TRUE(glass->SkinData()->UsesParentImage());

    glass->Repaint();
    EXPECT_EQ(glassRebuilds, settled + 1) << "the next paint rebuilds it whole";
    glass->Repaint();
    EXPECT_EQ(glassRebuilds, settled + 1) << "a whole paint leaves nothing stale";

    // An opaque panel keeps its image through partial paints.
    const int boardSettled = Rebuilds;
    Board->SkinData()->SetSkinSection("PANEL");
    Pump();
    InvalidateRect(Board->Handle(), &part, FALSE);
    UpdateWindow(Board->Handle());
    Board->Repaint();
    EXPECT_EQ(Rebuilds, boardSettled + 1) << "rebuilt once for the new section only";
}

TEST_F(Panels, TheCaptionIsOneLineCentredInTheAreaInsideTheBevels) {
    Board->SetBevelOuter(bvRaised);
    Board->SetBevelInner(bvLowered);
    Board->SetBevelWidth(2);
    Board->SetBorderWidth(3);
    Board->SetBounds(10, 10, 120, 70);
    Board->Font()->SetSize(10);
    Board->SetCaption("Wg");
    Pump();
    TBitmap measure;
    measure.Canvas()->Font()->Assign(Board->Font());
    const int h = measure.Canvas()->TextHeight("W");
    const int inset = 3 + 2 + 2;
    const int top = (inset + (70 - inset) - h) / 2;

    const TInk ink = InkOf(Board->SkinData()->CacheBitmap()->Image(), BoardSkin::Panel,
                           {inset, inset, 120 - inset, 70 - inset});
    ASSERT_TRUE(ink.Any()) << "the caption is drawn";
    EXPECT_GE(ink.Top, top);
    EXPECT_LT(ink.Bottom, top + h);
    EXPECT_GT(ink.Bottom - ink.Top, h / 2) << "the whole line, descender included";
}

TEST_F(Panels, WithoutASkinThePanelIsThePlainPanel) {
    SkinOff();
    Board->OnPaint = nullptr;
    auto* plain = On<TPanel>(Form, 10, 70, 200, 50);
    Board->SetBounds(10, 10, 200, 50);
    for (TPanel* panel : {static_cast<TPanel*>(Board), plain}) {
        panel->SetBevelInner(bvLowered);
        panel->SetCaption("Доска");
    }
    Pump();
    const Bitmap screen = CaptureScreen();
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 200; ++x) {
            const TPoint a = At(*Board, x, y), b = At(*plain, x, y);
            ASSERT_EQ(screen.Pixel(a.X, a.Y), screen.Pixel(b.X, b.Y)) << x << "," << y;
        }
    EXPECT_EQ(Board->SkinData()->CacheBitmap()->Width(), 0) << "no cached pixels without a skin";
}

TEST_F(Panels, OnAFormWithItsSkinningComponentThePanelAndItsCellsPaintOverTheFormsBackground) {
    auto* skinned = new TForm(Application);
    skinned->SetBounds(340, 30, 260, 200);
    skinned->SetColor(FormColor);
    new TsSkinProvider(skinned);
    auto* board = On<TsPanel>(skinned, 10, 10, 150, 120);
    auto* cell = On<TsSpeedButton>(board, 20, 20, 40, 40);
    skinned->Show();
    Manager->BroadcastRefresh();
    Pump();
    EXPECT_EQ(Pixel(*skinned, 200, 150), BoardSkin::FormBack) << "the form's client area from its section";
    EXPECT_EQ(Pixel(*board, 50, 100), BoardSkin::Panel) << "the panel does not wait for the form";
    EXPECT_EQ(Pixel(*cell, 5, 5), BoardSkin::Speed);

    SkinOff();
    EXPECT_EQ(Pixel(*skinned, 200, 150), FormColor);
}
