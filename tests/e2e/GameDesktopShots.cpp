// The game on the desktop back end under an X server (Xvfb), driven by real X events (xdotool):
// screenshots of the main window at first start, of the ellipse hint over the difficulty value
// (a real window of the ellipse's shape: the X screen keeps what was beneath outside it), of a
// game with pencil marks and an open chooser, and of the records window, taken from the X screen.
#include "app/GameProgram.h"
#include "app/TForm1.h"
#include "app/TMyButton.h"
#include "app/TSetValueF.h"
#include "platform/backend/sdl/SdlBackend.h"
#include "platform/controls/MenuApi.h"
#include "platform/gfx/ImageFiles.h"
#include "platform/system/RandomGenerator.h"
#include "platform/window/Compositor.h"
#include "platform/window/Win.h"
#include "platform/window/WindowSystem.h"
#include "skin/controls/TsLabel.h"
#include "skin/controls/TsSpeedButton.h"
#include "skin/hints/TsCustomHintWindow.h"
#include "framework/TApplication.h"
#include "tests/e2e/sdl_xdotool.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

// Calls from the hand's thread onto the UI thread, run by a 10 ms thread timer there (timers
// fire inside modal loops too).
class TUiCalls {
public:
    void Run(const std::function<void()>& fn) {
        std::unique_lock lock(FMutex);
        FPending = fn;
        FDone = false;
        FChanged.wait(lock, [&] { return FDone || FStopped; });
    }
    void Serve() {
        std::lock_guard lock(FMutex);
        if (!FPending) return;
        FPending();
        FPending = nullptr;
        FDone = true;
        FChanged.notify_all();
    }
    void Stop() {
        std::lock_guard lock(FMutex);
        FStopped = true;
        FChanged.notify_all();
    }

private:
    std::mutex FMutex;
    std::condition_variable FChanged;
    std::function<void()> FPending;
    bool FDone = false;
    bool FStopped = false;
};

TUiCalls gUi;
std::atomic<bool> gFailed{false};

void Pause(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

bool Tool(const std::vector<std::string>& args) {
    const bool ok = RunTool(args);
    if (!ok) gFailed = true;
    Pause(250); // the program handles the events and repaints
    return ok;
}

void ClickAt(TPoint p, int button = 1) {
    Tool({"xdotool", "mousemove", "--sync", std::to_string(p.X), std::to_string(p.Y)});
    Tool({"xdotool", "click", std::to_string(button)});
}

void Shot(const std::string& path) {
    gUi.Run([&] {
        if (!WritePngFile(path, CaptureScreen())) gFailed = true;
    });
}

TPoint CentreOf(TControl* control) {
    return control->ClientToScreen({control->Width() / 2, control->Height() / 2});
}

// Hovers the difficulty value until its hint has faded in; outside the ellipse the X screen must
// show what lay there before, inside it the hint.
void HintShot(const std::string& out) {
    Bitmap before;
    TPoint value;
    gUi.Run([&] {
        before = CaptureScreen();
        value = CentreOf(Form1->DifficultValueL);
    });
    Tool({"xdotool", "mousemove", "--sync", std::to_string(value.X), std::to_string(value.Y)});
    Pause(1500);
    gUi.Run([&] {
        auto* hint = dynamic_cast<TsCustomHintWindow*>(Application->HintWindow());
        const Bitmap after = CaptureScreen();
        if (!hint || !hint->Active() || after.Empty()) {
            std::fprintf(stderr, "game_desktop_shots: no hint over the difficulty value\n");
            gFailed = true;
            return;
        }
        const TRect r = hint->BoundsRect();
        // The corners of the ellipse's box lie within the real window but outside its shape.
        const TPoint outside[] = {{r.Right - 1, r.Top}, {r.Right - 3, r.Top + 6}, {r.Left + 2, r.Bottom - 2}};
        const TPoint inside{r.Left + r.Width() / 3, r.Top + r.Height() / 2};
        bool kept = true;
        for (const TPoint& p : outside) kept = kept && after.Pixel(p.X, p.Y) == before.Pixel(p.X, p.Y);
        if (!kept || after.Pixel(inside.X, inside.Y) == before.Pixel(inside.X, inside.Y)) {
            std::fprintf(stderr, "game_desktop_shots: the hint is not shaped as its ellipse\n");
            gFailed = true;
        }
        if (!WritePngFile(out + "/game-desktop-hint.png", after)) gFailed = true;
    });
    Tool({"xdotool", "mousemove", "--sync", "5", "5"});
}

void Hand(const std::string& out) {
    Pause(800);
    Shot(out + "/game-desktop-first-start.png");
    HintShot(out);
    std::vector<TPoint> hidden;
    gUi.Run([&] {
        for (int i = 0; i < 81; ++i)
            if (!Form1->Cell(i)->Opened) hidden.push_back(CentreOf(Form1->Cell(i)));
    });
    // Marks on two cells, then the marks page left open on a third.
    for (int k = 0; k < 3; ++k) {
        ClickAt(hidden[static_cast<std::size_t>(k)], 3);
        std::vector<TPoint> marks;
        gUi.Run([&] {
            for (TsSpeedButton* b : SetValueF->MarkButtons) marks.push_back(CentreOf(b));
        });
        for (int d : {1, 5, 9, 2 + k}) ClickAt(marks[static_cast<std::size_t>(d - 1)]);
        if (k < 2) Tool({"xdotool", "key", "Escape"});
    }
    Shot(out + "/game-desktop-marks-and-chooser.png");
    Tool({"xdotool", "key", "Escape"});
    TPoint records;
    gUi.Run([&] {
        TRect item;
        GetMenuItemRect(Form1->Handle(), GetMenu(Form1->Handle()), 2, &item);
        records = {(item.Left + item.Right) / 2, (item.Top + item.Bottom) / 2};
    });
    ClickAt(records);
    Pause(300);
    Shot(out + "/game-desktop-records.png");
    gUi.Run([] { PostQuitMessage(0); });
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: game_desktop_shots OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string out = std::filesystem::absolute(argv[1]).string();
    std::string pattern = (std::filesystem::temp_directory_path() / "tavik-desk-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return 1;
    std::filesystem::current_path(pattern);
    std::string why;
    std::unique_ptr<SdlBackend> backend = SdlBackend::Open(&why);
    if (!backend) {
        std::fprintf(stderr, "game_desktop_shots: no display: %s\n", why.c_str());
        return 1;
    }
    WindowSystem::Start(*backend);
    SetTimer(nullptr, 1, 10, [](HWND, UINT, UINT_PTR, DWORD) { gUi.Serve(); });
    RandSeed(2024);
    std::thread hand(Hand, out);
    const int code = RunGame();
    gUi.Stop();
    hand.join();
    WindowSystem::Stop();
    std::filesystem::current_path(out);
    std::filesystem::remove_all(pattern);
    if (gFailed) std::fprintf(stderr, "game_desktop_shots: a tool or a screenshot failed\n");
    return code == 0 && !gFailed ? 0 : 1;
}
