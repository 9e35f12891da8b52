// Track bar geometry.
#include "platform/controls/TrackBarLayout.h"
#include "platform/controls/TrackBarCodes.h"

#include <algorithm>
#include <cstdint>

namespace {
constexpr int kMargin = 2;            // room for the focus rectangle
constexpr int kEndInset = 8;          // channel ends from the window's ends
constexpr int kChannelThickness = 6;
constexpr int kTickGap = 2;           // between the thumb and its ticks
constexpr int kTickSpace = kTickGap + TrackBarLayout::kTickLength;

std::int64_t RoundDiv(std::int64_t num, std::int64_t den) {
    return num >= 0 ? (2 * num + den) / (2 * den) : -((-2 * num + den) / (2 * den));
}
}

TrackBarLayout::TrackBarLayout(TSize client, DWORD style, int thumbLength, int min, int max)
    : FVertical((style & TBS_VERT) != 0), FMin(min), FMax(std::max(min, max)) {
    int length = FVertical ? client.cy : client.cx;
    int thickness = FVertical ? client.cx : client.cy;
    bool ticks = !(style & TBS_NOTICKS);
    FTicksBefore = ticks && (style & (TBS_BOTH | TBS_TOP));
    FTicksAfter = ticks && ((style & TBS_BOTH) || !(style & TBS_TOP));
    int tickRoom = (FTicksBefore ? kTickSpace : 0) + (FTicksAfter ? kTickSpace : 0);
    if (style & TBS_FIXEDLENGTH) FThumbLength = std::max(1, thumbLength);
    else FThumbLength = std::clamp(thickness - 2 * kMargin - tickRoom, 6, kDefaultThumbLength);
    FThumbWidth = std::max(3, FThumbLength / 2);

    int group = FThumbLength + tickRoom;
    FThumbTop = std::max(kMargin, (thickness - group) / 2) + (FTicksBefore ? kTickSpace : 0);
    int channelTop = FThumbTop + (FThumbLength - kChannelThickness) / 2;
    int left = std::min(kEndInset, std::max(0, (length - FThumbWidth) / 2));
    int right = std::max(left + FThumbWidth, length - left);
    FChannel = {left, channelTop, right, channelTop + kChannelThickness};
}

TRect TrackBarLayout::ToClient(const TRect& axis) const {
    return FVertical ? TRect{axis.Top, axis.Left, axis.Bottom, axis.Right} : axis;
}

int TrackBarLayout::ThumbStart(int pos) const {
    std::int64_t range = static_cast<std::int64_t>(FMax) - FMin;
    int travel = FChannel.Width() - FThumbWidth;
    if (range <= 0 || travel <= 0) return FChannel.Left;
    std::int64_t offset = static_cast<std::int64_t>(std::clamp(pos, FMin, FMax)) - FMin;
    return FChannel.Left + static_cast<int>(RoundDiv(offset * travel, range));
}

TRect TrackBarLayout::Thumb(int pos) const {
    int start = ThumbStart(pos);
    return ToClient({start, FThumbTop, start + FThumbWidth, FThumbTop + FThumbLength});
}

int TrackBarLayout::PixelOf(int pos) const {
    return ThumbStart(pos) + FThumbWidth / 2;
}

int TrackBarLayout::ValueAt(int along) const {
    std::int64_t range = static_cast<std::int64_t>(FMax) - FMin;
    int travel = FChannel.Width() - FThumbWidth;
    if (range <= 0 || travel <= 0) return FMin;
    std::int64_t offset = std::clamp(along - FChannel.Left - FThumbWidth / 2, 0, travel);
    return static_cast<int>(FMin + RoundDiv(offset * range, travel));
}

TRect TrackBarLayout::TickBefore(int pos) const {
    if (!FTicksBefore) return {};
    int gap = (FThumbLength - FChannel.Height()) / 2 + kTickGap;
    int top = FChannel.Top - gap - kTickLength;
    int x = PixelOf(pos);
    return ToClient({x, top, x + 1, top + kTickLength});
}

TRect TrackBarLayout::TickAfter(int pos) const {
    if (!FTicksAfter) return {};
    int top = FChannel.Bottom + (FThumbLength - FChannel.Height()) / 2 + kTickGap;
    int x = PixelOf(pos);
    return ToClient({x, top, x + 1, top + kTickLength});
}
