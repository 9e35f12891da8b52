// Key-colour regions through the platform's region builder.
#include "skin/paint/RegionFromKeyColor.h"

Region RegionFromKeyColor(const Bitmap& bitmap, TColor key) {
    if (bitmap.Width() < 2 || bitmap.Height() < 2) return Region(bitmap.BoundsRect());
    return Region::FromBitmapExceptKey(bitmap, key & 0xFFFFFF);
}
