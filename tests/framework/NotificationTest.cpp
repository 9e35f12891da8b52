// The framework's notifications: text, visibility, enabling, colour and font changes reach the
// control once per real change, and parent colour, font and hint settings flow to the children
// that follow their parent.
#include "FormTestFixture.h"

#include "framework/TLabel.h"
#include "framework/TPanel.h"

namespace {
struct TNoticeLog {
    std::vector<UINT> Seen;
    void Watch(TControl* control) {
        control->PushWindowProc([this](TMessage& m, const TWndMethod& next) {
            if (m.Msg >= CM_BASE && m.Msg < CN_BASE && m.Msg != CM_HITTEST) Seen.push_back(m.Msg);
            next(m);
        });
    }
    std::vector<UINT> Take() { return std::exchange(Seen, {}); }
};
}

TEST_F(FormTest, ChangesAreAnnouncedOncePerRealChangeAndReachTheWindow) {
    auto form = ShownForm(10, 10, 300, 200);
    auto* panel = new TPanel(form.get());
    panel->SetParent(form.get());
    TNoticeLog log;
    log.Watch(panel);
    panel->SetCaption("Board");
    panel->SetCaption("Board");
    EXPECT_EQ(log.Take(), std::vector<UINT>{CM_TEXTCHANGED});
    EXPECT_EQ(GetWindowText(panel->Handle()), "Board");
    EXPECT_EQ(panel->GetTextLen(), 5);
    panel->SetVisible(false);
    EXPECT_EQ(log.Take(), std::vector<UINT>{CM_VISIBLECHANGED});
    EXPECT_FALSE(IsWindowVisible(panel->Handle()));
    EXPECT_FALSE(panel->Showing());
    panel->SetEnabled(false);
    panel->SetEnabled(false);
    EXPECT_EQ(log.Take(), std::vector<UINT>{CM_ENABLEDCHANGED});
    EXPECT_FALSE(IsWindowEnabled(panel->Handle()));
    panel->SetColor(clRed);
    panel->SetColor(clRed);
    EXPECT_EQ(log.Take(), std::vector<UINT>{CM_COLORCHANGED});
    panel->Font()->SetSize(14);
    EXPECT_EQ(log.Take(), std::vector<UINT>{CM_FONTCHANGED});
    panel->SetCursor(crHandPoint);
    EXPECT_EQ(log.Take(), std::vector<UINT>{CM_CURSORCHANGED});
}

TEST_F(FormTest, ChildrenFollowTheirParentsColourFontAndHintUntilGivenTheirOwn) {
    auto form = ShownForm(10, 10, 300, 200);
    auto* panel = new TPanel(form.get());
    panel->SetParent(form.get());
    auto* follower = new TLabel(form.get());
    follower->SetParent(panel);
    auto* own = new TLabel(form.get());
    own->SetParent(panel);
    own->SetColor(clLime);
    own->Font()->SetName("Courier New");
    EXPECT_TRUE(follower->ParentColor());
    EXPECT_FALSE(own->ParentColor());
    EXPECT_FALSE(own->ParentFont());

    panel->SetColor(clNavy);
    panel->Font()->SetSize(16);
    panel->SetShowHint(true);
    EXPECT_EQ(follower->Color(), clNavy);
    EXPECT_EQ(follower->Font()->Size(), 16);
    EXPECT_TRUE(follower->ParentFont()) << "taking the parent's font keeps following it";
    EXPECT_TRUE(follower->ShowHint());
    EXPECT_EQ(own->Color(), clLime);
    EXPECT_EQ(own->Font()->Name(), "Courier New");

    own->SetParentColor(true);
    EXPECT_EQ(own->Color(), clNavy);
    follower->SetParent(form.get()); // a new parent's values come with the move
    EXPECT_EQ(follower->Color(), form->Color());
    EXPECT_EQ(follower->Font()->Size(), form->Font()->Size());
}

TEST_F(FormTest, ControlListChangesAreAnnouncedToTheParent) {
    auto form = ShownForm(10, 10, 300, 200);
    std::vector<std::pair<UINT, LPARAM>> seen;
    form->PushWindowProc([&](TMessage& m, const TWndMethod& next) {
        if (m.Msg == CM_CONTROLLISTCHANGE || m.Msg == CM_CONTROLCHANGE) seen.emplace_back(m.Msg, m.LParam);
        next(m);
    });
    auto* label = new TLabel(form.get());
    label->SetParent(form.get());
    delete label;
    EXPECT_EQ(seen, (std::vector<std::pair<UINT, LPARAM>>{
                        {CM_CONTROLCHANGE, 1}, {CM_CONTROLLISTCHANGE, 1}, {CM_CONTROLLISTCHANGE, 0}, {CM_CONTROLCHANGE, 0}}));
}
