// Activation and focus: the order of WM_NCACTIVATE, WM_ACTIVATE, WM_ACTIVATEAPP, WM_KILLFOCUS and
// WM_SETFOCUS, and where the focus goes when its window is hidden, disabled or destroyed.
#include "WindowTestFixture.h"

namespace {
class FocusTest : public WindowTest {
protected:
    struct TStep {
        HWND Hwnd;
        UINT Msg;
        WPARAM WParam;
        bool operator==(const TStep&) const = default;
    };
    std::vector<TStep> Steps() const {
        static const std::vector<UINT> kFocusMsgs{WM_NCACTIVATE, WM_ACTIVATE, WM_ACTIVATEAPP, WM_KILLFOCUS, WM_SETFOCUS};
        std::vector<TStep> out;
        for (const TRecorded& r : Log)
            if (std::find(kFocusMsgs.begin(), kFocusMsgs.end(), r.Msg) != kFocusMsgs.end()) out.push_back({r.Hwnd, r.Msg, r.WParam});
        return out;
    }
    static WPARAM W(HWND h) { return reinterpret_cast<WPARAM>(h); }
};
}

TEST_F(FocusTest, SwitchingWindowsDeactivatesThenActivatesAndMovesTheFocusLast) {
    HWND a = Top("a", 0, 0, 200, 200);
    HWND edit = Child(a, 10, 10, 50, 20);
    HWND b = Top("b", 300, 0, 200, 200);
    SetActiveWindow(a);
    SetFocus(edit);
    Log.clear();
    SetActiveWindow(b);
    EXPECT_EQ(Steps(), (std::vector<TStep>{{a, WM_NCACTIVATE, FALSE},
                                           {a, WM_ACTIVATE, WA_INACTIVE},
                                           {b, WM_NCACTIVATE, TRUE},
                                           {b, WM_ACTIVATE, WA_ACTIVE},
                                           {edit, WM_KILLFOCUS, W(b)},
                                           {b, WM_SETFOCUS, W(edit)}}));
    // A click activation says so.
    Log.clear();
    Input().MouseMove(100, 100);
    Input().MouseButton(TMouseButton::mbLeft, true, 100, 100);
    Input().MouseButton(TMouseButton::mbLeft, false, 100, 100);
    Pump();
    EXPECT_EQ(GetActiveWindow(), a);
    for (const TStep& s : Steps())
        if (s.Hwnd == a && s.Msg == WM_ACTIVATE) {
            EXPECT_EQ(s.WParam, static_cast<WPARAM>(WA_CLICKACTIVE));
        }
}

TEST_F(FocusTest, TheApplicationLosingAndRegainingTheDesktopTellsEveryTopLevelWindow) {
    HWND a = Top("a", 0, 0, 200, 200);
    HWND b = Top("b", 300, 0, 200, 200);
    SetActiveWindow(a);
    Log.clear();
    Input().AppActivation(false);
    Pump();
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(Steps(), (std::vector<TStep>{{a, WM_NCACTIVATE, FALSE},
                                           {a, WM_ACTIVATE, WA_INACTIVE},
                                           {a, WM_KILLFOCUS, 0},
                                           {a, WM_ACTIVATEAPP, FALSE},
                                           {b, WM_ACTIVATEAPP, FALSE}}));
    Log.clear();
    Input().AppActivation(true);
    Pump();
    EXPECT_EQ(GetActiveWindow(), a) << "the window active before comes back";
    std::vector<TStep> steps = Steps();
    ASSERT_GE(steps.size(), 3u);
    EXPECT_EQ(steps[0].Msg, WM_ACTIVATEAPP);
    EXPECT_EQ(steps.back(), (TStep{a, WM_SETFOCUS, 0}));
}

TEST_F(FocusTest, FocusCannotEnterAWindowThatRefusesActivation) {
    HWND a = Top("a", 0, 0, 200, 200);
    HWND b = Top("b", 300, 0, 200, 200);
    HWND inB = Child(b, 10, 10, 50, 20);
    SetActiveWindow(a);
    ASSERT_EQ(GetFocus(), a);
    HHOOK hook = SetWindowsHookEx(WH_CBT, [](int code, WPARAM, LPARAM) -> LRESULT { return code == HCBT_ACTIVATE; }, nullptr, 0);
    EXPECT_EQ(SetFocus(inB), nullptr);
    EXPECT_EQ(GetFocus(), a);
    UnhookWindowsHookEx(hook);
    // A window disabled by a modal one cannot take the focus either.
    EnableWindow(b, FALSE);
    EXPECT_EQ(SetFocus(inB), nullptr);
    EXPECT_EQ(GetFocus(), a);
    EXPECT_EQ(GetActiveWindow(), a);
    EnableWindow(b, TRUE);
    EXPECT_NE(SetFocus(inB), nullptr);
    EXPECT_EQ(GetFocus(), inB);
    EXPECT_EQ(GetActiveWindow(), b);
}

TEST_F(FocusTest, FocusLeavesAChildThatIsHiddenDisabledOrDestroyed) {
    HWND top = Top("top", 0, 0, 300, 300);
    HWND panel = Child(top, 0, 0, 200, 200);
    HWND edit = Child(panel, 10, 10, 50, 20);
    SetFocus(edit);
    ShowWindow(panel, SW_HIDE);
    EXPECT_EQ(GetFocus(), top) << "hiding moves the focus to the hidden window's parent";
    ShowWindow(panel, SW_SHOW);
    SetFocus(edit);
    EnableWindow(panel, FALSE);
    EXPECT_EQ(GetFocus(), nullptr) << "disabling drops the focus";
    EnableWindow(panel, TRUE);
    SetFocus(edit);
    Log.clear();
    DestroyWindow(panel);
    EXPECT_EQ(GetFocus(), top);
    EXPECT_EQ(Count(edit, WM_KILLFOCUS), 1);
    // The active window destroyed: another top-level window takes over and gets the focus.
    HWND other = Top("other", 400, 0, 100, 100);
    HWND last = Top("last", 400, 0, 100, 100);
    ASSERT_EQ(GetActiveWindow(), last);
    DestroyWindow(last);
    EXPECT_TRUE(GetActiveWindow() == other || GetActiveWindow() == top);
    EXPECT_EQ(GetFocus(), GetActiveWindow());
}

TEST_F(FocusTest, ClosingAnOwnedWindowGivesTheActivationBackToItsOwner) {
    HWND main = Top("main", 0, 0, 300, 300);
    HWND other = Top("other", 400, 0, 100, 100);
    HWND dialog = Top("dialog", 50, 50, 100, 100, WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, main);
    ASSERT_EQ(GetActiveWindow(), dialog);
    ASSERT_NE(other, nullptr);
    DestroyWindow(dialog);
    EXPECT_EQ(GetActiveWindow(), main);
    EXPECT_EQ(GetFocus(), main);
}
