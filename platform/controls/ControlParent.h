// What a control tells or asks the window it reports to: command and notify messages, colours,
// owner drawing and scroll notifications.
#pragma once

#include "platform/window/Win.h"

class ControlParent {
public:
    // target is the window that hears the control; nullptr: the control's parent.
    explicit ControlParent(HWND control, HWND target = nullptr);

    HWND Target() const { return FTarget; }
    // WM_COMMAND: the control's id and code in wParam, the control in lParam.
    void Command(int code) const;
    // WM_NOTIFY with an NMHDR from the control; the target's answer.
    LRESULT Notify(UINT code) const;
    LRESULT Notify(NMHDR& header) const;
    // WM_HSCROLL / WM_VSCROLL with code and position, the control in lParam.
    void Scroll(UINT msg, int code, int pos) const;
    // WM_CTLCOLOR*: the context carries the control's default text and background colours; the
    // target may change the text colour and answers a brush (Brushes.h) for the background, or
    // none for the default. Returns the background to fill with; the context's text colour is
    // the one to write with.
    TColor CtlColor(UINT msg, HDC dc, TColor text, TColor background) const;
    // WM_DRAWITEM / WM_MEASUREITEM; CtlID and hwndItem are filled in here when left empty.
    void DrawItem(DRAWITEMSTRUCT& item) const;
    void MeasureItem(MEASUREITEMSTRUCT& item) const;

private:
    HWND FControl;
    HWND FTarget;
};
