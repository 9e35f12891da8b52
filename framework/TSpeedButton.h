// A window-less push button that can stay down: groups of exclusive buttons, an optional glyph
// beside a (multi-line) caption, and a flat look that shows its frame only under the mouse.
#pragma once

#include "framework/TBitmap.h"
#include "framework/TGraphicControl.h"

// With GroupIndex 0 the button only pushes; with a group, a click puts it Down and raises the
// other buttons of that group under the same parent; a Down button goes up by a click only
// when AllowAllUp.
class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* owner);
    ~TSpeedButton() override;
    std::string ClassName() const override { return "TSpeedButton"; }

    bool Down() const { return FDown; }
    void SetDown(bool down);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int index);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // The glyph strip: NumGlyphs images side by side (up, disabled, down, exclusive); the colour
    // of its bottom-left pixel is see-through.
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(const TBitmap* glyph) { FGlyph->Assign(glyph); }
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int count);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout layout);
    // Distance of the glyph (or glyph and caption) from the edge it is laid against; -1 centres.
    int Margin() const { return FMargin; }
    void SetMargin(int margin);
    // Between glyph and caption; -1 spreads them evenly.
    int Spacing() const { return FSpacing; }
    void SetSpacing(int spacing);

    TButtonState State() const { return FState; }
    bool MouseInside() const { return FMouseInside; }
    // Where the glyph and the caption go in the current state (client coordinates).
    virtual TRect GlyphRect() const;
    virtual TRect CaptionRect() const;
    void Click() override;

protected:
    // The part of the client area that face, glyph and caption take; a subclass may keep the
    // rest for parts of its own.
    virtual TRect FaceRect() const { return ClientRect(); }
    void Paint() override;
    virtual void PaintFrame(TRect& rect);
    virtual void PaintGlyph(const TRect& rect);
    virtual void PaintCaption(const TRect& rect);
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Dispatch(TMessage& message) override;
    void WMCancelMode(TMessage& message) override;
    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;
    void CMEnabledChanged(TMessage& message) override;
    virtual void CMButtonPressed(TMessage& message);

private:
    void UpdateExclusive();
    void Layout(TRect& glyph, TRect& caption) const;
    TSize CaptionSize(int maxWidth) const;
    int GlyphIndex() const;

    bool FDown = false;
    int FGroupIndex = 0;
    bool FAllowAllUp = false;
    bool FFlat = false;
    bool FTransparent = true;
    bool FDragging = false;
    bool FMouseInside = false;
    std::unique_ptr<TBitmap> FGlyph;
    int FNumGlyphs = 1;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    int FSpacing = 4;
    TButtonState FState = bsUp;
};
