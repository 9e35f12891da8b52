// The state of one scroll bar (a window's own bar or a scroll-bar control): range, page,
// position, the position the thumb is dragged to, disabled arrows and the part being pressed.
#pragma once

#include "platform/window/ScrollCodes.h"

enum class TScrollPart { spNone, spLineUp, spPageUp, spThumb, spPageDown, spLineDown };

class ScrollBarState {
public:
    ScrollBarState() = default;
    ScrollBarState(int min, int max) : FMin(min), FMax(max) {}

    // Applies the masked fields of info, keeping the page within the range and the position within
    // what the page leaves; true when anything the bar shows changed.
    bool Set(const SCROLLINFO& info);
    // Fills the fields info.fMask asks for.
    void Get(SCROLLINFO* info) const;

    int Min() const { return FMin; }
    int Max() const { return FMax; }
    int Page() const { return FPage; }
    int Pos() const { return FPos; }
    // The highest position: the page's last item reaches Max there.
    int MaxPos() const;
    // There is something to scroll: the range is wider than the page.
    bool Scrollable() const { return MaxPos() > FMin; }

    UINT DisabledArrows() const { return FDisabledArrows; }
    bool SetDisabledArrows(UINT esb);

    // While the thumb is dragged it shows TrackPos; the position itself is the owner's to set.
    bool Tracking() const { return FTracking; }
    int TrackPos() const { return FTracking ? FTrackPos : FPos; }
    void BeginTrack();
    void SetTrackPos(int pos);
    void EndTrack() { FTracking = false; }
    int ShownPos() const { return TrackPos(); }

    TScrollPart Pressed() const { return FPressed; }
    void SetPressed(TScrollPart part) { FPressed = part; }

private:
    int FMin = 0;
    int FMax = 0;
    int FPage = 0;
    int FPos = 0;
    int FTrackPos = 0;
    bool FTracking = false;
    UINT FDisabledArrows = ESB_ENABLE_BOTH;
    TScrollPart FPressed = TScrollPart::spNone;
};
