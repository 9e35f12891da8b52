// Section backgrounds: the shares of pattern, gradient and colour, transparency, custom colours.
#include "skin/paint/ParentColors.h"
#include "skin/paint/TacSectionPainter.h"
#include "tests/skin/paint/PaintTestKit.h"

#include <gtest/gtest.h>

namespace {

// A black-to-red vertical gradient: on a rectangle 6 rows high each row adds exactly 51.
const std::string Gradient = "GRADIENTDATA=0;255;100;0;0\nHOTGRADIENTDATA=0;255;100;0;0\n";
const std::string Pattern = "PATTERN=~0000~0020~0004~0023~00~0\nHOTPATTERN=~0000~0020~0004~0023~00~0\n";

std::string Options() {
    return "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n"
           "[PLAIN]\nCOLOR=" +
           std::to_string(RGB(10, 20, 30)) + "\nHOTCOLOR=" + std::to_string(RGB(200, 150, 100)) +
           "\n[SEE]\nCOLOR=255\nTRANSPARENCY=100\nHOTTRANSPARENCY=100\n"
           "[HALF]\nCOLOR=" +
           std::to_string(RGB(250, 10, 128)) +
           "\nTRANSPARENCY=40\n"
           "[GRAD]\nGRADIENTPERCENT=100\n" +
           Gradient + "[GRAD60]\nCOLOR=" + std::to_string(RGB(0, 0, 200)) + "\nGRADIENTPERCENT=60\n" +
           Gradient + "[MIX]\nIMAGEPERCENT=50\nGRADIENTPERCENT=50\n" + Gradient + Pattern +
           "[PAT30]\nCOLOR=" + std::to_string(RGB(0, 250, 0)) + "\nIMAGEPERCENT=30\n" + Pattern +
           "[FULL]\nIMAGEPERCENT=100\nGRADIENTPERCENT=50\n" + Gradient + Pattern;
}

class SectionBackground : public ::testing::Test {
protected:
    SectionBackground() : master(Numbered(16, 24)), parent(Numbered(30, 30)) {
        LoadTestSkin(skin, Options(), master);
    }
    ~SectionBackground() override { ResetParentColors(); }

    TacSectionPainter Painter(const char* section) {
        return TacSectionPainter(skin, skin.SectionIndex(section), section);
    }
    Bitmap Paint(const char* section, int state, const TParentImageInfo& ci, TColor custom = clKeyColor) {
        Bitmap b = Solid(10, 8, clFuchsia);
        Painter(section).Background({b, pos, r, state, ci}, custom, -1, -1);
        return b;
    }
    TColor PatternAt(int x, int y) const { return master.Pixel((x - r.Left) % 4, 20 + (y - r.Top) % 3); }
    TColor GradientAt(int y) const { return RGB(51 * (y - r.Top), 0, 0); }
    TColor ParentBehind(int x, int y, const TParentImageInfo& ci) const {
        return parent.Pixel(ci.X + pos.X + x - r.Left, ci.Y + pos.Y + y - r.Top);
    }
    template <class Fn> void ExpectInside(const Bitmap& b, Fn&& expected) const {
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width(); ++x)
                EXPECT_EQ(b.Pixel(x, y), r.Contains({x, y}) ? expected(x, y) : clFuchsia) << x << "," << y;
    }

    Bitmap master;
    Bitmap parent;
    TsSkinModel skin;
    const TRect r{2, 1, 8, 7};
    const TPoint pos{5, 4};
};

} // namespace

TEST_F(SectionBackground, FullTransparencyShowsExactlyTheParentBehind) {
    const TParentImageInfo ci{&parent, 3, 2, true};
    ExpectInside(Paint("SEE", 0, ci), [&](int x, int y) { return ParentBehind(x, y, ci); });
    ParentFillColor = RGB(7, 8, 9);
    ExpectInside(Paint("SEE", 1, ci), [](int, int) { return RGB(7, 8, 9); });
    Bitmap b = Solid(10, 8, clFuchsia);
    Painter("SEE").Resolved({b, pos, r, 0, ci}, -1, -1, -1, true);
    ExpectInside(b, [&](int x, int y) { return ParentBehind(x, y, ci); });
}

