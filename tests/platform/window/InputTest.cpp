// Mouse routing, capture, leave tracking, double clicks, disabled windows, keyboard and focus.
#include "WindowTestFixture.h"

namespace {
class InputTest : public WindowTest {
protected:
    void Move(int x, int y) {
        Input().MouseMove(x, y);
        Pump();
    }
    void Button(int x, int y, bool down, TMouseButton b = TMouseButton::mbLeft) {
        Input().MouseButton(b, down, x, y);
        Pump();
    }
    void Click(int x, int y) {
        Button(x, y, true);
        Button(x, y, false);
    }
    // A key as a desktop delivers it: down, the character it types, up.
    void TypeKey(UINT vk, const std::string& character) {
        Input().Key(vk, true);
        Input().Text(character);
        Input().Key(vk, false);
    }
    const TRecorded* Last(HWND h, UINT msg) const {
        for (auto it = Log.rbegin(); it != Log.rend(); ++it)
            if (it->Hwnd == h && it->Msg == msg) return &*it;
        return nullptr;
    }
};
}

TEST_F(InputTest, MouseGoesToTheDeepestChildWithClientCoordinatesAndFrameHitsBecomeNonClient) {
    HWND top = Top("t", 100, 100, 300, 200);
    HWND child = Child(top, 10, 10, 100, 50);
    TPoint c{0, 0};
    ClientToScreen(child, &c);
    Log.clear();
    Move(c.X + 5, c.Y + 7);
    const TRecorded* mm = Last(child, WM_MOUSEMOVE);
    ASSERT_TRUE(mm);
    EXPECT_EQ(LParamToPoint(mm->LParam), (TPoint{5, 7}));
    EXPECT_EQ(Count(top, WM_MOUSEMOVE), 0);
    Move(150, 105); // the caption
    const TRecorded* nc = Last(top, WM_NCMOUSEMOVE);
    ASSERT_TRUE(nc);
    EXPECT_EQ(nc->WParam, static_cast<WPARAM>(HTCAPTION));
    EXPECT_EQ(LParamToPoint(nc->LParam), (TPoint{150, 105}));
    EXPECT_EQ(WindowFromPoint({c.X + 1, c.Y + 1}), child);
}

