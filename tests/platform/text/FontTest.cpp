// Fonts: one object per description, family matching, sizes at 96 DPI, metrics, glyph cache.
#include "platform/gfx/DeviceContext.h"
#include "platform/text/FontFace.h"
#include "platform/text/FontMatcher.h"
#include "platform/text/TextDraw.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <filesystem>

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

// The system's configuration plus the URW base fonts (fonts-urw-base35, which desktop packages
// such as the image and PostScript tools bring) with their own fontconfig rules.
FcConfig* ConfigurationWithUrwFonts() {
    namespace fs = std::filesystem;
    FcConfig* config = FcInitLoadConfigAndFonts();
    for (const char* dir : {"/usr/share/fonts/opentype/urw-base35", "/usr/share/fonts/type1/urw-base35"})
        if (fs::is_directory(dir)) FcConfigAppFontAddDir(config, reinterpret_cast<const FcChar8*>(dir));
    std::error_code error;
    for (const fs::directory_entry& rule : fs::directory_iterator("/usr/share/fontconfig/conf.avail", error))
        if (rule.path().filename().string().starts_with("urw-"))
            FcConfigParseAndLoad(config, reinterpret_cast<const FcChar8*>(rule.path().c_str()), FcTrue);
    return config;
}

// What fontconfig alone answers for a family in Russian.
std::string PlainMatch(FcConfig* config, const char* family) {
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family));
    FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>("ru"));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(config, pattern, &result);
    FcChar8* name = nullptr;
    std::string answer = found && FcPatternGetString(found, FC_FAMILY, 0, &name) == FcResultMatch
                             ? reinterpret_cast<const char*>(name) : "";
    if (found) FcPatternDestroy(found);
    FcPatternDestroy(pattern);
    return answer;
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

TEST(Font, MoreInstalledFontsDoNotChangeTheFamiliesThatAnswer) {
    FcConfig* withUrw = ConfigurationWithUrwFonts();
    // The machine this stands for: fontconfig's own aliases put a URW family first.
    ASSERT_EQ(PlainMatch(withUrw, "Courier"), "Nimbus Mono PS") << "the URW base fonts are missing: run scripts/install-deps";
    FcConfig* before = FcConfigReference(FcConfigGetCurrent());
    FcConfigSetCurrent(withUrw);
    const std::pair<const char*, const char*> answers[] = {
        {"Courier", "Liberation Mono"},        {"Courier New", "Liberation Mono"},
        {"Times New Roman", "Liberation Serif"}, {"Times", "Liberation Serif"},
        {"Arial", "Liberation Sans"},          {"MS Sans Serif", "Liberation Sans"},
        {"Tahoma", "Liberation Sans"},
    };
    for (const auto& [family, answer] : answers)
        for (const int weight : {FW_NORMAL, FW_BOLD})
            EXPECT_EQ(FontMatcher::Match(Request(family, -13, weight), 13).Family, answer) << family << " weight " << weight;
    EXPECT_EQ(FontMatcher::Match(Request("Nimbus Mono PS", -13), 13).Family, "Nimbus Mono PS")
        << "a family asked for by name is not replaced";
    FcConfigSetCurrent(before);
    FcConfigDestroy(before);
    FcConfigDestroy(withUrw);
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
