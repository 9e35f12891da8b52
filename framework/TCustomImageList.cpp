// Image lists: splitting strips into images, drawing them, and telling users of changes.
#include "framework/TCustomImageList.h"

#include "framework/Consts.h"
#include "framework/Exception.h"
#include "framework/Format.h"
#include "framework/TBitmap.h"
#include "framework/TCanvas.h"
#include "framework/TChangeLink.h"

#include "platform/gfx/Region.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr TColor MaskShown = clBlack;
constexpr TColor MaskHidden = clWhite;

// A mask of the source's size: hidden where the source has the key colour, shown elsewhere.
Bitmap MaskOf(const Bitmap& source, TColor key) {
    Bitmap mask(source.Width(), source.Height());
    const int step = source.BytesPerPixel();
    const auto r = static_cast<std::uint8_t>(GetRValue(key));
    const auto g = static_cast<std::uint8_t>(GetGValue(key));
    const auto b = static_cast<std::uint8_t>(GetBValue(key));
    for (int y = 0; y < source.Height(); ++y) {
        const std::uint8_t* s = source.ScanLine(y);
        std::uint8_t* d = mask.ScanLine(y);
        for (int x = 0; x < source.Width(); ++x, s += step, d += 3) {
            const std::uint8_t v = s[0] == b && s[1] == g && s[2] == r ? 0xFF : 0x00;
            d[0] = d[1] = d[2] = v;
        }
    }
    return mask;
}

// The image drawn through shape (logical coordinates), within what the canvas could draw anyway.
void DrawThrough(HDC dc, Region shape, int x, int y, const Bitmap& image) {
    Region drawable = dc->EffectiveClip();
    drawable.Offset(-dc->ViewportOrg().X, -dc->ViewportOrg().Y);
    shape.Intersect(drawable);
    const int saved = dc->SaveDC();
    dc->SelectClipRgn(&shape);
    dc->DrawBitmap(x, y, image, image.BoundsRect());
    dc->RestoreDC(saved);
}

} // namespace

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}

TCustomImageList::~TCustomImageList() {
    for (TChangeLink* link : FLinks) link->SetSender(nullptr);
}

// --- properties ------------------------------------------------------------------------------

void TCustomImageList::SetSize(int width, int height) {
    if (width <= 0 || height <= 0) throw EInvalidOperation(SInvalidImageSize);
    if (width == FWidth && height == FHeight) return;
    FWidth = width;
    FHeight = height;
    FImages.clear();
    Change();
}

void TCustomImageList::SetWidth(int width) {
    SetSize(width, FHeight);
}

void TCustomImageList::SetHeight(int height) {
    SetSize(FWidth, height);
}

void TCustomImageList::SetBkColor(TColor color) {
    if (FBkColor == color) return;
    FBkColor = color;
    Change();
}

TColor TCustomImageList::BackgroundColor() const {
    return FBkColor == clNone ? clKeyColor : ColorToRGB(FBkColor);
}

// --- adding and removing ---------------------------------------------------------------------

int TCustomImageList::AddPieces(const Bitmap& strip, const Bitmap& stripMask) {
    if (strip.Empty()) return -1;
    const int first = Count();
    const int pieces = (strip.Width() + FWidth - 1) / FWidth;
    for (int piece = 0; piece < pieces; ++piece) {
        const TRect part = Bounds(piece * FWidth, 0, FWidth, FHeight);
        TImageEntry entry{Bitmap(FWidth, FHeight), Bitmap(FWidth, FHeight)};
        entry.Image.CopyRect(0, 0, strip, part);
        entry.Mask.Fill(MaskHidden);
        entry.Mask.CopyRect(0, 0, stripMask, part);
        FImages.push_back(std::move(entry));
    }
    Change();
    return first;
}

