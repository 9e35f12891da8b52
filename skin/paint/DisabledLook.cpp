// Grey conversion and blending toward the parent for disabled elements.
#include "skin/paint/DisabledLook.h"

#include "skin/paint/BitmapBlend.h"
#include "skin/paint/ColorBlend.h"
#include "skin/paint/InclusiveRect.h"
#include "skin/paint/ParentColors.h"

namespace {

// The element keeps this share of itself over the parent's image.
constexpr double DisabledElementShare = 0.4;

} // namespace

void ApplyDisabledLook(Bitmap& bmp, bool grayed, bool blended, TColor parentColor, TPoint pos,
                       const TParentImageInfo& parent) {
    if (grayed) GrayscaleBitmap(bmp);
    if (!blended) return;
    if (parent.HasImage()) {
        const TRect behind = InclusiveOf(bmp.BoundsRect().Offset(parent.X + pos.X, parent.Y + pos.Y));
        BlendBitmapRect(bmp, 0, 0, clNoKey, DisabledElementShare, behind, *parent.Bmp);
        return;
    }
    const TColor fill = IsParentColorSet(ParentFillColor) ? ParentFillColor : ColorToRGB(parentColor);
    BlendColorRect(bmp, InclusiveOf(bmp.BoundsRect()), 50, fill);
}
