// Hint backgrounds.
#include "skin/hints/TacHintBackground.h"

#include "framework/TCanvas.h"
#include "framework/TGraphic.h"

#include "platform/gfx/DeviceContext.h"

#include <algorithm>
#include <cmath>

namespace {
struct TChannels {
    float R = 0, G = 0, B = 0;
};
struct TSteps {
    double R = 0, G = 0, B = 0;
};

TChannels ChannelsOf(TColor c) {
    const TColor rgb = ColorToRGB(c);
    return {float(rgb & 0xFF), float((rgb >> 8) & 0xFF), float((rgb >> 16) & 0xFF)};
}

TSteps StepsBetween(TColor from, TColor to, int count) {
    const TChannels a = ChannelsOf(from), b = ChannelsOf(to);
    return {(b.R - a.R) / double(count), (b.G - a.G) / double(count), (b.B - a.B) / double(count)};
}

void Advance(TChannels& c, const TSteps& s) {
    c.R = float(c.R + s.R);
    c.G = float(c.G + s.G);
    c.B = float(c.B + s.B);
}

std::uint8_t Byte(float v) {
    return static_cast<std::uint8_t>(std::clamp(static_cast<int>(std::nearbyint(v)), 0, 255));
}

void Put(std::uint8_t* p, const TChannels& c) {
    p[0] = Byte(c.B);
    p[1] = Byte(c.G);
    p[2] = Byte(c.R);
}

TRect Clipped(const Bitmap& bitmap, const TRect& rect) {
    return {std::max(0, rect.Left), std::max(0, rect.Top), std::min(rect.Right, bitmap.Width()),
            std::min(rect.Bottom, bitmap.Height())};
}

void FillRect(Bitmap& bitmap, const TRect& rect, TColor color) {
    DeviceContext dc(&bitmap);
    dc.FillRect(rect, color);
}
} // namespace

void TacHintBackground::FillGradient(Bitmap& bitmap, const TRect& rect, const TsGradArray& gradient) {
    if (gradient.empty()) return;
    switch (gradient.front().Mode) {
    case 0: FillVertical(bitmap, rect, gradient); break;
    case 1: FillHorizontal(bitmap, rect, gradient); break;
    case 2: FillFourCorners(bitmap, rect, gradient); break;
    default: break;
    }
}

// Each step starts on the last row of the one before and paints it again in its own first colour.
void TacHintBackground::FillVertical(Bitmap& bitmap, const TRect& rect, const TsGradArray& gradient) {
    const TRect r = Clipped(bitmap, rect);
    const int lastRow = r.Bottom - 1;
    int y = r.Top;
    for (std::size_t i = 0; i < gradient.size(); ++i) {
        const TsGradStep& step = gradient[i];
        const int s = y;
        int e = step.Percent * rect.Height() / 100 + s;
        e = i + 1 == gradient.size() ? lastRow : std::min(e, lastRow);
        if (e - s > 0) {
            TChannels c = ChannelsOf(step.Color1);
            const TSteps inc = StepsBetween(step.Color1, step.Color2, e - s);
            for (int row = s; row <= e; ++row, Advance(c, inc)) {
                std::uint8_t* p = bitmap.ScanLine(row);
                for (int x = r.Left; x < r.Right; ++x) Put(p + x * bitmap.BytesPerPixel(), c);
            }
        }
        y = e;
    }
}

void TacHintBackground::FillHorizontal(Bitmap& bitmap, const TRect& rect, const TsGradArray& gradient) {
    const TRect r = Clipped(bitmap, rect);
    const int lastColumn = r.Right - 1;
    for (int row = r.Top; row < r.Bottom; ++row) {
        std::uint8_t* p = bitmap.ScanLine(row);
        int x = r.Left;
        for (std::size_t i = 0; i < gradient.size(); ++i) {
            const TsGradStep& step = gradient[i];
            const int j = x;
            x = static_cast<int>(std::nearbyint(step.Percent * rect.Width() / 100.0 + j));
            x = i + 1 == gradient.size() ? lastColumn : std::min(x, lastColumn);
            if (x - j <= 0) continue;
            TChannels c = ChannelsOf(step.Color1);
            const TSteps inc = StepsBetween(step.Color1, step.Color2, x - j);
            for (int col = j; col <= x; ++col, Advance(c, inc)) Put(p + col * bitmap.BytesPerPixel(), c);
        }
    }
}