int TCustomImageList::Add(const TBitmap* image, const TBitmap* mask) {
    if (!image || image->Empty()) return -1;
    const Bitmap& strip = image->Image();
    Bitmap stripMask(strip.Width(), strip.Height());
    stripMask.Fill(MaskShown);
    if (mask && !mask->Empty()) stripMask.CopyRect(0, 0, MaskOf(mask->Image(), MaskHidden), mask->Image().BoundsRect());
    return AddPieces(strip, stripMask);
}

int TCustomImageList::AddMasked(const TBitmap* image, TColor maskColor) {
    if (!image || image->Empty()) return -1;
    const Bitmap& strip = image->Image();
    const TColor key = maskColor == clDefault ? strip.Pixel(0, strip.Height() - 1) : ColorToRGB(maskColor);
    return AddPieces(strip, MaskOf(strip, key));
}

void TCustomImageList::Clear() {
    if (FImages.empty()) return;
    FImages.clear();
    Change();
}

void TCustomImageList::Delete(int index) {
    if (!Valid(index)) throw EInvalidOperation(Format(SImageIndexError, {index}));
    FImages.erase(FImages.begin() + index);
    Change();
}

// --- drawing ---------------------------------------------------------------------------------

void TCustomImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
    if (!Valid(index)) return;
    const TImageEntry& entry = FImages[static_cast<std::size_t>(index)];
    HDC dc = canvas.Handle();
    if (FBkColor != clNone) dc->FillRect(Bounds(x, y, FWidth, FHeight), ColorToRGB(FBkColor));
    Region shape = Region::FromBitmapExceptKey(entry.Mask, MaskHidden, x, y);
    if (enabled) {
        DrawThrough(dc, std::move(shape), x, y, entry.Image);
        return;
    }
    // The plain disabled look: a light silhouette one pixel down and right under a shadow one.
    Region light = shape;
    dc->FillRegion(light.Offset(1, 1), ColorToRGB(clBtnHighlight));
    dc->FillRegion(shape, ColorToRGB(clBtnShadow));
}

bool TCustomImageList::GetBitmap(int index, TBitmap* image) const {
    if (!Valid(index) || !image) return false;
    const TImageEntry& entry = FImages[static_cast<std::size_t>(index)];
    Bitmap picture = entry.Image;
    const TColor background = BackgroundColor();
    const auto r = static_cast<std::uint8_t>(GetRValue(background));
    const auto g = static_cast<std::uint8_t>(GetGValue(background));
    const auto b = static_cast<std::uint8_t>(GetBValue(background));
    for (int y = 0; y < FHeight; ++y) {
        std::uint8_t* d = picture.ScanLine(y);
        const std::uint8_t* m = entry.Mask.ScanLine(y);
        for (int x = 0; x < FWidth; ++x, d += 3, m += 3) {
            if (m[0] == 0) continue;
            d[0] = b;
            d[1] = g;
            d[2] = r;
        }
    }
    image->SetImage(std::move(picture));
    return true;
}

// --- change links ----------------------------------------------------------------------------

void TCustomImageList::RegisterChanges(TChangeLink* link) {
    if (!link || std::find(FLinks.begin(), FLinks.end(), link) != FLinks.end()) return;
    if (link->Sender() && link->Sender() != this) link->Sender()->UnRegisterChanges(link);
    link->SetSender(this);
    FLinks.push_back(link);
}

void TCustomImageList::UnRegisterChanges(TChangeLink* link) {
    const auto it = std::find(FLinks.begin(), FLinks.end(), link);
    if (it == FLinks.end()) return;
    (*it)->SetSender(nullptr);
    FLinks.erase(it);
}

void TCustomImageList::Change() {
    if (OnChange) OnChange(this);
    // A link's handler may unregister links; walk a copy and skip those that went.
    const std::vector<TChangeLink*> links = FLinks;
    for (TChangeLink* link : links)
        if (std::find(FLinks.begin(), FLinks.end(), link) != FLinks.end()) link->Change();
}
