// The UI driver and the script runner against a small program on a UI thread.
#include "platform/backend/headless/KeyNames.h"
#include "platform/backend/headless/ScriptRunner.h"
#include "platform/backend/headless/UiDriver.h"
#include "platform/window/ClassicStyle.h"
#include "platform/window/ModalLoop.h"
#include "platform/window/Win.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace {
// A main window with a button-class child; a click on the child opens a modal window whose own
// timer closes it after 500 ms.
struct TProgram {
    std::atomic<int> Clicks{0};
    std::atomic<int> ModalsClosed{0};
    std::atomic<int> Chars{0};

    int Run() {
        ClassicStyle::SetCaptionTextPainter([](HDC, const std::string&, const TRect&, bool, bool) {});
        WNDCLASS wc;
        wc.lpszClassName = "Main";
        wc.hbrBackground = clBtnFace;
        wc.lpfnWndProc = [this](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if (m == WM_DESTROY) PostQuitMessage(3);
            if (m == WM_CHAR) ++Chars;
            return DefWindowProc(h, m, w, l);
        };
        RegisterClass(wc);
        WNDCLASS bc;
        bc.lpszClassName = "Button";
        bc.hbrBackground = clBtnFace;
        bc.lpfnWndProc = [this](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if (m == 0x00F0) return 1; // checked
            if (m == WM_LBUTTONUP) {
                ++Clicks;
                OpenModal(GetAncestor(h, GA_ROOT));
            }
            return DefWindowProc(h, m, w, l);
        };
        RegisterClass(bc);
        HWND main = CreateWindowEx(0, "Main", "Main window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300, nullptr, nullptr);
        CreateWindowEx(0, "Button", "Go", WS_CHILD | WS_VISIBLE, 20, 20, 80, 30, main, nullptr);
        MSG msg;
        while (GetMessage(&msg, nullptr, 0, 0)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
        return static_cast<int>(msg.wParam);
    }

    void OpenModal(HWND owner) {
        auto loop = std::make_shared<ModalLoop>();
        WNDCLASS mc;
        mc.lpszClassName = "Modal";
        mc.hbrBackground = clWhite;
        mc.lpfnWndProc = [loop, owner](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if (m == WM_TIMER) {
                EnableWindow(owner, TRUE); // before the modal goes, so the owner can be activated
                DestroyWindow(h);
            }
            if (m == WM_DESTROY) loop->End();
            return DefWindowProc(h, m, w, l);
        };
        UnregisterClass("Modal");
        RegisterClass(mc);
        EnableWindow(owner, FALSE);
        HWND modal = CreateWindowEx(0, "Modal", "Modal", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 600, 100, 200, 150, owner, nullptr);
        SetTimer(modal, 1, 500);
        loop->Run();
        EnableWindow(owner, TRUE);
        ++ModalsClosed;
    }
};

std::string TempPath(const std::string& name) {
    return ::testing::TempDir() + "/" + name;
}
}

TEST(UiDriverTest, DriverWaitsInsideModalLoopsAndAdvancesTimersInOrder) {
    TProgram program;
    UiDriver driver([&] { return program.Run(); });
    driver.WaitIdle();
    driver.Click(100 + 4 + 20 + 5, 100 + 4 + 19 + 20 + 5); // inside the child
    EXPECT_EQ(program.Clicks, 1);
    EXPECT_EQ(program.ModalsClosed, 0) << "the modal loop is running and idle";
    bool modalOpen = false;
    driver.RunOnUi([&] { modalOpen = IsWindowEnabled(GetTopWindow(nullptr)) && GetWindowText(GetTopWindow(nullptr)) == "Modal"; });
    EXPECT_TRUE(modalOpen);
    driver.Advance(499);
    EXPECT_EQ(program.ModalsClosed, 0);
    driver.Advance(1);
    EXPECT_EQ(program.ModalsClosed, 1);
    driver.Type("ab");
    EXPECT_EQ(program.Chars, 2);
    Bitmap shot = driver.Screenshot();
    EXPECT_EQ(shot.Size(), (TSize{1280, 1024}));
    EXPECT_EQ(driver.Shutdown(), 0) << "the driver's WM_QUIT carries 0";
    EXPECT_TRUE(driver.Finished());
    EXPECT_FALSE(driver.RunOnUi([] {}));
}

TEST(ScriptRunnerTest, CommandsExpectationsAndDumpsRunAgainstTheProgram) {
    TProgram program;
    UiDriver driver([&] { return program.Run(); }, {800, 600});
    ScriptRunner runner(driver);
    std::string dump = TempPath("window-dump.json");
    std::string shot = TempPath("window-shot.png");
    std::string script = "# comment\n\n"
                         "expect class=Main text == Main window\n"
                         "expect class=Button checked == 1\n"
                         "expect count class=Button == 1\n"
                         "expect \"text=Main window\" width > 399\n"
                         "expect class=Main text contains Main\n"
                         "dump " + dump + "\n"
                         "shot " + shot + "\n"
                         "click 129 148\n"
                         "expect count class=Modal == 1\n"
                         "expect class=Main enabled == false\n"
                         "wait 500\n"
                         "expect count class=Modal == 0\n"
                         "key Alt+F4\n";
    EXPECT_TRUE(runner.Run(script)) << runner.Error();
    std::ifstream in(dump);
    std::stringstream json;
    json << in.rdbuf();
    EXPECT_NE(json.str().find("\"class\": \"Button\""), std::string::npos);
    EXPECT_NE(json.str().find("\"text\": \"Main window\""), std::string::npos);
    std::ifstream png(shot, std::ios::binary);
    EXPECT_TRUE(png.good());
    EXPECT_TRUE(driver.Finished()) << "Alt+F4 closed the main window and ended the program";
    std::remove(dump.c_str());
    std::remove(shot.c_str());
}

TEST(ScriptRunnerTest, ErrorsNameTheLineAndStopTheRun) {
    TProgram program;
    UiDriver driver([&] { return program.Run(); });
    auto fails = [&](const std::string& script, const std::string& start) {
        ScriptRunner runner(driver);
        EXPECT_FALSE(runner.Run(script));
        EXPECT_EQ(runner.Error().rfind(start, 0), 0u) << runner.Error();
    };
    fails("move 1 2\nfly 3\n", "line 2: unknown command");
    fails("click 10\n", "line 1: usage");
    fails("click x 10\n", "line 1: bad x");
    fails("key Hyper+Q\n", "line 1: unknown key");
    fails("\n\nexpect class=Main text == Other\n", "line 3: expected class=Main text == 'Other', found 'Main window'");
    fails("expect count class=Main > 1\n", "line 1: expected count");
    fails("expect class=Nothing text == x\n", "line 1: no record matches");
    fails("expect class=Main text < 3\n", "line 1: '<' needs numbers");
    fails("wait -5\n", "line 1: a wait cannot");
    fails("expect \"text=Main\n", "line 1: unterminated quote");
    ScriptRunner ok(driver);
    EXPECT_TRUE(ok.Run("move 5 5\nwait 10\n"));
}

TEST(ScriptRunnerTest, DumpProvidersAddFieldsAndRecords) {
    TProgram program;
    UiDriver driver([&] { return program.Run(); });
    DumpWriter::AddProvider([](std::vector<TDumpRecord>& records) {
        for (TDumpRecord& r : records)
            if (r.Get("class") && TDumpRecord::ToText(*r.Get("class")) == "Main") r.Set("difficulty", std::int64_t{4});
        TDumpRecord cell;
        cell.Set("class", std::string("TsSpeedButton"));
        cell.Set("name", std::string("Cell11"));
        records.push_back(cell);
    });
    ScriptRunner runner(driver);
    bool ok = runner.Run("expect class=Main difficulty == 4\nexpect name=Cell11 class == TsSpeedButton\n");
    DumpWriter::ClearProviders();
    EXPECT_TRUE(ok) << runner.Error();
}

TEST(KeyNamesTest, NamesCombinationsAndTheTextTheyType) {
    auto enter = KeyNames::Parse("Enter");
    ASSERT_TRUE(enter);
    EXPECT_EQ(enter->Vk, VK_RETURN);
    EXPECT_TRUE(enter->Text.empty());
    auto altF4 = KeyNames::Parse("alt+f4");
    ASSERT_TRUE(altF4);
    EXPECT_EQ(altF4->Vk, VK_F4);
    EXPECT_EQ(altF4->Modifiers, (std::vector<UINT>{VK_MENU}));
    auto ctrlTab = KeyNames::Parse("Ctrl+Tab");
    ASSERT_TRUE(ctrlTab);
    EXPECT_EQ(ctrlTab->Modifiers, (std::vector<UINT>{VK_CONTROL}));
    EXPECT_EQ(KeyNames::Parse("7")->Text, "7");
    EXPECT_EQ(KeyNames::Parse("q")->Text, "q");
    EXPECT_EQ(KeyNames::Parse("Shift+q")->Text, "Q");
    EXPECT_TRUE(KeyNames::Parse("Ctrl+q")->Text.empty());
    EXPECT_FALSE(KeyNames::Parse("F13"));
    EXPECT_FALSE(KeyNames::Parse("Tab+Ctrl"));
    EXPECT_FALSE(KeyNames::Parse("Ctrl+"));
}
