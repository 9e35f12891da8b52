// Nested modal loops, WM_QUIT, timers on the virtual clock, and the CBT hook.
#include "WindowTestFixture.h"
#include "platform/window/ModalLoop.h"

#include <thread>

TEST_F(WindowTest, ModalLoopInsideASendInsideAModalLoopEndsCleanly) {
    HWND h = Top("w", 0, 0, 100, 100);
    constexpr UINT kOpenInner = WM_USER + 1, kEndInner = WM_USER + 2, kEndOuter = WM_USER + 3;
    ModalLoop outer, inner;
    std::vector<std::string> trace;
    On(kOpenInner, [&](HWND hw, WPARAM, LPARAM, LRESULT&) {
        trace.push_back("inner start");
        PostMessage(hw, kEndInner, 0, 0);
        inner.Run();
        trace.push_back("inner done");
        PostMessage(hw, kEndOuter, 0, 0);
        return true;
    });
    On(kEndInner, [&](HWND, WPARAM, LPARAM, LRESULT&) { inner.End(); return true; });
    On(kEndOuter, [&](HWND, WPARAM, LPARAM, LRESULT&) { outer.End(); return true; });
    On(WM_USER, [&](HWND hw, WPARAM, LPARAM, LRESULT&) {
        SendMessage(hw, kOpenInner, 0, 0); // a send that opens a loop, inside the outer loop
        return true;
    });
    PostMessage(h, WM_USER, 0, 0);
    EXPECT_TRUE(outer.Run());
    EXPECT_EQ(trace, (std::vector<std::string>{"inner start", "inner done"}));
    EXPECT_FALSE(inner.Running());
}

