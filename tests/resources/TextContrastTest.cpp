// Readable text in every skin: each section's font colour against its background, normal and
// hot, has a contrast ratio of at least 4.5:1 by the WCAG relative-luminance formula. A section
// with a gradient or pattern is judged by the average colour its painting produces; a
// see-through one by what shows through (the form's background).
#include "SkinUnderTest.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Rgb {
    double R, G, B;
};

Rgb FromColor(TColor c) { return {double(GetRValue(c)), double(GetGValue(c)), double(GetBValue(c))}; }

Rgb Mix(const Rgb& a, const Rgb& b, double share) { // share of a
    return {a.R * share + b.R * (1 - share), a.G * share + b.G * (1 - share), a.B * share + b.B * (1 - share)};
}

double Luminance(const Rgb& c) {
    auto channel = [](double v) {
        v /= 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.R) + 0.7152 * channel(c.G) + 0.0722 * channel(c.B);
}

double Contrast(const Rgb& a, const Rgb& b) {
    double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb GradientAverage(const TsGradArray& gradient) {
    Rgb sum{0, 0, 0};
    double weight = 0;
    for (const TsGradStep& step : gradient) {
        Rgb mid = Mix(FromColor(step.Color1), FromColor(step.Color2), 0.5);
        double w = std::max(1, int(step.Percent));
        sum = {sum.R + mid.R * w, sum.G + mid.G * w, sum.B + mid.B * w};
        weight += w;
    }
    return {sum.R / weight, sum.G / weight, sum.B / weight};
}

// The average of the pixels of an image that are not the key colour.
Rgb PictureAverage(const Bitmap& bitmap, TRect r) {
    if (r.Width() == 0) r = bitmap.BoundsRect();
    Rgb sum{0, 0, 0};
    double count = 0;
    for (int y = r.Top; y < r.Bottom; ++y) {
        for (int x = r.Left; x < r.Right; ++x) {
            TColor c = bitmap.Pixel(x, y);
            if (c == clFuchsia) continue;
            Rgb p = FromColor(c);
            sum = {sum.R + p.R, sum.G + p.G, sum.B + p.B};
            ++count;
        }
    }
    return count == 0 ? Rgb{0, 0, 0} : Rgb{sum.R / count, sum.G / count, sum.B / count};
}

bool PatternAverage(const TsSkinModel& model, int section, const std::string& name, bool hot, Rgb& out) {
    const char* key = hot ? "HOTPATTERN" : "PATTERN";
    int mask = model.MaskIndex(section, name, key);
    if (mask >= 0) {
        const TsMaskData& m = model.Masks[std::size_t(mask)];
        TRect r = m.R;
        if (r.Width() > 0 && m.MaskType > 0) r.Bottom = r.Top + r.Height() / (m.MaskType + 1);
        out = PictureAverage(m.Bmp ? *m.Bmp : model.MasterBitmap, r);
        return true;
    }
    int picture = model.PatternIndex(section, name, key);
    if (picture < 0) return false;
    out = PictureAverage(model.Patterns[std::size_t(picture)].Img, {});
    return true;
}

// Layers as the section painting mixes them: pattern, gradient over it, the colour for the rest.
Rgb Background(const TsSkinModel& model, int section, bool hot, const Rgb& parent) {
    const TsGeneralData& s = model.GeneralData[std::size_t(section)];
    int transparency = hot ? s.HotTransparency : s.Transparency;
    int imageShare = hot ? s.HotImagePercent : s.ImagePercent;
    int gradientShare = hot ? s.HotGradientPercent : s.GradientPercent;
    const TsGradArray& gradient = hot ? s.HotGradient : s.Gradient;
    Rgb colour = FromColor(hot ? s.HotColor : s.Color);
    Rgb pattern{};
    bool hasPattern = imageShare > 0 && PatternAverage(model, section, s.SectionName, hot, pattern);
    bool hasGradient = gradientShare > 0 && !gradient.empty();
    Rgb painted = colour;
    if (hasPattern && hasGradient) painted = Mix(pattern, GradientAverage(gradient), imageShare / 100.0);
    else if (hasPattern) painted = pattern;
    else if (hasGradient) painted = GradientAverage(gradient);
    int share = std::min(100, (hasPattern ? imageShare : 0) + (hasGradient ? gradientShare : 0));
    Rgb result = Mix(painted, colour, share / 100.0);
    return Mix(parent, result, std::clamp(transparency, 0, 100) / 100.0);
}

} // namespace

TEST(TextContrast, EverySectionOfEverySkinIsReadableNormalAndHot) {
    for (const auto& skin : SkinUnderTest::All()) {
        const TsSkinModel& model = skin->Model;
        int form = model.SectionIndex("FORM");
        ASSERT_GE(form, 0) << skin->Name;
        Rgb formBackground = Background(model, form, false, {255, 255, 255});
        for (std::size_t i = 0; i < model.GeneralData.size(); ++i) {
            const TsGeneralData& s = model.GeneralData[i];
            for (bool hot : {false, true}) {
                Rgb background = Background(model, int(i), hot, formBackground);
                Rgb text = FromColor(hot ? s.HotFontColor[0] : s.FontColor[0]);
                EXPECT_GE(Contrast(text, background), 4.5)
                    << skin->Name << " [" << s.SectionName << "] " << (hot ? "hot" : "normal") << ": text "
                    << text.R << "," << text.G << "," << text.B << " on " << background.R << "," << background.G << ","
                    << background.B;
            }
        }
    }
}

TEST(TextContrast, TheMeasureSeparatesReadableFromUnreadable) {
    EXPECT_NEAR(Contrast({0, 0, 0}, {255, 255, 255}), 21.0, 1e-9);
    EXPECT_NEAR(Contrast({119, 119, 119}, {255, 255, 255}), 4.48, 0.01);
    EXPECT_DOUBLE_EQ(Contrast({10, 20, 30}, {10, 20, 30}), 1.0);
}
