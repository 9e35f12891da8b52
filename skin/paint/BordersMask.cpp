// Nine pieces copied, tiled or stretched, with key colour or alpha mask.
#include "skin/paint/BordersMask.h"

#include "skin/paint/InclusiveRect.h"
#include "skin/paint/KeyColorCopy.h"
#include "skin/paint/MaskedImage.h"
#include "skin/paint/TacBorderPieces.h"
#include "skin/paint/TacMaskView.h"
#include "skin/paint/TacTiler.h"

namespace {

// The tile of an edge repeats along the edge only; across it the piece is as thick as its source.
TSize TileOf(const TacBorderPiece& piece) {
    const TSize s = piece.Source.Size();
    if (piece.Kind == pkSideEdge) return {piece.Destination.Width(), s.cy};
    if (piece.Kind == pkTopBottomEdge) return {s.cx, piece.Destination.Height()};
    return s;
}

void DrawKeyedPiece(Bitmap& bitmap, const TacBorderPiece& piece, const Bitmap& source, int drawMode,
                    bool useParent, const TParentImageInfo& parent) {
    const TRect& to = piece.Destination;
    if (piece.Kind == pkCorner)
        return CopyRectOverParent(bitmap, source, to.Left, to.Top, useParent, parent, clKeyColor,
                                  InclusiveOf(piece.Source));
    if (drawMode & dmStretchEdges) return TacTiler::Stretch(bitmap, to, source, piece.Source);
    TacTiler::Tile(bitmap, to, to.TopLeft(), source, piece.Source);
}

void DrawMaskedPiece(Bitmap& bitmap, const TacBorderPiece& piece, const Bitmap& source,
                     const TsMaskData& mask, const TParentImageInfo& parent) {
    if (piece.Kind == pkCorner)
        return CopyThroughMask(piece.Destination, piece.Source, bitmap, mask, true, parent, source);
    const TParentImageInfo none;
    TacTiler::ForEachTile(piece.Destination, TileOf(piece), [&](const TRect& part) {
        CopyThroughMask(part, Bounds(piece.Source.Left, piece.Source.Top, part.Width(), part.Height()),
                        bitmap, mask, false, none, source);
    });
}

} // namespace

void PaintBordersMask(Bitmap& bitmap, const TRect& rect, bool fillCentre, bool useParentForKey, int state,
                      TsMaskData& mask, const TParentImageInfo& parent) {
    if ((state == 0 && (mask.DrawMode & dmNotInNormal)) || rect.Width() < 2 || rect.Height() < 2) return;
    const TacMaskView view(mask);
    const Bitmap* source = view.Source();
    if (!view.HasSkin() || !source) return;
    const TacBorderPieces pieces(mask, rect, state);
    const bool centre = fillCentre && (mask.DrawMode & dmCentre);
    for (const TacBorderPiece& piece : pieces.Pieces()) {
        if (piece.Kind == pkCentre && !centre) continue;
        if (piece.Source.IsEmpty() || piece.Destination.IsEmpty()) continue;
        if (mask.MaskType > 0)
            DrawMaskedPiece(bitmap, piece, *source, mask, parent);
        else
            DrawKeyedPiece(bitmap, piece, *source, mask.DrawMode, useParentForKey, parent);
    }
}
