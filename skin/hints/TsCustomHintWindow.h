// The drawn hint window: sized for its text and shape, placed by the hint position with its
// pointer corner, shown as a layered window with per-pixel alpha (shape, soft shadow) fading in,
// or, without layered windows, painted over a capture of the screen below it. The kinds redefine
// the shape, the body rectangle, the shadow and the border.
#pragma once

#include "skin/hints/TacHintShape.h"
#include "skin/hints/TacHintSkinLook.h"

#include "framework/TBitmap.h"
#include "framework/THintWindow.h"

#include "platform/gfx/Bitmap.h"

#include <optional>

class TsHintKind;
class TsHintManager;

class TsCustomHintWindow : public THintWindow {
public:
    TsCustomHintWindow(TComponent* owner, TsHintManager* manager);
    std::string ClassName() const override { return "TsCustomHintWindow"; }

    TRect CalcHintRect(int maxWidth, const std::string& hint, void* data) override;
    void ActivateHint(const TRect& rect, const std::string& hint) override;

    // Where the hint position lies: 0 left-top, 1 left-bottom, 2 right-top, 3 right-bottom.
    int Corner() const { return FCorner; }
    int ExtraWidth() const { return FExtraWidth; }
    int ExtraHeight() const { return FExtraHeight; }
    // The images of the last showing: the look inside the shape, and white outside the shape.
    const Bitmap& Body() const { return FBody.Image(); }
    const Bitmap& Mask() const { return FMask; }
    // The work bitmap all hint windows share (process-wide: one hint shows at a time).
    static Bitmap& WorkBitmap();

protected:
    virtual TPoint GetHintPos();
    virtual void PaintShadow(Bitmap& work);
    virtual TRect GetBodyRect();
    virtual void MakeMask();
    virtual void MakeBody();
    virtual void PaintBackground(Bitmap& body, const TRect& rect);
    virtual void PaintBorder(Bitmap& body);
    virtual void PaintText(Bitmap& body);
    virtual TPoint GetPointerTip();
    // The outline of this kind over the body rectangle.
    virtual TacHintShape Shape() = 0;
    // Room the kind adds to the sized rectangle (pointer, ellipse fit); size is updated.
    virtual void AddShapeRoom(TSize& size);
    // The narrowest text the kind takes before its frame is added.
    virtual int MinTextWidth() const { return 0; }

    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void Dispatch(TMessage& message) override;

    TsHintKind& Kind() const;
    TsHintManager* Manager() const { return FManager; }
    // The skin's look when the hint takes it (then there is no kind's shadow, shape or border).
    const TacHintSkinLook* Look() const { return FLook ? &*FLook : nullptr; }
    // The kind's shadow is drawn: enabled, and not in the skin's look.
    bool ShadowOn() const;
    // The shadow's offset when the shadow is drawn, else 0.
    int ShadowShift() const;
    // The grey level of the inside of the mask.
    virtual int ShapeLevel() const;
    // Borders of a shaped kind from its mask: inside pixels on the upper-left edge take the top
    // colour, those on the lower-right edge the bottom colour.
    void PaintMaskBorder(Bitmap& body) const;

    int FCorner = 0;
    int FExtraWidth = 0;
    int FExtraHeight = 0;

private:
    // The platform's hint font in the skin's look, else the kind's font.
    TFont* TextFont() const;
    TSize MeasureText(const std::string& text, int maxWidth) const;
    void AddFrame(TSize& size);
    int Transparency() const;
    void AnswerCacheInfo() const;
    void ChooseDropShadow();
    // Where the text goes: inside the skin's frame, or the kind's margins and border.
    TRect TextRect();
    void ShowLayered();
    void FadeIn(std::uint8_t target);
    void ShowOverCapture();
    void PushLayeredImage(const Bitmap* image, std::uint8_t opacity);

    TsHintManager* FManager;
    std::optional<TacHintSkinLook> FLook;
    TBitmap FBody;
    Bitmap FMask;
    bool FLayered = false; // shown through the layered image, which the window does not paint
    Bitmap FCaptured;
};
