// The binding's section, its hot rule, its cached image across hiding and showing, and the skin
// commands in the order a control meets them.
#include "skin/paint/ControlKinds.h"
#include "skin/paint/ParentQueries.h"
#include "tests/skin/paint/BindingTestKit.h"

#include "skin/data/SkinBroadcast.h"

#include "framework/TBitmap.h"

TEST_F(BindingTest, SectionNamesAreStoredUpperCasedAndTheControlHearsWhetherTheSkinHasThem) {
    SkinOn();
    auto* control = On<TTestGraphic>(Form, 0);
    TCommandLog log(*control);

    control->SkinData()->SetSkinSection("button");
    EXPECT_EQ(control->SkinData()->SkinSection(), "BUTTON");
    EXPECT_EQ(control->SkinData()->SkinSectionIndex(), Manager->SectionIndex("BUTTON"));
    EXPECT_EQ(log.Codes(), std::vector<std::uint16_t>{scSetSkin});

    control->SkinData()->SetSkinSection("Button");
    EXPECT_EQ(log.Codes(), std::vector<std::uint16_t>{scSetSkin}) << "the same name again sends nothing";

    control->SkinData()->SetSkinSection("nothing-like-it");
    EXPECT_EQ(control->SkinData()->SkinSectionIndex(), -1);
    EXPECT_FALSE(control->SkinData()->IsSkinned());
    EXPECT_EQ(log.Codes(), (std::vector<std::uint16_t>{scSetSkin, scRemoveSkin}));

    control->SkinData()->SetSkinSection("");
    EXPECT_EQ(control->SkinData()->SkinSection(), "UNKNOWN");
}

TEST_F(BindingTest, AnEmptySectionTakesTheKindsDefaultOrTheClassNameWhichMayLeaveTheControlUnskinned) {
    SkinOn();
    auto* checkBox = On<TTestGraphic>(Form, ckCheckBox);
    EXPECT_EQ(checkBox->SkinData()->SkinSection(), "CHECKBOX");
    EXPECT_TRUE(checkBox->SkinData()->IsSkinned());

    auto* other = On<TTestGraphic>(Form, 0);
    EXPECT_EQ(other->SkinData()->SkinSection(), "TTESTGRAPHIC");
    EXPECT_EQ(other->SkinData()->SkinSectionIndex(), -1);
    EXPECT_FALSE(other->SkinData()->IsSkinned());
    other->SetBounds(0, 0, 20, 20);
    Form->Repaint();
    EXPECT_EQ(other->Prepared, 0) << "an unskinned control paints in its plain look";
    EXPECT_EQ(Pixel(*Form, 5, 5), clYellow);
}

TEST_F(BindingTest, APanelIsNeverHotUnderTheMouseWhileASpeedButtonIsUnlessDisabled) {
    SkinOn();
    auto* panel = On<TTestContainer>(Form, ckPanel);
    auto* button = On<TTestGraphic>(Form, ckSpeedButton);
    for (TControl* control : {static_cast<TControl*>(panel), static_cast<TControl*>(button)})
        control->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_FALSE(panel->SkinData()->IsHot());
    EXPECT_FALSE(panel->SkinData()->MouseInside());
    EXPECT_TRUE(button->SkinData()->IsHot());

    panel->SkinData()->SetHasFocus(true);
    EXPECT_TRUE(panel->SkinData()->IsHot()) << "focus makes any kind hot";

    button->SetEnabled(false);
    EXPECT_FALSE(button->SkinData()->MouseInside()) << "enabling anew starts without the mouse";
    button->SkinData()->SetMouseInside(true);
    EXPECT_FALSE(button->SkinData()->IsHot());

    button->SetEnabled(true);
    button->SkinData()->SetMouseInside(true);
    button->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(button->SkinData()->IsHot());
}

