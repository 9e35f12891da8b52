// The hint look's stored values.
#include "skin/hints/TsHintKind.h"

#include <algorithm>

TsHintKind::TsHintKind(std::function<void()> styleChanged)
    : FStyleChanged(std::move(styleChanged)), FTexture(std::make_unique<TPicture>()),
      FFont(std::make_unique<TFont>()) {}

void TsHintKind::SetStyle(TsHintStyle style) {
    FStyle = style;
    if (FStyleChanged) FStyleChanged();
}

void TsHintKind::SetTransparency(int value) {
    FTransparency = std::clamp(value, 0, 100);
}

void TsHintKind::SetShadowTransparency(int value) {
    FShadowTransparency = std::clamp(value, 0, 100);
}
