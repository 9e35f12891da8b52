// fontconfig matching: family, weight, slant, pixel size and language in, a font file out.
#include "platform/text/FontMatcher.h"

#include "platform/text/FontConfiguration.h"

#include <fontconfig/fontconfig.h>

#include <memory>
#include <stdexcept>

namespace {

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

PatternPtr Request(FcConfig* config, const TLogFont& logFont, int pixelSize) {
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
    FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
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
    FcConfig* config = FontConfiguration::Current();
    PatternPtr request = Request(config, logFont, pixelSize);
    FcResult result = FcResultNoMatch;
    PatternPtr found(FcFontMatch(config, request.get(), &result));
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
