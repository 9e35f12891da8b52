// The plain non-client area: frame widths for each border style, caption (normal or small),
// caption buttons, menu bar, client edge and scroll bars; its layout, hit test and painting.
#pragma once

#include "platform/window/WinTypes.h"

class Window;

struct TFrameLayout {
    int Border = 0;        // outer frame thickness on each side
    TRect Caption;         // window coordinates; empty without a caption
    TRect Icon;            // the system-menu icon in the caption
    TRect Close, Max, Min, Help; // caption buttons; empty when not shown
    TRect MenuBar;
    int ClientEdge = 0;    // 2 for WS_EX_CLIENTEDGE, 1 for WS_EX_STATICEDGE
    TRect VScroll, HScroll, SizeGrip;
    TRect Client;          // what remains for the client area
    bool SmallCaption = false;
    bool Sizeable = false;
};

class NonClientFrame {
public:
    // The layout for a window of the given size.
    static TFrameLayout Layout(const Window* w, int width, int height);
    // The client rectangle inside a window rectangle (same coordinates).
    static TRect CalcClient(const Window* w, const TRect& windowRect);
    // Hit-test code of a point in window coordinates.
    static int HitTest(const Window* w, TPoint pt);
    // Paints the frame into a context whose origin is the window's top-left.
    static void Paint(const Window* w, HDC dc, bool active);
    // The caption button under a hit code's state, for redrawing one pressed.
    static void PaintCaptionButton(const Window* w, HDC dc, int ht, bool pushed);

private:
    static int SizingCode(const TFrameLayout& l, TPoint pt, int width, int height);
};
