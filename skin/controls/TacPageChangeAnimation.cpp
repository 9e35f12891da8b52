// The page control's change animation.
#include "skin/controls/TacPageChangeAnimation.h"

#include "skin/data/TacFadeFrames.h"

#include "framework/TCustomForm.h"
#include "framework/TWinControl.h"
#include "platform/window/Win.h"

#include <utility>

TacPageChangeAnimation::~TacPageChangeAnimation() {
    Cancel();
}

// The control's window as its form's backing holds it, children included; an output window
// above does not hide it there.
Bitmap TacPageChangeAnimation::ControlPixels() const {
    Bitmap pixels(FControl.Width(), FControl.Height());
    HDC dc = GetWindowDC(FControl.Handle());
    if (!dc) return {};
    DeviceContext(&pixels).BitBlt(0, 0, FControl.Width(), FControl.Height(), *dc, 0, 0);
    ReleaseDC(FControl.Handle(), dc);
    return pixels;
}

bool TacPageChangeAnimation::Cover() {
    Cancel();
    TCustomForm* form = FControl.GetParentForm();
    if (!form || !FControl.HandleAllocated()) return false;
    FOld = ControlPixels();
    if (FOld.Empty()) return false;
    TRect bounds;
    GetWindowRect(FControl.Handle(), &bounds);
    FOutput = std::make_unique<TacOutputWindow>(form->Handle(), bounds, false);
    FOutput->Show(FOld);
    return true;
}

void TacPageChangeAnimation::Play(int time) {
    if (!Covering()) return;
    FNew = ControlPixels();
    FTime = time;
    FFrame = 0;
    if (FNew.Empty() || TacFadeFrames::FrameCount(time) == 0) return Finish();
    FMixed = FNew;
    NextFrame();
    if (FOutput) FTimer = SetTimer(nullptr, 0, TacFadeFrames::FramePause, [this](HWND, UINT, UINT_PTR, DWORD) { NextFrame(); });
}

void TacPageChangeAnimation::NextFrame() {
    if (FFrame >= TacFadeFrames::FrameCount(FTime)) return Finish();
    TacFadeFrames::Mix(FOld, FNew, TacFadeFrames::OldWeight(FTime, FFrame), FMixed);
    FOutput->Show(FMixed);
    ++FFrame;
}

// The last frame is the new picture itself, so taking the cover away changes no pixel.
void TacPageChangeAnimation::Finish() {
    if (FTimer) KillTimer(nullptr, std::exchange(FTimer, 0));
    if (FOutput && !FNew.Empty()) FOutput->Show(FNew);
    FOutput.reset();
}

void TacPageChangeAnimation::Cancel() {
    if (FTimer) KillTimer(nullptr, std::exchange(FTimer, 0));
    FOutput.reset();
}
