// Vertical, horizontal and four-corner gradients.
#include "skin/paint/FillGradient.h"

#include "skin/paint/PixelMath.h"

#include "platform/gfx/DeviceContext.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

using namespace PixelMath;

namespace {

// The running colour of a band in single precision with double-precision steps, written rounded.
class TRamp {
public:
    TRamp(TColor from, TColor to, int steps)
        : FValue{float(GetBValue(from)), float(GetGValue(from)), float(GetRValue(from))},
          FStep{double(GetBValue(to) - GetBValue(from)) / steps,
                double(GetGValue(to) - GetGValue(from)) / steps,
                double(GetRValue(to) - GetRValue(from)) / steps} {}

    void Store(std::uint8_t* p) const {
        for (int c = 0; c < 3; ++c) p[c] = Clamp255(RoundToInt(FValue[c]));
    }
    void Advance() {
        for (int c = 0; c < 3; ++c) FValue[c] = static_cast<float>(FValue[c] + FStep[c]);
    }

private:
    std::array<float, 3> FValue;
    std::array<double, 3> FStep;
};

void FillRow(Bitmap& bitmap, int y, int left, int right, const TRamp& ramp) {
    std::uint8_t* p = bitmap.PixelAddress(left, y);
    const int bpp = bitmap.BytesPerPixel();
    ramp.Store(p);
    for (int x = left + 1; x <= right; ++x) std::memcpy(p + (x - left) * bpp, p, 3);
}

void Vertical(Bitmap& bitmap, const TRect& r, const TsGradArray& g, int offset) {
    const int lastRow = std::min(r.Bottom, bitmap.Height()) - 1;
    const int right = std::min(r.Left + r.Width(), bitmap.Width()) - 1;
    int y = offset + r.Top;
    for (std::size_t i = 0; i < g.size(); ++i) {
        const int s = y;
        int e = g[i].Percent * (offset + r.Height()) / 100 + s;
        e = i + 1 == g.size() ? lastRow : std::min(e, lastRow);
        if (e - s > 0) {
            TRamp ramp(ColorToRGB(g[i].Color1), ColorToRGB(g[i].Color2), e - s);
            for (int row = s; row <= e; ++row, ramp.Advance())
                if (row >= r.Top) FillRow(bitmap, row, r.Left, right, ramp);
        }
        y = e;
    }
}

void Horizontal(Bitmap& bitmap, const TRect& r, const TsGradArray& g) {
    const int lastColumn = std::min(r.Right, bitmap.Width()) - 1;
    std::vector<std::uint8_t> row(static_cast<std::size_t>(std::max(lastColumn + 1, 0)) * 3);
    int x = r.Left;
    int filledTo = r.Left - 1; // the steps fill one run from the left edge
    for (std::size_t i = 0; i < g.size(); ++i) {
        const int j = x;
        x = RoundToInt(g[i].Percent * r.Width() / 100.0 + j);
        x = i + 1 == g.size() ? lastColumn : std::min(x, lastColumn);
        if (x - j <= 0) continue;
        TRamp ramp(ColorToRGB(g[i].Color1), ColorToRGB(g[i].Color2), x - j);
        for (int c = j; c <= x; ++c, ramp.Advance()) ramp.Store(row.data() + 3 * c);
        filledTo = x;
    }
    const int bpp = bitmap.BytesPerPixel();
    for (int y = r.Top; y < r.Bottom; ++y) {
        std::uint8_t* p = bitmap.PixelAddress(r.Left, y);
        for (int c = r.Left; c <= filledTo; ++c, p += bpp) std::memcpy(p, row.data() + 3 * c, 3);
    }
}

void FourCorners(Bitmap& bitmap, const TRect& r, const TsGradArray& g) {
    std::array<TColor, 5> colour{};
    for (std::size_t i = 0; i < colour.size(); ++i)
        colour[i] = i < g.size() ? ColorToRGB(g[i].Color1) : (i == 0 ? clBlack : colour[i - 1]);
    const TGradientVertex topLeft{r.Left, r.Top, colour[0]};
    const TGradientVertex centre{r.Left + r.Width() / 2, r.Top + r.Height() / 2, colour[1]};
    const TGradientVertex topRight{r.Right, r.Top, colour[2]};
    const TGradientVertex bottomRight{r.Right, r.Bottom, colour[3]};
    const TGradientVertex bottomLeft{r.Left, r.Bottom, colour[4]};
    DeviceContext dc(&bitmap);
    dc.GradientFillTriangle(topLeft, centre, topRight);
    dc.GradientFillTriangle(centre, topRight, bottomRight);
    dc.GradientFillTriangle(topLeft, centre, bottomLeft);
    dc.GradientFillTriangle(bottomLeft, centre, bottomRight);
}

} // namespace

bool GradientDraws(const TsGradArray& gradient) {
    return !gradient.empty() && gradient[0].Mode >= 0 && gradient[0].Mode <= 2;
}

void FillGradient(Bitmap& bitmap, TRect rect, const TsGradArray& gradient, int offset) {
    rect.Left = std::max(rect.Left, 0);
    rect.Top = std::max(rect.Top, 0);
    rect.Right = std::min(rect.Right, bitmap.Width());
    rect.Bottom = std::min(rect.Bottom, bitmap.Height());
    if (rect.IsEmpty() || !GradientDraws(gradient)) return;
    switch (gradient[0].Mode) {
    case 0:
        return Vertical(bitmap, rect, gradient, offset);
    case 1:
        return Horizontal(bitmap, rect, gradient);
    default:
        return FourCorners(bitmap, rect, gradient);
    }
}
