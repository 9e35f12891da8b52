// Text turned by a quarter turn: where a point of the text's own frame (along the baseline,
// then down across it) lands on the device, and glyph coverage turned to match.
#pragma once

#include "platform/gfx/Geometry.h"

#include <cstdint>
#include <vector>

// Turns are counter-clockwise as the screen shows them, as a font's escapement counts them:
// quarter 1 reads upward, quarter 3 downward. The frame's origin (the top-left of the text cell
// before turning) sits at Origin on the device.
class TextTurn {
public:
    TextTurn(int quarter, TPoint origin) : FQuarter(((quarter % 4) + 4) % 4), FOrigin(origin) {}
    // An escapement in tenths of a degree to the nearest quarter turn.
    static int QuarterOf(int escapement);
    // The turn whose frame exactly fills the device rectangle.
    static TextTurn Filling(int quarter, const TRect& device);

    int Quarter() const { return FQuarter; }
    bool Upright() const { return FQuarter == 0; }
    // The device rectangle's size in the frame: width and height swap for a quarter turn.
    TSize FrameSize(const TRect& device) const;
    TRect ToDevice(const TRect& frame) const;
    // Coverage of width x height (top row first) as it lies on the device after turning; the
    // result is ToDevice(box)'s size, top row first.
    std::vector<std::uint8_t> TurnCoverage(const std::uint8_t* coverage, int width, int height) const;

private:
    int FQuarter;
    TPoint FOrigin;
};
