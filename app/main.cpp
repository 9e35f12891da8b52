// Program entry of Tavik Sudoku: options, the back end, and the main window's message loop.
#include "app/CommandLine.h"
#include "app/GameProgram.h"
#include "app/TSkinScriptCommands.h"
#include "platform/automation/ScriptRunner.h"
#include "platform/backend/headless/HeadlessDriver.h"
#include "platform/backend/sdl/SdlBackend.h"
#include "platform/system/RandomGenerator.h"
#include "platform/window/WindowSystem.h"

#include <cstdio>
#include <exception>

static int RunHeadless(const CommandLine& options) {
    HeadlessDriver driver([&options] { return RunGame(options.Skin); }, options.Screen);
    driver.WaitIdle();
    if (options.Script.empty()) return driver.Shutdown();
    ScriptRunner runner(driver);
    TSkinScriptCommands::AddTo(runner);
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

// The desktop runs the message loop on this, the program's first thread, as its video wants.
static int RunDesktop(const CommandLine& options) {
    std::string why;
    std::unique_ptr<SdlBackend> backend = SdlBackend::Open(&why);
    if (!backend) {
        std::fprintf(stderr, "tavik-sudoku: no display available (%s); start it under X11/Wayland or Xvfb, or use --headless\n",
                     why.c_str());
        return 1;
    }
    WindowSystem::Start(*backend);
    int code = 1;
    try {
        code = RunGame(options.Skin);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tavik-sudoku: %s\n", e.what());
    }
    WindowSystem::Stop();
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
    // Before the generator exists: it seeds from the clock only when nothing seeded it yet.
    if (options.Seed) RandSeed(*options.Seed);
    return options.Headless ? RunHeadless(options) : RunDesktop(options);
}
