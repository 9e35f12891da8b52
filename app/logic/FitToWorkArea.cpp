// Clamping stored window geometry to the work area.
#include "app/logic/FitToWorkArea.h"

#include <algorithm>
#include <cstdint>

namespace {

// One axis: the extent limited to [smallest, room], the start moved so that it ends by `end`.
void FitAxis(std::int64_t& start, std::int64_t& extent, std::int64_t begin, std::int64_t end, std::int64_t smallest) {
    extent = std::clamp(extent, smallest, std::max(smallest, end - begin));
    start = std::clamp(start, begin, std::max(begin, end - extent));
}

} // namespace

TRect FitToWorkArea(int left, int top, int width, int height, const TRect& workArea, TSize smallest) {
    std::int64_t x = left, y = top, w = width, h = height;
    FitAxis(x, w, workArea.Left, workArea.Right, smallest.cx);
    FitAxis(y, h, workArea.Top, workArea.Bottom, smallest.cy);
    return Bounds(static_cast<int>(x), static_cast<int>(y), static_cast<int>(w), static_cast<int>(h));
}
