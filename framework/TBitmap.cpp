// Bitmap pictures: sizing, rows, the canvas, transparency, BMP loading and saving, drawing.
#include "framework/TBitmap.h"

#include "framework/Consts.h"
#include "framework/Exception.h"
#include "framework/TCanvas.h"
#include "framework/TJPEGImage.h"
#include "framework/TStream.h"

#include "platform/gfx/ImageFiles.h"
#include "platform/gfx/Region.h"

#include <algorithm>
#include <cstring>

namespace {

// A bitmap of more pixels than this is refused rather than allocated.
constexpr std::int64_t MaxPixels = std::int64_t{1} << 28;

// Nearest-neighbour scaling keeps every pixel an exact source colour, so the transparent colour
// still marks exactly the transparent pixels after stretching.
::Bitmap NearestScaled(const ::Bitmap& source, int width, int height) {
    ::Bitmap out(width, height, source.Format());
    const int bpp = source.BytesPerPixel();
    for (int y = 0; y < out.Height(); ++y) {
        const std::uint8_t* row = source.ScanLine(static_cast<int>(static_cast<std::int64_t>(y) * source.Height() / height));
        std::uint8_t* d = out.ScanLine(y);
        for (int x = 0; x < out.Width(); ++x, d += bpp)
            std::memcpy(d, row + static_cast<std::int64_t>(x) * source.Width() / width * bpp, static_cast<std::size_t>(bpp));
    }
    return out;
}

} // namespace

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height, TPixelFormat format) {
    FImage.SetFormat(format);
    SetSize(width, height);
}

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == FWidth && height == FHeight) return;
    if (static_cast<std::int64_t>(width) * height > MaxPixels) throw EOutOfResources("Out of system resources");
    FWidth = width;
    FHeight = height;
    FImage.Resize(width, height);
    ImageReplaced();
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
    if (format == FImage.Format()) return;
    FImage.SetFormat(format);
    ImageReplaced();
    Changed();
}

std::uint8_t* TBitmap::ScanLine(int y) {
    if (y < 0 || y >= FImage.Height()) throw EInvalidGraphicOperation(SScanLine);
    return FImage.ScanLine(y);
}

const std::uint8_t* TBitmap::ScanLine(int y) const {
    if (y < 0 || y >= FImage.Height()) throw EInvalidGraphicOperation(SScanLine);
    return FImage.ScanLine(y);
}

TCanvas* TBitmap::Canvas() {
    if (!FCanvas) {
        FCanvas = std::make_unique<TCanvas>();
        FCanvas->SetHandle(std::make_unique<DeviceContext>(&FImage));
        FCanvas->OnChange = [this](TObject*) { Changed(); };
    }
    return FCanvas.get();
}

// The pixel store was reallocated: the canvas's context starts afresh on it.
void TBitmap::ImageReplaced() {
    if (FCanvas) FCanvas->Handle()->SelectBitmap(&FImage);
}

TColor TBitmap::TransparentColor() const {
    if (FTransparentMode == tmFixed && FTransparentColor != clDefault) return FTransparentColor;
    if (Empty()) return clDefault;
    return FImage.Pixel(0, FImage.Height() - 1);
}

void TBitmap::SetTransparentColor(TColor color) {
    if (color == FTransparentColor) return;
    FTransparentMode = color == clDefault ? tmAuto : tmFixed;
    FTransparentColor = color;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode) {
    if (mode == FTransparentMode) return;
    SetTransparentColor(mode == tmAuto ? clDefault : TransparentColor());
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) const {
    if (Empty() || rect.IsEmpty()) return;
    if (Transparent()) {
        DrawTransparent(canvas, rect);
        return;
    }
    HDC dc = canvas.Handle();
    if (rect.Size() == FImage.Size())
        dc->DrawBitmap(rect.Left, rect.Top, FImage, FImage.BoundsRect());
    else
        dc->StretchBitmap(rect, FImage, FImage.BoundsRect());
}

// The picture is drawn through a clip made of its non-transparent pixels, intersected with
// whatever the canvas could already draw.
void TBitmap::DrawTransparent(TCanvas& canvas, const TRect& rect) const {
    ::Bitmap scaled;
    const ::Bitmap* source = &FImage;
    if (rect.Size() != FImage.Size()) {
        scaled = NearestScaled(FImage, rect.Width(), rect.Height());
        source = &scaled;
    }
    HDC dc = canvas.Handle();
    Region shape = Region::FromBitmapExceptKey(*source, ColorToRGB(TransparentColor()), rect.Left, rect.Top);
    Region drawable = dc->EffectiveClip();
    drawable.Offset(-dc->ViewportOrg().X, -dc->ViewportOrg().Y);
    shape.Intersect(drawable);
    const int saved = dc->SaveDC();
    dc->SelectClipRgn(&shape);
    dc->DrawBitmap(rect.Left, rect.Top, *source, source->BoundsRect());
    dc->RestoreDC(saved);
}

void TBitmap::LoadFromStream(TStream& stream) {
    const std::vector<std::uint8_t> data = stream.ReadRemaining();
    ::Bitmap image;
    if (!ReadBmp(data, image)) throw EInvalidGraphic(SInvalidBitmap);
    SetImage(std::move(image));
}

void TBitmap::SetImage(::Bitmap image) {
    FImage = std::move(image);
    FWidth = FImage.Width();
    FHeight = FImage.Height();
    ImageReplaced();
    Changed();
}

void TBitmap::SaveToStream(TStream& stream) const {
    const std::vector<std::uint8_t> data = EncodeBmp24(FImage);
    stream.WriteBuffer(data.data(), data.size());
}

std::unique_ptr<TGraphic> TBitmap::Clone() const {
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(this);
    return copy;
}

void TBitmap::Assign(const TPersistent* source) {
    if (source == this) return;
    if (!source) {
        FImage = ::Bitmap(0, 0, FImage.Format());
        FWidth = FHeight = 0;
    } else if (const auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
        FImage = bitmap->FImage;
        FWidth = bitmap->FWidth;
        FHeight = bitmap->FHeight;
        FTransparentColor = bitmap->FTransparentColor;
        FTransparentMode = bitmap->FTransparentMode;
        SetTransparent(bitmap->Transparent());
    } else if (const auto* jpeg = dynamic_cast<const TJPEGImage*>(source)) {
        FImage = jpeg->Empty() ? ::Bitmap() : jpeg->Decoded().FImage;
        FWidth = FImage.Width();
        FHeight = FImage.Height();
    } else {
        TGraphic::Assign(source);
        return;
    }
    ImageReplaced();
    Changed();
}
