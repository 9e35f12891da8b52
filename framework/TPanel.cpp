// Panels: bevels, border and caption.
#include "framework/TPanel.h"

#include "platform/text/TextDraw.h"

#include <algorithm>

namespace {

// Lines of width `width` along the edges: top and left in one colour, bottom and right in the
// other; rect shrinks by what was drawn.
void Frame3D(HDC dc, TRect& rect, TColor topLeft, TColor bottomRight, int width) {
    for (int i = 0; i < width && !rect.IsEmpty(); ++i) {
        dc->FillRect({rect.Left, rect.Top, rect.Right, rect.Top + 1}, topLeft);
        dc->FillRect({rect.Left, rect.Top, rect.Left + 1, rect.Bottom}, topLeft);
        dc->FillRect({rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom}, bottomRight);
        dc->FillRect({rect.Right - 1, rect.Top, rect.Right, rect.Bottom}, bottomRight);
        rect = rect.Inflate(-1, -1);
    }
}

void Bevel(HDC dc, TRect& rect, TBevelCut cut, int width, TColor face) {
    if (cut == bvNone) return;
    const TColor light = ColorToRGB(clBtnHighlight), shadow = ColorToRGB(clBtnShadow);
    switch (cut) {
    case bvLowered: Frame3D(dc, rect, shadow, light, width); break;
    case bvRaised: Frame3D(dc, rect, light, shadow, width); break;
    default: Frame3D(dc, rect, face, face, width); break;
    }
}

} // namespace

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks, csReplicatable};
    FWidth = 185;
    FHeight = 41;
    SetColor(clBtnFace);
}

void TPanel::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    if (FBorderStyle == bsSingle) params.Style |= WS_BORDER;
}

void TPanel::SetBevelInner(TBevelCut value) {
    if (FBevelInner == value) return;
    FBevelInner = value;
    Realign();
    Invalidate();
}

void TPanel::SetBevelOuter(TBevelCut value) {
    if (FBevelOuter == value) return;
    FBevelOuter = value;
    Realign();
    Invalidate();
}

void TPanel::SetBevelWidth(int value) {
    value = std::max(1, value);
    if (FBevelWidth == value) return;
    FBevelWidth = value;
    Realign();
    Invalidate();
}

void TPanel::SetBorderStyle(TBorderStyle value) {
    if (FBorderStyle == value) return;
    FBorderStyle = value;
    RecreateWnd();
    Realign();
}

void TPanel::SetAlignment(TAlignment value) {
    if (FAlignment == value) return;
    FAlignment = value;
    Invalidate();
}

void TPanel::SetParentBackground(bool value) {
    if (FParentBackground == value) return;
    FParentBackground = value;
    if (value) FControlStyle.Include(csParentBackground);
    else FControlStyle.Exclude(csParentBackground);
    Invalidate();
}

TRect TPanel::AlignRect() const {
    const int inset = BorderWidth() + BevelSize(FBevelOuter) + BevelSize(FBevelInner);
    return ClientRect().Inflate(-inset, -inset);
}

void TPanel::Paint() {
    HDC dc = Canvas()->Handle();
    const TColor face = ColorToRGB(Color());
    TRect rect = ClientRect();
    Bevel(dc, rect, FBevelOuter, FBevelWidth, face);
    Frame3D(dc, rect, face, face, BorderWidth());
    Bevel(dc, rect, FBevelInner, FBevelWidth, face);
    dc->FillRect(rect, face);
    const std::string text = GetText();
    if (text.empty()) return;
    static constexpr unsigned alignFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    dc->SelectFont(Font()->Handle());
    dc->SetTextColor(ColorToRGB(Enabled() ? Font()->Color() : clGrayText));
    dc->SetBkMode(TRANSPARENT);
    DrawText(dc, text, &rect, DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | alignFlags[FAlignment]);
}

void TPanel::CMTextChanged(TMessage& m) {
    TCustomControl::CMTextChanged(m);
    Invalidate();
}
