// Channel, ticks and thumb of a skinned track bar.
#include "skin/controls/TacTrackBarPainter.h"

#include "skin/paint/BitmapBlend.h"
#include "skin/paint/BordersMask.h"
#include "skin/paint/InclusiveRect.h"
#include "skin/paint/KeyColorCopy.h"
#include "skin/paint/MaskedImage.h"
#include "skin/paint/TacMaskView.h"

#include "skin/data/TsSkinModel.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <utility>

namespace {

void FlipRows(Bitmap& bmp) {
    const std::size_t rowBytes = static_cast<std::size_t>(bmp.Width()) * bmp.BytesPerPixel();
    for (int top = 0, bottom = bmp.Height() - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(bmp.ScanLine(top), bmp.ScanLine(top) + rowBytes, bmp.ScanLine(bottom));
}

void FlipColumns(Bitmap& bmp) {
    const int bpp = bmp.BytesPerPixel();
    for (int y = 0; y < bmp.Height(); ++y) {
        std::uint8_t* row = bmp.ScanLine(y);
        for (int left = 0, right = bmp.Width() - 1; left < right; ++left, --right)
            std::swap_ranges(row + left * bpp, row + (left + 1) * bpp, row + right * bpp);
    }
}

// A plain copy of a block of the same size (no pixel is a key colour).
void CopyBlock(Bitmap& to, TPoint toAt, const Bitmap& from, TPoint fromAt, TSize size) {
    CopyRectWithKeyColor(to, from, toAt.X, toAt.Y, clNoKey, InclusiveOf(Bounds(fromAt.X, fromAt.Y, size.cx, size.cy)));
}

// Pixel for pixel, as the platform's plain stretch does: a key-coloured pixel stays exactly the
// key colour instead of tinting its neighbours.
void StretchNearest(Bitmap& to, const TRect& area, const Bitmap& from, const TRect& source) {
    const TRect inside = source.Intersect(from.BoundsRect());
    if (area.IsEmpty() || inside != source) return;
    const int toBytes = to.BytesPerPixel(), fromBytes = from.BytesPerPixel();
    const int left = std::max(area.Left, 0), right = std::min(area.Right, to.Width());
    for (int y = std::max(area.Top, 0); y < std::min(area.Bottom, to.Height()); ++y) {
        const std::uint8_t* sourceRow = from.ScanLine(source.Top + (y - area.Top) * source.Height() / area.Height());
        std::uint8_t* row = to.ScanLine(y);
        for (int x = left; x < right; ++x) {
            const int sx = source.Left + (x - area.Left) * source.Width() / area.Width();
            std::copy_n(sourceRow + sx * fromBytes, 3, row + x * toBytes); // blue, green, red
        }
    }
}

} // namespace

void DrawSunkenMark(Bitmap& bmp, const TRect& rect) {
    const int l = rect.Left, t = rect.Top, r = rect.Right - 1, b = rect.Bottom - 1;
    const TColor shadow = ColorToRGB(clBtnShadow);
    auto put = [&bmp](int x, int y, TColor c) {
        if (x >= 0 && y >= 0 && x < bmp.Width() && y < bmp.Height()) bmp.SetPixel(x, y, c);
    };
    for (int y = t; y <= b; ++y) put(l, y, shadow);
    for (int x = l; x < r; ++x) put(x, t, shadow);
    for (int y = t; y <= b; ++y) put(r, y, clWhite);
    for (int x = l; x <= r; ++x) put(x, b, clWhite);
}

TacTrackBarPainter::TacTrackBarPainter(TsSkinModel& skin, int sectionIndex, const std::string& section,
                                       const TacTrackBarGeometry& geometry)
    : FSkin(skin), FSectionIndex(sectionIndex), FSection(section), FGeometry(geometry) {}

TsMaskData* TacTrackBarPainter::Mask(const char* key) const {
    const int index = FSkin.MaskIndex(FSectionIndex, FSection, key);
    if (index < 0 || index >= static_cast<int>(FSkin.Masks.size())) return nullptr;
    return &FSkin.Masks[static_cast<std::size_t>(index)];
}

void TacTrackBarPainter::Channel(Bitmap& bmp, int hotState) const {
    TsMaskData* mask = Mask("SLIDERCHANNEL");
    if (!mask) return;
    const TacMaskView view(*mask);
    TRect c = FGeometry.Channel;
    if (Horizontal()) {
        const int d = (c.Height() - view.StateHeight() + 1) / 2;
        c.Top += d;
        c.Bottom = c.Top + view.StateHeight() - 1;
    } else {
        const int d = (c.Width() - view.StateWidth() + 1) / 2;
        c.Left += d;
        c.Right = c.Left + view.StateWidth() - 1;
    }
    // The key pixels show the track bar's own image, already painted under the channel.
    const Bitmap behind = bmp;
    const TParentImageInfo own{&behind, 0, 0, true};
    PaintBordersMask(bmp, c, true, true, hotState, *mask, own);
}

std::vector<int> TacTrackBarPainter::TickPositions() const {
    const TRect& c = FGeometry.Channel;
    const TRect& t = FGeometry.Thumb;
    const int n = FGeometry.TickCount;
    std::vector<int> at;
    const int start = Horizontal() ? c.Left : c.Top;
    const int thumb = Horizontal() ? t.Width() : t.Height();
    if (FGeometry.TickStyle == tsAuto) {
        const int span = (Horizontal() ? c.Width() : c.Height()) - thumb;
        const double step = n > 1 ? static_cast<double>(span) / (n - 1) : 0.0;
        for (int i = 0; i < n; ++i) at.push_back(static_cast<int>(std::nearbyint(i * step + start + thumb / 2)));
        return at;
    }
    if (n <= 0) return at;
    at.push_back(start + thumb / 2);
    for (int i = 0; i + 2 < n && i < static_cast<int>(FGeometry.ManualTicks.size()); ++i)
        at.push_back(FGeometry.ManualTicks[static_cast<std::size_t>(i)]);
    if (n > 1) at.push_back((Horizontal() ? c.Right : c.Bottom) - thumb / 2);
    return at;
}

void TacTrackBarPainter::Ticks(Bitmap& bmp, int thumbState) const {
    if (FGeometry.TickStyle == tsNone) return;
    const TRect& c = FGeometry.Channel;
    const TRect& t = FGeometry.Thumb;
    const bool before = FGeometry.TickMarks != tmBottomRight;
    const bool after = FGeometry.TickMarks != tmTopLeft;
    const int g = Horizontal() ? (t.Height() - c.Height()) / 2 + 2 : (t.Width() - c.Width()) / 2 + 2;
    for (int along : TickPositions()) {
        if (Horizontal()) {
            if (before) Tick(bmp, {along, c.Top - g - TickLength}, thumbState);
            if (after) Tick(bmp, {along, c.Bottom + g}, thumbState);
        } else {
            if (before) Tick(bmp, {c.Left - g - TickLength, along}, thumbState);
            if (after) Tick(bmp, {c.Right + g, along}, thumbState);
        }
    }
}

void TacTrackBarPainter::Tick(Bitmap& bmp, TPoint at, int thumbState) const {
    if (TsMaskData* mask = Mask(Horizontal() ? "TICKHORZ" : "TICKVERT")) {
        const TacMaskView view(*mask);
        if (Horizontal())
            at.X -= view.Rect().Width() / (2 * view.States());
        else
            at.Y -= view.Rect().Height() / (2 * view.Bands());
        DrawSkinImage(bmp, at, thumbState, *mask, 1);
        return;
    }
    DrawSunkenMark(bmp, Horizontal() ? Bounds(at.X, at.Y, 2, TickLength) : Bounds(at.X, at.Y, TickLength, 2));
}

bool TacTrackBarPainter::ThumbFits(const TsMaskData& mask) const {
    const TacMaskView view(mask);
    const TRect& t = FGeometry.Thumb;
    const int cw = view.StateWidth(), ch = view.StateHeight();
    if (cw == t.Width() && ch == t.Height()) return true;
    // The usual 11 x 21 thumb image serves the platform's 11 x 23 thumb as it is.
    if (Horizontal()) return t.Height() == 23 && t.Width() == 11 && cw == 11 && ch == 21;
    return t.Width() == 23 && t.Height() == 11 && ch == 11 && cw == 21;
}

void TacTrackBarPainter::Thumb(Bitmap& bmp, int thumbState) const {
    TsMaskData* mask = Mask(Horizontal() ? "SLIDERMASK" : "SLIDERVMASK");
    if (!mask || FGeometry.Thumb.IsEmpty()) return;
    if (!ThumbFits(*mask)) return StretchedThumb(bmp, *mask, thumbState);
    if (FGeometry.TickMarks == tmTopLeft) return UpsideDownThumb(bmp, *mask, thumbState);
    DrawSkinImage(bmp, FGeometry.Thumb.TopLeft(), thumbState, *mask, 1);
}

// The image points down (or right); mirrored, it points at ticks above (or to the left).
void TacTrackBarPainter::UpsideDownThumb(Bitmap& bmp, const TsMaskData& mask, int thumbState) const {
    const TRect& t = FGeometry.Thumb;
    Bitmap work(t.Width(), t.Height());
    CopyBlock(work, {0, 0}, bmp, t.TopLeft(), t.Size());
    const auto flip = Horizontal() ? FlipRows : FlipColumns;
    flip(work);
    DrawSkinImage(work, {0, 0}, thumbState, mask, 1);
    flip(work);
    CopyBlock(bmp, t.TopLeft(), work, {0, 0}, t.Size());
}

void TacTrackBarPainter::StretchedThumb(Bitmap& bmp, const TsMaskData& mask, int thumbState) const {
    const TacMaskView view(mask);
    const Bitmap* source = view.Source();
    const TRect& t = FGeometry.Thumb;
    if (!source) return;
    const TRect r = view.Rect();
    auto work = std::make_unique<Bitmap>(3 * t.Width(), (mask.MaskType + 1) * t.Height());
    if (mask.MaskType == 0) {
        StretchNearest(*work, work->BoundsRect(), *source, r);
    } else {
        StretchNearest(*work, TRect{0, 0, work->Width(), t.Height()}, *source,
                       TRect{r.Left, r.Top, r.Right, r.Top + r.Height() / 2});
        // The alpha half goes under the image half at the same scale.
        StretchNearest(*work, TRect{0, t.Height(), work->Width(), 2 * t.Height()}, *source,
                       TRect{r.Left, r.Top + r.Height() / 2, r.Right, r.Top + 2 * (r.Height() / 2)});
    }
    TsMaskData stretched;
    stretched.Bmp = std::move(work);
    stretched.ImageCount = mask.ImageCount;
    stretched.MaskType = mask.MaskType;
    stretched.Manager = mask.Manager;
    DrawSkinImage(bmp, t.TopLeft(), thumbState, stretched, 1);
}