TEST_F(SectionBackground, PartialTransparencyBlendsTheBackgroundOverTheParent) {
    const TParentImageInfo ci{&parent, 0, 1, true};
    const int a = 40 * 255 / 100;
    ExpectInside(Paint("HALF", 0, ci), [&](int x, int y) {
        return PerChannel(ParentBehind(x, y, ci), RGB(250, 10, 128),
                          [a](int p, int c) { return (p * a + c * (255 - a) + 127) / 256; });
    });
    ParentFillColor = RGB(40, 50, 60);
    SCOPED_TRACE("without a parent image a see-through plain section shows ParentFillColor");
    ExpectInside(Paint("HALF", 0, {}), [](int, int) { return RGB(40, 50, 60); });
}

TEST_F(SectionBackground, SharesOfGradientAndColour) {
    ExpectInside(Paint("GRAD", 0, {}), [&](int, int y) { return GradientAt(y); });
    ExpectInside(Paint("GRAD60", 0, {}), [&](int, int y) {
        return PerChannel(GradientAt(y), RGB(0, 0, 200),
                          [](int g, int c) { return RoundEven(0.6 * g + 0.4 * c); });
    });
}

TEST_F(SectionBackground, PatternAndGradientHalvesMixWithAlphaByte127) {
    ExpectInside(Paint("MIX", 0, {}), [&](int x, int y) {
        return PerChannel(PatternAt(x, y), GradientAt(y),
                          [](int p, int g) { return (p * 127 + g * 128 + 127) / 256; });
    });
    ExpectInside(Paint("PAT30", 0, {}), [&](int x, int y) {
        return PerChannel(PatternAt(x, y), RGB(0, 250, 0),
                          [](int p, int c) { return RoundEven(0.3 * p + 0.7 * c); });
    });
}

TEST_F(SectionBackground, AFullPatternShareKeepsThePatternUnderAGradient) {
    const auto kept = [&](int x, int y) {
        return PerChannel(PatternAt(x, y), GradientAt(y),
                          [](int p, int g) { return (p * 255 + g * 0 + 127) / 256; });
    };
    ExpectInside(Paint("FULL", 0, {}), kept);
    const int pattern = skin.TextureIndex(skin.SectionIndex("FULL"), "FULL", "PATTERN");
    Bitmap b = Solid(10, 8, clFuchsia);
    Painter("FULL").Resolved({b, pos, r, 0, {}}, -1, pattern, pattern, true);
    SCOPED_TRACE("the painter with resolved indexes keeps it too");
    ExpectInside(b, kept);
}

TEST_F(SectionBackground, StatesPickTheNormalOrHotColourAndACustomColourIsOpaque) {
    ExpectInside(Paint("PLAIN", 0, {}), [](int, int) { return RGB(10, 20, 30); });
    ExpectInside(Paint("PLAIN", 1, {}), [](int, int) { return RGB(200, 150, 100); });
    ExpectInside(Paint("PLAIN", 2, {}), [](int, int) { return RGB(200, 150, 100); });
    ExpectInside(Paint("SEE", 0, {&parent, 0, 0, true}, RGB(1, 2, 3)), [](int, int) { return RGB(1, 2, 3); });
    ExpectInside(Paint("MIX", 1, {}, RGB(1, 2, 3)), [](int, int) { return RGB(1, 2, 3); });
}

TEST_F(SectionBackground, InvalidSectionsPaintNothing) {
    Bitmap b = Solid(10, 8, clFuchsia);
    TacSectionPainter(skin, 99, "NONE").Background({b, pos, r, 0, {}}, clKeyColor, -1, -1);
    TacSectionPainter(skin, -1, "NONE").ByIndex({b, pos, r, 0, {}}, -1, -1, true);
    EXPECT_EQ(b, Solid(10, 8, clFuchsia));
    Painter("PLAIN").ByIndex({b, pos, {0, 0, 11, 8}, 0, {}}, -1, -1, true);
    EXPECT_EQ(b, Solid(10, 8, clFuchsia)) << "a rectangle reaching out of the bitmap is not painted";
}
