// The line attributes of a canvas: colour, width and style.
#pragma once

#include "framework/TGraphicsObject.h"

#include "platform/gfx/Color.h"

// psDash, psDot and the dash-dot styles are drawn for lines of width 1; wider pens draw solid,
// as the classic system did.
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

class TPen : public TGraphicsObject {
public:
    std::string ClassName() const override { return "TPen"; }

    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    int Width() const { return FWidth; }
    // Widths below 1 become 1.
    void SetWidth(int width);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle style);

    void Assign(const TPersistent* source) override;

private:
    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = psSolid;
};
