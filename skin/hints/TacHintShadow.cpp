// Hint shadows.
#include "skin/hints/TacHintShadow.h"

#include "platform/gfx/DeviceContext.h"

#include <algorithm>
#include <cmath>

namespace {
TColor Grey(int level) {
    return RGB(level, level, level);
}
} // namespace

int TacHintShadow::Transparency(const TsHintKind& kind) {
    const double t = std::max(0, kind.Transparency());
    const int shadow = kind.ShadowTransparency();
    return static_cast<int>(std::nearbyint((100 - shadow) * (t / 100) + shadow));
}

int TacHintShadow::Darkest(const TsHintKind& kind, int scale) {
    return Transparency(kind) * scale / 100;
}

void TacHintShadow::PaintShaped(Bitmap& work, const TacHintShape& shape, int offset, int blur, int darkest) {
    Bitmap grey(work.Width(), work.Height());
    grey.Fill(kUntouched);
    DeviceContext dc(&grey);
    const int a = std::min(255, darkest);
    for (int e = 0; e <= blur; ++e) {
        const double lighter = (blur - e) * (255.0 - a) / (blur + 1);
        const int level = std::min(255, a + static_cast<int>(std::nearbyint(lighter)));
        shape.Fill(dc, {offset, offset}, e, Grey(level));
    }
    DarkenUnder(work, grey);
}

void TacHintShadow::PaintRectangle(Bitmap& work, int offset, int blur, int darkest) {
    Bitmap grey(work.Width(), work.Height());
    grey.Fill(kUntouched);
    DeviceContext dc(&grey);
    TRect r{offset, offset, work.Width(), work.Height()};
    const int n = std::max(0, std::min({blur, r.Width() / 2, r.Height() / 2}));
    const double step = (255.0 - darkest) / (n + 1);
    for (int i = 0; i <= n; ++i, r = r.Inflate(-1, -1)) {
        const int level = i == n ? darkest : static_cast<int>(std::nearbyint(255 - i * step));
        dc.FillRect(r, Grey(std::clamp(level, 0, 255)));
    }
    DarkenUnder(work, grey);
}

void TacHintShadow::DarkenUnder(Bitmap& work, const Bitmap& grey) {
    const int height = std::min(work.Height(), grey.Height());
    const int width = std::min(work.Width(), grey.Width());
    for (int y = 0; y < height; ++y) {
        std::uint8_t* w = work.ScanLine(y);
        const std::uint8_t* g = grey.ScanLine(y);
        for (int x = 0; x < width; ++x, w += 3, g += 3) {
            if (g[0] != g[1]) continue; // the marker: its blue and green differ, no grey's do
            for (int i = 0; i < 3; ++i) w[i] = static_cast<std::uint8_t>(w[i] * g[0] / 256);
        }
    }
}
