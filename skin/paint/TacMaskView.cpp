// Where an image entry's pixels are.
#include "skin/paint/TacMaskView.h"

#include "skin/data/TsSkinModel.h"

const Bitmap* TacMaskView::Source() const {
    if (FMask.Bmp) return FMask.Bmp.get();
    return FMask.Manager ? &FMask.Manager->MasterBitmap : nullptr;
}

TRect TacMaskView::Rect() const {
    if (FMask.Bmp && FMask.R.IsEmpty()) return FMask.Bmp->BoundsRect();
    return FMask.R;
}

TPoint TacMaskView::StateOrigin(int state) const {
    const TRect r = Rect();
    return {r.Left + ClampState(state) * StateWidth(), r.Top};
}
