// Messages from a control to its parent.
#include "platform/controls/ParentNotify.h"
#include "platform/controls/Brushes.h"
#include "platform/window/MessageApi.h"
#include "platform/window/WindowApi.h"

void ParentNotify::Command(HWND control, WORD code) {
    HWND parent = GetParent(control);
    if (!parent) return;
    SendMessage(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code), reinterpret_cast<LPARAM>(control));
}

TColor ParentNotify::CtlColor(HWND control, UINT msg, HDC dc, TColor text, TColor background) {
    dc->SetTextColor(text);
    dc->SetBkColor(background);
    HWND parent = GetParent(control);
    if (!parent) return background;
    auto brush = reinterpret_cast<HBRUSH>(SendMessage(parent, msg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    return brush ? GetBrushColor(brush) : background;
}

void ParentNotify::DrawItem(HWND control, DRAWITEMSTRUCT& item) {
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(control));
    item.hwndItem = control;
    HWND parent = GetParent(control);
    if (parent) SendMessage(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
}
