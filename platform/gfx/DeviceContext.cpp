// Device context state (origin, clips, saved levels, colours) and the non-text drawing calls.
#include "platform/gfx/DeviceContext.h"

#include "platform/gfx/GradientPainter.h"
#include "platform/gfx/ImageScaler.h"
#include "platform/gfx/ShapeRasterizer.h"
#include "platform/gfx/SpanTarget.h"

#include <cmath>
#include <utility>

namespace {

// Stands for "no limit" where a clip operation needs a region to start from.
constexpr TRect kEverything{-(1 << 28), -(1 << 28), 1 << 28, 1 << 28};

} // namespace

DeviceContext::DeviceContext(Bitmap* target) : FTarget(target) {}

void DeviceContext::SelectBitmap(Bitmap* target) {
    FTarget = target;
    FSystemClip.reset();
    FState.Origin = {};
    FState.Clip.reset();
    FSaved.clear();
    ClipChanged();
}

TPoint DeviceContext::SetViewportOrg(int x, int y) { return std::exchange(FState.Origin, TPoint{x, y}); }

TPoint DeviceContext::OffsetViewportOrg(int dx, int dy) {
    return SetViewportOrg(FState.Origin.X + dx, FState.Origin.Y + dy);
}

void DeviceContext::SetSystemClip(std::optional<Region> deviceRegion) {
    FSystemClip = std::move(deviceRegion);
    ClipChanged();
}

Region DeviceContext::CallerClipOrAll() const { return FState.Clip ? *FState.Clip : Region(kEverything); }

int DeviceContext::SelectClipRgn(const Region* logicalRegion) {
    if (logicalRegion == nullptr) {
        FState.Clip.reset();
    } else {
        Region device = *logicalRegion;
        FState.Clip = std::move(device.Offset(FState.Origin.X, FState.Origin.Y));
    }
    ClipChanged();
    return ClipKind();
}

int DeviceContext::IntersectClipRect(const TRect& logicalRect) {
    FState.Clip = Region::Combine(CallerClipOrAll(), Region(ToDevice(logicalRect)), RGN_AND);
    ClipChanged();
    return ClipKind();
}

int DeviceContext::ExcludeClipRect(const TRect& logicalRect) {
    FState.Clip = Region::Combine(CallerClipOrAll(), Region(ToDevice(logicalRect)), RGN_DIFF);
    ClipChanged();
    return ClipKind();
}

const Region& DeviceContext::Effective() const {
    if (!FEffectiveValid) {
        FEffective = FTarget ? Region(FTarget->BoundsRect()) : Region();
        if (FSystemClip) FEffective.Intersect(*FSystemClip);
        if (FState.Clip) FEffective.Intersect(*FState.Clip);
        FEffectiveValid = true;
    }
    return FEffective;
}

Region DeviceContext::EffectiveClip() const { return Effective(); }

int DeviceContext::GetClipBox(TRect* logicalBox) const {
    const Region& clip = Effective();
    if (logicalBox) *logicalBox = clip.IsEmpty() ? TRect{} : clip.BoundingBox().Offset(-FState.Origin.X, -FState.Origin.Y);
    return clip.Kind();
}

bool DeviceContext::PtVisible(int x, int y) const { return Effective().Contains(ToDevice(TPoint{x, y})); }

int DeviceContext::SaveDC() {
    FSaved.push_back(FState);
    return static_cast<int>(FSaved.size());
}

bool DeviceContext::RestoreDC(int savedLevel) {
    const int count = static_cast<int>(FSaved.size());
    const int level = savedLevel < 0 ? count + 1 + savedLevel : savedLevel;
    if (savedLevel == 0 || level < 1 || level > count) return false;
    FState = std::move(FSaved[static_cast<std::size_t>(level - 1)]);
    FSaved.resize(static_cast<std::size_t>(level - 1));
    ClipChanged();
    return true;
}

const Font* DeviceContext::SelectFont(const Font* font) { return std::exchange(FState.TextFont, font); }
TColor DeviceContext::SetTextColor(TColor color) { return std::exchange(FState.TextColor, color); }
TColor DeviceContext::SetBkColor(TColor color) { return std::exchange(FState.BkColor, color); }

int DeviceContext::SetBkMode(int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE) return 0;
    return std::exchange(FState.BkMode, mode);
}

void DeviceContext::FillRect(const TRect& rect, TColor color) {
    if (!FTarget || color == clNone) return;
    const TRect device = ToDevice(rect).Intersect(FTarget->BoundsRect());
    SpanTarget(*FTarget, Effective()).FillRect(device, ColorToRGB(color));
}

void DeviceContext::FrameRect(const TRect& rect, TColor color, int width) {
    if (rect.IsEmpty() || width <= 0) return;
    const int w = std::min(width, (rect.Width() + 1) / 2);
    const int h = std::min(width, (rect.Height() + 1) / 2);
    FillRect({rect.Left, rect.Top, rect.Right, rect.Top + h}, color);
    FillRect({rect.Left, rect.Bottom - h, rect.Right, rect.Bottom}, color);
    FillRect({rect.Left, rect.Top + h, rect.Left + w, rect.Bottom - h}, color);
    FillRect({rect.Right - w, rect.Top + h, rect.Right, rect.Bottom - h}, color);
}

