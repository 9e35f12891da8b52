// Runs automation scripts line by line over a UI driver: click, move, drag, key, type, wait,
// shot, dump, expect and quit; "#" starts a comment. The first bad line or failing expect stops
// the run with an error naming its line.
#pragma once

#include "platform/automation/DumpRecord.h"
#include "platform/automation/UiDriver.h"

#include <string>
#include <vector>

class ScriptRunner {
public:
    explicit ScriptRunner(UiDriver& driver) : FDriver(driver) {}

    bool Run(const std::string& script);
    bool RunFile(const std::string& path);
    // "line N: what went wrong", empty after a successful run.
    const std::string& Error() const { return FError; }
    bool QuitRequested() const { return FQuit; }

private:
    void RunLine(const std::string& line);
    void Click(const std::vector<std::string>& args);
    void Key(const std::vector<std::string>& args);
    void Shot(const std::string& path);
    void Dump(const std::string& path);
    void Expect(const std::string& rest);
    std::vector<TDumpRecord> Records();

    UiDriver& FDriver;
    std::string FError;
    bool FQuit = false;
};
