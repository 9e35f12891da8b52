// The focus frame dot by dot, and fitting text with an ellipsis.
#include "skin/paint/CanvasRoutines.h"

#include "platform/system/CodePage.h"

void DrawSkinFocusRect(TCanvas& canvas, const TRect& r) {
    for (int i = 0; i <= r.Width() / 3; ++i) {
        const int x = r.Left + 3 * i;
        canvas.SetPixels(x - 1, r.Top - 1, clWhite);
        canvas.SetPixels(x - 1, r.Bottom - 1, clWhite);
        canvas.SetPixels(x, r.Top, clBlack);
        canvas.SetPixels(x, r.Bottom, clBlack);
    }
    for (int j = 0; j <= r.Height() / 3; ++j) {
        const int y = r.Top + 3 * j;
        canvas.SetPixels(r.Left - 1, y - 1, clWhite);
        canvas.SetPixels(r.Right - 1, y - 1, clWhite);
        canvas.SetPixels(r.Left, y, clBlack);
        canvas.SetPixels(r.Right, y, clBlack);
    }
}

std::string FitTextWithEllipsis(TCanvas& canvas, std::string_view text, int maxWidth) {
    if (maxWidth <= 0) return {};
    if (canvas.TextWidth(text) <= maxWidth) return std::string(text);
    for (std::size_t chars = CharCount(text); chars-- > 1;) {
        std::string cut = std::string(LeadingChars(text, chars)) + "...";
        if (canvas.TextWidth(cut) <= maxWidth) return cut;
    }
    return {};
}