TEST_F(BindingTest, EnteringOneSpeedButtonTakesTheMouseOutOfASiblingThatMissedItsLeave) {
    SkinOn();
    auto* panel = On<TTestContainer>(Form, ckPanel);
    auto* left = On<TTestGraphic>(panel, ckSpeedButton);
    auto* right = On<TTestGraphic>(panel, ckSpeedButton);
    left->Perform(CM_MOUSEENTER, 0, 0);
    ASSERT_TRUE(left->SkinData()->MouseInside());
    right->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_TRUE(right->SkinData()->MouseInside());
    EXPECT_FALSE(left->SkinData()->MouseInside());
}

TEST_F(BindingTest, HidingDropsTheCachedPixelsAndShowingRebuildsThemBeforeTheNextPaint) {
    SkinOn();
    auto* button = On<TTestGraphic>(Form, ckSpeedButton);
    button->SetBounds(10, 10, 30, 20);
    Form->Repaint();
    const TBitmap* cache = button->SkinData()->CacheBitmap();
    ASSERT_EQ(cache->Width(), 30);
    EXPECT_FALSE(button->SkinData()->CacheInvalid());
    EXPECT_EQ(Pixel(*Form, 20, 15), TestSkin::Speed);

    button->Hide();
    EXPECT_TRUE(cache->Empty());
    button->Show();
    EXPECT_TRUE(button->SkinData()->CacheInvalid());
    EXPECT_FALSE(button->SkinData()->PaintSuspended());
    const int before = button->Prepared;
    Form->Repaint();
    EXPECT_EQ(button->Prepared, before + 1);
    EXPECT_EQ(cache->Width(), 30);
    EXPECT_EQ(cache->Image().Pixel(15, 10), TestSkin::Speed);
}

TEST_F(BindingTest, ApplyRefreshAndRemoveReachAContainersChildrenInTheOrderThatKeepsThemInStep) {
    auto* panel = On<TTestContainer>(Form, ckPanel);
    auto* cell = On<TTestGraphic>(panel, ckSpeedButton);
    TCommandLog panelLog(*panel), cellLog(*cell);
    std::vector<std::string> seenByCell;
    cellLog.OnCommand = [&](std::uint16_t code) {
        const TsCommonData& p = *panel->SkinData();
        seenByCell.push_back(std::to_string(code) + (p.PaintSuspended() ? " suspended" : " painting") +
                             (p.SkinSectionIndex() >= 0 ? " resolved" : " none"));
    };

    SkinOn();
    EXPECT_EQ(panelLog.Codes(), (std::vector<std::uint16_t>{scNewSkin, scStopFading, scSetSkin}));
    // The panel passes on the manager's three commands of the skin itself.
    EXPECT_EQ(cellLog.Codes(), (std::vector<std::uint16_t>{scNewSkin, scSetSkin}));
    // New skin reaches the children before the panel's binding; the refresh after it.
    EXPECT_EQ(seenByCell, (std::vector<std::string>{"1 painting none", "3 painting resolved"}));
    for (TsCommonData* data : {panel->SkinData(), cell->SkinData()}) {
        EXPECT_FALSE(data->PaintSuspended());
        EXPECT_TRUE(data->CacheInvalid());
        EXPECT_TRUE(data->IsSkinned());
    }

    seenByCell.clear();
    Manager->BroadcastRefresh();
    EXPECT_EQ(seenByCell, std::vector<std::string>{"3 painting resolved"});

    seenByCell.clear();
    SkinOff();
    EXPECT_EQ(seenByCell, std::vector<std::string>{"2 suspended none"}) << "removal reaches the panel first";
    for (TsCommonData* data : {panel->SkinData(), cell->SkinData()}) {
        EXPECT_EQ(data->SkinSectionIndex(), -1);
        EXPECT_EQ(data->BordersMaskIndex(), -1);
        EXPECT_TRUE(data->PaintSuspended());
        EXPECT_TRUE(data->CacheBitmap()->Empty());
    }
}

