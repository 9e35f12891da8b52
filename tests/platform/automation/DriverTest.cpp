// The UI driver and the script runner against a small program on a UI thread.
#include "DriverTestProgram.h"
#include "platform/automation/DumpWriter.h"
#include "platform/automation/KeyNames.h"
#include "platform/automation/ScriptRunner.h"
#include "platform/backend/headless/HeadlessDriver.h"
#include "platform/window/Win.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace {
std::string TempPath(const std::string& name) {
    return ::testing::TempDir() + "/" + name;
}
}

TEST(UiDriverTest, DriverWaitsInsideModalLoopsAndAdvancesTimersInOrder) {
    TProgram program;
    HeadlessDriver driver([&] { return program.Run(); });
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
    HeadlessDriver driver([&] { return program.Run(); }, {800, 600});
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
    HeadlessDriver driver([&] { return program.Run(); });
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

TEST(ScriptRunnerTest, AClickByFilterHitsTheCentreOfTheOneShownRecordItMatches) {
    TProgram program;
    HeadlessDriver driver([&] { return program.Run(); });
    ScriptRunner runner(driver);
    EXPECT_TRUE(runner.Run("click class=Button\nexpect count class=Modal == 1\n")) << runner.Error();
    EXPECT_EQ(program.Clicks, 1);
    ScriptRunner missing(driver);
    EXPECT_FALSE(missing.Run("wait 500\nclick class=Nothing\n"));
    EXPECT_EQ(missing.Error(), "line 2: 0 shown records match class=Nothing (want one)");
    ScriptRunner badButton(driver);
    EXPECT_FALSE(badButton.Run("click class=Button sideways\n"));
    EXPECT_EQ(badButton.Error().rfind("line 1: bad button", 0), 0u) << badButton.Error();
    EXPECT_EQ(program.Clicks, 1);
}

TEST(ScriptRunnerTest, DumpProvidersAddFieldsAndRecords) {
    TProgram program;
    HeadlessDriver driver([&] { return program.Run(); });
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

TEST(UiDriverTest, DriverSeesTheUiThreadIdleInsideTheMoveLoopAndRunsCodeThere) {
    TProgram program;
    HeadlessDriver driver([&] { return program.Run(); });
    driver.WaitIdle();
    const int x = 300, y = 100 + 4 + 9; // the main window's caption
    driver.MouseMove(x, y);
    driver.MouseButton(x, y, TMouseButton::mbLeft, true);
    driver.MouseMove(x + 50, y + 20); // returns only once the move loop waits for more
    TRect mid;
    HWND capture = nullptr;
    ASSERT_TRUE(driver.RunOnUi([&] {
        EnumWindows([&](HWND h) {
            if (GetClassName(h) == "Main") GetWindowRect(h, &mid);
            return true;
        });
        capture = GetCapture();
    }));
    EXPECT_EQ(mid, Bounds(150, 120, 400, 300)) << "moved while the button is still down";
    EXPECT_NE(capture, nullptr) << "the loop still holds the mouse";
    driver.MouseButton(x + 50, y + 20, TMouseButton::mbLeft, false);
    driver.RunOnUi([&] { capture = GetCapture(); });
    EXPECT_EQ(capture, nullptr);
    EXPECT_EQ(driver.Shutdown(), 0);
}

TEST(ScriptRunnerTest, DragTypeRightClickAndQuitCommands) {
    TProgram program;
    HeadlessDriver driver([&] { return program.Run(); }, {800, 600});
    ScriptRunner runner(driver);
    std::string script = "drag 300 113 350 163\n"
                         "expect class=Main left == 150\n"
                         "expect class=Main top != 100\n"
                         "type  héllo world\n"
                         "click 10 10 right\n"
                         "quit\n"
                         "this line is never read\n";
    EXPECT_TRUE(runner.Run(script)) << runner.Error();
    EXPECT_TRUE(runner.QuitRequested());
    EXPECT_EQ(program.Chars, 11) << "one WM_CHAR per code point, inner blanks kept";
    EXPECT_TRUE(driver.Finished());
    ScriptRunner after(driver);
    EXPECT_FALSE(after.Run("move 1 1\n"));
    EXPECT_EQ(after.Error(), "line 1: the program has ended");
}

TEST(ScriptRunnerTest, BadFilesAndPathsAreReportedWithTheirLine) {
    TProgram program;
    HeadlessDriver driver([&] { return program.Run(); });
    ScriptRunner runner(driver);
    EXPECT_FALSE(runner.RunFile(TempPath("no-such-script.txt")));
    EXPECT_EQ(runner.Error().rfind("cannot read script", 0), 0u);
    EXPECT_FALSE(runner.Run("# fine\ndump /no/such/folder/x.json\n"));
    EXPECT_EQ(runner.Error().rfind("line 2: cannot write", 0), 0u) << runner.Error();
    EXPECT_FALSE(runner.Run("expect count * == x\n"));
    EXPECT_EQ(runner.Error().rfind("line 1: bad count", 0), 0u) << runner.Error();
    EXPECT_FALSE(runner.Run("expect class=Main text ~ x\n"));
    EXPECT_EQ(runner.Error().rfind("line 1: unknown operator", 0), 0u) << runner.Error();
    EXPECT_FALSE(runner.Run("expect nofilter text == x\n"));
    EXPECT_EQ(runner.Error().rfind("line 1: bad filter", 0), 0u) << runner.Error();
    EXPECT_FALSE(runner.Run("expect class=Main nofield == x\n"));
    EXPECT_EQ(runner.Error().rfind("line 1: record class=Main has no field 'nofield'", 0), 0u) << runner.Error();
    // A script file runs like a string; Windows line ends are fine.
    std::string path = TempPath("script.txt");
    std::ofstream(path) << "move 5 5\r\nexpect count * > 1\r\n";
    EXPECT_TRUE(runner.RunFile(path)) << runner.Error();
    std::remove(path.c_str());
}

TEST(DumpWriterTest, JsonHoldsOneObjectPerRecordWithTypedAndEscapedValues) {
    TDumpRecord a;
    a.Set("class", std::string("Edit"));
    a.Set("text", std::string("say \"hi\"\\\n\tend\x01"));
    a.Set("left", std::int64_t{-5});
    a.Set("visible", true);
    a.Set("left", std::int64_t{7}); // setting again replaces in place
    TDumpRecord b;
    b.Set("enabled", false);
    std::string json = DumpWriter::ToJson({a, b});
    EXPECT_EQ(json, "{\n  \"records\": [\n"
                    "    {\"class\": \"Edit\", \"text\": \"say \\\"hi\\\"\\\\\\n\\tend\\u0001\", \"left\": 7, \"visible\": true},\n"
                    "    {\"enabled\": false}\n"
                    "  ]\n}\n");
    EXPECT_EQ(DumpWriter::ToJson({}), "{\n  \"records\": []\n}\n");
}

TEST(DumpWriterTest, WindowRecordsFollowTheTreeWithScreenBoundsAndState) {
    TProgram program;
    HeadlessDriver driver([&] { return program.Run(); });
    std::vector<TDumpRecord> records;
    driver.RunOnUi([&] { records = DumpWriter::Collect(); });
    ASSERT_EQ(records.size(), 2u);
    auto text = [](const TDumpRecord& r, const char* key) { return TDumpRecord::ToText(*r.Get(key)); };
    EXPECT_EQ(text(records[0], "class"), "Main");
    EXPECT_EQ(text(records[0], "parent"), "");
    EXPECT_EQ(text(records[0], "active"), "true");
    EXPECT_EQ(text(records[1], "class"), "Button");
    EXPECT_EQ(text(records[1], "parent"), text(records[0], "handle"));
    EXPECT_EQ(text(records[1], "left"), "124") << "screen coordinates: 100 + frame 4 + 20";
    EXPECT_EQ(text(records[1], "top"), "143");
    EXPECT_EQ(text(records[1], "width"), "80");
    EXPECT_EQ(text(records[1], "visible"), "true");
    EXPECT_EQ(text(records[1], "checked"), "1");
    std::vector<std::string> keys;
    for (const auto& f : records[0].Fields) keys.push_back(f.first);
    EXPECT_EQ(keys, (std::vector<std::string>{"handle", "class", "text", "parent", "id", "left", "top", "width", "height",
                                              "visible", "enabled", "active", "focused"}));
}

TEST(UiDriverTest, AnIdleLoopWakesWhenAHoverFallsDue) {
    TProgram program;
    HeadlessDriver driver([&] { return program.Run(); });
    driver.MouseMove(300, 250); // over the main window's client area
    std::uint64_t start = driver.Backend().Virtual().NowMs();
    driver.RunOnUi([] {
        EnumWindows([](HWND h) {
            TRACKMOUSEEVENT tme{TME_HOVER, h, 100};
            if (GetClassName(h) == "Main") TrackMouseEvent(&tme);
            return true;
        });
    });
    driver.WaitIdle();
    EXPECT_EQ(driver.Backend().IdleDeadline(), start + 100) << "the wait ends when the hover is due";
    driver.Advance(100);
    EXPECT_EQ(driver.Backend().IdleDeadline(), Backend::kNoDeadline) << "delivered, nothing more to wait for";
    EXPECT_EQ(driver.Shutdown(), 0);
}
