// The fill attributes of a canvas: colour, and whether to fill at all.
#pragma once

#include "framework/TGraphicsObject.h"

#include "platform/gfx/Color.h"

// bsClear leaves shapes unfilled and text drawn without a background.
enum TBrushStyle { bsSolid, bsClear };

class TBrush : public TGraphicsObject {
public:
    std::string ClassName() const override { return "TBrush"; }

    TColor Color() const { return FColor; }
    // Also makes the brush solid.
    void SetColor(TColor color);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle style);

    void Assign(const TPersistent* source) override;

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
};