// Corners and centre take the first colours of steps 0..4; a missing step repeats the one before.
void TacHintBackground::FillFourCorners(Bitmap& bitmap, const TRect& rect, const TsGradArray& gradient) {
    const TPoint at[5] = {{rect.Left, rect.Top},
                          {rect.Left + rect.Width() / 2, rect.Top + rect.Height() / 2},
                          {rect.Right, rect.Top},
                          {rect.Right, rect.Bottom},
                          {rect.Left, rect.Bottom}};
    TGradientVertex v[5];
    for (std::size_t i = 0; i < 5; ++i) {
        const TColor color = i < gradient.size() ? gradient[i].Color1 : v[i - 1].Color;
        v[i] = {at[i].X, at[i].Y, color};
    }
    DeviceContext dc(&bitmap);
    dc.GradientFillTriangle(v[0], v[1], v[2]);
    dc.GradientFillTriangle(v[1], v[2], v[3]);
    dc.GradientFillTriangle(v[0], v[1], v[4]);
    dc.GradientFillTriangle(v[4], v[1], v[3]);
}

void TacHintBackground::GradientOrColor(Bitmap& bitmap, const TRect& rect, const TsGradArray& gradient, TColor color) {
    if (gradient.empty())
        FillRect(bitmap, rect, color);
    else
        FillGradient(bitmap, rect, gradient);
}

void TacHintBackground::Paint(TsHintKind& kind, Bitmap& bitmap, const TRect& rect) {
    TsGradArray gradient;
    if (kind.GradientPercent() > 0) {
        gradient = ParseGradientData(kind.GradientData());
        if (gradient.empty()) kind.SetGradientPercent(0);
    }
    const bool textured = kind.TexturePercent() >= 1;
    if (textured)
        TileTexture(kind, bitmap, rect);
    else
        FillRect(bitmap, rect, kind.Color());
    if (kind.GradientPercent() > 0) {
        if (textured) {
            Bitmap layer(std::max(1, rect.Width()), std::max(1, rect.Height()));
            GradientOrColor(layer, layer.BoundsRect(), gradient, kind.Color());
            BlendOver(bitmap, rect, layer, std::min(255, kind.TexturePercent() * 256 / 100));
        } else {
            GradientOrColor(bitmap, rect, gradient, kind.Color());
        }
    }
    const int share = kind.GradientPercent() + kind.TexturePercent();
    if (share >= 1 && share <= 99)
        BlendColor(bitmap, rect, share, kind.Color());
    else if (share != 100)
        FillRect(bitmap, rect, kind.Color());
}

void TacHintBackground::TileTexture(TsHintKind& kind, Bitmap& bitmap, const TRect& rect) {
    const TGraphic* tile = kind.Texture()->Graphic();
    if (!tile || tile->Empty()) {
        FillRect(bitmap, rect, kind.Color());
        return;
    }
    DeviceContext dc(&bitmap);
    dc.IntersectClipRect(rect);
    TCanvas canvas(&dc);
    for (int y = rect.Top; y < rect.Bottom; y += tile->Height())
        for (int x = rect.Left; x < rect.Right; x += tile->Width())
            tile->Draw(canvas, {x, y, x + tile->Width(), y + tile->Height()});
}

void TacHintBackground::BlendColor(Bitmap& bitmap, const TRect& rect, int percent, TColor color) {
    const TRect r = Clipped(bitmap, rect);
    const TColor rgb = ColorToRGB(color);
    const double keep = percent / 100.0;
    const double add[3] = {(1 - keep) * ((rgb >> 16) & 0xFF), (1 - keep) * ((rgb >> 8) & 0xFF), (1 - keep) * (rgb & 0xFF)};
    for (int y = r.Top; y < r.Bottom; ++y) {
        std::uint8_t* p = bitmap.ScanLine(y) + r.Left * bitmap.BytesPerPixel();
        for (int x = r.Left; x < r.Right; ++x, p += bitmap.BytesPerPixel())
            for (int i = 0; i < 3; ++i) p[i] = static_cast<std::uint8_t>(std::nearbyint(keep * p[i] + add[i]));
    }
}

void TacHintBackground::BlendOver(Bitmap& bitmap, const TRect& rect, const Bitmap& source, int alpha) {
    const TRect r = Clipped(bitmap, rect);
    for (int y = r.Top; y < r.Bottom && y - rect.Top < source.Height(); ++y) {
        std::uint8_t* d = bitmap.ScanLine(y) + r.Left * bitmap.BytesPerPixel();
        const std::uint8_t* s = source.ScanLine(y - rect.Top) + (r.Left - rect.Left) * source.BytesPerPixel();
        const int count = std::min(r.Width(), source.Width() - (r.Left - rect.Left)) * 3;
        for (int i = 0; i < count; ++i) d[i] = static_cast<std::uint8_t>((d[i] * alpha + s[i] * (255 - alpha) + 127) / 256);
    }
}
