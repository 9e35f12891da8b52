// The outline of a drawn hint: a rectangle, a rounded rectangle or an ellipse over the body, with
// a pointer triangle toward the tip or a trail of bubbles; filled into the mask and the shadow.
#pragma once

#include "platform/gfx/DeviceContext.h"

#include <vector>

enum THintShapeKind { hskRectangle, hskRoundRect, hskEllipse, hskBalloon };

class TacHintShape {
public:
    static constexpr int kBubbleCount = 5;
    static constexpr int kBubbleDivisor = 4;

    TacHintShape(THintShapeKind kind, const TRect& body, TPoint tip, int radius = 0);

    // Fills the shape moved by offset and shrunk by shrink pixels on every side.
    void Fill(DeviceContext& dc, TPoint offset, int shrink, TColor color) const;
    // The pointer triangle: the tip and the two base points on the body's middle row.
    std::vector<TPoint> Pointer(TPoint offset, int shrink) const;
    // The balloon's bubbles, biggest (nearest the ellipse) first; empty ones are left out.
    std::vector<TRect> Bubbles(TPoint offset, int shrink) const;

    THintShapeKind Kind() const { return FKind; }
    const TRect& Body() const { return FBody; }

private:
    THintShapeKind FKind;
    TRect FBody;
    TPoint FTip;
    int FRadius;
};
