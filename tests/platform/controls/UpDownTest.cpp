// The up-down control: steps within the range by its arrows, repeating while held, the parent's
// consent before each step, wrapping, and what it tells the parent.
#include "platform/controls/UpDownCodes.h"
#include "platform/controls/UpDown.h"
#include "platform/window/ScrollCodes.h"
#include "SelectionTestFixture.h"

namespace {

class UpDownTest : public SelectionTest {
protected:
    void SetUp() override {
        SelectionTest::SetUp();
        On(WM_NOTIFY, [this](HWND, WPARAM, LPARAM l, LRESULT& r) {
            const auto* note = reinterpret_cast<const NMUPDOWN*>(l);
            if (note->hdr.code != UDN_DELTAPOS) return false;
            Deltas.push_back(note->iDelta);
            r = Refuse ? TRUE : FALSE;
            return true;
        });
    }
    HWND Arrows(DWORD style, int min, int max, int pos) {
        HWND h = Make(UPDOWN_CLASS, style, 10, 10, 40, 20);
        SendMessage(h, UDM_SETRANGE32, static_cast<WPARAM>(min), max);
        SendMessage(h, UDM_SETPOS32, 0, pos);
        return h;
    }
    int Pos(HWND h) { return static_cast<int>(SendMessage(h, UDM_GETPOS32, 0, 0)); }
    // The (code, position) pairs of the scroll messages the parent heard from h.
    std::vector<std::pair<int, int>> Scrolls(HWND h, UINT msg) const {
        std::vector<std::pair<int, int>> out;
        for (const TRecorded& r : Log)
            if (r.Hwnd == Parent && r.Msg == msg && reinterpret_cast<HWND>(r.LParam) == h)
                out.emplace_back(LOWORD(r.WParam), static_cast<short>(HIWORD(r.WParam)));
        return out;
    }
    // In 1 ms steps, so that each timer fires when due.
    void Advance(UINT ms) {
        for (UINT done = 0; done < ms; ++done) {
            FBackend.Virtual().Advance(1);
            Pump();
        }
    }
    std::vector<int> Deltas;
    bool Refuse = false;
};

TEST_F(UpDownTest, HorizontalArrowsStepByTheIncrementAndStopAtTheEnds) {
    HWND h = Arrows(UDS_HORZ, 0, 5, 3);
    UDACCEL step{0, 2};
    SendMessage(h, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&step));
    ClickAt(h, {30, 10}); // right half: up
    EXPECT_EQ(Pos(h), 5);
    EXPECT_EQ(Scrolls(h, WM_HSCROLL), (std::vector<std::pair<int, int>>{{SB_THUMBPOSITION, 5}, {SB_ENDSCROLL, 5}}));
    ClickAt(h, {30, 10});
    EXPECT_EQ(Pos(h), 5) << "no wrapping without UDS_WRAP";
    EXPECT_EQ(Deltas, (std::vector<int>{2}));
    ClickAt(h, {5, 10});
    ClickAt(h, {5, 10});
    ClickAt(h, {5, 10});
    EXPECT_EQ(Pos(h), 0);
    EXPECT_TRUE(Scrolls(h, WM_VSCROLL).empty());
}

TEST_F(UpDownTest, VerticalTopArrowIncreasesAndWrapGoesRound) {
    HWND h = Make(UPDOWN_CLASS, UDS_WRAP, 10, 10, 20, 40);
    SendMessage(h, UDM_SETRANGE32, 1, 3);
    SendMessage(h, UDM_SETPOS32, 0, 3);
    ClickAt(h, {10, 5});
    EXPECT_EQ(Pos(h), 1);
    ClickAt(h, {10, 35});
    EXPECT_EQ(Pos(h), 3);
    EXPECT_EQ(Scrolls(h, WM_VSCROLL).front(), (std::pair<int, int>{SB_THUMBPOSITION, 1}));
    int low = 0, high = 0;
    SendMessage(h, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(std::make_pair(low, high), std::make_pair(1, 3));
}

TEST_F(UpDownTest, HoldingAnArrowRepeatsOnlyWhileThePointerIsOnIt) {
    HWND h = Arrows(UDS_HORZ, 0, 100, 0);
    ControlTest::MouseButton(h, 30, 10, true);
    EXPECT_EQ(Pos(h), 1) << "one step at once";
    Advance(UpDown::kFirstDelay - 1);
    EXPECT_EQ(Pos(h), 1);
    Advance(1 + 2 * UpDown::kRepeatDelay);
    EXPECT_EQ(Pos(h), 4);
    MouseTo(h, 5, 10); // onto the other arrow, still held
    Advance(3 * UpDown::kRepeatDelay);
    EXPECT_EQ(Pos(h), 4);
    ControlTest::MouseButton(h, 5, 10, false);
    Advance(1000);
    EXPECT_EQ(Pos(h), 4) << "the repeat ends with the release";
}

TEST_F(UpDownTest, TheParentMayRefuseAStepAndTheProgramSetsThePositionWithinTheRange) {
    HWND h = Arrows(UDS_HORZ, 0, 10, 4);
    Refuse = true;
    ClickAt(h, {30, 10});
    EXPECT_EQ(Pos(h), 4);
    EXPECT_TRUE(Scrolls(h, WM_HSCROLL).empty() || Scrolls(h, WM_HSCROLL).front().first == SB_ENDSCROLL);
    EXPECT_EQ(SendMessage(h, UDM_SETPOS32, 0, 50), 4) << "answers the old position";
    EXPECT_EQ(Pos(h), 10);
    SendMessage(h, UDM_SETRANGE32, 0, 6);
    EXPECT_EQ(Pos(h), 6) << "a narrower range pulls the position in";
}

} // namespace
