// Caption placement and drawing.
#include "platform/controls/ControlText.h"
#include "platform/text/TextDraw.h"

#include <algorithm>

unsigned ControlText::Flags(const TCaptionFormat& format) {
    unsigned flags = format.Extra;
    if (format.Horz == THorzAlign::haCenter) flags |= DT_CENTER;
    else if (format.Horz == THorzAlign::haRight) flags |= DT_RIGHT;
    if (format.WordBreak) flags |= DT_WORDBREAK;
    else if (!format.MultiLine) flags |= DT_SINGLELINE;
    if (format.NoPrefix) flags |= DT_NOPREFIX;
    return flags;
}

TRect ControlText::Place(HDC dc, const std::string& text, const TRect& area, const TCaptionFormat& format) {
    TRect calc{area.Left, area.Top, area.Right, area.Top};
    unsigned flags = Flags(format) & ~(DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS);
    DrawText(dc, text.empty() ? std::string(" ") : text, &calc, flags | DT_CALCRECT);
    int width = format.WordBreak ? area.Width() : std::min(calc.Width(), area.Width());
    int height = calc.Height();
    int left = area.Left;
    if (format.Horz == THorzAlign::haCenter) left += (area.Width() - width) / 2;
    else if (format.Horz == THorzAlign::haRight) left = area.Right - width;
    int top = area.Top;
    if (format.Vert == TVertAlign::vaCenter) top += (area.Height() - height) / 2;
    else if (format.Vert == TVertAlign::vaBottom) top = area.Bottom - height;
    return Bounds(left, top, width, height);
}

void ControlText::Draw(HDC dc, const std::string& text, const TRect& placed, const TCaptionFormat& format, bool enabled) {
    if (text.empty()) return;
    unsigned flags = Flags(format);
    int oldMode = dc->SetBkMode(TRANSPARENT);
    TRect r = placed;
    if (!enabled) {
        TColor old = dc->SetTextColor(clBtnHighlight);
        TRect shadow = r.Offset(1, 1);
        DrawText(dc, text, &shadow, flags);
        dc->SetTextColor(clGrayText);
        DrawText(dc, text, &r, flags);
        dc->SetTextColor(old);
    } else {
        DrawText(dc, text, &r, flags);
    }
    dc->SetBkMode(oldMode);
}