void DeviceContext::SetPixel(int x, int y, TColor color) {
    if (!FTarget || color == clNone) return;
    const TPoint p = ToDevice(TPoint{x, y});
    SpanTarget(*FTarget, Effective()).SetPixel(p.X, p.Y, ColorToRGB(color));
}

TColor DeviceContext::GetPixel(int x, int y) const {
    const TPoint p = ToDevice(TPoint{x, y});
    if (!FTarget || !FTarget->BoundsRect().Contains(p)) return clNone;
    return FTarget->Pixel(p.X, p.Y);
}

void DeviceContext::Line(int x1, int y1, int x2, int y2, TColor color, int width) {
    if (!FTarget || color == clNone) return;
    const TPoint a = ToDevice(TPoint{x1, y1});
    const TPoint b = ToDevice(TPoint{x2, y2});
    const SpanTarget target(*FTarget, Effective());
    const TColor rgb = ColorToRGB(color);
    if (width <= 1) {
        ShapeRasterizer::Line(a.X, a.Y, b.X, b.Y, [&](int x, int y) { target.SetPixel(x, y, rgb); });
        return;
    }
    ShapeRasterizer::WideLine(a.X, a.Y, b.X, b.Y, width, [&](int y, int l, int r) { target.FillSpan(y, l, r, rgb); });
}

void DeviceContext::FillRows(const std::vector<TSpan>& rows, int top, TColor fill, TColor outline) {
    if (!FTarget) return;
    const SpanTarget target(*FTarget, Effective());
    const bool hasFill = fill != clNone;
    const bool hasOutline = outline != clNone;
    const TColor fillRgb = ColorToRGB(fill);
    const TColor outlineRgb = hasOutline ? ColorToRGB(outline) : fillRgb;
    const SpanSink inside = [&](int y, int l, int r) {
        if (hasFill) target.FillSpan(y, l, r, fillRgb);
    };
    const SpanSink edge = [&](int y, int l, int r) {
        if (hasOutline || hasFill) target.FillSpan(y, l, r, outlineRgb);
    };
    ShapeRasterizer::SplitOutline(rows, top, inside, edge);
}

void DeviceContext::Ellipse(const TRect& rect, TColor fill, TColor outline) {
    const TRect device = ToDevice(rect);
    FillRows(ShapeRasterizer::EllipseRows(device), device.Top, fill, outline);
}

void DeviceContext::RoundRect(const TRect& rect, int ellipseWidth, int ellipseHeight, TColor fill, TColor outline) {
    const TRect device = ToDevice(rect);
    FillRows(ShapeRasterizer::RoundRectRows(device, ellipseWidth, ellipseHeight), device.Top, fill, outline);
}

void DeviceContext::Polygon(const std::vector<TPoint>& points, TColor fill, TColor outline) {
    if (!FTarget || points.empty()) return;
    const SpanTarget target(*FTarget, Effective());
    if (fill != clNone) {
        std::vector<TPointF> device;
        device.reserve(points.size());
        for (const TPoint& p : points) device.push_back({double(p.X + FState.Origin.X), double(p.Y + FState.Origin.Y)});
        const TColor rgb = ColorToRGB(fill);
        ShapeRasterizer::Polygon(device, [&](int y, int l, int r) { target.FillSpan(y, l, r, rgb); });
    }
    if (outline != clNone) {
        for (std::size_t i = 0; i < points.size(); ++i) {
            const TPoint& p = points[i];
            const TPoint& q = points[(i + 1) % points.size()];
            Line(p.X, p.Y, q.X, q.Y, outline);
        }
        if (points.size() == 1) SetPixel(points[0].X, points[0].Y, outline);
    }
}

void DeviceContext::FillRegion(const Region& logicalRegion, TColor color) {
    if (!FTarget || color == clNone) return;
    const SpanTarget target(*FTarget, Effective());
    const TColor rgb = ColorToRGB(color);
    for (const TRect& r : logicalRegion.Rects()) {
        const TRect device = ToDevice(r).Intersect(FTarget->BoundsRect());
        target.FillRect(device, rgb);
    }
}

void DeviceContext::InvertRect(const TRect& rect) {
    if (!FTarget) return;
    const TRect device = ToDevice(rect).Intersect(FTarget->BoundsRect());
    const SpanTarget target(*FTarget, Effective());
    for (int y = device.Top; y < device.Bottom; ++y) target.InvertSpan(y, device.Left, device.Right);
}

void DeviceContext::DrawFocusRect(const TRect& rect) {
    if (!FTarget || rect.IsEmpty()) return;
    const TRect d = ToDevice(rect);
    const SpanTarget target(*FTarget, Effective());
    // Every other pixel by device position, so adjoining edges keep one rhythm.
    const auto dot = [&](int x, int y) {
        if (((x + y) & 1) == 0) target.InvertSpan(y, x, x + 1);
    };
    for (int x = d.Left; x < d.Right; ++x) {
        dot(x, d.Top);
        if (d.Bottom - 1 > d.Top) dot(x, d.Bottom - 1);
    }
    for (int y = d.Top + 1; y < d.Bottom - 1; ++y) {
        dot(d.Left, y);
        if (d.Right - 1 > d.Left) dot(d.Right - 1, y);
    }
}

