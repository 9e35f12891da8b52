// Grey conversion and blending toward the parent for disabled elements.
#include "skin/paint/DisabledLook.h"

#include "skin/paint/BitmapBlend.h"
#include "skin/paint/ColorBlend.h"
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
        const int x = parent.X + pos.X;
        const int y = parent.Y + pos.Y;
        BlendBitmapRect(bmp, 0, 0, clNoKey, DisabledElementShare,
                        {x, y, x + bmp.Width() - 1, y + bmp.Height() - 1}, *parent.Bmp);
        return;
    }
    const TColor fill = IsParentColorSet(ParentFillColor) ? ParentFillColor : ColorToRGB(parentColor);
    BlendColorRect(bmp, {0, 0, bmp.Width() - 1, bmp.Height() - 1}, 50, fill);
}
