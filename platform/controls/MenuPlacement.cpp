// Popup menu placement.
#include "platform/controls/MenuCodes.h"
#include "platform/controls/MenuPlacement.h"

#include <algorithm>

namespace {
// The popup frame's thickness: a submenu's first item lines up with its parent item.
constexpr int kFrame = 3;
}

int MenuPlacement::Clamp(int pos, int length, int low, int high) {
    return std::max(low, std::min(pos, high - length));
}

TPoint MenuPlacement::AtPoint(TSize size, TPoint pt, UINT flags, const TRect* exclude, const TRect& work) {
    int x = pt.X, y = pt.Y;
    if (flags & TPM_RIGHTALIGN) x -= size.cx;
    else if (flags & TPM_CENTERALIGN) x -= size.cx / 2;
    if (flags & TPM_BOTTOMALIGN) y -= size.cy;
    else if (flags & TPM_VCENTERALIGN) y -= size.cy / 2;
    if (exclude && !exclude->IsEmpty()) {
        if (flags & TPM_VERTICAL) {
            if (y + size.cy > work.Bottom) y = exclude->Top - size.cy;
        } else if (x + size.cx > work.Right) {
            x = exclude->Left - size.cx;
        }
    } else {
        // Flip to the other side of the point rather than slide over it.
        if (x + size.cx > work.Right && x - size.cx >= work.Left) x -= size.cx;
        if (y + size.cy > work.Bottom && y - size.cy >= work.Top) y -= size.cy;
    }
    return {Clamp(x, size.cx, work.Left, work.Right), Clamp(y, size.cy, work.Top, work.Bottom)};
}

TPoint MenuPlacement::BesideItem(TSize size, const TRect& item, const TRect& work) {
    int x = item.Right;
    if (x + size.cx > work.Right) x = item.Left - size.cx;
    int y = item.Top - kFrame;
    if (y + size.cy > work.Bottom) y = item.Bottom + kFrame - size.cy;
    return {Clamp(x, size.cx, work.Left, work.Right), Clamp(y, size.cy, work.Top, work.Bottom)};
}

TPoint MenuPlacement::BelowBarItem(TSize size, const TRect& item, const TRect& work) {
    int y = item.Bottom;
    if (y + size.cy > work.Bottom && item.Top - size.cy >= work.Top) y = item.Top - size.cy;
    return {Clamp(item.Left, size.cx, work.Left, work.Right), Clamp(y, size.cy, work.Top, work.Bottom)};
}
