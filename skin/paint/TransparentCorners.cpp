// Key pixels of a borders mask's corners replaced by the parent's background.
#include "skin/paint/TransparentCorners.h"

#include "skin/paint/ParentColors.h"
#include "skin/paint/PixelMath.h"
#include "skin/paint/TacMaskView.h"
#include "skin/paint/TacParentImage.h"

#include <algorithm>

namespace {

struct TCornerSource {
    const Bitmap* Pixels = nullptr;
    TPoint Origin; // the state image's top-left
    TSize Cell;    // one state image
};

TCornerSource SourceOf(const TsMaskData& mask, int state) {
    if (mask.ImageCount == 0 && mask.Bmp) {
        const TSize cell{mask.Bmp->Width() / 3, mask.Bmp->Height() / 2};
        return {mask.Bmp.get(), {std::clamp(state, 0, 2) * cell.cx, 0}, cell};
    }
    const TacMaskView view(mask);
    return {view.Source(), view.StateOrigin(state), {view.StateWidth(), view.StateHeight()}};
}

// The piece of the state image at offset `from` laid over the image at `to`, size `size`.
void RestorePiece(Bitmap& image, const TCornerSource& source, TPoint from, TPoint to, TSize size,
                  const TacParentImage& behind) {
    const bool fill = IsParentColorSet(ParentFillColor);
    const PixelMath::TPixelBytes fillBytes(ParentFillColor & 0xFFFFFF);
    for (int row = 0; row < size.cy; ++row) {
        const int sy = source.Origin.Y + from.Y + row;
        const int y = to.Y + row;
        if (sy < 0 || sy >= source.Pixels->Height() || y < 0 || y >= image.Height()) continue;
        for (int col = 0; col < size.cx; ++col) {
            const int sx = source.Origin.X + from.X + col;
            const int x = to.X + col;
            if (sx < 0 || sx >= source.Pixels->Width() || x < 0 || x >= image.Width()) continue;
            if (!PixelMath::IsKeyPixel(source.Pixels->PixelAddress(sx, sy))) continue;
            std::uint8_t* d = image.PixelAddress(x, y);
            if (fill) {
                fillBytes.Store(d);
            } else if (const std::uint8_t* p = behind.At(x, y)) {
                d[0] = p[0], d[1] = p[1], d[2] = p[2];
            }
        }
    }
}

} // namespace

void RestoreKeyCorners(Bitmap& image, const TsMaskData& mask, int state, int corners,
                       const TParentImageInfo& parentBehind) {
    const TCornerSource source = SourceOf(mask, state);
    if (!source.Pixels || source.Cell.cx <= 0 || source.Cell.cy <= 0) return;
    TacParentImage behind;
    behind.Attach(parentBehind);
    const int w = source.Cell.cx, h = source.Cell.cy, W = image.Width(), H = image.Height();
    const int wl = mask.WL, wt = mask.WT, wr = mask.WR, wb = mask.WB;
    if (corners & ccTopLeft) RestorePiece(image, source, {0, 0}, {0, 0}, {wl, wt}, behind);
    if (corners & ccBottomLeft) RestorePiece(image, source, {0, h - wb}, {0, H - wb}, {wl, wb}, behind);
    if (corners & ccBottomRight)
        RestorePiece(image, source, {w - wr, h - wb}, {W - wr, H - wb}, {wr, wb}, behind);
    if (corners & ccTopRight) RestorePiece(image, source, {w - wr, 0}, {W - wr, 0}, {wr, wt}, behind);
}
