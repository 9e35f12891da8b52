// Group boxes.
#include "framework/TGroupBox.h"

#include "platform/controls/ButtonCodes.h"
#include "platform/controls/ButtonPainter.h"
#include "platform/text/TextDraw.h"

TGroupBox::TGroupBox(TComponent* owner) : TCustomControl(owner) {
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csReplicatable};
    FWidth = 185;
    FHeight = 105;
}

TRect TGroupBox::AlignRect() const {
    TRect r = TCustomControl::AlignRect();
    r.Top += GetTextExtent(Font()->Handle(), "0").cy;
    return r.Inflate(-2, -2);
}

void TGroupBox::Paint() {
    TButtonLook look;
    look.Style = BS_GROUPBOX;
    look.Text = GetText();
    look.Font = Font()->Handle();
    look.Enabled = Enabled();
    ButtonPainter::Paint(FHandle, Canvas()->Handle(), look);
}

void TGroupBox::CMTextChanged(TMessage& m) {
    TCustomControl::CMTextChanged(m);
    Invalidate();
}

void TGroupBox::CMFontChanged(TMessage& m) {
    TCustomControl::CMFontChanged(m);
    Realign();
    Invalidate();
}
