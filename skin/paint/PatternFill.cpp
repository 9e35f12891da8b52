// Pattern fills by mode, with and without alpha masks.
#include "skin/paint/PatternFill.h"

#include "skin/paint/ParentColors.h"
#include "skin/paint/TacMaskBlend.h"
#include "skin/paint/TacMaskView.h"
#include "skin/paint/TacTiler.h"

namespace {

TRect LeftOrNothing(const TRect& r) {
    return r.IsEmpty() ? NothingLeft : r;
}

// Tiles of size n laid from 0 that start before length - n: whole tiles with room left after them.
int WholeTiles(int length, int n) {
    return length > n ? (length - n - 1) / n + 1 : 0;
}

// Draws one fill mode of a keyed texture and returns what is left uncovered.
TRect FillByMode(Bitmap& b, const TRect& r, int mode, const Bitmap& source, const TRect& tile) {
    const int w = tile.Width();
    const int h = tile.Height();
    switch (mode) {
    case 0:
        TacTiler::Tile(b, r, r.TopLeft(), source, tile);
        return NothingLeft;
    case 1:
        TacTiler::Stretch(b, r, source, tile);
        return NothingLeft;
    case 2:
        TacTiler::Tile(b, {r.Left, r.Top, r.Right, r.Top + h}, r.TopLeft(), source, tile);
        break;
    case 3:
        TacTiler::Tile(b, {r.Left, r.Top, r.Left + w, r.Bottom}, r.TopLeft(), source, tile);
        break;
    case 4:
        TacTiler::Stretch(b, {r.Left, r.Top, r.Right, r.Top + h}, source, tile);
        break;
    case 5:
        TacTiler::Stretch(b, {r.Left, r.Top, r.Left + w, r.Bottom}, source, tile);
        break;
    case 6:
        TacTiler::Tile(b, {r.Left, r.Bottom - h, r.Right, r.Bottom}, {r.Left, r.Bottom - h}, source, tile);
        break;
    case 7:
        TacTiler::Tile(b, {r.Right - w, r.Top, r.Right, r.Bottom}, r.TopLeft(), source, tile);
        break;
    case 10:
        TacTiler::Tile(b, {r.Left, r.Top, r.Right, r.Top + WholeTiles(r.Height(), h) * h}, r.TopLeft(),
                       source, tile);
        return NothingLeft;
    default:
        return r;
    }
    switch (mode) {
    case 2:
    case 4:
        return LeftOrNothing({r.Left, r.Top + h, r.Right, r.Bottom});
    case 3:
    case 5:
        return LeftOrNothing({r.Left + w, r.Top, r.Right, r.Bottom});
    case 6:
        return LeftOrNothing({r.Left, r.Top, r.Right, r.Bottom - h});
    default:
        return LeftOrNothing({r.Left, r.Top, r.Right - w, r.Bottom});
    }
}

void FillFromParent(Bitmap& b, const TRect& area, const TParentImageInfo& parent) {
    if (area.IsEmpty()) return;
    if (parent.HasImage())
        return b.CopyRect(area.Left, area.Top, *parent.Bmp, area.Offset(parent.X, parent.Y));
    if (IsParentColorSet(ParentKeyColor)) b.FillRect(area, ParentKeyColor);
}

} // namespace

void TileImage(Bitmap& bitmap, const TRect& rect, const Bitmap& image) {
    if (!image.Empty()) TacTiler::Tile(bitmap, rect, rect.TopLeft(), image, image.BoundsRect());
}

void FillPattern(Bitmap& bitmap, TRect& rect, const Bitmap* picture, int mode, const TsMaskData* texture) {
    if (picture && !picture->Empty()) {
        TileImage(bitmap, rect, *picture);
        rect = NothingLeft;
        return;
    }
    if (!texture) return;
    const TacMaskView view(*texture);
    const Bitmap* source = view.Source();
    if (!source || (!view.HasOwnBitmap() && !view.HasSkin())) return;
    const TRect tile =
        Bounds(view.StateOrigin(0).X, view.StateOrigin(0).Y, view.StateWidth(), view.StateHeight());
    if (tile.IsEmpty()) return;
    rect = FillByMode(bitmap, rect, mode, *source, tile);
}

void FillMaskedPattern(Bitmap& bitmap, TRect& rect, const TParentImageInfo& parent, int mode,
                       const TsMaskData& texture) {
    const TRect r = rect;
    rect = NothingLeft;
    const TacMaskView view(texture);
    const Bitmap* source = view.Source();
    const int w = view.StateWidth();
    const int h = view.StateHeight();
    if (!source || w <= 0 || h <= 0 || (mode != 0 && mode != 10)) return;
    TacKeyPixelRule keys;
    keys.PreferColor = true;
    keys.HasColor = IsParentColorSet(ParentKeyColor);
    keys.Color = ParentKeyColor;
    keys.Parent.Attach(parent);
    const TacMaskBlend blend(*source, h, keys);
    const TPoint origin = view.StateOrigin(0);
    const auto drawTile = [&](TRect dr) {
        TRect sr = Bounds(origin.X, origin.Y, dr.Width(), dr.Height());
        if (blend.Clip(dr, sr, bitmap)) blend.Run(bitmap, dr.TopLeft(), sr);
    };
    if (mode == 0) return TacTiler::ForEachTile(r, {w, h}, drawTile);
    const int columns = WholeTiles(r.Width(), w);
    const int rows = WholeTiles(r.Height(), h);
    TacTiler::ForEachTile({r.Left, r.Top, r.Left + columns * w, r.Top + rows * h}, {w, h}, drawTile);
    FillFromParent(bitmap, {r.Left, r.Top + rows * h, r.Right, r.Bottom}, parent);
    FillFromParent(bitmap, {r.Left + columns * w, r.Top, r.Right, r.Bottom}, parent);
}
