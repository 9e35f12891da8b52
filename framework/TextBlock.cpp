// Measuring text blocks.
#include "framework/TextBlock.h"

#include "platform/text/TextDraw.h"

#include <algorithm>

TSize MeasureTextBlock(const TFont* font, std::string_view text, int maxWidth, unsigned extraFlags) {
    if (text.empty()) return {};
    DeviceContext measure;
    measure.SelectFont(font->Handle());
    TRect natural{0, 0, 0, 0};
    DrawText(&measure, text, &natural, DT_CALCRECT | extraFlags);
    if (natural.Width() <= maxWidth) return natural.Size();
    TRect wrapped{0, 0, std::max(1, maxWidth), 0};
    DrawText(&measure, text, &wrapped, DT_CALCRECT | DT_WORDBREAK | extraFlags);
    return wrapped.Size();
}
