// Skin commands on their way to forms and controls: the order a control receives them in, the
// children rule, the passes over the application's forms and the single-receiver helpers.
#include "skin/data/SkinBroadcast.h"
#include "skin/data/TsSkinManager.h"
#include "tests/framework/FormTestFixture.h"
#include "tests/skin/data/SkinRecorders.h"
#include "tests/skin/data/SkinTestKit.h"

#include "framework/TGraphicControl.h"
#include "framework/TPanel.h"

namespace {

TPanel* PanelOn(TWinControl* parent) {
    auto* panel = new TPanel(parent);
    panel->SetParent(parent);
    return panel;
}

TGraphicControl* GraphicOn(TWinControl* parent) {
    auto* control = new TGraphicControl(parent);
    control->SetParent(parent);
    return control;
}

class SkinBroadcastTest : public FormTest {
protected:
    // A shown form owned by the application, as the game's windows are.
    TForm* AppForm() {
        auto* form = new TForm(Application);
        form->SetBounds(50, 50, 200, 150);
        form->Show();
        Pump();
        return form;
    }
};

} // namespace

TEST_F(SkinBroadcastTest, AControlHearsNewSkinStopFadingAndRefreshOnApplyAndRemoveOnSwitchingOff) {
    TForm* form = AppForm();
    TPanel* panel = PanelOn(form);
    panel->HandleNeeded();
    TGraphicControl* graphic = GraphicOn(form);
    TSkinRecorder windowed(*panel, true);
    TSkinRecorder plain(*graphic, true);

    TsSkinManager manager(nullptr);
    manager.SetActive(false);
    manager.InternalSkins().Add(TsStoredSkin("Only (internal)", TinySkinArchive("BUTTON", RGB(9, 9, 9))));
    windowed.Seen.clear();
    plain.Seen.clear();

    manager.SetActive(true);
    const std::vector<std::uint16_t> apply{scNewSkin, scStopFading, scSetSkin};
    EXPECT_EQ(windowed.Commands(), apply);
    EXPECT_EQ(plain.Commands(), apply);
    for (std::uint16_t code : apply) {
        EXPECT_TRUE(windowed.Last(code)->ViaWindow) << code;
        EXPECT_FALSE(plain.Last(code)->ViaWindow) << code;
    }
    EXPECT_EQ(windowed.Last(scNewSkin)->Manager, reinterpret_cast<LPARAM>(&manager));

    windowed.Seen.clear();
    manager.BroadcastRefresh();
    EXPECT_EQ(windowed.Commands(), (std::vector<std::uint16_t>{scStopFading, scSetSkin}));

    windowed.Seen.clear();
    manager.SetActive(false);
    EXPECT_EQ(windowed.Commands(), std::vector<std::uint16_t>{scRemoveSkin});
}

TEST_F(SkinBroadcastTest, ChildrenGetItDirectlyOrByTheirWindowAndUnskinnedWindowsAreLookedThrough) {
    TForm* form = AppForm();
    TPanel* skinned = PanelOn(form);
    TGraphicControl* insideSkinned = GraphicOn(skinned);
    TPanel* unskinned = PanelOn(form);
    TGraphicControl* insideUnskinned = GraphicOn(unskinned);
    TPanel* deepSkinned = PanelOn(unskinned);
    ASSERT_TRUE(skinned->HandleAllocated() && unskinned->HandleAllocated() && deepSkinned->HandleAllocated());

    TSkinRecorder skinnedLog(*skinned, true), insideSkinnedLog(*insideSkinned, true);
    TSkinRecorder unskinnedLog(*unskinned, false), insideUnskinnedLog(*insideUnskinned, true);
    TSkinRecorder deepLog(*deepSkinned, true);
    BroadcastToChildren(form, MakeSkinCommand(scSetSkin));

    auto got = [](const TSkinRecorder& r) { return r.Last(scSetSkin) != nullptr; };
    EXPECT_TRUE(got(skinnedLog));
    EXPECT_TRUE(skinnedLog.Last(scSetSkin)->ViaWindow);
    // A skinned container passes commands on itself.
    EXPECT_FALSE(got(insideSkinnedLog));
    EXPECT_FALSE(got(unskinnedLog));
    EXPECT_TRUE(got(insideUnskinnedLog));
    EXPECT_FALSE(insideUnskinnedLog.Last(scSetSkin)->ViaWindow);
    EXPECT_TRUE(got(deepLog));
    EXPECT_TRUE(deepLog.Last(scSetSkin)->ViaWindow);
}

TEST_F(SkinBroadcastTest, AWindowedChildWhoseWindowIsNotMadeYetGetsItDirectly) {
    auto* form = new TForm(Application);
    TPanel* unskinned = PanelOn(form);
    ASSERT_FALSE(unskinned->HandleAllocated());
    TSkinRecorder log(*unskinned, false);
    Broadcast(MakeSkinCommand(scSetSkin));
    ASSERT_NE(log.Last(scSetSkin), nullptr);
    EXPECT_FALSE(log.Last(scSetSkin)->ViaWindow);
    EXPECT_FALSE(unskinned->HandleAllocated());
}

TEST_F(SkinBroadcastTest, TheApplicationsFormsAreReachedLastFirstAndOnlyWhenTheyAreNotSkinnedThemselves) {
    TForm* older = AppForm();
    TForm* newer = AppForm();
    TForm* answering = AppForm();
    auto stray = std::make_unique<TForm>(nullptr);
    std::vector<TForm*> order;
    std::vector<std::unique_ptr<TSkinRecorder>> logs;
    for (TForm* form : {older, newer, answering, stray.get()}) {
        logs.push_back(std::make_unique<TSkinRecorder>(*form, form == answering));
        form->PushWindowProc([form, &order](TMessage& m, const TWndMethod& next) {
            if (m.Msg == SM_SKINCMD && SkinCmdCode(m.WParam) == scSetSkin) order.push_back(form);
            next(m);
        });
    }
    Broadcast(MakeSkinCommand(scSetSkin));
    EXPECT_EQ(order, (std::vector<TForm*>{newer, older}));
}

TEST_F(SkinBroadcastTest, AControlWithoutAWindowAnswersInTheRecordAndAPlainWindowIsNotSkinned) {
    TForm* form = AppForm();
    TGraphicControl* graphic = GraphicOn(form);
    TSkinRecorder graphicLog(*graphic, true);
    EXPECT_TRUE(IsSkinnedControl(graphic));
    EXPECT_EQ(SkinCommandToControl(graphic, scIsSkinned, 0), 1);

    TPanel* plain = PanelOn(form);
    plain->HandleNeeded();
    EXPECT_FALSE(IsSkinnedControl(plain));
    EXPECT_FALSE(AskWindow(plain->Handle(), scIsSkinned));
    EXPECT_EQ(SendSkinCommand(plain->Handle(), scGetProvider, 0), 0);

    auto* unborn = new TPanel(form);
    TSkinRecorder unbornLog(*unborn, true);
    EXPECT_EQ(SkinCommandToControl(unborn, scSetSkin, 0), 0);
    EXPECT_TRUE(unbornLog.Seen.empty());
}
