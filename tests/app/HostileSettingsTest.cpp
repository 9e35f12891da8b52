// Settings files that a hand, a bad disk or another program spoiled: stored window geometry that
// no screen can show, a gap the board cannot lay out, and a settings.ini that is no regular file.
// The game starts, plays and keeps its window in reach in every case.
#include "tests/app/GameFixture.h"

#include "app/BoardGeometry.h"
#include "skin/controls/TsPanel.h"

#include <sys/stat.h>

class HostileSettingsTest : public GameTest {
protected:
    TRect WindowBounds() {
        return Ui([] { return Form1->BoundsRect(); });
    }
    TRect WorkArea() {
        return Ui([] { return Screen->WorkAreaRect(); });
    }
    // A game is running on the board and the main window, not an error report, is active.
    static bool Inside(const TRect& outer, const TRect& inner) {
        return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
               inner.Bottom <= outer.Bottom;
    }
    void ExpectAGameRunning() {
        EXPECT_EQ(ActiveFormClass(), "TForm1") << ActiveDialogText();
        EXPECT_EQ(HiddenCells().size(), 34u);
    }
};

TEST_F(HostileSettingsTest, AStoredWidthNoScreenCanShowIsLimitedToTheWorkArea) {
    PutSettings("[settings]\r\nsavesize=1\r\n[global]\r\nform_width=99999999\r\n");
    Start();
    const TRect work = WorkArea();
    const TRect bounds = WindowBounds();
    EXPECT_EQ(bounds.Width(), work.Width());
    EXPECT_EQ(bounds.Height(), 450);
    EXPECT_TRUE(Inside(work, bounds)) << "the centred place is moved in so that the window fits";
    ExpectAGameRunning();
}

TEST_F(HostileSettingsTest, AStoredSizeOfTwentyThousandSquareIsLimitedToTheWorkArea) {
    PutSettings("[settings]\r\nsavesize=1\r\nsavepos=1\r\n[global]\r\nform_width=20000\r\nform_height=20000\r\n"
                "form_left=10\r\nform_top=10\r\n");
    Start();
    EXPECT_EQ(WindowBounds(), WorkArea());
    ExpectAGameRunning();
}

TEST_F(HostileSettingsTest, APositionOffTheWorkAreaIsMovedBackOntoIt) {
    PutSettings("[settings]\r\nsavepos=1\r\n[global]\r\nform_left=-99999\r\nform_top=-99999\r\n");
    Start();
    const TRect work = WorkArea();
    EXPECT_EQ(WindowBounds(), Bounds(work.Left, work.Top, 450, 450));
    Quit();

    PutSettings("[settings]\r\nsavepos=1\r\n[global]\r\nform_left=99999\r\nform_top=2147483647\r\n");
    Start();
    EXPECT_EQ(WindowBounds(), Bounds(work.Right - 450, work.Bottom - 450, 450, 450));
    ExpectAGameRunning();
}

TEST_F(HostileSettingsTest, ASizeBelowTheSmallestWindowIsRaisedToIt) {
    PutSettings("[settings]\r\nsavesize=1\r\nsavepos=1\r\n[global]\r\nform_width=-500\r\nform_height=0\r\n"
                "form_left=200\r\nform_top=100\r\n");
    Start();
    const TSize smallest = Ui([] { return TSize{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)}; });
    EXPECT_EQ(WindowBounds(), Bounds(200, 100, smallest.cx, smallest.cy));
}

TEST_F(HostileSettingsTest, AGapTheBoardCannotLayOutIsLimitedToTheLargestItCan) {
    for (const char* stored : {"100000", "2147483647"}) {
        PutSettings(std::string("[settings]\r\nsectw=") + stored + "\r\n");
        Start();
        const auto [gap, panel, first, last] = Ui([] {
            return std::make_tuple(Form1->Sectw, Form1->Panel->ClientRect(), Form1->Cell(0)->BoundsRect(),
                                   Form1->Cell(80)->BoundsRect());
        });
        // Every cell keeps room for its digit, and one more pixel of gap would take it away.
        const TCellSize cell = BoardCellSize(panel.Width(), panel.Height(), gap);
        const TCellSize tooFar = BoardCellSize(panel.Width(), panel.Height(), gap + 1);
        EXPECT_GE(std::min(cell.Width, cell.Height), MinCellSide) << stored;
        EXPECT_LT(std::min(tooFar.Width, tooFar.Height), MinCellSide) << stored;
        EXPECT_EQ(first, Bounds(gap, gap, cell.Width, cell.Height)) << stored;
        EXPECT_TRUE(Inside(panel, last)) << stored;
        ExpectAGameRunning();
        Quit();
    }
    PutSettings("[settings]\r\nsectw=30\r\n");
    Start();
    EXPECT_EQ(Ui([] { return Form1->Sectw; }), 30) << "a gap the board can lay out is kept as stored";
}

TEST_F(HostileSettingsTest, ASettingsFileThatIsAFifoIsNeitherWaitedOnNorReplaced) {
    ASSERT_EQ(mkfifo(SettingsPath().c_str(), 0600), 0);
    Start();
    EXPECT_EQ(Ui([] { return Form1->Sectw; }), 10);
    ExpectAGameRunning();
    // A record cannot be kept in it, and the player is told so.
    WinIn(100);
    Driver().Type("Tester");
    PressEnter();
    EXPECT_NE(ActiveDialogText().find("Unable to write to"), std::string::npos) << ActiveDialogText();
    PressEnter();
    Quit();
    struct stat info {};
    ASSERT_EQ(lstat(SettingsPath().c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}
