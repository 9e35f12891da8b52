// The "Button" class: mouse and keyboard pressing, check states, radio groups, notifications,
// dialog codes, owner drawing, procedures in front and the plain look.
#include "ControlTestFixture.h"
#include "platform/controls/Brushes.h"
#include "platform/controls/ButtonCodes.h"
#include "platform/controls/OwnerDrawCodes.h"

namespace {
using TCommands = std::vector<std::pair<int, int>>;

class ButtonTest : public ControlTest {
protected:
    HWND Push(DWORD style = BS_PUSHBUTTON, int id = 100) { return Make("Button", "OK", style, {20, 20, 120, 50}, id); }
    UINT State(HWND h) { return static_cast<UINT>(SendMessage(h, BM_GETSTATE, 0, 0)); }
    UINT Check(HWND h) { return static_cast<UINT>(SendMessage(h, BM_GETCHECK, 0, 0)); }
};
}

TEST_F(ButtonTest, MousePressFollowsThePointerAndClicksOnlyOnReleaseInside) {
    HWND b = Push();
    MouseButton(b, 10, 10, true);
    EXPECT_TRUE(State(b) & BST_PUSHED);
    EXPECT_EQ(GetCapture(), b);
    EXPECT_EQ(GetFocus(), b) << "a press takes the focus";
    MouseTo(b, 200, 10); // outside, still captured
    EXPECT_FALSE(State(b) & BST_PUSHED);
    MouseTo(b, 12, 12);
    EXPECT_TRUE(State(b) & BST_PUSHED);
    EXPECT_TRUE(Commands().empty()) << "nothing is clicked before the release";
    MouseButton(b, 12, 12, false);
    EXPECT_EQ(Commands(), (TCommands{{100, BN_CLICKED}}));
    EXPECT_FALSE(State(b) & BST_PUSHED);
    EXPECT_EQ(GetCapture(), nullptr);

    Log.clear();
    MouseButton(b, 10, 10, true);
    MouseButton(b, 300, 10, false);
    EXPECT_TRUE(Commands().empty()) << "released outside: no click";
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ButtonTest, LosingTheCaptureOrFocusEndsThePressWithoutAClick) {
    HWND b = Push();
    HWND other = Push(BS_PUSHBUTTON, 101);
    MouseButton(b, 10, 10, true);
    SetCapture(Parent); // a menu or modal loop takes the mouse
    EXPECT_FALSE(State(b) & BST_PUSHED);
    MouseButton(b, 10, 10, false);
    EXPECT_TRUE(Commands().empty());

    SetFocus(b);
    KeyDown(VK_SPACE);
    EXPECT_TRUE(State(b) & BST_PUSHED);
    SetFocus(other);
    KeyUp(VK_SPACE);
    EXPECT_FALSE(State(b) & BST_PUSHED);
    EXPECT_TRUE(Commands().empty());
}

TEST_F(ButtonTest, SpaceAndEnterOperateTheFocusedButton) {
    HWND b = Push();
    SetFocus(b);
    KeyDown(VK_SPACE);
    EXPECT_TRUE(State(b) & BST_PUSHED) << "pressed look while space is held";
    KeyDown(VK_SPACE); // auto-repeat
    EXPECT_TRUE(Commands().empty());
    KeyUp(VK_SPACE);
    EXPECT_EQ(Commands(), (TCommands{{100, BN_CLICKED}})) << "one click on release, none for the repeat";

    Log.clear();
    KeyDown(VK_SPACE);
    KeyDown(VK_TAB); // another key cancels the press
    KeyUp(VK_TAB);
    KeyUp(VK_SPACE);
    EXPECT_TRUE(Commands().empty());

    Press(VK_RETURN);
    EXPECT_EQ(Commands(), (TCommands{{100, BN_CLICKED}})) << "Enter clicks a push button";

    HWND box = Make("Button", "box", BS_AUTOCHECKBOX, {20, 60, 120, 80}, 7);
    SetFocus(box);
    Log.clear();
    Press(VK_RETURN);
    EXPECT_TRUE(Commands().empty()) << "Enter is not a check box's key";
    EXPECT_EQ(Check(box), BST_UNCHECKED);
    Press(VK_SPACE);
    EXPECT_EQ(Check(box), BST_CHECKED);
    EXPECT_EQ(Commands(), (TCommands{{7, BN_CLICKED}}));
}

