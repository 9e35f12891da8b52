// Glyph coverage blending with gamma tables, and the text decoration lines.
#include "platform/text/TextRenderer.h"

#include <array>
#include <cmath>

namespace {

// Blending in a gamma of 1.4 rather than the full 2.2: dark text on light ground keeps the
// weight it has on screens the skins were drawn for, and light text on dark does not bleed.
constexpr double kGamma = 1.4;
constexpr int kLinearMax = 4095;

struct GammaTables {
    std::array<std::uint16_t, 256> ToLinear{};
    std::array<std::uint8_t, kLinearMax + 1> FromLinear{};
    GammaTables() {
        for (int i = 0; i < 256; ++i) ToLinear[i] = static_cast<std::uint16_t>(std::lround(std::pow(i / 255.0, kGamma) * kLinearMax));
        for (int i = 0; i <= kLinearMax; ++i)
            FromLinear[i] = static_cast<std::uint8_t>(std::lround(std::pow(double(i) / kLinearMax, 1.0 / kGamma) * 255));
    }
};

const GammaTables& Tables() {
    static const GammaTables tables;
    return tables;
}

} // namespace

TextRenderer::TextRenderer(const SpanTarget& target, FontFace& face, TColor textColor, const TextTurn& turn)
    : FTarget(target), FFace(face), FTurn(turn),
      FColor{static_cast<std::uint8_t>(GetBValue(textColor)), static_cast<std::uint8_t>(GetGValue(textColor)),
             static_cast<std::uint8_t>(GetRValue(textColor))} {}

void TextRenderer::BlendRun(int y, int x0, int x1, const std::uint8_t* coverage) {
    const GammaTables& t = Tables();
    const bool alpha = FTarget.Target().Format() == TPixelFormat::pf32bit;
    const int bpp = alpha ? 4 : 3;
    FTarget.ForEachVisibleSpan(y, x0, x1, [&](int a, int e) {
        std::uint8_t* p = FTarget.Address(a, y);
        for (int x = a; x < e; ++x, p += bpp) {
            const int c = coverage[x - x0];
            if (c == 0) continue;
            for (int k = 0; k < 3; ++k) {
                if (c == 255) {
                    p[k] = FColor[k];
                    continue;
                }
                const int mixed = (t.ToLinear[FColor[k]] * c + t.ToLinear[p[k]] * (255 - c) + 127) / 255;
                p[k] = t.FromLinear[mixed];
            }
            if (alpha) p[3] = 255;
        }
    });
}

// Coverage laid over the frame box, turned onto the device first when the text is turned.
void TextRenderer::BlendBox(const TRect& frameBox, const std::uint8_t* coverage) {
    const TRect box = FTurn.ToDevice(frameBox);
    std::vector<std::uint8_t> turned;
    if (!FTurn.Upright()) {
        turned = FTurn.TurnCoverage(coverage, frameBox.Width(), frameBox.Height());
        coverage = turned.data();
    }
    for (int row = 0; row < box.Height(); ++row)
        BlendRun(box.Top + row, box.Left, box.Right, coverage + static_cast<std::ptrdiff_t>(row) * box.Width());
}

void TextRenderer::DrawGlyph(const TGlyph& glyph, int penX, int baseline) {
    if (glyph.Width <= 0 || glyph.Height <= 0) return;
    BlendBox({penX + glyph.Left, baseline - glyph.Top, penX + glyph.Left + glyph.Width, baseline - glyph.Top + glyph.Height},
             glyph.Coverage.data());
}

void TextRenderer::Bar(int x0, int x1, int top, int thickness) {
    FTarget.FillRect(FTurn.ToDevice({x0, top, x1, top + thickness}), RGB(FColor[2], FColor[1], FColor[0]));
}

void TextRenderer::FillBackground(const TRect& box, TColor color) { FTarget.FillRect(FTurn.ToDevice(box), color); }

void TextRenderer::DrawLine(const TLayoutLine& line, int x, int top, const TLineStyle& style) {
    const int baseline = top + FFace.Metrics().tmAscent;
    const TTextLine under = FFace.Underline();
    for (const TLayoutChar& c : line.Chars) {
        if (!style.PrefixOnly && c.Code != U'\t') DrawGlyph(FFace.Glyph(c.Code), x + c.X, baseline);
        if (c.Underline) Bar(x + c.X, x + c.X + c.Advance, baseline + under.Offset, under.Thickness);
    }
    if (style.PrefixOnly || line.Width == 0) return;
    if (style.Underline) Bar(x, x + line.Width, baseline + under.Offset, under.Thickness);
    if (style.StrikeOut) Bar(x, x + line.Width, baseline + FFace.StrikeOut().Offset, FFace.StrikeOut().Thickness);
}
