// Commands a program adds to the script runner: their lines, their thread, their errors and the
// modal windows they open.
#include "DriverTestProgram.h"
#include "platform/automation/ScriptError.h"
#include "platform/automation/ScriptRunner.h"
#include "platform/backend/headless/HeadlessDriver.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

TEST(ScriptCommandTest, ACommandGetsItsLineOnTheUiThreadBeforeTheNextLineRuns) {
    TProgram program;
    HeadlessDriver driver([&] { return program.Run(); });
    ScriptRunner runner(driver);
    std::vector<std::string> skins;
    std::vector<int> hues;
    std::vector<std::thread::id> threads;
    runner.AddCommand("skin", [&](const ScriptCall& call) {
        skins.push_back(call.Rest());
        threads.push_back(std::this_thread::get_id());
        SetWindowText(program.MainWindow, "Skin: " + call.Rest());
    });
    runner.AddCommand("hue", [&](const ScriptCall& call) {
        hues.push_back(ScriptCall::Integer(call.Args(1, "hue N")[0], "hue"));
        threads.push_back(std::this_thread::get_id());
    });
    std::string script = "skin   Snow  Queen \"2\"\n"
                         "expect class=Main text contains \"Snow  Queen\"\n"
                         "skin off\n"
                         "hue 40\n"
                         "  hue -5\n";
    ASSERT_TRUE(runner.Run(script)) << runner.Error();
    EXPECT_EQ(skins, (std::vector<std::string>{"Snow  Queen \"2\"", "off"}));
    EXPECT_EQ(hues, (std::vector<int>{40, -5}));
    ASSERT_EQ(threads.size(), 4u);
    for (std::thread::id id : threads) EXPECT_EQ(id, program.UiThread);
    EXPECT_NE(program.UiThread, std::this_thread::get_id());
}

TEST(ScriptCommandTest, WhatACommandThrowsStopsTheRunAtItsLine) {
    TProgram program;
    HeadlessDriver driver([&] { return program.Run(); });
    ScriptRunner runner(driver);
    int after = 0;
    runner.AddCommand("hue", [](const ScriptCall& call) { ScriptCall::Integer(call.Args(1, "hue N")[0], "hue"); });
    runner.AddCommand("skin", [](const ScriptCall& call) { throw std::runtime_error("no skin named '" + call.Rest() + "'"); });
    runner.AddCommand("odd", [](const ScriptCall&) { throw 42; });
    runner.AddCommand("mark", [&](const ScriptCall&) { ++after; });
    auto fails = [&](const std::string& script, const std::string& error) {
        EXPECT_FALSE(runner.Run(script));
        EXPECT_EQ(runner.Error(), error);
    };
    fails("move 1 1\nhue x\nmark\n", "line 2: bad hue 'x'");
    fails("hue\nmark\n", "line 1: usage: hue N");
    fails("\n\nskin Blue Glass\nmark\n", "line 3: no skin named 'Blue Glass'");
    fails("odd\nmark\n", "line 1: 'odd' failed");
    EXPECT_EQ(after, 0) << "no line after a failed command runs";
    EXPECT_TRUE(runner.Run("hue 5\nmark\n")) << runner.Error();
    EXPECT_EQ(after, 1);
}

TEST(ScriptCommandTest, ACommandThatOpensAModalWindowLeavesTheScriptToAnswerIt) {
    TProgram program;
    HeadlessDriver driver([&] { return program.Run(); });
    ScriptRunner runner(driver);
    int marks = 0;
    runner.AddCommand("modal", [&](const ScriptCall&) { program.OpenModal(program.MainWindow); });
    runner.AddCommand("modal-then-fail", [&](const ScriptCall&) {
        program.OpenModal(program.MainWindow);
        throw ScriptError("failed once the modal window closed");
    });
    runner.AddCommand("mark", [&](const ScriptCall&) { ++marks; });
    std::string script = "modal\n"
                         "expect count class=Modal == 1\n"
                         "expect class=Main enabled == false\n"
                         "wait 500\n"
                         "expect count class=Modal == 0\n"
                         "expect class=Main enabled == true\n";
    ASSERT_TRUE(runner.Run(script)) << runner.Error();
    EXPECT_EQ(program.ModalsClosed, 1);
    EXPECT_FALSE(runner.Run("modal-then-fail\nmark\nwait 500\nmark\n"));
    EXPECT_EQ(runner.Error(), "line 1: failed once the modal window closed") << "named by the command's own line";
    EXPECT_EQ(marks, 1) << "the run stops as soon as the failure is known";
    EXPECT_EQ(program.ModalsClosed, 2);
}

TEST(ScriptCommandTest, NamesAreSingleNewWordsAndBelongToTheirRunner) {
    TProgram program;
    HeadlessDriver driver([&] { return program.Run(); });
    ScriptRunner runner(driver);
    auto nothing = [](const ScriptCall&) {};
    runner.AddCommand("skin", nothing);
    for (const char* bad : {"", "click", "expect", "quit", "skin", "two words", "tab\tname", "#skin"})
        EXPECT_THROW(runner.AddCommand(bad, nothing), std::invalid_argument) << "'" << bad << "'";
    EXPECT_FALSE(runner.Run("skins Snow\n"));
    EXPECT_EQ(runner.Error(), "line 1: unknown command 'skins'");
    EXPECT_FALSE(runner.Run("Skin Snow\n"));
    EXPECT_EQ(runner.Error(), "line 1: unknown command 'Skin'") << "names match case and all";
    ScriptRunner other(driver);
    EXPECT_FALSE(other.Run("skin Snow\n"));
    EXPECT_EQ(other.Error(), "line 1: unknown command 'skin'");
    driver.Shutdown();
    EXPECT_FALSE(runner.Run("skin Snow\n"));
    EXPECT_EQ(runner.Error(), "line 1: the program has ended");
}
