// Captions of the standard controls: placing a caption in an area by its alignment, and drawing
// it in the plain look (embossed grey when disabled).
#pragma once

#include "platform/window/WinTypes.h"

#include <string>

enum class THorzAlign { haLeft, haCenter, haRight };
enum class TVertAlign { vaTop, vaCenter, vaBottom };

struct TCaptionFormat {
    THorzAlign Horz = THorzAlign::haLeft;
    TVertAlign Vert = TVertAlign::vaCenter;
    bool WordBreak = false;   // several lines, broken at words to the area's width
    bool MultiLine = false;   // line breaks in the text count even without word breaks
    bool NoPrefix = false;    // "&" is an ordinary character
    unsigned Extra = 0;       // further DT_* flags (ellipses, tab expansion)
};

class ControlText {
public:
    // The DT_* flags a caption is drawn with.
    static unsigned Flags(const TCaptionFormat& format);
    // The rectangle the caption takes inside area: as high as its lines, placed vertically by
    // the format; as wide as its longest line and placed horizontally, except for word-broken
    // captions, which keep the area's width.
    static TRect Place(HDC dc, const std::string& text, const TRect& area, const TCaptionFormat& format);
    // Draws the caption into its placed rectangle with the dc's font and text colour; disabled
    // text is drawn grey over a white shadow.
    static void Draw(HDC dc, const std::string& text, const TRect& placed, const TCaptionFormat& format, bool enabled);
};
