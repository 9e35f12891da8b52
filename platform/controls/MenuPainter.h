// The plain look of menu items, in the menu bar and in popup menus: their measured sizes and
// their drawing, with owner-drawn items measured and drawn by the menu's owner window instead.
#pragma once

#include "platform/controls/Menu.h"

class Font;

enum class TBarItemLook { blNormal, blHot, blPressed };

class MenuPainter {
public:
    static constexpr int kCheckColumn = 20;   // left of the text: check marks and bullets
    static constexpr int kArrowColumn = 18;   // right of the text: submenu arrows
    static constexpr int kShortcutGap = 20;
    static constexpr int kSeparatorHeight = 9;
    static constexpr int kBarPadding = 8;      // each side of a bar item's text

    static const Font* MenuFont(bool bold = false);
    static int PopupItemHeight();

    // The size of a popup item (cached in the item until it changes). Owner-drawn items are
    // measured by the owner (WM_MEASUREITEM) and get room for a check mark as the desktop gives.
    static TSize MeasurePopupItem(HWND owner, MenuItem& item);
    // Label and shortcut widths, for lining up the shortcut column.
    static int LabelWidth(const MenuItem& item);
    static int ShortcutWidth(const MenuItem& item);
    static TSize MeasureBarItem(HWND owner, MenuItem& item);

    // rect in the context's coordinates; shortcutX: where the shortcut column starts.
    static void DrawPopupItem(HDC dc, HWND owner, HMENU menu, const MenuItem& item, const TRect& rect, int shortcutX);
    static void DrawBarItem(HDC dc, HWND owner, HMENU menu, const MenuItem& item, const TRect& rect, TBarItemLook look);

private:
    static TSize OwnerMeasure(HWND owner, MenuItem& item, int defaultHeight);
    static void OwnerDraw(HDC dc, HWND owner, HMENU menu, const MenuItem& item, const TRect& rect, UINT extraState);
    static void DrawLabel(HDC dc, const std::string& text, TRect rect, UINT format, TColor color, bool embossed);
    static void DrawSeparator(HDC dc, const TRect& rect);
    static void DrawCheck(HDC dc, const MenuItem& item, const TRect& rect, TColor color);
};
