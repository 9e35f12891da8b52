// The frames of a window cross-fade: how many, the old picture's weight in each, and the mix.
#pragma once

#include "platform/gfx/Bitmap.h"

// Shared by the skin change animation and the window show animation. A fade of time T shows
// T div 8 + 1 frames 8 ms apart (none when T is 7 or less); frame k weighs the old picture with
// 255 - k * (255 div (T div 8)), never below 0.
class TacFadeFrames {
public:
    static constexpr int FramePause = 8; // ms between frames

    static int FrameCount(int time) { return time > 7 ? time / 8 + 1 : 0; }
    static int OldWeight(int time, int frame);
    // Each channel: new + (weight * (old - new)) div 256, limited to 0..255. The three pictures
    // are 24-bit and of one size; out may be either input.
    static void Mix(const Bitmap& oldPicture, const Bitmap& newPicture, int weight, Bitmap& out);
};
