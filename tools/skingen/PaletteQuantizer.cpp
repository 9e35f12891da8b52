// Median-cut palette reduction with fixed colours.
#include "tools/skingen/PaletteQuantizer.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>

namespace {

constexpr int PaletteSize = 256;

int Channel(TColor c, int channel) { return (static_cast<std::uint32_t>(c) >> (8 * channel)) & 0xFF; }

struct Box {
    std::size_t Begin, End; // into the histogram
    long long Pixels;
    int WidestChannel, Range;
};

Box Measure(const std::vector<std::pair<TColor, int>>& colours, std::size_t begin, std::size_t end) {
    Box box{begin, end, 0, 0, 0};
    int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
    for (std::size_t i = begin; i < end; ++i) {
        box.Pixels += colours[i].second;
        for (int c = 0; c < 3; ++c) {
            lo[c] = std::min(lo[c], Channel(colours[i].first, c));
            hi[c] = std::max(hi[c], Channel(colours[i].first, c));
        }
    }
    for (int c = 0; c < 3; ++c) {
        if (hi[c] - lo[c] > box.Range) { box.Range = hi[c] - lo[c]; box.WidestChannel = c; }
    }
    return box;
}

TColor Mean(const std::vector<std::pair<TColor, int>>& colours, const Box& box) {
    double sum[3] = {0, 0, 0};
    for (std::size_t i = box.Begin; i < box.End; ++i) {
        for (int c = 0; c < 3; ++c) sum[c] += static_cast<double>(Channel(colours[i].first, c)) * colours[i].second;
    }
    auto mean = [&](int c) { return static_cast<int>(std::lround(sum[c] / static_cast<double>(box.Pixels))); };
    return RGB(mean(0), mean(1), mean(2));
}

int Distance(TColor a, TColor b) {
    int d = 0;
    for (int c = 0; c < 3; ++c) d += (Channel(a, c) - Channel(b, c)) * (Channel(a, c) - Channel(b, c));
    return d;
}

} // namespace

PaletteQuantizer PaletteQuantizer::ForSkins() {
    std::vector<TColor> fixed{RGB(255, 0, 255)};
    for (int grey = 255; grey >= 0; grey -= 16) fixed.push_back(RGB(grey, grey, grey));
    fixed.push_back(RGB(0, 0, 0));
    return PaletteQuantizer(fixed);
}

std::vector<TColor> PaletteQuantizer::BuildPalette(const std::vector<std::pair<TColor, int>>& histogram) const {
    std::vector<std::pair<TColor, int>> colours;
    for (const auto& entry : histogram) {
        if (std::find(FFixed.begin(), FFixed.end(), entry.first) == FFixed.end()) colours.push_back(entry);
    }
    std::vector<Box> boxes;
    if (!colours.empty()) boxes.push_back(Measure(colours, 0, colours.size()));
    std::size_t room = PaletteSize - FFixed.size();
    while (boxes.size() < room) {
        auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
            return a.Range * std::sqrt(static_cast<double>(a.Pixels)) < b.Range * std::sqrt(static_cast<double>(b.Pixels));
        });
        if (widest == boxes.end() || widest->Range == 0) break;
        Box box = *widest;
        int channel = box.WidestChannel;
        std::sort(colours.begin() + static_cast<long>(box.Begin), colours.begin() + static_cast<long>(box.End),
                  [&](const auto& a, const auto& b) { return Channel(a.first, channel) < Channel(b.first, channel) ||
                      (Channel(a.first, channel) == Channel(b.first, channel) && a.first < b.first); });
        long long half = 0;
        std::size_t cut = box.Begin + 1;
        for (std::size_t i = box.Begin; i + 1 < box.End; ++i) {
            half += colours[i].second;
            cut = i + 1;
            if (half * 2 >= box.Pixels) break;
        }
        *widest = Measure(colours, box.Begin, cut);
        boxes.push_back(Measure(colours, cut, box.End));
    }
    std::vector<TColor> palette = FFixed;
    for (const Box& box : boxes) palette.push_back(Mean(colours, box));
    return palette;
}

void PaletteQuantizer::Reduce(Bitmap& bitmap) const {
    std::map<TColor, int> counts;
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) ++counts[bitmap.Pixel(x, y)];
    }
    if (counts.size() <= PaletteSize) return;
    std::vector<std::pair<TColor, int>> histogram(counts.begin(), counts.end());
    std::vector<TColor> palette = BuildPalette(histogram);
    std::unordered_map<TColor, TColor> nearest;
    for (const auto& [colour, count] : histogram) {
        // Only the key itself may become the key.
        TColor best = colour == palette.front() ? colour : palette[1];
        for (std::size_t i = 1; i < palette.size() && colour != palette.front(); ++i) {
            if (Distance(colour, palette[i]) < Distance(colour, best)) best = palette[i];
        }
        nearest[colour] = best;
    }
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) bitmap.SetPixel(x, y, nearest[bitmap.Pixel(x, y)]);
    }
}
