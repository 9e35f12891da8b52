// Scroll-bar state and its normalisation.
#include "platform/window/ScrollBarState.h"

#include <algorithm>

int ScrollBarState::MaxPos() const {
    return std::max(FMin, FMax - std::max(FPage - 1, 0));
}

bool ScrollBarState::Set(const SCROLLINFO& info) {
    int oldMin = FMin, oldMax = FMax, oldPage = FPage, oldPos = FPos;
    if (info.fMask & SIF_RANGE) {
        FMin = info.nMin;
        FMax = std::max(info.nMin, info.nMax);
    }
    if (info.fMask & SIF_PAGE) FPage = static_cast<int>(std::min<UINT>(info.nPage, 0x7FFFFFFF));
    // A page never exceeds the whole range.
    FPage = std::min(FPage, FMax - FMin + 1);
    if (info.fMask & SIF_POS) FPos = info.nPos;
    FPos = std::clamp(FPos, FMin, MaxPos());
    if (FTracking) FTrackPos = std::clamp(FTrackPos, FMin, MaxPos());
    return FMin != oldMin || FMax != oldMax || FPage != oldPage || FPos != oldPos;
}

void ScrollBarState::Get(SCROLLINFO* info) const {
    if (info->fMask & SIF_RANGE) {
        info->nMin = FMin;
        info->nMax = FMax;
    }
    if (info->fMask & SIF_PAGE) info->nPage = static_cast<UINT>(FPage);
    if (info->fMask & SIF_POS) info->nPos = FPos;
    if (info->fMask & SIF_TRACKPOS) info->nTrackPos = TrackPos();
}

bool ScrollBarState::SetDisabledArrows(UINT esb) {
    esb &= ESB_DISABLE_BOTH;
    if (esb == FDisabledArrows) return false;
    FDisabledArrows = esb;
    return true;
}

void ScrollBarState::BeginTrack() {
    FTrackPos = FPos;
    FTracking = true;
}

void ScrollBarState::SetTrackPos(int pos) {
    FTrackPos = std::clamp(pos, FMin, MaxPos());
}
