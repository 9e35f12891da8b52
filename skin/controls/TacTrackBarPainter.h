// The parts of a skinned track bar drawn over its section: the channel, the ticks and the thumb.
#pragma once

#include "framework/TTrackBar.h"

#include "skin/data/TsMaskData.h"

#include "platform/gfx/Bitmap.h"

#include <vector>

class TsSkinModel;

// Where the platform puts the parts of one track bar, in client coordinates, and how it looks.
struct TacTrackBarGeometry {
    TRect Channel;
    TRect Thumb;
    int TickCount = 0;
    std::vector<int> ManualTicks; // the platform's pixel positions of ticks 1 .. n - 2 (manual style)
    TTrackBarOrientation Orientation = trHorizontal;
    TTickStyle TickStyle = tsAuto;
    TTickMark TickMarks = tmBottomRight;
};

// Each part comes from an image of the section (SLIDERCHANNEL, TICKHORZ or TICKVERT, SLIDERMASK or
// SLIDERVMASK); a part whose image the skin lacks is left out, except ticks, which then become
// small sunken marks.
class TacTrackBarPainter {
public:
    static constexpr int TickLength = 4;

    TacTrackBarPainter(TsSkinModel& skin, int sectionIndex, const std::string& section,
                       const TacTrackBarGeometry& geometry);

    // The channel in the hot state (0 or 1), centred across the platform's channel at the height
    // of one state of its image; its key-coloured pixels keep what bmp already shows.
    void Channel(Bitmap& bmp, int hotState) const;
    // One mark per tick on the sides TickMarks names, in the thumb's state.
    void Ticks(Bitmap& bmp, int thumbState) const;
    // The thumb image over the platform's thumb: as it is when a state image has the thumb's size
    // (upside down toward ticks on the top or left), else stretched to it.
    void Thumb(Bitmap& bmp, int thumbState) const;

    // The positions along the channel of every tick.
    std::vector<int> TickPositions() const;

private:
    bool Horizontal() const { return FGeometry.Orientation == trHorizontal; }
    TsMaskData* Mask(const char* key) const;
    void Tick(Bitmap& bmp, TPoint at, int thumbState) const;
    bool ThumbFits(const TsMaskData& mask) const;
    void UpsideDownThumb(Bitmap& bmp, const TsMaskData& mask, int thumbState) const;
    void StretchedThumb(Bitmap& bmp, const TsMaskData& mask, int thumbState) const;

    TsSkinModel& FSkin;
    int FSectionIndex;
    const std::string& FSection;
    const TacTrackBarGeometry& FGeometry;
};

// A small sunken mark over the rectangle: its left and top sides in the button shadow colour, its
// right and bottom sides (drawn last) in white, the rectangle less its last column and row outlined.
void DrawSunkenMark(Bitmap& bmp, const TRect& rect);
