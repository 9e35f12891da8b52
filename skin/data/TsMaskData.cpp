// Frame piece widths and state sizes of image entries.
#include "skin/data/TsMaskData.h"

#include <algorithm>

namespace {

int StateWidthThird(const TsMaskData& mask) { return mask.R.Width() / (std::max(mask.ImageCount, 1) * 3); }
int BandHeightThird(const TsMaskData& mask) { return mask.R.Height() / ((std::max(mask.MaskType, 0) + 1) * 3); }

} // namespace

int TsMaskData::BorderLeft() {
    if (ImageCount == 0) ImageCount = 1;
    if (WL > 0) return WL;
    return BorderWidth > 0 ? BorderWidth : StateWidthThird(*this);
}

int TsMaskData::BorderRight() const {
    if (WR > 0) return WR;
    return BorderWidth > 0 ? BorderWidth : StateWidthThird(*this);
}

int TsMaskData::BorderTop() const {
    if (WT > 0) return WT;
    return BorderWidth > 0 ? BorderWidth : BandHeightThird(*this);
}

int TsMaskData::BorderBottom() const {
    if (WB > 0) return WB;
    return BorderWidth > 0 ? BorderWidth : BandHeightThird(*this);
}

TSize TsMaskData::MaskCellSize() const {
    if (Bmp) return {Bmp->Width() / 3, Bmp->Height() / 2};
    return {R.Width() / std::max(ImageCount, 1), R.Height() / (std::max(MaskType, 0) + 1)};
}
