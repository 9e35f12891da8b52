// A push button with a glyph beside its caption, owner-drawn over the platform's "Button"; its
// Kind gives a ready-made caption, glyph and modal result (OK, Cancel, Yes, No, ...).
#pragma once

#include "framework/TButton.h"
#include "framework/TButtonGlyph.h"

enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

// A Kind other than bkCustom sets Caption, ModalResult, Default (OK, Yes) or Cancel (Cancel, No)
// and a glyph of its own; assigning a Glyph makes the button bkCustom. A bkClose button closes
// its form when clicked.
class TBitBtn : public TButton {
public:
    explicit TBitBtn(TComponent* owner);
    ~TBitBtn() override;
    std::string ClassName() const override { return "TBitBtn"; }

    TBitBtnKind Kind() const { return FKind; }
    void SetKind(TBitBtnKind kind);
    TBitmap* Glyph() const { return FGlyph.Glyph(); }
    void SetGlyph(const TBitmap* glyph);
    int NumGlyphs() const { return FGlyph.NumGlyphs(); }
    void SetNumGlyphs(int count);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout layout);
    // From the edge the layout names to the glyph; -1 centres glyph and caption together.
    int Margin() const { return FMargin; }
    void SetMargin(int margin);
    // Between glyph and caption; -1 spreads them evenly.
    int Spacing() const { return FSpacing; }
    void SetSpacing(int spacing);

    // Where glyph and caption go when the button is up (client coordinates).
    TRect GlyphRect() const;
    TRect CaptionRect() const;
    void Click() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Dispatch(TMessage& message) override;
    void UpdateDefaultLook() override;
    void CMEnabledChanged(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    void CMTextChanged(TMessage& message) override;
    // CN_DRAWITEM: the whole face in the state the platform reports.
    virtual void DrawItem(const DRAWITEMSTRUCT& item);

private:
    void Arrange(bool pushed, TRect& glyph, TRect& caption) const;
    void GlyphChanged();

    TButtonGlyph FGlyph;
    TBitBtnKind FKind = bkCustom;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    int FSpacing = 4;
    bool FSettingKind = false;
};
