// Separable resampling with precomputed per-axis weights in 8-bit fixed point.
#include "platform/gfx/ImageScaler.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int kOne = 256;

// Appends taps whose real weights sum to 1; rounding the running sum keeps every integer weight
// non-negative and their total exactly kOne.
void AppendNormalised(std::vector<int>& index, std::vector<int>& weight, const std::vector<std::pair<int, double>>& taps) {
    double total = 0;
    for (const auto& t : taps) total += t.second;
    double running = 0;
    int given = 0;
    for (const auto& t : taps) {
        running += t.second;
        const int upTo = static_cast<int>(std::lround(running / total * kOne));
        index.push_back(t.first);
        weight.push_back(upTo - given);
        given = upTo;
    }
}

} // namespace

ImageScaler::Taps ImageScaler::AxisTaps(int sourceLength, int destLength, int firstDest, int lastDest) {
    Taps taps;
    std::vector<std::pair<int, double>> t;
    for (int d = firstDest; d < lastDest; ++d) {
        taps.Start.push_back(static_cast<int>(taps.Index.size()));
        t.clear();
        if (destLength == sourceLength) {
            t.push_back({d, 1.0});
        } else if (destLength > sourceLength) {
            const double pos = destLength > 1 ? static_cast<double>(d) * (sourceLength - 1) / (destLength - 1) : 0.0;
            const int i0 = static_cast<int>(std::floor(pos));
            const double f = pos - i0;
            t.push_back({i0, 1.0 - f});
            if (f > 1e-9 && i0 + 1 < sourceLength) t.push_back({i0 + 1, f});
        } else {
            const double scale = static_cast<double>(sourceLength) / destLength;
            const double from = d * scale, to = (d + 1) * scale;
            for (int s = static_cast<int>(std::floor(from)); s < to && s < sourceLength; ++s) {
                const double cover = std::min<double>(s + 1, to) - std::max<double>(s, from);
                if (cover > 1e-9) t.push_back({s, cover / scale});
            }
        }
        AppendNormalised(taps.Index, taps.Weight, t);
    }
    taps.Start.push_back(static_cast<int>(taps.Index.size()));
    return taps;
}

Bitmap ImageScaler::Scale(const Bitmap& source, const TRect& sourceRect, int width, int height, const TRect& visible) {
    Bitmap out(visible.Width(), visible.Height(), source.Format());
    if (out.Empty() || sourceRect.IsEmpty()) return out;
    const int channels = source.BytesPerPixel();
    const Taps xs = AxisTaps(sourceRect.Width(), width, visible.Left, visible.Right);
    const Taps ys = AxisTaps(sourceRect.Height(), height, visible.Top, visible.Bottom);
    const int firstRow = *std::min_element(ys.Index.begin(), ys.Index.end());
    const int lastRow = *std::max_element(ys.Index.begin(), ys.Index.end());
    const int outWidth = out.Width();

    // Horizontal pass over the source rows the vertical taps need; values are scaled by kOne.
    const std::size_t rowValues = static_cast<std::size_t>(outWidth) * channels;
    std::vector<std::uint16_t> rows(static_cast<std::size_t>(lastRow - firstRow + 1) * rowValues);
    for (int r = firstRow; r <= lastRow; ++r) {
        const std::uint8_t* src = source.ScanLine(sourceRect.Top + r) + static_cast<std::ptrdiff_t>(sourceRect.Left) * channels;
        std::uint16_t* dst = rows.data() + static_cast<std::size_t>(r - firstRow) * rowValues;
        for (int x = 0; x < outWidth; ++x, dst += channels) {
            int acc[4] = {0, 0, 0, 0};
            for (int k = xs.Start[x]; k < xs.Start[x + 1]; ++k) {
                const std::uint8_t* p = src + static_cast<std::ptrdiff_t>(xs.Index[k]) * channels;
                for (int c = 0; c < channels; ++c) acc[c] += p[c] * xs.Weight[k];
            }
            for (int c = 0; c < channels; ++c) dst[c] = static_cast<std::uint16_t>(acc[c]);
        }
    }
    // Vertical pass, a whole row per tap so the inner loop runs straight through memory.
    std::vector<int> acc(rowValues);
    for (int y = 0; y < out.Height(); ++y) {
        std::fill(acc.begin(), acc.end(), kOne * kOne / 2);
        for (int k = ys.Start[y]; k < ys.Start[y + 1]; ++k) {
            const std::uint16_t* row = rows.data() + static_cast<std::size_t>(ys.Index[k] - firstRow) * rowValues;
            const int w = ys.Weight[k];
            for (std::size_t v = 0; v < rowValues; ++v) acc[v] += row[v] * w;
        }
        std::uint8_t* dst = out.ScanLine(y);
        for (std::size_t v = 0; v < rowValues; ++v)
            dst[v] = static_cast<std::uint8_t>(std::clamp(acc[v] / (kOne * kOne), 0, 255));
    }
    return out;
}
