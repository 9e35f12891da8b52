// What a control says to its parent: command notifications, colour questions and owner-draw
// requests.
#pragma once

#include "platform/window/WinTypes.h"

class ParentNotify {
public:
    // WM_COMMAND with (id, code) in wParam and the control in lParam; nothing without a parent.
    static void Command(HWND control, WORD code);
    // Sets the default text and background colours on dc, asks the parent with msg
    // (WM_CTLCOLORBTN, WM_CTLCOLORSTATIC, ...) and returns the background to fill: the colour of
    // the brush the parent answered, or the default background when it answered none. The parent
    // may change the text colour on dc.
    static TColor CtlColor(HWND control, UINT msg, HDC dc, TColor text, TColor background);
    // WM_DRAWITEM to the parent with the control's id and window filled in.
    static void DrawItem(HWND control, DRAWITEMSTRUCT& item);
};
