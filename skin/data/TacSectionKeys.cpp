// The section key table.
#include "skin/data/TacSectionKeys.h"

#include "skin/data/SkinText.h"

namespace {

using D = TsGeneralData;

TsControlBevel ToBevel(int value) {
    return (value >= cbNone && value <= cbLoweredHard) ? static_cast<TsControlBevel>(value) : cbNone;
}
bool ToBool(const std::string& value) { return SameTextAscii(value, "TRUE"); }

#define INT_KEY(name, def, field) {name, kkInt, def, [](D& d, int v) { d.field = v; }, nullptr}
#define BOOL_KEY(name, field) {name, kkBool, 0, nullptr, [](D& d, const std::string& v) { d.field = ToBool(v); }}

const TacSectionKey Keys[] = {
    {"PARENTCLASS", kkRawText, 0, nullptr, [](D& d, const std::string& v) { d.ParentClass = v; }},
    {"COLOR", kkInt, 0xFFFFFF, [](D& d, int v) { d.Color = IsSystemColor(v) ? ColorToRGB(v) : v; }, nullptr},
    {"BEVEL", kkInt, 0, [](D& d, int v) { d.Bevel = ToBevel(v); }, nullptr},
    INT_KEY("SHADOWBLUR", 6, ShadowBlur),
    INT_KEY("SHADOWOFFSET", 3, ShadowOffset),
    {"SHADOWCOLOR", kkRawInt, 0, [](D& d, int v) { d.ShadowColor = v; }, nullptr},
    INT_KEY("SHADOWTRANSPARENCY", 50, ShadowTransparency),
    BOOL_KEY("SHADOWENABLED", ShadowEnabled),
    BOOL_KEY("RESERVEDBOOLEAN", ReservedBoolean),
    INT_KEY("FONTCOLOR", 0, FontColor[0]),
    INT_KEY("TCLEFT", -1, FontColor[1]),
    INT_KEY("TCTOP", -1, FontColor[2]),
    INT_KEY("TCRIGHT", -1, FontColor[3]),
    INT_KEY("TCBOTTOM", -1, FontColor[4]),
    INT_KEY("HOTFONTCOLOR", 0, HotFontColor[0]),
    INT_KEY("HOTTCLEFT", -1, HotFontColor[1]),
    INT_KEY("HOTTCTOP", -1, HotFontColor[2]),
    INT_KEY("HOTTCRIGHT", -1, HotFontColor[3]),
    INT_KEY("HOTTCBOTTOM", -1, HotFontColor[4]),
    INT_KEY("TRANSPARENCY", 0, Transparency),
    INT_KEY("GRADIENTPERCENT", 0, GradientPercent),
    INT_KEY("IMAGEPERCENT", 0, ImagePercent),
    {"GRADIENTDATA", kkText, 0, nullptr,
     [](D& d, const std::string& v) { d.GradientData = v; d.Gradient = ParseGradientData(v); }},
    BOOL_KEY("SHOWFOCUS", ShowFocus),
    BOOL_KEY("FADINGENABLED", FadingEnabled),
    INT_KEY("FADINGINTERVALIN", 5, FadingIntervalIn),
    INT_KEY("FADINGINTERVALOUT", 5, FadingIntervalOut),
    INT_KEY("FADINGITERATIONS", 5, FadingIterations),
    INT_KEY("HOTCOLOR", 0xFFFFFF, HotColor),
    INT_KEY("HOTTRANSPARENCY", 0, HotTransparency),
    {"HOTBEVEL", kkInt, 0, [](D& d, int v) { d.HotBevel = ToBevel(v); }, nullptr},
    INT_KEY("HOTGRADIENTPERCENT", 0, HotGradientPercent),
    {"HOTGRADIENTDATA", kkText, 0, nullptr,
     [](D& d, const std::string& v) { d.HotGradientData = v; d.HotGradient = ParseGradientData(v); }},
    INT_KEY("HOTIMAGEPERCENT", 0, HotImagePercent),
    INT_KEY("BORDERCOLOR1", 0, BorderColor1),
    INT_KEY("BORDERCOLOR2", 0, BorderColor2),
};

#undef INT_KEY
#undef BOOL_KEY

} // namespace

std::span<const TacSectionKey> SectionKeys() { return Keys; }

void AssignInt(const TacSectionKey& key, TsGeneralData& data, int value) {
    if (key.SetInt) key.SetInt(data, value);
}

void AssignText(const TacSectionKey& key, TsGeneralData& data, const std::string& value) {
    if (key.SetText) key.SetText(data, value);
}
