// The plain look of the "Button" class: push buttons (with the default-button frame), check
// boxes, radio buttons and group boxes, and the WM_DRAWITEM request of owner-drawn buttons.
#pragma once

#include "platform/controls/ControlText.h"
#include "platform/window/WinTypes.h"

#include <string>

// What a button looks like at the moment it is painted.
struct TButtonLook {
    DWORD Style = 0;
    std::string Text;
    HFONT Font = nullptr;
    UINT Check = 0;        // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE
    bool Pushed = false;
    bool Focused = false;
    bool Enabled = true;
};

class ButtonPainter {
public:
    static constexpr int kBoxSize = 13;  // the check box and radio mark
    static constexpr int kBoxGap = 4;    // between the mark and its caption

    // Paints the whole client area of the button into dc.
    static void Paint(HWND hwnd, HDC dc, const TButtonLook& look);
    // The caption format the style asks for; push buttons centre by default, the others align left.
    static TCaptionFormat CaptionFormat(DWORD style);
    // Where a check box or radio button puts its mark and its caption inside client.
    static void SplitCheck(DWORD style, const TRect& client, TRect* box, TRect* caption);

private:
    static void PaintPush(HDC dc, const TRect& client, const TButtonLook& look);
    static void PaintCheck(HDC dc, const TRect& client, const TButtonLook& look);
    static void PaintGroup(HDC dc, const TRect& client, const TButtonLook& look, TColor background);
    static void PaintOwnerDraw(HWND hwnd, HDC dc, const TRect& client, const TButtonLook& look);
};
