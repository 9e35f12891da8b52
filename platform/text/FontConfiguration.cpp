// Our font substitutions, added to each fontconfig configuration that matches fonts.
#include "platform/text/FontConfiguration.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct TSubstitute {
    const char* Requested;
    const char* StandIns[2];
};

// Metric-compatible Liberation faces first, so that designed sizes fit their texts; DejaVu
// covers the same scripts where Liberation is missing. The classic GUI faces have no metric
// twin; the Arial-metric sans comes closest to their widths.
constexpr TSubstitute kSubstitutes[] = {
    {"Times New Roman", {"Liberation Serif", "DejaVu Serif"}},
    {"Times", {"Liberation Serif", "DejaVu Serif"}},
    {"Courier New", {"Liberation Mono", "DejaVu Sans Mono"}},
    {"Courier", {"Liberation Mono", "DejaVu Sans Mono"}},
    {"Arial", {"Liberation Sans", "DejaVu Sans"}},
    {"MS Sans Serif", {"Liberation Sans", "DejaVu Sans"}},
    {"Tahoma", {"Liberation Sans", "DejaVu Sans"}},
};

// Configurations that carry our rules, each referenced so that its address cannot be reused by
// another while it is listed. fontconfig's configuration is process-wide, so this list is too.
std::vector<FcConfig*>& Configured() {
    static auto* configs = new std::vector<FcConfig*>();
    return *configs;
}

// Releasing fontconfig at exit keeps leak checkers quiet; nothing holds fontconfig objects past
// matching, so the order is safe.
void ReleaseAll() {
    for (FcConfig* config : Configured()) FcConfigDestroy(config);
    Configured().clear();
    FcFini();
}

// Each rule runs after the system's own and tests the family asked for, which stays first in
// the request; its stand-ins go before every other family with a strong binding, so they win
// over aliases and over the language when they are installed.
std::string Rules() {
    std::string rules = "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n";
    for (const TSubstitute& s : kSubstitutes) {
        rules += "  <match target=\"pattern\">\n    <test qual=\"first\" name=\"family\"><string>";
        rules += s.Requested;
        rules += "</string></test>\n    <edit name=\"family\" mode=\"prepend_first\" binding=\"strong\">";
        for (const char* standIn : s.StandIns) rules += std::string("<string>") + standIn + "</string>";
        rules += "</edit>\n  </match>\n";
    }
    return rules + "</fontconfig>\n";
}

} // namespace

FcConfig* FontConfiguration::Current() {
    static const bool registered = std::atexit(ReleaseAll) == 0;
    (void)registered;
    FcConfig* config = FcConfigGetCurrent();
    std::vector<FcConfig*>& configured = Configured();
    if (std::find(configured.begin(), configured.end(), config) != configured.end()) return config;
    const std::string rules = Rules();
    FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(rules.c_str()), FcTrue);
    configured.push_back(FcConfigReference(config));
    return config;
}
