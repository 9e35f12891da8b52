// Painting of the button family.
#include "platform/controls/ButtonPainter.h"
#include "platform/controls/ButtonCodes.h"
#include "platform/controls/OwnerDrawCodes.h"
#include "platform/controls/ParentNotify.h"
#include "platform/text/TextDraw.h"
#include "platform/window/ClassicStyle.h"
#include "platform/window/WindowApi.h"

#include <algorithm>

namespace {
bool IsPush(DWORD type) { return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_PUSHBOX; }
bool IsRadio(DWORD type) { return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON; }
}

TCaptionFormat ButtonPainter::CaptionFormat(DWORD style) {
    TCaptionFormat f;
    DWORD type = style & BS_TYPEMASK;
    DWORD horz = style & BS_CENTER, vert = style & BS_VCENTER;
    if (horz == BS_CENTER || (horz == 0 && IsPush(type))) f.Horz = THorzAlign::haCenter;
    else if (horz == BS_RIGHT) f.Horz = THorzAlign::haRight;
    f.Vert = vert == BS_TOP ? TVertAlign::vaTop : vert == BS_BOTTOM ? TVertAlign::vaBottom : TVertAlign::vaCenter;
    f.WordBreak = (style & BS_MULTILINE) != 0;
    return f;
}

void ButtonPainter::SplitCheck(DWORD style, const TRect& client, TRect* box, TRect* caption) {
    bool markRight = (style & BS_LEFTTEXT) != 0;
    DWORD vert = style & BS_VCENTER;
    int top = vert == BS_TOP ? client.Top : vert == BS_BOTTOM ? client.Bottom - kBoxSize : client.Top + (client.Height() - kBoxSize) / 2;
    int left = markRight ? client.Right - kBoxSize : client.Left;
    *box = Bounds(left, top, kBoxSize, kBoxSize);
    *caption = markRight ? TRect{client.Left, client.Top, box->Left - kBoxGap, client.Bottom}
                         : TRect{box->Right + kBoxGap, client.Top, client.Right, client.Bottom};
}

void ButtonPainter::Paint(HWND hwnd, HDC dc, const TButtonLook& look) {
    TRect client;
    GetClientRect(hwnd, &client);
    const Font* oldFont = dc->SelectFont(look.Font ? look.Font : Font::Default());
    DWORD type = look.Style & BS_TYPEMASK;
    if (type == BS_OWNERDRAW) {
        PaintOwnerDraw(hwnd, dc, client, look);
    } else if (type == BS_GROUPBOX) {
        // Only the frame and caption: the inside belongs to the parent and the framed controls.
        PaintGroup(dc, client, look, ParentNotify::CtlColor(hwnd, WM_CTLCOLORSTATIC, dc, clWindowText, clBtnFace));
    } else if (IsPush(type)) {
        dc->FillRect(client, ParentNotify::CtlColor(hwnd, WM_CTLCOLORBTN, dc, clBtnText, clBtnFace));
        PaintPush(dc, client, look);
    } else {
        dc->FillRect(client, ParentNotify::CtlColor(hwnd, WM_CTLCOLORSTATIC, dc, clWindowText, clBtnFace));
        PaintCheck(dc, client, look);
    }
    dc->SelectFont(oldFont);
}

void ButtonPainter::PaintPush(HDC dc, const TRect& client, const TButtonLook& look) {
    TRect face = client;
    bool isDefault = (look.Style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    if (isDefault) {
        dc->FrameRect(face, clWindowFrame);
        face = face.Inflate(-1, -1);
    }
    if (look.Pushed && isDefault) {
        // The classic default button goes flat when pressed.
        dc->FrameRect(face, clBtnShadow);
        dc->FillRect(face.Inflate(-1, -1), clBtnFace);
    } else {
        TRect r = face;
        ClassicStyle::DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (look.Pushed ? DFCS_PUSHED : 0));
    }
    TCaptionFormat format = CaptionFormat(look.Style);
    TRect area = face.Inflate(-4, -3);
    if (look.Pushed) area = area.Offset(1, 1);
    ControlText::Draw(dc, look.Text, ControlText::Place(dc, look.Text, area, format), format, look.Enabled);
    if (look.Focused) ClassicStyle::DrawFocusRect(dc, face.Inflate(-3, -3));
}

void ButtonPainter::PaintCheck(HDC dc, const TRect& client, const TButtonLook& look) {
    TRect box, area;
    SplitCheck(look.Style, client, &box, &area);
    DWORD type = look.Style & BS_TYPEMASK;
    UINT state = IsRadio(type) ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK;
    if (look.Check == BST_CHECKED) state |= DFCS_CHECKED;
    if (look.Check == BST_INDETERMINATE) state |= DFCS_BUTTON3STATE | DFCS_CHECKED;
    if (look.Pushed) state |= DFCS_PUSHED;
    if (!look.Enabled) state |= DFCS_INACTIVE;
    ClassicStyle::DrawFrameControl(dc, &box, DFC_BUTTON, state);
    TCaptionFormat format = CaptionFormat(look.Style);
    TRect placed = ControlText::Place(dc, look.Text, area, format);
    ControlText::Draw(dc, look.Text, placed, format, look.Enabled);
    if (look.Focused) {
        TRect focus = placed.Inflate(1, 1).Intersect(client);
        ClassicStyle::DrawFocusRect(dc, focus.IsEmpty() ? client : focus);
    }
}

void ButtonPainter::PaintGroup(HDC dc, const TRect& client, const TButtonLook& look, TColor background) {
    TCaptionFormat format = CaptionFormat(look.Style);
    format.Vert = TVertAlign::vaTop;
    format.WordBreak = false;
    TSize one = GetTextExtent(dc, "M");
    TRect frame = client;
    frame.Top += one.cy / 2;
    ClassicStyle::DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (look.Text.empty()) return;
    TRect placed = ControlText::Place(dc, look.Text, client.Inflate(-8, 0), format);
    // The caption interrupts the frame line: clear behind it with a little room on each side.
    dc->FillRect(placed.Inflate(2, 0), background);
    ControlText::Draw(dc, look.Text, placed, format, look.Enabled);
}

void ButtonPainter::PaintOwnerDraw(HWND hwnd, HDC dc, const TRect& client, const TButtonLook& look) {
    dc->FillRect(client, ParentNotify::CtlColor(hwnd, WM_CTLCOLORBTN, dc, clBtnText, clBtnFace));
    DRAWITEMSTRUCT item;
    item.CtlType = ODT_BUTTON;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = (look.Pushed ? ODS_SELECTED : 0) | (look.Focused ? ODS_FOCUS : 0) | (look.Enabled ? 0 : ODS_DISABLED) |
                     (look.Check == BST_CHECKED ? ODS_CHECKED : 0);
    item.hDC = dc;
    item.rcItem = client;
    ParentNotify::DrawItem(hwnd, item);
}