TEST_F(InputTest, HitTestTransparentPassesThePointToTheWindowBelow) {
    HWND top = Top("t", 0, 0, 300, 200);
    HWND below = Child(top, 10, 10, 100, 100);
    HWND glass = Child(top, 10, 10, 100, 100);
    SetWindowPos(glass, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    On(WM_NCHITTEST, [&](HWND h, WPARAM, LPARAM, LRESULT& r) {
        if (h != glass) return false;
        r = HTTRANSPARENT;
        return true;
    });
    TPoint p{20, 20};
    ClientToScreen(below, &p);
    Log.clear();
    Click(p.X, p.Y);
    EXPECT_EQ(Count(below, WM_LBUTTONDOWN), 1);
    EXPECT_EQ(Count(glass, WM_LBUTTONDOWN), 0);
}

TEST_F(InputTest, CaptureTakesAllMouseInputAndReportsItsLoss) {
    HWND a = Top("a", 0, 0, 200, 200);
    HWND b = Top("b", 400, 0, 200, 200);
    SetCapture(a);
    Log.clear();
    Move(500, 100); // over b
    EXPECT_EQ(Count(b, WM_MOUSEMOVE), 0);
    const TRecorded* mm = Last(a, WM_MOUSEMOVE);
    ASSERT_TRUE(mm);
    TPoint expect{500, 100};
    ScreenToClient(a, &expect);
    EXPECT_EQ(LParamToPoint(mm->LParam), expect);
    SetCapture(b);
    const TRecorded* lost = Last(a, WM_CAPTURECHANGED);
    ASSERT_TRUE(lost);
    EXPECT_EQ(reinterpret_cast<HWND>(lost->LParam), b);
    ReleaseCapture();
    EXPECT_EQ(Count(b, WM_CAPTURECHANGED), 1);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(InputTest, LeaveTrackingPostsOneLeavePerRequestForClientAndFrame) {
    HWND top = Top("t", 100, 100, 300, 200);
    HWND child = Child(top, 10, 10, 100, 50);
    TPoint in{5, 5};
    ClientToScreen(child, &in);
    Move(in.X, in.Y);
    TRACKMOUSEEVENT tme{TME_LEAVE, child, 0};
    ASSERT_TRUE(TrackMouseEvent(&tme));
    Log.clear();
    Move(in.X + 1, in.Y + 1);
    EXPECT_EQ(Count(child, WM_MOUSELEAVE), 0);
    Move(in.X + 200, in.Y + 100); // the parent's client
    EXPECT_EQ(Count(child, WM_MOUSELEAVE), 1);
    Move(in.X, in.Y);
    Move(in.X + 200, in.Y + 100);
    EXPECT_EQ(Count(child, WM_MOUSELEAVE), 1) << "tracking ends with the leave";

    Move(150, 105); // caption of top
    TRACKMOUSEEVENT nc{TME_LEAVE | TME_NONCLIENT, top, 0};
    TrackMouseEvent(&nc);
    Log.clear();
    Move(200, 200); // top's client: leaving the frame
    EXPECT_EQ(Count(top, WM_NCMOUSELEAVE), 1);
    EXPECT_EQ(Count(top, WM_MOUSELEAVE), 0);
    TRACKMOUSEEVENT outside{TME_LEAVE, child, 0};
    TrackMouseEvent(&outside); // pointer not over the child: leave at once
    Pump();
    EXPECT_EQ(Count(child, WM_MOUSELEAVE), 1);
}

TEST_F(InputTest, DoubleClicksNeedTheClassStyleTimeAndDistance) {
    WNDCLASS plain;
    plain.lpszClassName = "Plain";
    plain.lpfnWndProc = [this](HWND h, UINT m, WPARAM w, LPARAM l) {
        Log.push_back({h, m, w, l});
        return DefWindowProc(h, m, w, l);
    };
    RegisterClass(plain);
    HWND dbl = Top("d", 0, 0, 200, 200);
    HWND noDbl = CreateWindowEx(0, "Plain", "p", WS_POPUP | WS_VISIBLE, 300, 0, 200, 200, nullptr, nullptr);
    Log.clear();
    Click(100, 100);
    Click(101, 101);
    EXPECT_EQ(Count(dbl, WM_LBUTTONDBLCLK), 1);
    Click(101, 101);
    EXPECT_EQ(Count(dbl, WM_LBUTTONDOWN), 2) << "the third press starts a new pair";
    FBackend.Virtual().Advance(GetDoubleClickTime() + 1);
    Click(101, 101);
    EXPECT_EQ(Count(dbl, WM_LBUTTONDBLCLK), 1) << "too slow";
    FBackend.Virtual().Advance(1000);
    Click(100, 100);
    Click(110, 100);
    EXPECT_EQ(Count(dbl, WM_LBUTTONDBLCLK), 1) << "too far";
    Click(350, 50);
    Click(350, 50);
    EXPECT_EQ(Count(noDbl, WM_LBUTTONDBLCLK), 0);
    EXPECT_EQ(Count(noDbl, WM_LBUTTONDOWN), 2);
}

TEST_F(InputTest, DisabledWindowsGetNoInputAndAClickOnADisabledOwnerRaisesItsModalWindow) {
    HWND owner = Top("owner", 0, 0, 300, 300);
    HWND modal = Top("modal", 400, 0, 200, 200, WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, owner);
    EnableWindow(owner, FALSE);
    SetActiveWindow(owner);
    EXPECT_EQ(GetActiveWindow(), modal) << "a disabled window is not activated";
    HWND c = Child(modal, 10, 10, 50, 50);
    EnableWindow(c, FALSE);
    SetActiveWindow(modal);
    HWND other = Top("other", 700, 0, 100, 100);
    EXPECT_EQ(GetActiveWindow(), other);
    Log.clear();
    Click(100, 100);
    EXPECT_EQ(Count(owner, WM_LBUTTONDOWN), 0);
    EXPECT_EQ(Count(owner, WM_NCHITTEST), 0);
    EXPECT_EQ(GetActiveWindow(), modal);
    TPoint p{5, 5};
    ClientToScreen(c, &p);
    Click(p.X, p.Y);
    EXPECT_EQ(Count(c, WM_LBUTTONDOWN), 0);
    EXPECT_EQ(Count(modal, WM_LBUTTONDOWN), 0);
}

TEST_F(InputTest, ClickActivationAsksMouseActivateAndCanEatTheClick) {
    HWND a = Top("a", 0, 0, 200, 200);
    HWND b = Top("b", 300, 0, 200, 200);
    ASSERT_EQ(GetActiveWindow(), b);
    On(WM_MOUSEACTIVATE, [&](HWND h, WPARAM, LPARAM, LRESULT& r) {
        r = h == a ? MA_ACTIVATEANDEAT : MA_ACTIVATE;
        return true;
    });
    Log.clear();
    Click(100, 100);
    EXPECT_EQ(GetActiveWindow(), a);
    EXPECT_EQ(Count(a, WM_LBUTTONDOWN), 0);
    EXPECT_EQ(Count(a, WM_LBUTTONUP), 1);
    const TRecorded* act = nullptr;
    for (const TRecorded& r : Log)
        if (r.Hwnd == a && r.Msg == WM_ACTIVATE) act = &r;
    ASSERT_TRUE(act);
    EXPECT_EQ(LOWORD(act->WParam), WA_CLICKACTIVE);
}

TEST_F(InputTest, KeysGoToTheFocusWithAltAsSystemKeysAndTranslateMakesControlCharacters) {
    HWND top = Top("t", 0, 0, 200, 200);
    HWND edit = Child(top, 0, 0, 50, 20);
    SetFocus(edit);
    EXPECT_EQ(Count(top, WM_KILLFOCUS), 1);
    EXPECT_EQ(Count(edit, WM_SETFOCUS), 1);
    Log.clear();
    Input().Key(VK_RETURN, true);
    Input().Key(VK_RETURN, false);
    Input().Text("жA");
    Input().Key(VK_CONTROL, true);
    Input().Key('C', true);
    Input().Key('C', false);
    Input().Key(VK_CONTROL, false);
    Pump();
    std::vector<WPARAM> chars;
    for (const TRecorded& r : Log)
        if (r.Hwnd == edit && r.Msg == WM_CHAR) chars.push_back(r.WParam);
    EXPECT_EQ(chars, (std::vector<WPARAM>{13, 0x436, 'A', 3}));
    EXPECT_EQ(GetKeyState(VK_CONTROL) & 0x8000, 0);
    Log.clear();
    Input().Key(VK_MENU, true);
    Input().Key('X', true);
    Input().Key('X', false);
    Input().Key(VK_MENU, false);
    Pump();
    EXPECT_EQ(Sequence(edit, {WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP, WM_SYSCHAR}),
              (std::vector<UINT>{WM_SYSKEYDOWN, WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSKEYUP, WM_KEYUP}))
        << "Alt released after a combination is a plain key-up, so it opens no menu";
    Log.clear();
    Input().Key(VK_MENU, true);
    Input().Key(VK_F4, true);
    Pump();
    EXPECT_FALSE(IsWindow(top)) << "Alt+F4 closes the window";
}

TEST_F(InputTest, AKeysCharacterGoesToTheWindowOfItsKeyDownEvenWhenTheKeyMovedTheFocus) {
    HWND popup = Top("popup", 0, 0, 200, 200);
    HWND prompt = Top("prompt", 300, 0, 200, 200);
    HWND edit = Child(prompt, 0, 0, 50, 20);
    SetFocus(popup);
    // The popup answers the digit's key-down by handing the focus on, as a chooser that closes
    // and leaves a name prompt behind does.
    On(WM_KEYDOWN, [&](HWND h, WPARAM, LPARAM, LRESULT& r) {
        if (h != popup) return false;
        SetFocus(edit);
        r = 0;
        return true;
    });
    Log.clear();
    TypeKey('9', "9");
    Pump();
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(Count(edit, WM_CHAR), 0) << "the digit typed into the window that gained the focus";
    EXPECT_EQ(Count(popup, WM_CHAR), 1);
    // Characters with no key-down of their own (typed text, an input method) follow the focus,
    // and so does the next key after the first was released; a modifier held meanwhile changes
    // nothing.
    Log.clear();
    Input().Text("T");
    Input().Key(VK_SHIFT, true);
    TypeKey('E', "E");
    Input().Key(VK_SHIFT, false);
    Pump();
    std::vector<WPARAM> chars;
    for (const TRecorded& r : Log)
        if (r.Hwnd == edit && r.Msg == WM_CHAR) chars.push_back(r.WParam);
    EXPECT_EQ(chars, (std::vector<WPARAM>{'T', 'E'}));
    EXPECT_EQ(Count(popup, WM_CHAR), 0);
}

TEST_F(InputTest, TheCharacterOfAKeyWhoseWindowWasDestroyedIsDropped) {
    HWND popup = Top("popup", 0, 0, 200, 200);
    HWND other = Top("other", 300, 0, 200, 200);
    SetFocus(popup);
    On(WM_KEYDOWN, [&](HWND h, WPARAM, LPARAM, LRESULT& r) {
        if (h != popup) return false;
        DestroyWindow(popup);
        SetFocus(other);
        r = 0;
        return true;
    });
    Log.clear();
    TypeKey('5', "5");
    Pump();
    EXPECT_FALSE(IsWindow(popup));
    EXPECT_EQ(GetFocus(), other);
    EXPECT_EQ(Count(other, WM_CHAR), 0);
}

TEST_F(InputTest, CursorConfinementAndSetCursorFollowTheHitTest) {
    HWND top = Top("t", 100, 100, 300, 200);
    TRect clip{0, 0, 50, 50};
    ClipCursor(&clip);
    Move(400, 400);
    TPoint p;
    GetCursorPos(&p);
    EXPECT_EQ(p, (TPoint{49, 49}));
    ClipCursor(nullptr);
    Move(101, 200); // the left sizing edge
    EXPECT_EQ(FBackend.CursorShape(), IDC_SIZEWE);
    Move(150, 105);
    EXPECT_EQ(FBackend.CursorShape(), IDC_ARROW);
    const TRecorded* sc = nullptr;
    for (const TRecorded& r : Log)
        if (r.Hwnd == top && r.Msg == WM_SETCURSOR) sc = &r;
    ASSERT_TRUE(sc);
    EXPECT_EQ(static_cast<int>(LOWORD(static_cast<std::uintptr_t>(sc->LParam))), HTCAPTION);
    EXPECT_EQ(HIWORD(static_cast<std::uintptr_t>(sc->LParam)), WM_MOUSEMOVE);
}

TEST_F(InputTest, DisablingAWindowTakesTheCaptureFromItsChildren) {
    HWND top = Top("top", 0, 0, 200, 200);
    HWND child = Child(top, 10, 10, 50, 50);
    SetCapture(child);
    Log.clear();
    EnableWindow(top, FALSE);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Count(child, WM_CAPTURECHANGED), 1);
}
