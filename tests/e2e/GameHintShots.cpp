// The game's hints on the headless screen, one screenshot per hint look: the game's own ellipse
// over the difficulty value and the training check box, then the manager switched to each other
// predefinition. Checks that each look shows its kind of window beside the pointer; exits
// non-zero naming what went wrong.
#include "app/GameProgram.h"
#include "app/TForm1.h"
#include "framework/TApplication.h"
#include "framework/THintWindow.h"
#include "platform/backend/headless/HeadlessDriver.h"
#include "platform/gfx/ImageFiles.h"
#include "platform/system/RandomGenerator.h"
#include "skin/controls/TsCheckBox.h"
#include "skin/controls/TsLabel.h"
#include "skin/hints/TsHintManager.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>

namespace {

struct TLook {
    TsHintsPredefinitions Predefinition;
    const char* Name;
    const char* WindowClass;
};

const TLook kLooks[] = {
    {shSimply, "simply", "TsSimplyHintWindow"},
    {shGradient, "gradient", "TsSimplyHintWindow"},
    {shTransparent, "transparent", "TsSimplyHintWindow"},
    {shBalloon, "balloon", "TsBalloonHintWindow"},
    {shComicsGradient, "comics_gradient", "TsComicsHintWindow"},
    {shComicsTransparent, "comics_transparent", "TsComicsHintWindow"},
    {shStandard, "standard", "THintWindow"},
};

void Check(bool ok, const std::string& what) {
    if (!ok) throw std::runtime_error(what);
}

class THintShots {
public:
    explicit THintShots(std::string out) : FOut(std::move(out)) {
        RandSeed(7);
        FDriver = std::make_unique<HeadlessDriver>([] { return RunGame(); });
        FDriver->WaitIdle();
    }
    ~THintShots() { FDriver->Shutdown(); }

    // Points at the control's centre until its hint is up, checks the window and takes a shot.
    void Shoot(const std::function<TControl*()>& control, const std::string& expectedClass, const std::string& file) {
        TPoint at;
        FDriver->RunOnUi([&] {
            TControl* c = control();
            at = c->ClientToScreen({c->Width() / 2, c->Height() / 2});
        });
        FDriver->MouseMove(at.X, 40);
        FDriver->Advance(100);
        FDriver->MouseMove(at.X, at.Y);
        FDriver->Advance(800);
        std::string shownClass;
        bool active = false;
        FDriver->RunOnUi([&] {
            THintWindow* w = Application->HintWindow();
            shownClass = w ? w->ClassName() : "";
            active = w && w->Active();
        });
        Check(active, file + ": no hint is up");
        Check(shownClass == expectedClass, file + ": the hint is a " + shownClass);
        std::string error;
        Check(WritePngFile(FOut + "/" + file, FDriver->Screenshot(), &error), error);
    }
    void Use(TsHintsPredefinitions predefinition) {
        FDriver->RunOnUi([&] {
            Form1->sHintManager1->SetPredefinitions(predefinition);
            Form1->sHintManager1->ApplyPredefinitions();
        });
    }

private:
    std::string FOut;
    std::unique_ptr<UiDriver> FDriver;
};

void Run(const std::string& out) {
    THintShots shots(out);
    const auto value = [] { return static_cast<TControl*>(Form1->DifficultValueL); };
    const auto training = [] { return static_cast<TControl*>(Form1->TreningChb); };
    shots.Shoot(value, "TsEllipseHintWindow", "hint_ellipse.png");
    shots.Shoot(training, "TsEllipseHintWindow", "hint_ellipse_training.png");
    for (const TLook& look : kLooks) {
        shots.Use(look.Predefinition);
        shots.Shoot(value, look.WindowClass, std::string("hint_") + look.Name + ".png");
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: game_hint_shots OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string out = std::filesystem::absolute(argv[1]).string();
    std::string pattern = (std::filesystem::temp_directory_path() / "tavik-hints-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return 1;
    std::filesystem::current_path(pattern);
    int result = 0;
    try {
        Run(out);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "game_hint_shots: %s\n", e.what());
        result = 1;
    }
    std::filesystem::current_path(out);
    std::filesystem::remove_all(pattern);
    return result;
}
