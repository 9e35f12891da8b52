// Track bar values.
#include "platform/controls/TrackBarModel.h"

#include <algorithm>
#include <cstdint>

void TrackBarModel::SetRange(int min, int max) {
    FMin = min;
    FMax = std::max(min, max);
    FPos = Clamp(FPos);
    if (!FPageSizeSet) FPageSize = std::max<std::int64_t>(1, (static_cast<std::int64_t>(FMax) - FMin) / 5);
    if (FHasSel) SetSel(FSelStart, FSelEnd);
    if (FAutoTicks) MakeAutoTics();
    else std::erase_if(FTics, [&](DWORD t) { return static_cast<int>(t) <= FMin || static_cast<int>(t) >= FMax; });
}

bool TrackBarModel::SetPos(int pos) {
    int clamped = Clamp(pos);
    if (clamped == FPos) return false;
    FPos = clamped;
    return true;
}

int TrackBarModel::SetLineSize(int size) {
    int old = FLineSize;
    FLineSize = std::max(1, size);
    return old;
}

int TrackBarModel::SetPageSize(int size) {
    int old = FPageSize;
    FPageSize = std::max(1, size);
    FPageSizeSet = true;
    return old;
}

void TrackBarModel::SetAutoTicks(bool on) {
    FAutoTicks = on;
    if (on) MakeAutoTics();
}

void TrackBarModel::SetTicFreq(int freq) {
    FTicFreq = std::max(1, freq);
    if (FAutoTicks) MakeAutoTics();
}

void TrackBarModel::MakeAutoTics() {
    FTics.clear();
    std::int64_t range = static_cast<std::int64_t>(FMax) - FMin;
    std::int64_t step = FTicFreq;
    if (range / step > kMaxAutoTicks) step = (range + kMaxAutoTicks - 1) / kMaxAutoTicks;
    for (std::int64_t v = FMin + step; v < FMax; v += step) FTics.push_back(static_cast<DWORD>(v));
}

bool TrackBarModel::AddTic(int pos) {
    if (pos <= FMin || pos >= FMax) return false;
    auto at = std::lower_bound(FTics.begin(), FTics.end(), static_cast<DWORD>(pos),
                               [](DWORD a, DWORD b) { return static_cast<int>(a) < static_cast<int>(b); });
    if (at == FTics.end() || static_cast<int>(*at) != pos) FTics.insert(at, static_cast<DWORD>(pos));
    return true;
}

void TrackBarModel::SetSel(int start, int end) {
    FSelStart = Clamp(start);
    FSelEnd = Clamp(end);
    FHasSel = true;
}
