// Masked copies of skin images and the drawing of one state of an image entry.
#include "skin/paint/MaskedImage.h"

#include "skin/paint/BitmapBlend.h"
#include "skin/paint/InclusiveRect.h"
#include "skin/paint/KeyColorCopy.h"
#include "skin/paint/ParentColors.h"
#include "skin/paint/TacMaskBlend.h"
#include "skin/paint/TacMaskView.h"

void CopyThroughMask(TRect dr, TRect sr, Bitmap& destination, const TsMaskData& mask, bool corner,
                     const TParentImageInfo& parent, const Bitmap& source) {
    TacKeyPixelRule keys;
    keys.BlendLikeOthers = !corner;
    if (corner) {
        keys.Parent.Attach(parent);
        keys.HasColor = true;
        keys.Color = IsParentColorSet(ParentKeyColor) ? ParentKeyColor : clKeyColor;
    }
    const TacMaskBlend blend(source, TacMaskView(mask).StateHeight(), keys);
    if (blend.Clip(dr, sr, destination)) blend.Run(destination, dr.TopLeft(), sr);
}

void DrawMaskedImage(TRect dr, TRect sr, Bitmap& destination, const TsMaskData& mask, int mode,
                     const Bitmap& source) {
    if (mask.MaskType <= 0) return CopyRectWithKeyColor(destination, source, dr.Left, dr.Top, clKeyColor, sr);
    const TacKeyPixelRule keepKeys;
    const TacMaskBlend blend(source, TacMaskView(mask).StateHeight(), keepKeys, mode == 1 ? 0 : 100);
    TRect d = ExclusiveOf(dr);
    TRect s = ExclusiveOf(sr);
    if (blend.Clip(d, s, destination)) blend.Run(destination, d.TopLeft(), s);
}

void DrawSkinImage(Bitmap& destination, TPoint point, int state, const TsMaskData& mask, int mode) {
    const TacMaskView view(mask);
    if (!view.HasOwnBitmap() && (!view.HasSkin() || mask.ImageCount <= 0)) return;
    const Bitmap* source = view.Source();
    if (!source || view.StateWidth() <= 0 || view.StateHeight() <= 0) return;
    const TPoint origin = view.StateOrigin(state);
    TRect sr = Bounds(origin.X, origin.Y, view.StateWidth(), view.StateHeight());
    if (point.X < 0) sr.Left -= point.X, point.X = 0;
    if (point.Y < 0) sr.Top -= point.Y, point.Y = 0;
    if (sr.IsEmpty()) return;
    const TRect dr = InclusiveOf(Bounds(point.X, point.Y, sr.Width(), sr.Height()));
    if (view.HasOwnBitmap() || mask.MaskType > 0)
        return DrawMaskedImage(dr, InclusiveOf(sr), destination, mask, mode, *source);
    if (mode == 1)
        return CopyRectWithKeyColor(destination, *source, point.X, point.Y, clKeyColor, InclusiveOf(sr));
    BlendBitmapRect(destination, point.X, point.Y, clKeyColor, 0.5, InclusiveOf(sr), *source);
}
