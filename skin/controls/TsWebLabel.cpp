// The link label: hover font and opening its address.
#include "skin/controls/TsWebLabel.h"

#include "platform/window/SystemApi.h"

// The show modes are the platform's show commands in the same order.
static_assert(soHide == SW_HIDE && soMaximize == SW_SHOWMAXIMIZED && soDefault == SW_SHOWDEFAULT);

TsWebLabel::TsWebLabel(TComponent* owner)
    : TsCustomLabel(owner), FNormalFont(std::make_unique<TFont>()), FHoverFont(std::make_unique<TFont>()) {
    // Opaque, unlike the other labels: its background is filled with its colour.
    SetTransparent(false);
    SetCursor(crHandPoint);
}

TsWebLabel::~TsWebLabel() = default;

void TsWebLabel::SetNormalFont(const TFont* font) {
    FNormalFont->Assign(font);
    if (!FMouseOver) Font()->Assign(font);
}

// The address is opened on the press; OnClick (on the release) may then change it for the next.
void TsWebLabel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft && !FURL.empty()) ShellOpen(FURL, FShowMode);
    TsCustomLabel::MouseDown(button, shift, x, y);
}

void TsWebLabel::CMMouseEnter(TMessage& message) {
    if (message.LParam == 0 && !FMouseOver) {
        FNormalFont->Assign(Font());
        FMouseOver = true;
        Font()->Assign(FHoverFont.get());
    }
    TsCustomLabel::CMMouseEnter(message);
}

void TsWebLabel::CMMouseLeave(TMessage& message) {
    TsCustomLabel::CMMouseLeave(message);
    if (message.LParam == 0 && FMouseOver) {
        FMouseOver = false;
        Font()->Assign(FNormalFont.get());
    }
}
