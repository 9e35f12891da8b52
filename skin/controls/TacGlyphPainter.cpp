// The glyph of a skinned speed button in its states.
#include "skin/controls/TacGlyphPainter.h"

#include "skin/paint/BitmapBlend.h"
#include "skin/paint/ColorBlend.h"
#include "skin/paint/KeyColorCopy.h"
#include "skin/paint/TParentImageInfo.h"
#include "skin/paint/WorkBitmap.h"

namespace {

TColor BottomLeft(const Bitmap& bitmap) {
    return bitmap.Pixel(0, bitmap.Height() - 1);
}

TRect Inclusive(const TRect& r) {
    return {r.Left, r.Top, r.Right - 1, r.Bottom - 1};
}

} // namespace

int TacGlyphPainter::ImageIndex(const TacGlyphLook& look) const {
    if (!look.Enabled) return FCount > 1 ? 1 : 0;
    switch (look.State) {
    case 1: return FCount >= 5 ? 4 : 0;
    case 2:
        if (look.Down && FCount >= 4) return 3;
        return FCount >= 3 ? 2 : 0;
    default: return 0;
    }
}

void TacGlyphPainter::Draw(Bitmap& destination, TPoint at, const TacGlyphLook& look) const {
    if (FStrip.Empty() || ImageWidth() <= 0) return;
    if (FCount == 1) DrawSingle(destination, at, look);
    else DrawFromStrip(destination, at, look);
}

void TacGlyphPainter::DrawSingle(Bitmap& destination, TPoint at, const TacGlyphLook& look) const {
    Bitmap copy = CreateWorkBitmap(FStrip.Width(), FStrip.Height());
    copy.CopyRect(0, 0, FStrip, FStrip.BoundsRect());
    if (Greyed(look)) GrayscaleBitmap(copy);
    CopyOrBlend(destination, at, copy, BottomLeft(copy), look);
}

void TacGlyphPainter::DrawListImage(Bitmap& destination, TPoint at, Bitmap image, TColor key,
                                    const TacGlyphLook& look) {
    if (image.Empty()) return;
    if (Greyed(look)) GrayscaleExceptKey(image, key);
    CopyOrBlend(destination, at, image, key, look);
}

bool TacGlyphPainter::Greyed(const TacGlyphLook& look) {
    return look.Enabled ? look.State == 0 && look.Grayed : look.DisabledKind.Contains(dgGrayed);
}

void TacGlyphPainter::CopyOrBlend(Bitmap& destination, TPoint at, const Bitmap& image, TColor key,
                                  const TacGlyphLook& look) {
    double factor = 0;
    if (look.Enabled && look.State == 0 && look.Blend >= 1) factor = look.Blend / 100.0;
    if (!look.Enabled && look.DisabledKind.Contains(dgBlended)) factor = 0.5;
    if (factor == 0) CopyWithKeyColor(destination, image, at.X, at.Y, key);
    else BlendBitmapRect(destination, at.X, at.Y, key, factor, Inclusive(image.BoundsRect()), image);
}

void TacGlyphPainter::DrawFromStrip(Bitmap& destination, TPoint at, const TacGlyphLook& look) const {
    const int w = ImageWidth();
    const int index = ImageIndex(look);
    const TRect image{index * w, 0, index * w + w, FStrip.Height()};
    if (look.Enabled) {
        const TColor key = FStrip.Pixel(image.Left, image.Bottom - 1);
        CopyRectOverParent(destination, FStrip, at.X, at.Y, false, TParentImageInfo{}, key, Inclusive(image));
        return;
    }
    const TColor key = BottomLeft(FStrip);
    if (look.State == 0 && look.Blend > 0)
        BlendBitmapRect(destination, at.X, at.Y, key, look.Blend / 100.0, Inclusive(image), FStrip);
    else
        CopyRectWithKeyColor(destination, FStrip, at.X, at.Y, key, Inclusive(image));
}
