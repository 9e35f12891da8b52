// Runs automation scripts line by line over a UI driver: click (at X Y, or at the centre of the
// one shown dump record a filter matches), move, drag, key, type, wait, shot, dump, expect and
// quit, plus the commands the program adds; "#" starts a comment. The first bad line or failing
// expect stops the run with an error naming its line.
#pragma once

#include "platform/automation/DumpRecord.h"
#include "platform/automation/ScriptCall.h"
#include "platform/automation/UiDriver.h"

#include <functional>
#include <future>
#include <map>
#include <string>
#include <vector>

class ScriptRunner {
public:
    // A command of the program's own. It runs on the UI thread like a message handler, and the
    // next line runs once that thread is idle again: when the command has returned, or while a
    // modal window it opened waits for input (the script then drives that window). What it throws
    // (ScriptError or any std::exception) fails the run at the command's line.
    using TCommand = std::function<void(const ScriptCall& call)>;

    explicit ScriptRunner(UiDriver& driver);

    // Lines whose first word is name run command. std::invalid_argument for a name that is empty,
    // holds a blank, starts with "#" or is already known (built in or added before).
    void AddCommand(const std::string& name, TCommand command);

    bool Run(const std::string& script);
    bool RunFile(const std::string& path);
    // "line N: what went wrong", empty after a successful run.
    const std::string& Error() const { return FError; }
    bool QuitRequested() const { return FQuit; }

private:
    // A built-in command; runs on the script's thread.
    using THandler = std::function<void(const ScriptCall& call)>;
    // A program command that has not finished yet: it waits in a modal loop it opened.
    struct TRunningCommand {
        int Line = 0;
        std::future<void> Done;
    };

    void AddBuiltIns();
    bool RunNumbered(const std::string& line, int number);
    void RunLine(const std::string& line, int number);
    bool Fail(int line, const std::string& what);
    bool CheckFinishedCommands();
    void RunOnUi(const TCommand& command, const ScriptCall& call, int line);
    void Click(const ScriptCall& call);
    TPoint CentreOf(const std::string& filterText);
    void Key(const ScriptCall& call);
    void Wait(const ScriptCall& call);
    void Shot(const std::string& path);
    void Dump(const std::string& path);
    void Expect(const ScriptCall& call);
    void ExpectCount(const std::vector<std::string>& args, const std::vector<TDumpRecord>& records);
    void Quit(const ScriptCall& call);
    std::vector<TDumpRecord> Records();

    UiDriver& FDriver;
    std::map<std::string, THandler> FBuiltIns;
    std::map<std::string, TCommand> FCommands;
    std::vector<TRunningCommand> FRunning;
    std::string FError;
    bool FQuit = false;
};
