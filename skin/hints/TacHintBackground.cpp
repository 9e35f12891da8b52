// Hint backgrounds.
#include "skin/hints/TacHintBackground.h"

#include "skin/paint/BitmapBlend.h"
#include "skin/paint/ColorBlend.h"
#include "skin/paint/FillGradient.h"
#include "skin/paint/PatternFill.h"
#include "skin/paint/WorkBitmap.h"

#include "framework/TCanvas.h"
#include "framework/TGraphic.h"

#include <algorithm>

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
        FillSolidRect(bitmap, rect, kind.Color());
    if (kind.GradientPercent() > 0) {
        if (textured)
            BlendGradientOverTexture(bitmap, rect, gradient, kind);
        else
            GradientOrColor(bitmap, rect, gradient, kind.Color());
    }
    const int share = kind.GradientPercent() + kind.TexturePercent();
    if (share >= 1 && share <= 99)
        BlendColorRect(bitmap, {rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1}, share, kind.Color());
    else if (share != 100)
        FillSolidRect(bitmap, rect, kind.Color());
}

void TacHintBackground::GradientOrColor(Bitmap& bitmap, const TRect& rect, const TsGradArray& gradient,
                                        TColor color) {
    if (gradient.empty())
        FillSolidRect(bitmap, rect, color);
    else
        FillGradient(bitmap, rect, gradient, 0);
}

void TacHintBackground::BlendGradientOverTexture(Bitmap& bitmap, const TRect& rect, const TsGradArray& gradient,
                                                 const TsHintKind& kind) {
    Bitmap layer = CreateWorkBitmap(std::max(1, rect.Width()), std::max(1, rect.Height()));
    GradientOrColor(layer, layer.BoundsRect(), gradient, kind.Color());
    const int keep = std::min(255, kind.TexturePercent() * 256 / 100);
    BlendBitmapAt(bitmap, layer, static_cast<TColor>(keep), rect.TopLeft(), layer.BoundsRect());
}

// The picture (a bitmap or a JPEG) is turned into pixels once and laid as tiles.
void TacHintBackground::TileTexture(const TsHintKind& kind, Bitmap& bitmap, const TRect& rect) {
    const TGraphic* tile = kind.Texture()->Graphic();
    if (!tile || tile->Empty()) {
        FillSolidRect(bitmap, rect, kind.Color());
        return;
    }
    Bitmap pixels = CreateWorkBitmap(tile->Width(), tile->Height());
    DeviceContext dc(&pixels);
    TCanvas canvas(&dc);
    tile->Draw(canvas, pixels.BoundsRect());
    TileImage(bitmap, rect, pixels);
}
