// The cross-fade of a form from its old look to its new one when a skin changes.
#pragma once

#include "skin/data/TacOutputWindow.h"

#include "platform/gfx/Bitmap.h"

#include <memory>

// Made while the form's redrawing is still stopped: the screen still shows the old look, which is
// taken as a snapshot and shown over the form by an output window. Run renders the form with the
// new skin and blends from one to the other. The output window goes with this object, so the form
// can be redrawn beneath it first and the old look never flashes between.
class TacSkinChangeAnimation {
public:
    // shaped: the output window takes the form's window region.
    TacSkinChangeAnimation(HWND form, bool shaped);

    // Shows TacFadeFrames::FrameCount(time) blended frames, then the new picture.
    void Run(int time);
    int FramesShown() const { return FFramesShown; }

private:
    void RenderForm();

    HWND FForm;
    TRect FBounds;
    Bitmap FOld;
    Bitmap FNew;
    Bitmap FFrame;
    std::unique_ptr<TacOutputWindow> FOutput;
    int FFramesShown = 0;
};
