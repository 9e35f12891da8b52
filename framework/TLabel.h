// A window-less text: auto-sizing, alignment, vertical layout, word wrap, transparency and an
// accelerator character that focuses another control.
#pragma once

#include "framework/TGraphicControl.h"

class TWinControl;

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);
    std::string ClassName() const override { return "TLabel"; }

    // The label fits its text: its width (height with WordWrap) follows the text; the edge
    // its Alignment names stays where it is.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool value);
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* control);

    // The text's size as the label would draw it within its width (any width without WordWrap).
    TSize TextSize() const;

protected:
    void Paint() override;
    void Dispatch(TMessage& message) override;
    void CMTextChanged(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    virtual void CMDialogChar(TMessage& message);
    void Notification(TComponent* component, TOperation operation) override;
    // The text in rect with the DrawText flags, the font selected; disabled text is embossed.
    virtual void DrawLabelText(HDC dc, const std::string& text, TRect& rect, unsigned flags);
    // Alignment, word wrap, tab expansion and accelerator handling as DrawText flags.
    unsigned DrawFlags() const;
    void AdjustBounds();

private:

    bool FAutoSize = true;
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FTransparent = false;
    bool FWordWrap = false;
    bool FShowAccelChar = true;
    TWinControl* FFocusControl = nullptr;
};
