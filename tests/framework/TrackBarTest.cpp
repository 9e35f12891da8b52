// Track bars: the position clamped to the range and mirrored in the platform track bar, OnChange
// raised once per real change (by program, by keys, by the mouse, by a shrinking range) and
// never for the position the bar already has, and the other values reaching the platform.
#include "FormTestFixture.h"

#include "framework/TTrackBar.h"

#include "platform/controls/TrackBarCodes.h"

namespace {
class TrackBarTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Form = ShownForm(20, 20, 320, 200);
        Bar = new TTrackBar(Form.get());
        Bar->SetParent(Form.get());
        Bar->SetBounds(10, 10, 200, 45);
        Bar->OnChange = [this](TObject*) { Changes.push_back(Bar->Position()); };
    }
    void TearDown() override {
        Form.reset();
        FormTest::TearDown();
    }
    LRESULT Ask(UINT msg, WPARAM wParam = 0) { return SendMessage(Bar->Handle(), msg, wParam, 0); }

    std::unique_ptr<TForm> Form;
    TTrackBar* Bar = nullptr;
    std::vector<int> Changes;
};
}

TEST_F(TrackBarTest, PositionIsClampedMirroredAndRaisesOnChangeOnlyWhenItMoves) {
    Bar->SetPosition(7);
    EXPECT_EQ(Ask(TBM_GETPOS), 7);
    Bar->SetPosition(7);
    Bar->SetPosition(15);
    EXPECT_EQ(Bar->Position(), 10);
    EXPECT_EQ(Ask(TBM_GETPOS), 10);
    Bar->SetPosition(12);
    Bar->SetPosition(-3);
    EXPECT_EQ(Ask(TBM_GETPOS), 0);
    EXPECT_EQ(Changes, (std::vector<int>{7, 10, 0})) << "clamped to the position it had: no change";
}

TEST_F(TrackBarTest, ARangeThatLeavesThePositionOutsidePullsItInWithOneChange) {
    Bar->SetPosition(8);
    Bar->SetMax(5);
    EXPECT_EQ(Bar->Position(), 5);
    EXPECT_EQ(Ask(TBM_GETRANGEMAX), 5);
    Bar->SetMin(9);
    EXPECT_EQ(Bar->Max(), 9) << "a minimum above the maximum takes it along";
    EXPECT_EQ(Bar->Position(), 9);
    Bar->SetRange(0, 360);
    EXPECT_EQ(Bar->Position(), 9);
    EXPECT_EQ(Changes, (std::vector<int>{8, 5, 9}));
}

TEST_F(TrackBarTest, KeysAndTheMouseMoveThePositionWithOneChangeEach) {
    Bar->SetFocus();
    Tap(VK_RIGHT);
    EXPECT_EQ(Bar->Position(), 1);
    Tap(VK_END);
    EXPECT_EQ(Bar->Position(), 10);
    Tap(VK_END);
    EXPECT_EQ(Changes, (std::vector<int>{1, 10})) << "the key at the end moves nothing";
    TRect channel;
    SendMessage(Bar->Handle(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    TRect thumb;
    SendMessage(Bar->Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    TPoint from = At(*Bar, thumb.Left + thumb.Width() / 2, thumb.Top + thumb.Height() / 2);
    TPoint to = At(*Bar, channel.Left, thumb.Top + thumb.Height() / 2);
    MoveTo(from.X, from.Y);
    Press(from.X, from.Y, true);
    MoveTo(to.X, to.Y);
    Press(to.X, to.Y, false);
    EXPECT_EQ(Bar->Position(), 0);
    EXPECT_EQ(Changes.back(), 0);
    EXPECT_EQ(Ask(TBM_GETPOS), 0);
}

TEST_F(TrackBarTest, ValuesSetBeforeTheWindowReachItAndTheRestFollowsLive) {
    auto* bar = new TTrackBar(Form.get());
    int changes = 0;
    bar->OnChange = [&](TObject*) { ++changes; };
    bar->SetRange(1, 10);
    bar->SetPosition(5);
    bar->SetPageSize(3);
    bar->SetThumbLength(15);
    bar->SetFrequency(3);
    EXPECT_EQ(changes, 2) << "the new minimum, then the position";
    bar->SetParent(Form.get());
    bar->SetBounds(10, 80, 200, 45);
    HWND h = bar->Handle();
    EXPECT_EQ(GetClassName(h), TRACKBAR_CLASS);
    EXPECT_EQ(SendMessage(h, TBM_GETPOS, 0, 0), 5);
    EXPECT_EQ(SendMessage(h, TBM_GETRANGEMIN, 0, 0), 1);
    EXPECT_EQ(SendMessage(h, TBM_GETPAGESIZE, 0, 0), 3);
    EXPECT_EQ(SendMessage(h, TBM_GETTHUMBLENGTH, 0, 0), 15);
    EXPECT_EQ(SendMessage(h, TBM_GETNUMTICS, 0, 0), 4) << "1, 4, 7 and 10";
    bar->SetLineSize(2);
    EXPECT_EQ(SendMessage(h, TBM_GETLINESIZE, 0, 0), 2);
    bar->SetSelStart(2);
    bar->SetSelEnd(6);
    EXPECT_EQ(SendMessage(h, TBM_GETSELSTART, 0, 0), 2);
    EXPECT_EQ(SendMessage(h, TBM_GETSELEND, 0, 0), 6);
}

TEST_F(TrackBarTest, StyleValuesRebuildTheWindowKeepingThePosition) {
    Bar->SetPosition(4);
    Bar->SetTickStyle(tsNone);
    EXPECT_TRUE(GetWindowLongPtr(Bar->Handle(), GWL_STYLE) & TBS_NOTICKS);
    Bar->SetTickMarks(tmBoth);
    EXPECT_TRUE(GetWindowLongPtr(Bar->Handle(), GWL_STYLE) & TBS_BOTH);
    Bar->SetOrientation(trVertical);
    EXPECT_TRUE(GetWindowLongPtr(Bar->Handle(), GWL_STYLE) & TBS_VERT);
    EXPECT_EQ(Bar->Width(), 45);
    EXPECT_EQ(Bar->Height(), 200);
    Bar->SetSliderVisible(false);
    EXPECT_TRUE(GetWindowLongPtr(Bar->Handle(), GWL_STYLE) & TBS_NOTHUMB);
    EXPECT_EQ(Ask(TBM_GETPOS), 4);
    EXPECT_EQ(Changes, std::vector<int>{4});
}