TEST_F(WindowTest, QuitEndsTheInnermostLoopAndReachesTheOuterOne) {
    HWND h = Top("w", 0, 0, 100, 100);
    ModalLoop inner;
    bool innerEndedByQuit = false;
    On(WM_USER, [&](HWND, WPARAM, LPARAM, LRESULT&) {
        PostQuitMessage(7);
        innerEndedByQuit = !inner.Run();
        return true;
    });
    PostMessage(h, WM_USER, 0, 0);
    MSG msg;
    int loops = 0;
    while (GetMessage(&msg, nullptr, 0, 0) && ++loops < 1000) DispatchMessage(&msg);
    EXPECT_TRUE(innerEndedByQuit);
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(WindowTest, TimersFireInDueOrderOnTheVirtualClockAndNeverInsideAHandler) {
    HWND h = Top("w", 0, 0, 100, 100);
    std::vector<UINT_PTR> fired;
    On(WM_TIMER, [&](HWND, WPARAM w, LPARAM, LRESULT&) { fired.push_back(w); return true; });
    SetTimer(h, 1, 30);
    SetTimer(h, 2, 10);
    SetTimer(h, 3, 20);
    int threadFired = 0;
    UINT_PTR threadTimer = SetTimer(nullptr, 0, 25, [&](HWND, UINT, UINT_PTR, DWORD) { ++threadFired; });
    Pump();
    EXPECT_TRUE(fired.empty());
    // A handler that blocks (sleeps) far past every due time: nothing fires inside it.
    On(WM_USER, [&](HWND, WPARAM, LPARAM, LRESULT&) {
        Sleep(100);
        EXPECT_TRUE(fired.empty());
        return true;
    });
    SendMessage(h, WM_USER, 0, 0);
    EXPECT_EQ(GetTickCount(), 100u);
    Pump();
    EXPECT_EQ(fired, (std::vector<UINT_PTR>{2, 3, 1})) << "each due timer once, earliest first";
    EXPECT_EQ(threadFired, 1);
    fired.clear();
    FBackend.Virtual().Advance(10);
    Pump();
    EXPECT_EQ(fired, (std::vector<UINT_PTR>{2}));
    KillTimer(h, 2);
    KillTimer(nullptr, threadTimer);
    fired.clear();
    FBackend.Virtual().Advance(1000);
    Pump();
    EXPECT_EQ(fired, (std::vector<UINT_PTR>{3, 1}));
    EXPECT_EQ(threadFired, 1);
    DestroyWindow(h);
    EXPECT_EQ(WindowSystem::Current()->Timers().Count(), 0u) << "a window's timers die with it";
}

TEST_F(WindowTest, CbtHookSeesCreationActivationAndDestructionOfEveryWindowAndCanRefuse) {
    std::vector<std::pair<int, HWND>> seen;
    std::vector<std::string> createdClasses;
    HHOOK hook = nullptr;
    bool refuseNext = false;
    hook = SetWindowsHookEx(WH_CBT, [&](int code, WPARAM w, LPARAM l) -> LRESULT {
        LRESULT next = CallNextHookEx(hook, code, w, l);
        seen.push_back({code, reinterpret_cast<HWND>(w)});
        if (code == HCBT_CREATEWND) {
            auto* cbt = reinterpret_cast<CBT_CREATEWND*>(l);
            createdClasses.push_back(cbt->lpcs->lpszClass + ":" + cbt->lpcs->lpszName);
            if (refuseNext) return 1;
        }
        return next;
    }, nullptr, GetCurrentThreadId());
    ASSERT_TRUE(hook);
    HWND a = Top("a", 0, 0, 100, 100);
    HWND c = Child(a, 0, 0, 10, 10);
    HWND b = Top("b", 0, 0, 100, 100);
    SetActiveWindow(a);
    DestroyWindow(b);
    auto has = [&](int code, HWND h) { return std::count(seen.begin(), seen.end(), std::make_pair(code, h)) > 0; };
    EXPECT_TRUE(has(HCBT_CREATEWND, a) && has(HCBT_CREATEWND, c) && has(HCBT_CREATEWND, b));
    EXPECT_TRUE(has(HCBT_ACTIVATE, a) && has(HCBT_ACTIVATE, b));
    EXPECT_TRUE(has(HCBT_DESTROYWND, b));
    EXPECT_EQ(createdClasses, (std::vector<std::string>{"Rec:a", "Rec:", "Rec:b"}));
    refuseNext = true;
    EXPECT_EQ(Top("refused", 0, 0, 10, 10), nullptr);
    EXPECT_TRUE(UnhookWindowsHookEx(hook));
    seen.clear();
    Top("free", 0, 0, 10, 10);
    EXPECT_TRUE(seen.empty());
}

TEST_F(WindowTest, ActivationHookCanKeepAWindowFromBecomingActive) {
    HWND a = Top("a", 0, 0, 100, 100);
    HWND b = Top("b", 0, 0, 100, 100, WS_OVERLAPPEDWINDOW);
    HHOOK hook = SetWindowsHookEx(WH_CBT, [&](int code, WPARAM w, LPARAM) -> LRESULT {
        return code == HCBT_ACTIVATE && reinterpret_cast<HWND>(w) == b ? 1 : 0;
    }, nullptr, 0);
    ShowWindow(b, SW_SHOW);
    EXPECT_EQ(GetActiveWindow(), a);
    UnhookWindowsHookEx(hook);
}

TEST_F(WindowTest, RegisteredMessagesAreStableAndAboveC000) {
    UINT a = RegisterWindowMessage("SM_SKINCMD_TEST");
    EXPECT_GE(a, 0xC000u);
    EXPECT_EQ(RegisterWindowMessage("SM_SKINCMD_TEST"), a);
    EXPECT_NE(RegisterWindowMessage("other"), a);
    EXPECT_EQ(RegisterWindowMessage(""), 0u);
}

TEST_F(WindowTest, QuitPassesEveryFilterAndAFilteredWaitIgnoresOtherWindowsTimers) {
    HWND a = Top("a", 0, 0, 100, 100);
    HWND b = Top("b", 200, 0, 100, 100);
    Pump();
    PostQuitMessage(7);
    MSG m;
    ASSERT_TRUE(PeekMessage(&m, a, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE));
    EXPECT_EQ(m.message, WM_QUIT);
    EXPECT_EQ(m.wParam, 7u) << "peeking shows the exit code too";
    EXPECT_FALSE(GetMessage(&m, a, 0, 0));
    EXPECT_EQ(m.wParam, 7u);

    // b's timer is due, but a loop that only takes a's messages must sleep until something for it
    // arrives rather than wake for that timer again and again.
    SetTimer(b, 1, 10);
    FBackend.Virtual().Advance(50);
    std::thread user([&] {
        FBackend.WaitIdle();
        EXPECT_EQ(FBackend.IdleDeadline(), Backend::kNoDeadline);
        FBackend.WithSink([&](InputSink& s) { s.RunOnUi([a] { PostMessage(a, WM_USER, 1, 0); }); });
        FBackend.WaitIdle();
        FBackend.WithSink([](InputSink& s) { s.RunOnUi([] { PostQuitMessage(5); }); });
    });
    ASSERT_TRUE(GetMessage(&m, a, 0, 0));
    EXPECT_EQ(m.message, WM_USER);
    EXPECT_FALSE(GetMessage(&m, a, 0, 0));
    EXPECT_EQ(m.wParam, 5u);
    user.join();
}
