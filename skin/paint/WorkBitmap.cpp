// Creating working bitmaps and filling rectangles of them.
#include "skin/paint/WorkBitmap.h"

Bitmap CreateWorkBitmap(int width, int height) {
    return Bitmap(width, height, TPixelFormat::pf24bit);
}

Bitmap CreateWorkBitmap32(int width, int height) {
    return Bitmap(width, height, TPixelFormat::pf32bit);
}

void FillSolidRect(Bitmap& bitmap, const TRect& rect, TColor color) {
    bitmap.FillRect(rect, color);
}

void FillSolidRect(HDC dc, const TRect& rect, TColor color) {
    if (dc) dc->FillRect(rect, color);
}
