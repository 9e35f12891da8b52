// Brush properties.
#include "framework/TBrush.h"

// Choosing a colour means wanting a fill, so a clear brush becomes solid.
void TBrush::SetColor(TColor color) {
    if (color == FColor && FStyle == bsSolid) return;
    FColor = color;
    FStyle = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
    if (style == FStyle) return;
    FStyle = style;
    Changed();
}

void TBrush::Assign(const TPersistent* source) {
    const auto* brush = dynamic_cast<const TBrush*>(source);
    if (!brush) {
        TGraphicsObject::Assign(source);
        return;
    }
    if (brush->FColor == FColor && brush->FStyle == FStyle) return;
    FColor = brush->FColor;
    FStyle = brush->FStyle;
    Changed();
}
