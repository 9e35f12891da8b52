// What a control tells or asks the window it reports to.
#include "platform/controls/ControlParent.h"
#include "platform/controls/Brushes.h"

ControlParent::ControlParent(HWND control, HWND target) : FControl(control), FTarget(target ? target : GetParent(control)) {}

void ControlParent::Command(int code) const {
    if (FTarget)
        SendMessage(FTarget, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(FControl), code), reinterpret_cast<LPARAM>(FControl));
}

LRESULT ControlParent::Notify(UINT code) const {
    NMHDR header;
    header.code = code;
    return Notify(header);
}

LRESULT ControlParent::Notify(NMHDR& header) const {
    header.hwndFrom = FControl;
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(FControl));
    if (!FTarget) return 0;
    return SendMessage(FTarget, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

void ControlParent::Scroll(UINT msg, int code, int pos) const {
    if (FTarget) SendMessage(FTarget, msg, MAKEWPARAM(code, pos), reinterpret_cast<LPARAM>(FControl));
}

TColor ControlParent::CtlColor(UINT msg, HDC dc, TColor text, TColor background) const {
    dc->SetTextColor(text);
    dc->SetBkColor(background);
    if (!FTarget) return background;
    auto brush = reinterpret_cast<HBRUSH>(SendMessage(FTarget, msg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(FControl)));
    return brush ? GetBrushColor(brush) : background;
}

void ControlParent::DrawItem(DRAWITEMSTRUCT& item) const {
    if (!item.CtlID) item.CtlID = static_cast<UINT>(GetDlgCtrlID(FControl));
    if (!item.hwndItem) item.hwndItem = FControl;
    if (FTarget) SendMessage(FTarget, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
}

void ControlParent::MeasureItem(MEASUREITEMSTRUCT& item) const {
    if (!item.CtlID) item.CtlID = static_cast<UINT>(GetDlgCtrlID(FControl));
    if (FTarget) SendMessage(FTarget, WM_MEASUREITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
}