bool DeviceContext::BitBlt(int x, int y, int width, int height, const DeviceContext& source, int sourceX, int sourceY) {
    if (!FTarget || !source.FTarget) return false;
    const TPoint s = source.ToDevice(TPoint{sourceX, sourceY});
    DrawBitmap(x, y, *source.FTarget, Bounds(s.X, s.Y, width, height));
    return true;
}

bool DeviceContext::StretchBlt(int x, int y, int width, int height, const DeviceContext& source, int sourceX,
                               int sourceY, int sourceWidth, int sourceHeight) {
    if (!FTarget || !source.FTarget) return false;
    const TPoint s = source.ToDevice(TPoint{sourceX, sourceY});
    StretchBitmap(Bounds(x, y, width, height), *source.FTarget, Bounds(s.X, s.Y, sourceWidth, sourceHeight));
    return true;
}

void DeviceContext::DrawBitmap(int x, int y, const Bitmap& source, const TRect& sourceRect) {
    // Parts of the source rectangle outside the source bitmap copy nothing.
    const TRect inside = sourceRect.Intersect(source.BoundsRect());
    if (inside.IsEmpty()) return;
    const TRect destination = Bounds(x + inside.Left - sourceRect.Left, y + inside.Top - sourceRect.Top,
                                     inside.Width(), inside.Height());
    TransferBitmap(ToDevice(destination), source, inside);
}

void DeviceContext::TransferBitmap(const TRect& destination, const Bitmap& source, const TRect& sourceRect) {
    if (!FTarget) return;
    const SpanTarget target(*FTarget, Effective());
    if (&source == FTarget) {
        // Copying within one bitmap: take the pixels first so overlapping rows are not reread.
        Bitmap copy(sourceRect.Width(), sourceRect.Height(), source.Format());
        const Region all(copy.BoundsRect());
        SpanTarget(copy, all).Copy(0, 0, copy.Width(), copy.Height(), source, sourceRect.Left, sourceRect.Top);
        target.Copy(destination.Left, destination.Top, copy.Width(), copy.Height(), copy, 0, 0);
        return;
    }
    target.Copy(destination.Left, destination.Top, sourceRect.Width(), sourceRect.Height(), source, sourceRect.Left,
                sourceRect.Top);
}

void DeviceContext::StretchBitmap(const TRect& destination, const Bitmap& source, const TRect& sourceRect) {
    if (!FTarget || destination.IsEmpty() || sourceRect.IsEmpty()) return;
    const TRect inside = sourceRect.Intersect(source.BoundsRect());
    if (inside != sourceRect) {
        // Only the part of the source that exists is stretched, onto its share of the destination.
        if (inside.IsEmpty()) return;
        const double sx = double(destination.Width()) / sourceRect.Width();
        const double sy = double(destination.Height()) / sourceRect.Height();
        const TRect part{destination.Left + int(std::lround((inside.Left - sourceRect.Left) * sx)),
                         destination.Top + int(std::lround((inside.Top - sourceRect.Top) * sy)),
                         destination.Left + int(std::lround((inside.Right - sourceRect.Left) * sx)),
                         destination.Top + int(std::lround((inside.Bottom - sourceRect.Top) * sy))};
        StretchBitmap(part, source, inside);
        return;
    }
    const TRect device = ToDevice(destination);
    if (device.Size() == sourceRect.Size()) {
        TransferBitmap(device, source, sourceRect);
        return;
    }
    const TRect visible = device.Intersect(Effective().BoundingBox());
    if (visible.IsEmpty()) return;
    const Bitmap scaled = ImageScaler::Scale(source, sourceRect, device.Width(), device.Height(),
                                             visible.Offset(-device.Left, -device.Top));
    SpanTarget(*FTarget, Effective()).Copy(visible.Left, visible.Top, scaled.Width(), scaled.Height(), scaled, 0, 0);
}

void DeviceContext::GradientFillRect(const TRect& rect, TColor c1, TColor c2, bool vertical) {
    if (!FTarget || rect.IsEmpty()) return;
    GradientPainter::Rect(SpanTarget(*FTarget, Effective()), ToDevice(rect), ColorToRGB(c1), ColorToRGB(c2), vertical);
}

void DeviceContext::GradientFillTriangle(const TGradientVertex& a, const TGradientVertex& b, const TGradientVertex& c) {
    if (!FTarget) return;
    const TPoint o = FState.Origin;
    const TPointF corner[3] = {{double(a.X + o.X), double(a.Y + o.Y)},
                               {double(b.X + o.X), double(b.Y + o.Y)},
                               {double(c.X + o.X), double(c.Y + o.Y)}};
    const TColor color[3] = {ColorToRGB(a.Color), ColorToRGB(b.Color), ColorToRGB(c.Color)};
    GradientPainter::Triangle(SpanTarget(*FTarget, Effective()), corner, color);
}
