// Fonts: one object per description, family matching, sizes at 96 DPI, metrics, glyph cache.
#include "platform/gfx/DeviceContext.h"
#include "platform/text/FontFace.h"
#include "platform/text/TextDraw.h"

#include <gtest/gtest.h>

namespace {

TLogFont Request(const char* family, int height, int weight = FW_NORMAL, bool italic = false) {
    TLogFont lf;
    lf.FaceName = family;
    lf.Height = height;
    lf.Weight = weight;
    lf.Italic = italic;
    lf.CharSet = RUSSIAN_CHARSET;
    return lf;
}

} // namespace

TEST(Font, PointSizesConvertAt96Dpi) {
    EXPECT_EQ(PointsToHeight(8), -11);
    EXPECT_EQ(PointsToHeight(10), -13);
    EXPECT_EQ(PointsToHeight(14), -19);
    for (int points = 6; points <= 36; ++points) EXPECT_EQ(HeightToPoints(PointsToHeight(points)), points);
}

TEST(Font, SameDescriptionGivesTheSameObject) {
    const Font* a = Font::Get(Request("Tahoma", -11));
    EXPECT_EQ(Font::Get(Request("Tahoma", -11)), a);
    EXPECT_NE(Font::Get(Request("Tahoma", -11, FW_BOLD)), a);
    EXPECT_NE(Font::Get(Request("Tahoma", -12)), a);
    EXPECT_EQ(Font::Default(), Font::Get(TLogFont{}));
    EXPECT_EQ(Font::Default()->LogFont().FaceName, "MS Sans Serif");
}

TEST(Font, RequestsAreAnsweredByMetricCompatibleFamiliesWithCyrillic) {
    // The families the project installs (fonts-liberation2, fonts-dejavu-core).
    EXPECT_EQ(Font::Get(Request("Times New Roman", -13))->MatchedFamily(), "Liberation Serif");
    EXPECT_EQ(Font::Get(Request("Courier New", -13))->MatchedFamily(), "Liberation Mono");
    EXPECT_EQ(Font::Get(Request("Courier", -13))->MatchedFamily(), "Liberation Mono");
    for (const char* family : {"Times New Roman", "Courier New", "Courier", "MS Sans Serif", "Tahoma"}) {
        FontFace& face = Font::Get(Request(family, -13))->Face();
        for (char32_t c : {U'Н', U'ж', U'ё', U'Щ'}) {
            const TGlyph& g = face.Glyph(c);
            int ink = 0;
            for (auto v : g.Coverage) ink += v;
            EXPECT_GT(ink, 255 * 3) << family << " lacks U+" << std::hex << static_cast<unsigned>(c);
        }
    }
}

TEST(Font, MetricsFollowTheRequestedHeight) {
    for (const char* family : {"Times New Roman", "Courier New", "Tahoma"}) {
        const TTextMetric& m = Font::Get(Request(family, -11))->Metrics();
        EXPECT_EQ(m.tmHeight, m.tmAscent + m.tmDescent) << family;
        EXPECT_EQ(m.tmHeight - m.tmInternalLeading, 11) << "character height of " << family;
        EXPECT_GT(m.tmAveCharWidth, 3);
        EXPECT_GE(m.tmMaxCharWidth, m.tmAveCharWidth);
        // A positive height asks for the cell height instead.
        const TTextMetric& cell = Font::Get(Request(family, 20))->Metrics();
        EXPECT_NEAR(cell.tmHeight, 20, 1) << family;
    }
    EXPECT_EQ(Font::Get(Request("Tahoma", -11, FW_BOLD))->Metrics().tmWeight, FW_BOLD);
    const TTextMetric& big = Font::Get(Request("Tahoma", -40))->Metrics();
    EXPECT_GT(big.tmAscent, Font::Get(Request("Tahoma", -11))->Metrics().tmAscent * 3);
}

TEST(Font, BoldAndItalicChangeTheGlyphs) {
    FontFace& plain = Font::Get(Request("Times New Roman", -20))->Face();
    FontFace& bold = Font::Get(Request("Times New Roman", -20, FW_BOLD))->Face();
    FontFace& italic = Font::Get(Request("Times New Roman", -20, FW_NORMAL, true))->Face();
    auto ink = [](const TGlyph& g) {
        long sum = 0;
        for (auto v : g.Coverage) sum += v;
        return sum;
    };
    EXPECT_GT(ink(bold.Glyph(U'И')), ink(plain.Glyph(U'И')) * 5 / 4);
    EXPECT_NE(italic.Glyph(U'l').Coverage, plain.Glyph(U'l').Coverage);
}

TEST(GlyphCache, DrawingTheSameCaptionTwiceRasterisesNothingNew) {
    const Font* font = Font::Get(Request("Tahoma", -17));
    Bitmap b(200, 40);
    DeviceContext dc(&b);
    dc.SelectFont(font);
    TRect r{0, 0, 200, 40};
    const std::uint64_t before = font->Face().RasterCount();
    DrawText(&dc, "Новая игра", &r, DT_SINGLELINE);
    const std::uint64_t once = font->Face().RasterCount();
    EXPECT_EQ(once - before, 9u) << "Н о в а я, space, и г р: the second а is shared";
    DrawText(&dc, "Новая игра", &r, DT_SINGLELINE | DT_CENTER);
    GetTextExtent(&dc, "игра Новая");
    EXPECT_EQ(font->Face().RasterCount(), once);
    DrawText(&dc, "Новая игрушка", &r, DT_SINGLELINE);
    EXPECT_EQ(font->Face().RasterCount(), once + 3) << "only у, ш and к are new";
}
