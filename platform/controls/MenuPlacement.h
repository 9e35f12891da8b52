// Where a popup menu goes on the screen: beside the point, item or bar item it opens from, kept
// inside the work area by flipping to the other side when it does not fit.
#pragma once

#include "platform/window/WinTypes.h"

class MenuPlacement {
public:
    // TrackPopupMenu: aligned to the point as the TPM_* flags say; exclude (may be nullptr) is a
    // screen rectangle that should stay uncovered (TPM_VERTICAL: the popup goes below or above
    // it, otherwise beside it).
    static TPoint AtPoint(TSize size, TPoint pt, UINT flags, const TRect* exclude, const TRect& work);
    // A submenu: right of its parent item, overlapping the parent's frame; left when it does
    // not fit on the right.
    static TPoint BesideItem(TSize size, const TRect& item, const TRect& work);
    // A menu bar's drop-down: below the bar item, above it when it does not fit below.
    static TPoint BelowBarItem(TSize size, const TRect& item, const TRect& work);

private:
    static int Clamp(int pos, int length, int low, int high);
};
