// Labels: measuring, auto size and drawing of their text.
#include "framework/TLabel.h"

#include "framework/TWinControl.h"

#include "platform/system/Mnemonic.h"
#include "platform/text/TextDraw.h"

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    FControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks, csReplicatable};
    FWidth = 65;
    FHeight = 17;
}

unsigned TLabel::DrawFlags() const {
    static constexpr unsigned alignFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    unsigned flags = DT_EXPANDTABS | alignFlags[FAlignment];
    if (FWordWrap) flags |= DT_WORDBREAK;
    if (!FShowAccelChar) flags |= DT_NOPREFIX;
    return flags;
}

TSize TLabel::TextSize() const {
    DeviceContext measure;
    measure.SelectFont(Font()->Handle());
    TRect r{0, 0, FWordWrap ? std::max(1, FWidth) : 32767, 0};
    const std::string caption = GetText();
    const std::string_view text = caption.empty() ? std::string_view(" ") : std::string_view(caption); // one line high when empty
    DrawText(&measure, text, &r, DrawFlags() | DT_CALCRECT);
    return r.Size();
}

void TLabel::AdjustBounds() {
    if (!FAutoSize) return;
    const TSize size = TextSize();
    int left = FLeft;
    const int width = FWordWrap ? FWidth : size.cx;
    if (FAlignment == taRightJustify) left = FLeft + FWidth - width;
    else if (FAlignment == taCenter) left = FLeft + (FWidth - width) / 2;
    SetBounds(left, FTop, width, size.cy);
}

void TLabel::SetAutoSize(bool value) {
    if (FAutoSize == value) return;
    FAutoSize = value;
    AdjustBounds();
}

void TLabel::SetAlignment(TAlignment value) {
    if (FAlignment == value) return;
    FAlignment = value;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout value) {
    if (FLayout == value) return;
    FLayout = value;
    Invalidate();
}

void TLabel::SetTransparent(bool value) {
    if (FTransparent == value) return;
    FTransparent = value;
    if (value) FControlStyle.Exclude(csOpaque);
    else FControlStyle.Include(csOpaque);
    Invalidate();
}

void TLabel::SetWordWrap(bool value) {
    if (FWordWrap == value) return;
    FWordWrap = value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetShowAccelChar(bool value) {
    if (FShowAccelChar == value) return;
    FShowAccelChar = value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetFocusControl(TWinControl* control) {
    if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
    FFocusControl = control;
    if (control) control->FreeNotification(this);
}

void TLabel::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == FFocusControl) FFocusControl = nullptr;
}

void TLabel::Paint() {
    HDC dc = Canvas()->Handle();
    TRect rect = ClientRect();
    if (!FTransparent) dc->FillRect(rect, ColorToRGB(Color()));
    const std::string text = GetText();
    if (text.empty()) return;
    dc->SelectFont(Font()->Handle());
    dc->SetBkMode(TRANSPARENT);
    if (FLayout != tlTop) {
        TRect calc{0, 0, rect.Width(), 0};
        DrawText(dc, text, &calc, DrawFlags() | DT_CALCRECT);
        const int free = rect.Height() - calc.Height();
        rect.Top += FLayout == tlCenter ? free / 2 : free;
    }
    DrawLabelText(dc, text, rect, DrawFlags());
}

void TLabel::DrawLabelText(HDC dc, const std::string& text, TRect& rect, unsigned flags) {
    if (!Enabled()) {
        TRect shifted = rect.Offset(1, 1);
        dc->SetTextColor(ColorToRGB(clBtnHighlight));
        DrawText(dc, text, &shifted, flags);
        dc->SetTextColor(ColorToRGB(clBtnShadow));
    } else {
        dc->SetTextColor(ColorToRGB(Font()->Color()));
    }
    DrawText(dc, text, &rect, flags);
}

void TLabel::Dispatch(TMessage& m) {
    if (m.Msg == CM_DIALOGCHAR) {
        CMDialogChar(m);
        return;
    }
    TGraphicControl::Dispatch(m);
}

void TLabel::CMTextChanged(TMessage& m) {
    TGraphicControl::CMTextChanged(m);
    AdjustBounds();
}

void TLabel::CMFontChanged(TMessage& m) {
    TGraphicControl::CMFontChanged(m);
    AdjustBounds();
}

// "&x" in the text makes Alt+x, or x typed while the focused control takes no characters,
// focus FocusControl.
void TLabel::CMDialogChar(TMessage& m) {
    if (!FShowAccelChar || !FFocusControl || !Enabled() || !FFocusControl->CanFocus()) return;
    if (!IsMnemonic(GetText(), static_cast<char32_t>(m.WParam))) return;
    FFocusControl->SetFocus();
    m.Result = 1;
}
