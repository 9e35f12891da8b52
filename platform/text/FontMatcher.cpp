// fontconfig matching: family, weight, slant, pixel size and language in, a font file out.
#include "platform/text/FontMatcher.h"

#include <fontconfig/fontconfig.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace {

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

// fontconfig keeps its configuration for the whole process; releasing it at exit keeps leak
// checkers quiet. Nothing holds fontconfig objects past matching, so the order is safe.
void ReleaseAtExit() {
    static const bool registered = [] { return std::atexit(FcFini) == 0; }();
    (void)registered;
}

// The classic GUI faces have no metric-compatible free twin; the Arial-metric sans is closer to
// their widths than the general default, so designed control sizes still fit their captions.
constexpr const char* kGuiFaceAliases = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <alias binding="same"><family>MS Sans Serif</family>
    <prefer><family>Liberation Sans</family><family>Arimo</family></prefer></alias>
  <alias binding="same"><family>Tahoma</family>
    <prefer><family>Liberation Sans</family><family>Arimo</family></prefer></alias>
</fontconfig>)";

void LoadGuiFaceAliases() {
    static const bool loaded = [] {
        return FcConfigParseAndLoadFromMemory(FcConfigGetCurrent(),
                                              reinterpret_cast<const FcChar8*>(kGuiFaceAliases), FcFalse) == FcTrue;
    }();
    (void)loaded;
}

PatternPtr Request(const TLogFont& logFont, int pixelSize) {
    ReleaseAtExit();
    LoadGuiFaceAliases();
    PatternPtr pattern(FcPatternCreate());
    const auto* family = reinterpret_cast<const FcChar8*>(logFont.FaceName.c_str());
    FcPatternAddString(pattern.get(), FC_FAMILY, family);
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, FcWeightFromOpenType(logFont.Weight));
    FcPatternAddInteger(pattern.get(), FC_SLANT, logFont.Italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddDouble(pattern.get(), FC_PIXEL_SIZE, pixelSize);
    if (logFont.CharSet == RUSSIAN_CHARSET || logFont.CharSet == DEFAULT_CHARSET) {
        FcLangSet* languages = FcLangSetCreate();
        FcLangSetAdd(languages, reinterpret_cast<const FcChar8*>("ru"));
        FcPatternAddLangSet(pattern.get(), FC_LANG, languages);
        FcLangSetDestroy(languages);
    }
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    return pattern;
}

std::string StringOf(FcPattern* pattern, const char* object) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, object, 0, &value) != FcResultMatch || value == nullptr) return {};
    return reinterpret_cast<const char*>(value);
}

} // namespace

TFontMatch FontMatcher::Match(const TLogFont& logFont, int pixelSize) {
    PatternPtr request = Request(logFont, pixelSize);
    FcResult result = FcResultNoMatch;
    PatternPtr found(FcFontMatch(nullptr, request.get(), &result));
    if (!found) throw std::runtime_error("no installed font answers \"" + logFont.FaceName + "\"");
    TFontMatch match;
    match.File = StringOf(found.get(), FC_FILE);
    match.Family = StringOf(found.get(), FC_FAMILY);
    if (match.File.empty()) throw std::runtime_error("fontconfig gave no file for \"" + logFont.FaceName + "\"");
    FcPatternGetInteger(found.get(), FC_INDEX, 0, &match.Index);
    FcBool embolden = FcFalse;
    if (FcPatternGetBool(found.get(), FC_EMBOLDEN, 0, &embolden) == FcResultMatch) match.Embolden = embolden;
    int slant = FC_SLANT_ROMAN;
    FcPatternGetInteger(found.get(), FC_SLANT, 0, &slant);
    match.Slant = logFont.Italic && slant == FC_SLANT_ROMAN;
    return match;
}