TEST_F(BindingTest, AContainerWhoseOwnSectionLeavesTheSkinKeepsItsChildrenSkinned) {
    SkinOn();
    auto* panel = On<TTestContainer>(Form, ckPanel);
    auto* cell = On<TTestGraphic>(panel, ckSpeedButton);
    panel->SkinData()->SetSkinSection("NOT-IN-THE-SKIN");
    EXPECT_FALSE(panel->SkinData()->IsSkinned());
    EXPECT_TRUE(cell->SkinData()->IsSkinned());
}

TEST_F(BindingTest, CommandsOfAnotherManagerChangeNothing) {
    SkinOn();
    auto* button = On<TTestGraphic>(Form, ckSpeedButton);
    TsSkinManager other(nullptr);
    const LPARAM otherParam = reinterpret_cast<LPARAM>(&other);
    SkinCommandToControl(button, scRemoveSkin, otherParam);
    SkinCommandToControl(button, scNewSkin, otherParam);
    EXPECT_TRUE(button->SkinData()->IsSkinned());
    EXPECT_FALSE(button->SkinData()->PaintSuspended());
    EXPECT_NE(button->SkinData()->SkinSectionIndex(), -1);
}

TEST_F(BindingTest, AGraphicControlAnswersQuestionsInTheRecord) {
    SkinOn();
    auto* button = On<TTestGraphic>(Form, ckSpeedButton);
    button->SetBounds(0, 0, 12, 12);
    EXPECT_TRUE(IsSkinnedControl(button));
    EXPECT_EQ(SkinCommandToControl(button, scMayIPaint, 0), 1) << "an invalid image: do not paint yet";
    button->SkinData()->SetCacheInvalid(false);
    EXPECT_EQ(SkinCommandToControl(button, scMayIPaint, 0), 0);
    SkinCommandToControl(button, scSuspendPainting, 0, 1);
    EXPECT_EQ(SkinCommandToControl(button, scMayIPaint, 0), 1);
    SkinCommandToControl(button, scSuspendPainting, 0, 0);

    button->SkinData()->PrepareCacheBitmap();
    const TParentImageInfo info = CacheInfoOf(*button);
    EXPECT_TRUE(info.Ready);
    EXPECT_EQ(info.Bmp, &button->SkinData()->CacheBitmap()->Image());
    EXPECT_EQ(info.X, 0);
    EXPECT_EQ(SkinCommandToControl(button, scGetApplication, 0), reinterpret_cast<LRESULT>(Application));
}

TEST_F(BindingTest, ASizeInvalidatesTheImageAndAMoveOverAParentThatIsNotOneColourToo) {
    SkinOn();
    auto* gradient = On<TTestContainer>(Form, ckPanel);
    gradient->SkinData()->SetSkinSection("GRAD");
    gradient->SetBounds(0, 0, 100, 100);
    auto* solid = On<TTestGraphic>(gradient, ckSpeedButton);
    auto* seeThrough = On<TTestGraphic>(gradient, 0);
    auto* overPlain = On<TTestGraphic>(Form, 0);
    seeThrough->SkinData()->SetSkinSection("HALF");
    overPlain->SkinData()->SetSkinSection("HALF");
    for (TTestGraphic* control : {solid, seeThrough, overPlain}) {
        control->SetBounds(0, 0, 10, 10);
        control->SkinData()->SetCacheInvalid(false);
    }
    TCommandLog seeThroughLog(*seeThrough);
    for (TTestGraphic* control : {solid, seeThrough, overPlain}) control->SetBounds(5, 5, 10, 10);
    EXPECT_FALSE(solid->SkinData()->CacheInvalid()) << "an opaque control looks the same elsewhere";
    EXPECT_FALSE(overPlain->SkinData()->CacheInvalid()) << "so does one over a plain colour";
    EXPECT_TRUE(seeThrough->SkinData()->CacheInvalid());
    ASSERT_FALSE(seeThroughLog.Seen.empty());
    EXPECT_EQ(seeThroughLog.Seen.front(), (std::pair<std::uint16_t, std::uint16_t>{scRepaintDependants, 1}));

    solid->SetBounds(5, 5, 12, 10);
    EXPECT_TRUE(solid->SkinData()->CacheInvalid());
}