TEST_F(ButtonTest, CheckStatesOfEachKindAndTheOrderOfChangeAndNotification) {
    HWND autoBox = Make("Button", "a", BS_AUTOCHECKBOX, {10, 10, 100, 30}, 1);
    HWND plainBox = Make("Button", "p", BS_CHECKBOX, {10, 40, 100, 60}, 2);
    HWND tri = Make("Button", "t", BS_AUTO3STATE, {10, 70, 100, 90}, 3);
    HWND push = Make("Button", "b", BS_PUSHBUTTON, {10, 100, 100, 130}, 4);
    UINT seenInHandler = 99;
    On(WM_COMMAND, [&](HWND, WPARAM w, LPARAM l, LRESULT&) {
        if (LOWORD(w) == 1) seenInHandler = static_cast<UINT>(SendMessage(reinterpret_cast<HWND>(l), BM_GETCHECK, 0, 0));
        return false;
    });
    ClickAt(autoBox, 5, 5);
    EXPECT_EQ(Check(autoBox), BST_CHECKED);
    EXPECT_EQ(seenInHandler, BST_CHECKED) << "the parent sees the new state in BN_CLICKED";
    ClickAt(autoBox, 5, 5);
    EXPECT_EQ(Check(autoBox), BST_UNCHECKED);

    ClickAt(plainBox, 5, 5);
    EXPECT_EQ(Check(plainBox), BST_UNCHECKED) << "a plain check box only notifies";
    EXPECT_EQ(Commands().back(), (std::pair<int, int>{2, BN_CLICKED}));

    std::vector<UINT> cycle;
    for (int i = 0; i < 4; ++i) {
        ClickAt(tri, 5, 5);
        cycle.push_back(Check(tri));
    }
    EXPECT_EQ(cycle, (std::vector<UINT>{BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED, BST_CHECKED}));

    SendMessage(autoBox, BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(Check(autoBox), BST_CHECKED) << "a two-state box has no third state";
    SendMessage(push, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(Check(push), BST_UNCHECKED) << "push buttons keep no check";
    Log.clear();
    SendMessage(tri, BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_TRUE(Commands().empty()) << "setting by program notifies nobody";
    EXPECT_EQ(State(tri) & 3, BST_UNCHECKED);
}

TEST_F(ButtonTest, AutoRadioButtonsUncheckTheirGroupOnlyAndCarryTheTabStop) {
    HWND a = Make("Button", "a", BS_AUTORADIOBUTTON | WS_GROUP, {10, 10, 100, 30}, 1);
    HWND b = Make("Button", "b", BS_AUTORADIOBUTTON, {10, 30, 100, 50}, 2);
    HWND label = Make("Static", "between", 0, {10, 50, 100, 70}, 3);
    HWND c = Make("Button", "c", BS_AUTORADIOBUTTON, {10, 70, 100, 90}, 4);
    HWND d = Make("Button", "d", BS_AUTORADIOBUTTON | WS_GROUP, {10, 90, 100, 110}, 5);
    (void)label;
    SendMessage(a, BM_SETCHECK, BST_CHECKED, 0);
    SendMessage(d, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_TRUE(GetWindowLongPtr(a, GWL_STYLE) & WS_TABSTOP);
    ClickAt(c, 5, 5);
    EXPECT_EQ(Check(c), BST_CHECKED);
    EXPECT_EQ(Check(a), BST_UNCHECKED) << "the group reaches past a static in it";
    EXPECT_EQ(Check(b), BST_UNCHECKED);
    EXPECT_EQ(Check(d), BST_CHECKED) << "WS_GROUP starts the next group";
    EXPECT_FALSE(GetWindowLongPtr(a, GWL_STYLE) & WS_TABSTOP);
    EXPECT_TRUE(GetWindowLongPtr(c, GWL_STYLE) & WS_TABSTOP);
    EXPECT_EQ(Commands(), (TCommands{{4, BN_CLICKED}}));
    ClickAt(c, 5, 5);
    EXPECT_EQ(Check(c), BST_CHECKED) << "a checked radio button stays checked";
}

TEST_F(ButtonTest, DialogCodesFollowTheTypeAndSetStyleSwitchesTheDefaultLook) {
    HWND push = Push();
    EXPECT_EQ(SendMessage(push, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
    EXPECT_EQ(Pixel(push, 0, 0), ColorToRGB(clBtnHighlight)) << "a plain push button starts with its light edge";
    SendMessage(push, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(SendMessage(push, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
    EXPECT_EQ(Pixel(push, 0, 0), ColorToRGB(clWindowFrame)) << "the default button has the dark outer frame";
    EXPECT_EQ(Pixel(push, 50, 29), ColorToRGB(clWindowFrame));
    SendMessage(push, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    EXPECT_EQ(Pixel(push, 0, 0), ColorToRGB(clBtnHighlight));

    HWND radio = Make("Button", "r", BS_RADIOBUTTON, {10, 60, 100, 80}, 2);
    HWND group = Make("Button", "g", BS_GROUPBOX, {150, 60, 300, 200}, 3);
    HWND box = Make("Button", "c", BS_3STATE, {10, 90, 100, 110}, 4);
    EXPECT_EQ(SendMessage(radio, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_RADIOBUTTON);
    EXPECT_EQ(SendMessage(group, WM_GETDLGCODE, 0, 0), DLGC_STATIC);
    EXPECT_EQ(SendMessage(box, WM_GETDLGCODE, 0, 0), DLGC_BUTTON);
}

TEST_F(ButtonTest, FocusNotificationsOnlyWithNotifyStyleAndAVisibleFocusRectangle) {
    HWND quiet = Push(BS_PUSHBUTTON, 1);
    HWND loud = Make("Button", "N", BS_PUSHBUTTON | BS_NOTIFY, {20, 60, 120, 90}, 2);
    auto focusLine = [&] { return InkBox(loud, [](TColor c) { return c != ColorToRGB(clBtnFace); }, {3, 5, 4, 25}); };
    EXPECT_TRUE(focusLine().IsEmpty());
    SetFocus(quiet);
    SetFocus(loud);
    Pump();
    EXPECT_TRUE(State(loud) & BST_FOCUS);
    EXPECT_FALSE(focusLine().IsEmpty()) << "the dotted focus frame runs three pixels inside";
    SetFocus(quiet);
    Pump();
    EXPECT_EQ(Commands(), (TCommands{{2, BN_SETFOCUS}, {2, BN_KILLFOCUS}}));
    EXPECT_TRUE(focusLine().IsEmpty());
}

TEST_F(ButtonTest, OwnerDrawnButtonsAskTheParentWithTheirStateAndShowWhatItDraws) {
    std::vector<DRAWITEMSTRUCT> requests;
    On(WM_DRAWITEM, [&](HWND, WPARAM w, LPARAM l, LRESULT& r) {
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(l);
        EXPECT_EQ(w, dis->CtlID);
        requests.push_back(*dis);
        dis->hDC->FillRect(dis->rcItem, (dis->itemState & ODS_SELECTED) ? clRed : clBlue);
        r = TRUE;
        return true;
    });
    HWND b = Make("Button", "", BS_OWNERDRAW, {20, 20, 80, 50}, 42);
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests.back().CtlType, ODT_BUTTON);
    EXPECT_EQ(requests.back().CtlID, 42u);
    EXPECT_EQ(requests.back().hwndItem, b);
    EXPECT_EQ(requests.back().rcItem, (TRect{0, 0, 60, 30}));
    EXPECT_EQ(Pixel(b, 30, 15), ColorToRGB(clBlue));
    MouseButton(b, 5, 5, true);
    EXPECT_EQ(Pixel(b, 30, 15), ColorToRGB(clRed));
    EXPECT_EQ(requests.back().itemState & (ODS_SELECTED | ODS_FOCUS), ODS_SELECTED | ODS_FOCUS);
    MouseButton(b, 5, 5, false);
    ClickAt(b, 5, 5); // quickly again: a double click still clicks an owner-drawn button
    EXPECT_EQ(Commands(), (TCommands{{42, BN_CLICKED}, {42, BN_CLICKED}})) << "owner drawing keeps the click behaviour";
    HWND notify = Make("Button", "n", BS_PUSHBUTTON | BS_NOTIFY, {100, 20, 160, 50}, 43);
    Log.clear();
    ClickAt(notify, 5, 5);
    ClickAt(notify, 5, 5);
    EXPECT_EQ(Commands(), (TCommands{{43, BN_SETFOCUS}, {43, BN_CLICKED}, {43, BN_DOUBLECLICKED}}));
    EXPECT_EQ(SendMessage(b, WM_GETDLGCODE, 0, 0), DLGC_BUTTON);
}

TEST_F(ButtonTest, AProcedureInFrontSeesPaintAndInputAndCanReplaceThePainting) {
    HWND b = Push();
    std::vector<UINT> seen;
    bool eatClicks = false;
    auto below = std::make_shared<WNDPROC>();
    *below = SetWindowProc(b, [&, below](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_PAINT || m == WM_LBUTTONDOWN || m == WM_LBUTTONUP || m == WM_KEYDOWN) seen.push_back(m);
        if (m == WM_PAINT) {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(h, &ps);
            dc->FillRect({0, 0, 100, 30}, clLime);
            EndPaint(h, &ps);
            return 0;
        }
        if (eatClicks && (m == WM_LBUTTONDOWN || m == WM_LBUTTONUP)) return 0;
        return CallWindowProc(*below, h, m, w, l);
    });
    InvalidateRect(b, nullptr, TRUE);
    EXPECT_EQ(Pixel(b, 50, 15), ColorToRGB(clLime));
    ClickAt(b, 5, 5);
    EXPECT_EQ(Pixel(b, 50, 15), ColorToRGB(clLime)) << "the press repaints through the procedure in front";
    EXPECT_EQ(Commands(), (TCommands{{100, BN_CLICKED}}));
    EXPECT_NE(std::find(seen.begin(), seen.end(), WM_LBUTTONDOWN), seen.end());
    EXPECT_GE(std::count(seen.begin(), seen.end(), WM_PAINT), 2) << "pressing and releasing each repaint";
    Log.clear();
    eatClicks = true;
    ClickAt(b, 5, 5);
    EXPECT_TRUE(Commands().empty()) << "swallowed mouse messages never reach the button";
    DestroyWindow(b); // the procedure refers to this test's locals
}

TEST_F(ButtonTest, DisabledButtonsIgnoreClicksAndShowGreyText) {
    HWND b = Make("Button", "Disabled", BS_PUSHBUTTON, {20, 20, 140, 50}, 5);
    const TRect inside{4, 4, 116, 26};
    auto grey = [](TColor c) { return GetRValue(c) > 100 && GetRValue(c) < 150; };
    EXPECT_FALSE(InkBox(b, Dark, inside).IsEmpty());
    EnableWindow(b, FALSE);
    EXPECT_TRUE(InkBox(b, Dark, inside).IsEmpty()) << "disabled captions are not black";
    EXPECT_FALSE(InkBox(b, grey, inside).IsEmpty()) << "but grey";
    ClickAt(b, 10, 10);
    SendMessage(b, BM_CLICK, 0, 0);
    EXPECT_TRUE(Commands().empty());
    EnableWindow(b, TRUE);
    SendMessage(b, BM_CLICK, 0, 0);
    EXPECT_EQ(Commands(), (TCommands{{5, BN_CLICKED}}));
}

TEST_F(ButtonTest, AParentMayDestroyTheButtonWhileHandlingItsClick) {
    HWND b = Make("Button", "Close", BS_AUTOCHECKBOX, {20, 20, 140, 50}, 5);
    On(WM_COMMAND, [&](HWND, WPARAM, LPARAM l, LRESULT&) {
        DestroyWindow(reinterpret_cast<HWND>(l));
        return false;
    });
    ClickAt(b, 5, 5);
    EXPECT_FALSE(IsWindow(b));
    EXPECT_EQ(GetCapture(), nullptr);
    HWND c = Make("Button", "Close", BS_PUSHBUTTON, {20, 20, 140, 50}, 6);
    SetFocus(c);
    Press(VK_SPACE);
    EXPECT_FALSE(IsWindow(c));
}

TEST_F(ButtonTest, GroupBoxesLetTheMouseThroughToTheParent) {
    HWND g = Make("Button", "Group", BS_GROUPBOX, {20, 20, 200, 150}, 9);
    Log.clear();
    ClickAt(g, 50, 50);
    EXPECT_EQ(Count(Parent, WM_LBUTTONDOWN), 1);
    EXPECT_TRUE(Commands().empty());
    EXPECT_FALSE(InkBox(g, Is(clBtnShadow), {0, 0, 4, 130}).IsEmpty()) << "the etched frame on the left";
}

TEST_F(ButtonTest, CaptionAlignmentWordBreaksAndColoursFromTheParent) {
    HWND left = Make("Button", "Go", BS_PUSHBUTTON | BS_LEFT, {10, 10, 210, 40}, 1);
    HWND right = Make("Button", "Go", BS_PUSHBUTTON | BS_RIGHT, {10, 50, 210, 80}, 2);
    HWND centre = Make("Button", "Go", BS_PUSHBUTTON, {10, 90, 210, 120}, 3);
    TRect l = InkBox(left, Dark, {4, 4, 196, 26}), r = InkBox(right, Dark, {4, 4, 196, 26}), c = InkBox(centre, Dark, {4, 4, 196, 26});
    ASSERT_FALSE(l.IsEmpty() || r.IsEmpty() || c.IsEmpty());
    EXPECT_LT(l.Right, 100);
    EXPECT_GT(r.Left, 100);
    EXPECT_LT(c.Left, 100);
    EXPECT_GT(c.Right, 100);

    const std::string words = "several words that cannot fit on one line";
    HWND single = Make("Button", words, BS_PUSHBUTTON, {220, 10, 300, 90}, 4);
    HWND multi = Make("Button", words, BS_PUSHBUTTON | BS_MULTILINE, {220, 100, 300, 180}, 5);
    EXPECT_GT(InkBox(multi, Dark, {3, 3, 77, 77}).Height(), 2 * InkBox(single, Dark, {3, 3, 77, 77}).Height());

    On(WM_CTLCOLORSTATIC, [&](HWND, WPARAM w, LPARAM, LRESULT& res) {
        reinterpret_cast<HDC>(w)->SetTextColor(clRed);
        res = reinterpret_cast<LRESULT>(CreateSolidBrush(clYellow));
        return true;
    });
    HWND box = Make("Button", "Coloured", BS_AUTOCHECKBOX, {10, 130, 200, 150}, 6);
    EXPECT_EQ(Pixel(box, 185, 2), ColorToRGB(clYellow)) << "the parent's brush fills the background";
    EXPECT_FALSE(InkBox(box, Reddish).IsEmpty()) << "and its text colour draws the caption";
}
