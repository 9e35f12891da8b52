// Corner key pixels cut out of a region.
#include "skin/paint/KeyCornerRegion.h"

#include "skin/paint/PixelMath.h"
#include "skin/paint/TacBorderPieces.h"
#include "skin/paint/TacMaskView.h"

namespace {

bool IsKeyAt(const Bitmap& source, int x, int y) {
    if (x < 0 || y < 0 || x >= source.Width() || y >= source.Height()) return false;
    return PixelMath::IsKeyPixel(source.PixelAddress(x, y));
}

// Each row's runs of key pixels become one rectangle each, so the region stays small.
void RemoveKeyRuns(Region& region, const Bitmap& source, const TacBorderPiece& piece) {
    const TRect& to = piece.Destination;
    for (int row = 0; row < to.Height(); ++row) {
        int runStart = -1;
        for (int col = 0; col <= to.Width(); ++col) {
            const bool key = col < to.Width() && IsKeyAt(source, piece.Source.Left + col, piece.Source.Top + row);
            if (key && runStart < 0) runStart = col;
            if (!key && runStart >= 0) {
                region.Subtract(TRect{to.Left + runStart, to.Top + row, to.Left + col, to.Top + row + 1});
                runStart = -1;
            }
        }
    }
}

} // namespace

void RemoveKeyCornerPixels(Region& region, TsMaskData& mask, const TRect& rect, int state) {
    if (rect.Width() < 2 || rect.Height() < 2) return;
    const TacMaskView view(mask);
    const Bitmap* source = view.Source();
    if (!view.HasSkin() || !source) return;
    const TacBorderPieces pieces(mask, rect, state);
    for (const TacBorderPiece& piece : pieces.Pieces())
        if (piece.Kind == pkCorner && !piece.Destination.IsEmpty()) RemoveKeyRuns(region, *source, piece);
}
