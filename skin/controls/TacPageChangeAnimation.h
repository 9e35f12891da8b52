// The page change of a skinned page control shown whole: the old look held over the control while
// the pages change under it, then a timed blend from the old picture to the new one.
#pragma once

#include "skin/data/TacOutputWindow.h"

#include "platform/gfx/Bitmap.h"
#include "platform/window/WinTypes.h"

#include <memory>

class TWinControl;

// Cover puts the control's picture as the screen shows it into an output window over the control.
// Play takes the new picture from the control's freshly painted pixels under the cover and shows
// TacFadeFrames's blended frames one per timer tick, then the new picture, and takes the cover
// away: the screen then shows the control itself, pixel for pixel the last frame. Without frames
// (a time under 8 ms) the cover goes at once. Cancel takes the cover away with nothing changed.
class TacPageChangeAnimation {
public:
    explicit TacPageChangeAnimation(TWinControl& control) : FControl(control) {}
    ~TacPageChangeAnimation();
    TacPageChangeAnimation(const TacPageChangeAnimation&) = delete;
    TacPageChangeAnimation& operator=(const TacPageChangeAnimation&) = delete;

    // Ends any animation still running, then covers the control; false when it cannot.
    bool Cover();
    // The cover is up and no blend has started.
    bool Covering() const { return FOutput && !FTimer; }
    bool Running() const { return FTimer != 0; }
    void Play(int time);
    void Cancel();
    // The frames shown so far by the running blend.
    int FramesShown() const { return FFrame; }

private:
    Bitmap ControlPixels() const;
    void NextFrame();
    void Finish();

    TWinControl& FControl;
    std::unique_ptr<TacOutputWindow> FOutput;
    Bitmap FOld;
    Bitmap FNew;
    Bitmap FMixed;
    int FTime = 0;
    int FFrame = 0;
    UINT_PTR FTimer = 0;
};
