// The plain look shared by the whole program: 3-D edges, frame controls (caption buttons, check
// and radio marks, scroll arrows, push buttons), the caption bar, the default icon and the focus
// rectangle, in the classic grey scheme of the system colours.
#pragma once

#include "platform/window/WinTypes.h"

#include <functional>
#include <string>

// Edge kinds and sides (DrawEdge), with the Win32 values.
constexpr UINT BDR_RAISEDOUTER = 0x0001;
constexpr UINT BDR_SUNKENOUTER = 0x0002;
constexpr UINT BDR_RAISEDINNER = 0x0004;
constexpr UINT BDR_SUNKENINNER = 0x0008;
constexpr UINT BDR_OUTER = 0x0003;
constexpr UINT BDR_INNER = 0x000C;
constexpr UINT EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr UINT EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
constexpr UINT BF_LEFT = 0x0001;
constexpr UINT BF_TOP = 0x0002;
constexpr UINT BF_RIGHT = 0x0004;
constexpr UINT BF_BOTTOM = 0x0008;
constexpr UINT BF_TOPLEFT = BF_TOP | BF_LEFT;
constexpr UINT BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT;
constexpr UINT BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr UINT BF_MIDDLE = 0x0800;
constexpr UINT BF_SOFT = 0x1000;
constexpr UINT BF_ADJUST = 0x2000;
constexpr UINT BF_FLAT = 0x4000;
constexpr UINT BF_MONO = 0x8000;
// Frame controls (DrawFrameControl), with the Win32 values.
constexpr UINT DFC_CAPTION = 1;
constexpr UINT DFC_MENU = 2;
constexpr UINT DFC_SCROLL = 3;
constexpr UINT DFC_BUTTON = 4;
constexpr UINT DFCS_CAPTIONCLOSE = 0x0000;
constexpr UINT DFCS_CAPTIONMIN = 0x0001;
constexpr UINT DFCS_CAPTIONMAX = 0x0002;
constexpr UINT DFCS_CAPTIONRESTORE = 0x0003;
constexpr UINT DFCS_CAPTIONHELP = 0x0004;
constexpr UINT DFCS_MENUARROW = 0x0000;
constexpr UINT DFCS_MENUCHECK = 0x0001;
constexpr UINT DFCS_MENUBULLET = 0x0002;
constexpr UINT DFCS_SCROLLUP = 0x0000;
constexpr UINT DFCS_SCROLLDOWN = 0x0001;
constexpr UINT DFCS_SCROLLLEFT = 0x0002;
constexpr UINT DFCS_SCROLLRIGHT = 0x0003;
constexpr UINT DFCS_SCROLLCOMBOBOX = 0x0005;
constexpr UINT DFCS_SCROLLSIZEGRIP = 0x0008;
constexpr UINT DFCS_BUTTONCHECK = 0x0000;
constexpr UINT DFCS_BUTTONRADIO = 0x0004;
constexpr UINT DFCS_BUTTON3STATE = 0x0008;
constexpr UINT DFCS_BUTTONPUSH = 0x0010;
constexpr UINT DFCS_INACTIVE = 0x0100;
constexpr UINT DFCS_PUSHED = 0x0200;
constexpr UINT DFCS_CHECKED = 0x0400;
constexpr UINT DFCS_TRANSPARENT = 0x0800;
constexpr UINT DFCS_HOT = 0x1000;
constexpr UINT DFCS_ADJUSTRECT = 0x2000;
constexpr UINT DFCS_FLAT = 0x4000;
constexpr UINT DFCS_MONO = 0x8000;
enum class TArrowDirection { adUp, adDown, adLeft, adRight };

class ClassicStyle {
public:
    // Draws the edge inside rect; with BF_ADJUST rect shrinks by the edge drawn.
    static BOOL DrawEdge(HDC dc, TRect* rect, UINT edge, UINT flags);
    static BOOL DrawFrameControl(HDC dc, TRect* rect, UINT type, UINT state);
    static void DrawArrow(HDC dc, const TRect& rect, TArrowDirection dir, TColor color);
    static void DrawCheckMark(HDC dc, const TRect& rect, TColor color);
    static void DrawFocusRect(HDC dc, const TRect& rect);
    // A track bar thumb: a raised block, pointed on one side (BF_TOP, BF_BOTTOM, BF_LEFT or
    // BF_RIGHT, toward the ticks) or square-cornered (0); state DFCS_PUSHED and DFCS_INACTIVE.
    static void DrawThumb(HDC dc, const TRect& rect, UINT point, UINT state);
    // A tab standing on a page: raised on its three free sides, corners cut, open on the page's
    // side (BF_BOTTOM for tabs above the page, BF_TOP below it, BF_RIGHT left of it, BF_LEFT
    // right of it); the face is filled.
    static void DrawTab(HDC dc, const TRect& rect, UINT open = BF_BOTTOM);
    // The caption bar background: a horizontal gradient of the (in)active caption colours.
    static void DrawCaptionBar(HDC dc, const TRect& rect, bool active);
    // A 16 x 16 application icon drawn in code (used when a window has no icon of its own).
    static void DrawDefaultIcon(HDC dc, int x, int y, int size);
    // Caption text (white bold on the active caption); one entry point so that tests can run
    // without glyph pixels by replacing it.
    static void DrawCaptionText(HDC dc, const std::string& text, const TRect& rect, bool active, bool small);
    using TCaptionTextPainter = std::function<void(HDC, const std::string&, const TRect&, bool active, bool small)>;
    static void SetCaptionTextPainter(TCaptionTextPainter painter);

private:
    static void DrawCaptionButton(HDC dc, const TRect& rect, UINT state);
    static void DrawButtonFace(HDC dc, TRect rect, UINT state);
    static void DrawCheckBox(HDC dc, const TRect& rect, UINT state);
    static void DrawRadio(HDC dc, const TRect& rect, UINT state);
    static void DrawScrollButton(HDC dc, const TRect& rect, UINT state);
};
