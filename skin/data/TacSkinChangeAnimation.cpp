// Snapshot, rendering and blended frames of the skin change animation.
#include "skin/data/TacSkinChangeAnimation.h"

#include "skin/data/TacFadeFrames.h"

#include "platform/window/Win.h"

TacSkinChangeAnimation::TacSkinChangeAnimation(HWND form, bool shaped) : FForm(form) {
    GetWindowRect(form, &FBounds);
    if (FBounds.IsEmpty()) return;
    Bitmap screen = CaptureScreen();
    FOld = Bitmap(FBounds.Width(), FBounds.Height());
    DeviceContext to(&FOld);
    DeviceContext from(&screen);
    to.BitBlt(0, 0, FBounds.Width(), FBounds.Height(), from, FBounds.Left, FBounds.Top);
    FOutput = std::make_unique<TacOutputWindow>(form, FBounds, shaped);
    FOutput->Show(FOld);
}

void TacSkinChangeAnimation::Run(int time) {
    if (!FOutput) return;
    RenderForm();
    FFrame = FNew;
    const int frames = TacFadeFrames::FrameCount(time);
    for (int k = 0; k < frames; ++k) {
        if (k > 0) Sleep(TacFadeFrames::FramePause);
        TacFadeFrames::Mix(FOld, FNew, TacFadeFrames::OldWeight(time, k), FFrame);
        FOutput->Show(FFrame);
        ++FFramesShown;
    }
    FOutput->Show(FNew);
}

// The whole window, frame and children, as it paints itself now.
void TacSkinChangeAnimation::RenderForm() {
    FNew = Bitmap(FBounds.Width(), FBounds.Height());
    DeviceContext dc(&FNew);
    SendMessage(FForm, WM_PRINT, reinterpret_cast<WPARAM>(&dc), PRF_NONCLIENT | PRF_CLIENT | PRF_CHILDREN | PRF_ERASEBKGND);
}
