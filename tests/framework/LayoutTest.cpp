// Aligned children share out the client area; anchored children keep their distances when the
// parent is resized; constraints limit sizes.
#include "FormTestFixture.h"

#include "framework/TPanel.h"
#include "framework/TSpeedButton.h"

namespace {
TPanel* PanelOn(TWinControl* parent, TAlign align, int size) {
    auto* p = new TPanel(parent);
    p->SetParent(parent);
    p->SetBounds(0, 0, size, size);
    p->SetAlign(align);
    return p;
}
}

TEST_F(FormTest, AlignedChildrenTakeTheirStripsInTheClassicOrderInsideTheBorder) {
    auto form = ShownForm(0, 0, 400, 300);
    form->SetBorderWidth(5);
    TPanel* client = PanelOn(form.get(), alClient, 10);
    TPanel* top = PanelOn(form.get(), alTop, 30);
    TPanel* bottom = PanelOn(form.get(), alBottom, 20);
    TPanel* left = PanelOn(form.get(), alLeft, 40);
    TPanel* right = PanelOn(form.get(), alRight, 50);
    EXPECT_EQ(top->BoundsRect(), (TRect{5, 5, 395, 35}));
    EXPECT_EQ(bottom->BoundsRect(), (TRect{5, 275, 395, 295}));
    EXPECT_EQ(left->BoundsRect(), (TRect{5, 35, 45, 275}));
    EXPECT_EQ(right->BoundsRect(), (TRect{345, 35, 395, 275}));
    EXPECT_EQ(client->BoundsRect(), (TRect{45, 35, 345, 275}));
    // The window of an aligned panel is where the control says.
    TRect w;
    GetWindowRect(client->Handle(), &w);
    EXPECT_EQ(w.Left - form->ClientOrigin().X, 45);

    form->SetClientWidth(500);
    EXPECT_EQ(right->Left(), 445);
    EXPECT_EQ(client->Width(), 400);
    bottom->SetVisible(false);
    EXPECT_EQ(client->BoundsRect().Bottom, 295) << "a hidden strip gives its room back";
}

TEST_F(FormTest, TwoTopStripsStackInTheirOrderOnScreenAndDisableAlignDefersTheLayout) {
    auto form = ShownForm(0, 0, 200, 200);
    form->DisableAlign();
    TPanel* second = PanelOn(form.get(), alNone, 20);
    second->SetTop(50);
    second->SetAlign(alTop);
    TPanel* first = PanelOn(form.get(), alNone, 30);
    first->SetTop(10);
    first->SetAlign(alTop);
    EXPECT_EQ(first->Top(), 10) << "nothing moves while alignment is disabled";
    form->EnableAlign();
    EXPECT_EQ(first->BoundsRect(), (TRect{0, 0, 200, 30}));
    EXPECT_EQ(second->BoundsRect(), (TRect{0, 30, 200, 50}));
}

TEST_F(FormTest, AnchorsKeepTheNamedDistancesWhenTheParentIsResized) {
    auto form = ShownForm(0, 0, 300, 200);
    auto* topRight = new TSpeedButton(form.get());
    topRight->SetParent(form.get());
    topRight->SetAnchors({akRight, akTop});
    topRight->SetBounds(250, 10, 40, 20); // 10 from the right edge
    auto* stretch = new TPanel(form.get());
    stretch->SetParent(form.get());
    stretch->SetAnchors({akLeft, akTop, akRight, akBottom});
    stretch->SetBounds(10, 40, 280, 150); // 10 right, 10 bottom
    auto* bottomLeft = new TSpeedButton(form.get());
    bottomLeft->SetParent(form.get());
    bottomLeft->SetAnchors({akLeft, akBottom});
    bottomLeft->SetBounds(5, 170, 20, 20);
    auto* floating = new TSpeedButton(form.get());
    floating->SetParent(form.get());
    floating->SetAnchors({});
    floating->SetBounds(140, 90, 20, 20); // centred

    form->SetClientWidth(400);
    form->SetClientHeight(300);
    EXPECT_EQ(topRight->BoundsRect(), (TRect{350, 10, 390, 30}));
    EXPECT_EQ(stretch->BoundsRect(), (TRect{10, 40, 390, 290}));
    EXPECT_EQ(bottomLeft->BoundsRect(), (TRect{5, 270, 25, 290}));
    EXPECT_EQ(floating->BoundsRect(), (TRect{190, 140, 210, 160}));

    form->SetClientWidth(150); // smaller than the original: distances still kept
    EXPECT_EQ(topRight->Left(), 100);
    EXPECT_EQ(stretch->Width(), 130);
    topRight->SetLeft(20); // moved by code: the new place is what it keeps
    form->SetClientWidth(250);
    EXPECT_EQ(topRight->Left(), 120);
}

TEST_F(FormTest, AnchoredChildrenFollowAUserResizeOfTheWindow) {
    auto form = ShownForm(0, 0, 300, 200);
    auto* button = new TSpeedButton(form.get());
    button->SetParent(form.get());
    button->SetAnchors({akRight, akBottom});
    button->SetBounds(270, 170, 20, 20);
    TRect w;
    GetWindowRect(form->Handle(), &w);
    SetWindowPos(form->Handle(), nullptr, 0, 0, w.Width() + 60, w.Height() + 40, SWP_NOMOVE | SWP_NOZORDER);
    Pump();
    EXPECT_EQ(form->ClientWidth(), 360);
    EXPECT_EQ(button->BoundsRect(), (TRect{330, 210, 350, 230}));
}

TEST_F(FormTest, ConstraintsLimitBoundsAndResizeFiresOnlyOnRealChanges) {
    auto form = ShownForm(0, 0, 300, 200);
    auto* panel = new TPanel(form.get());
    panel->SetParent(form.get());
    int resizes = 0;
    panel->OnResize = [&](TObject*) { ++resizes; };
    panel->Constraints()->SetMinWidth(50);
    panel->Constraints()->SetMaxHeight(60);
    resizes = 0;
    panel->SetBounds(0, 0, 10, 100);
    EXPECT_EQ(panel->Width(), 50);
    EXPECT_EQ(panel->Height(), 60);
    EXPECT_EQ(resizes, 1);
    panel->SetBounds(0, 0, 10, 100);
    EXPECT_EQ(resizes, 1);
    panel->Constraints()->SetMaxWidth(20); // below the minimum: raised to it
    EXPECT_EQ(panel->Constraints()->MaxWidth(), 50);
}

TEST_F(FormTest, AlignedAndAnchoredChildrenSurviveMinimisingAndRestoring) {
    auto form = ShownForm(0, 0, 300, 200);
    TPanel* bottom = PanelOn(form.get(), alBottom, 30);
    auto* corner = new TSpeedButton(form.get());
    corner->SetParent(form.get());
    corner->SetAnchors({akRight, akBottom});
    corner->SetBounds(270, 140, 20, 20);
    ShowWindow(form->Handle(), SW_MINIMIZE);
    Pump();
    corner->SetTop(130); // moved while minimised: kept against the restored size
    ShowWindow(form->Handle(), SW_RESTORE);
    Pump();
    EXPECT_EQ(bottom->BoundsRect(), (TRect{0, 170, 300, 200}));
    EXPECT_EQ(corner->BoundsRect(), (TRect{270, 130, 290, 150}));
    form->SetClientWidth(320);
    EXPECT_EQ(corner->Left(), 290);
}
