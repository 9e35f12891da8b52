// Program entry of Tavik Sudoku: options, the back end, and the main window's message loop.
#include "app/CommandLine.h"
#include "app/PlaceholderWindow.h"
#include "platform/backend/headless/ScriptRunner.h"
#include "platform/backend/headless/UiDriver.h"

#include <cstdio>

static int RunHeadless(const CommandLine& options) {
    UiDriver driver([] { return PlaceholderWindow::Run(); }, options.Screen);
    driver.WaitIdle();
    if (options.Script.empty()) return driver.Shutdown();
    ScriptRunner runner(driver);
    bool ok = runner.RunFile(options.Script);
    int code = driver.Shutdown();
    if (!ok) {
        std::fprintf(stderr, "tavik-sudoku: %s: %s\n", options.Script.c_str(), runner.Error().c_str());
        return 1;
    }
    if (!driver.Failure().empty()) {
        std::fprintf(stderr, "tavik-sudoku: %s\n", driver.Failure().c_str());
        return 1;
    }
    return code;
}

int main(int argc, char** argv) {
    CommandLine options;
    std::string error;
    if (!options.Parse(argc, argv, &error)) {
        std::fprintf(stderr, "tavik-sudoku: %s\n%s", error.c_str(), CommandLine::Usage().c_str());
        return 2;
    }
    if (options.Help) {
        std::fputs(CommandLine::Usage().c_str(), stdout);
        return 0;
    }
    if (options.Version) {
        std::puts("Tavik Sudoku 1.0");
        return 0;
    }
    if (!options.Headless) {
        std::fprintf(stderr, "tavik-sudoku: the desktop back end is not built yet; use --headless\n");
        return 1;
    }
    return RunHeadless(options);
}
