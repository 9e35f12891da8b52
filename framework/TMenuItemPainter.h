// The plain look of owner-drawn menu items, for items whose owner-draw events are not set: the
// same sizes, colours, check marks and arrows as the platform's own menu items.
#pragma once

#include "framework/OwnerDrawState.h"

#include "platform/window/WinTypes.h"

class TCanvas;
class TMenuItem;

class TMenuItemPainter {
public:
    static constexpr int kCheckColumn = 20; // left of the caption: check marks, bullets, bitmaps
    static constexpr int kArrowColumn = 18; // right of the caption: submenu arrows
    static constexpr int kShortCutGap = 20;
    static constexpr int kSeparatorHeight = 9;
    static constexpr int kBarPadding = 8; // each side of a bar item's caption

    // The menu font (bold for a default item) in menu colours.
    static void PrepareCanvas(TCanvas* canvas, const TMenuItem* item);
    // width and height come preset with the platform's default item size.
    static void Measure(TMenuItem* item, TCanvas* canvas, int& width, int& height);
    static void Draw(TMenuItem* item, TCanvas* canvas, const TRect& rect, TOwnerDrawState state);

private:
    static void DrawBarItem(TMenuItem* item, TCanvas* canvas, const TRect& rect, TOwnerDrawState state);
    static void DrawPopupItem(TMenuItem* item, TCanvas* canvas, const TRect& rect, TOwnerDrawState state);
    static void DrawSeparator(HDC dc, const TRect& rect);
    static void DrawMark(TMenuItem* item, TCanvas* canvas, const TRect& rect, TColor ink);
    static void DrawLabel(HDC dc, const std::string& text, TRect rect, UINT format, TColor ink,
                          bool embossed);
};
