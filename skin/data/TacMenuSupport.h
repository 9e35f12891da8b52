// The skin manager's menu painting options and the event that fills a popup's extra line.
#pragma once

#include "framework/TFont.h"

#include <functional>
#include <memory>
#include <string>

class TBitmap;
class TMenuItem;

// Asked once per popup: the popup's first item, then the line's section, caption, glyph and
// whether it shows at all, each of which the handler may change.
using TacGetExtraLineData = std::function<void(TMenuItem* firstItem, std::string& skinSection, std::string& caption,
                                               TBitmap*& glyph, bool& lineVisible)>;

class TacMenuSupport {
public:
    static constexpr const char* DefaultIcoLineSkin = "ICOLINE";

    TacMenuSupport() : FExtraLineFont(std::make_unique<TFont>()) {}

    std::string IcoLineSkin = DefaultIcoLineSkin;
    bool UseExtraLine = false;
    int ExtraLineWidth = 32;
    TFont* ExtraLineFont() const { return FExtraLineFont.get(); }

private:
    std::unique_ptr<TFont> FExtraLineFont;
};
