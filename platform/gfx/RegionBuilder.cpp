// Band-by-band assembly of regions with vertical merging of identical neighbouring bands.
#include "platform/gfx/RegionBuilder.h"

#include <utility>

void RegionBuilder::AddBand(int top, int bottom, const std::vector<TSpan>& spans) {
    if (spans.empty() || bottom <= top) return;
    if (ExtendsLastBand(top, spans)) {
        for (std::size_t i = FLastBand; i < FRects.size(); ++i) FRects[i].Bottom = bottom;
        return;
    }
    FLastBand = FRects.size();
    for (const TSpan& s : spans) FRects.push_back({s.Left, top, s.Right, bottom});
}

bool RegionBuilder::ExtendsLastBand(int top, const std::vector<TSpan>& spans) const {
    if (FRects.empty() || FRects.back().Bottom != top) return false;
    if (FRects.size() - FLastBand != spans.size()) return false;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const TRect& r = FRects[FLastBand + i];
        if (r.Left != spans[i].Left || r.Right != spans[i].Right) return false;
    }
    return true;
}

Region RegionBuilder::Finish() {
    Region region;
    region.FRects = std::move(FRects);
    FRects.clear();
    FLastBand = 0;
    return region;
}
