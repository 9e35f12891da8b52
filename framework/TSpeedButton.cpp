// Speed buttons: press and toggle behaviour, groups and the plain look.
#include "framework/TSpeedButton.h"

#include "framework/TButtonGlyph.h"
#include "framework/TWinControl.h"
#include "framework/TextBlock.h"

#include "platform/text/TextDraw.h"
#include "platform/window/ClassicStyle.h"

#include <algorithm>

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner), FGlyph(std::make_unique<TBitmap>()) {
    FControlStyle = {csCaptureMouse, csDoubleClicks};
    FWidth = 23;
    FHeight = 22;
    SetParentFont(true);
    FGlyph->OnChange = [this](TObject*) { Invalidate(); };
}

TSpeedButton::~TSpeedButton() = default;

// --- properties ------------------------------------------------------------------------------

void TSpeedButton::SetDown(bool down) {
    if (FGroupIndex == 0) down = false;
    if (down == FDown) return;
    if (FDown && !FAllowAllUp) return;
    FDown = down;
    if (down) {
        if (FState == bsUp) Invalidate();
        FState = bsExclusive;
    } else {
        FState = bsUp;
        Repaint();
    }
    if (down) UpdateExclusive();
}

void TSpeedButton::SetGroupIndex(int index) {
    if (FGroupIndex == index) return;
    FGroupIndex = index;
    UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool value) {
    if (FAllowAllUp == value) return;
    FAllowAllUp = value;
    UpdateExclusive();
}

// Tells the other buttons of the group (same parent) that this one is down, and shares
// AllowAllUp with them.
void TSpeedButton::UpdateExclusive() {
    if (FGroupIndex == 0 || !FParent) return;
    TMessage message{CM_BUTTONPRESSED, static_cast<WPARAM>(FGroupIndex), reinterpret_cast<LPARAM>(this), 0};
    FParent->Broadcast(message);
}

void TSpeedButton::CMButtonPressed(TMessage& m) {
    auto* sender = reinterpret_cast<TSpeedButton*>(m.LParam);
    if (static_cast<int>(m.WParam) != FGroupIndex || sender == this || !sender) return;
    if (sender->Down() && FDown) {
        FDown = false;
        FState = bsUp;
        Invalidate();
    }
    FAllowAllUp = sender->AllowAllUp();
}

void TSpeedButton::SetFlat(bool value) {
    if (FFlat == value) return;
    FFlat = value;
    Invalidate();
}

void TSpeedButton::SetTransparent(bool value) {
    if (FTransparent == value) return;
    FTransparent = value;
    if (value) FControlStyle.Exclude(csOpaque);
    else FControlStyle.Include(csOpaque);
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(int count) {
    count = std::clamp(count, 1, 4);
    if (FNumGlyphs == count) return;
    FNumGlyphs = count;
    Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout layout) {
    if (FLayout == layout) return;
    FLayout = layout;
    Invalidate();
}

void TSpeedButton::SetMargin(int margin) {
    margin = std::max(-1, margin);
    if (FMargin == margin) return;
    FMargin = margin;
    Invalidate();
}

void TSpeedButton::SetSpacing(int spacing) {
    spacing = std::max(-1, spacing);
    if (FSpacing == spacing) return;
    FSpacing = spacing;
    Invalidate();
}

// --- mouse -----------------------------------------------------------------------------------

void TSpeedButton::Dispatch(TMessage& m) {
    if (m.Msg == CM_BUTTONPRESSED) {
        CMButtonPressed(m);
        return;
    }
    TGraphicControl::Dispatch(m);
}

// OnMouseDown may open a modal window that ends the press (it takes the pointer); the button
// then stays up instead of waiting for a release it will never see.
void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    std::weak_ptr<int> alive = AliveToken();
    TGraphicControl::MouseDown(button, shift, x, y);
    if (alive.expired() || button != mbLeft || !Enabled() || !MouseCapture()) return;
    if (!FDown) {
        FState = bsDown;
        Repaint();
    }
    FDragging = true;
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
    TGraphicControl::MouseMove(shift, x, y);
    if (!FDragging) return;
    TButtonState state = FDown ? bsExclusive : bsUp;
    if (ClientRect().Contains({x, y})) state = FDown ? bsExclusive : bsDown;
    if (state != FState) {
        FState = state;
        Invalidate();
    }
}

// Releasing inside clicks; with a group the click toggles Down first. The click comes last
// because its handler may free the button.
void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    std::weak_ptr<int> alive = AliveToken();
    TGraphicControl::MouseUp(button, shift, x, y);
    if (alive.expired() || !FDragging || button != mbLeft) return;
    FDragging = false;
    const bool doClick = ClientRect().Contains({x, y});
    if (FGroupIndex == 0) {
        FState = bsUp;
        Invalidate();
    } else if (doClick) {
        SetDown(!FDown);
        if (FDown) Repaint();
    } else {
        if (FDown) FState = bsExclusive;
        Repaint();
    }
    if (doClick) Click();
}

void TSpeedButton::Click() {
    TGraphicControl::Click();
}

void TSpeedButton::WMCancelMode(TMessage& m) {
    if (FDragging) {
        FDragging = false;
        FState = FDown ? bsExclusive : bsUp;
        Invalidate();
    }
    TGraphicControl::WMCancelMode(m);
}

void TSpeedButton::CMMouseEnter(TMessage& m) {
    if (m.LParam == 0 && Enabled() && !FMouseInside) {
        FMouseInside = true;
        if (FFlat && !FDown) Invalidate();
    }
    TGraphicControl::CMMouseEnter(m);
}

void TSpeedButton::CMMouseLeave(TMessage& m) {
    if (m.LParam == 0 && FMouseInside) {
        FMouseInside = false;
        if (FFlat && !FDown) Invalidate();
    }
    TGraphicControl::CMMouseLeave(m);
}

void TSpeedButton::CMEnabledChanged(TMessage& m) {
    FState = !Enabled() ? bsDisabled : FDown ? bsExclusive : bsUp;
    if (!Enabled()) FDragging = false;
    TGraphicControl::CMEnabledChanged(m);
}

// --- layout and painting ---------------------------------------------------------------------

int TSpeedButton::GlyphIndex() const {
    const int index = static_cast<int>(FState);
    return index < FNumGlyphs ? index : 0;
}

TSize TSpeedButton::CaptionSize(int maxWidth) const {
    return MeasureTextBlock(Font(), GetText(), maxWidth, DT_CENTER);
}

// Glyph and caption as one block: laid against the Layout edge at Margin, or centred (-1);
// Spacing -1 spreads the free room evenly around and between them.
void TSpeedButton::Layout(TRect& glyph, TRect& caption) const {
    const TRect client = FaceRect();
    const TSize g = FGlyph->Empty() ? TSize{} : TSize{FGlyph->Width() / FNumGlyphs, FGlyph->Height()};
    const bool horizontal = FLayout == blGlyphLeft || FLayout == blGlyphRight;
    const int room = std::max(1, client.Width() - 4 - (horizontal && g.cx ? g.cx + std::max(0, FSpacing) : 0));
    const TSize t = CaptionSize(room);
    TButtonGlyph::Arrange(client, g, t, FLayout, FMargin, FSpacing, glyph, caption);
    if (FState == bsDown || FState == bsExclusive) {
        glyph = glyph.Offset(1, 1);
        caption = caption.Offset(1, 1);
    }
}

TRect TSpeedButton::GlyphRect() const {
    TRect glyph, caption;
    Layout(glyph, caption);
    return glyph;
}

TRect TSpeedButton::CaptionRect() const {
    TRect glyph, caption;
    Layout(glyph, caption);
    return caption;
}

void TSpeedButton::Paint() {
    if (!Enabled()) FState = bsDisabled;
    else if (FState == bsDisabled) FState = FDown && FGroupIndex ? bsExclusive : bsUp;
    TRect rect = FaceRect();
    PaintFrame(rect);
    TRect glyph, caption;
    Layout(glyph, caption);
    PaintGlyph(glyph);
    PaintCaption(caption);
}

// The exclusive (held) face is a fine checker of the face and highlight colours, as the
// classic look shows a latched button.
void TSpeedButton::PaintFrame(TRect& rect) {
    HDC dc = Canvas()->Handle();
    const bool pushed = FState == bsDown || FState == bsExclusive;
    if (!FTransparent || !FFlat) dc->FillRect(rect, ColorToRGB(clBtnFace));
    if (FState == bsExclusive && (!FFlat || !FTransparent)) {
        const TColor light = ColorToRGB(clBtnHighlight);
        for (int y = rect.Top + 1; y < rect.Bottom - 1; ++y)
            for (int x = rect.Left + 1 + (y & 1); x < rect.Right - 1; x += 2) dc->SetPixel(x, y, light);
    }
    if (FFlat) {
        if (pushed) ClassicStyle::DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT);
        else if (FMouseInside && Enabled()) ClassicStyle::DrawEdge(dc, &rect, BDR_RAISEDINNER, BF_RECT);
        return;
    }
    ClassicStyle::DrawEdge(dc, &rect, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
}

void TSpeedButton::PaintGlyph(const TRect& rect) {
    if (FGlyph->Empty() || rect.IsEmpty()) return;
    const int w = FGlyph->Width() / FNumGlyphs, h = FGlyph->Height();
    const int index = GlyphIndex();
    const TColor key = FGlyph->Canvas()->Pixels(0, h - 1);
    const bool grey = FState == bsDisabled && FNumGlyphs < 2;
    HDC dc = Canvas()->Handle();
    TCanvas* source = FGlyph->Canvas();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const TColor c = source->Pixels(index * w + x, y);
            if (c == key) continue;
            dc->SetPixel(rect.Left + x, rect.Top + y, grey ? ColorToRGB(clBtnShadow) : c);
        }
}

void TSpeedButton::PaintCaption(const TRect& rect) {
    const std::string text = GetText();
    if (text.empty()) return;
    HDC dc = Canvas()->Handle();
    dc->SelectFont(Font()->Handle());
    dc->SetBkMode(TRANSPARENT);
    TRect r = rect;
    const unsigned flags = DT_CENTER | DT_WORDBREAK;
    if (FState == bsDisabled) {
        TRect shifted = r.Offset(1, 1);
        dc->SetTextColor(ColorToRGB(clBtnHighlight));
        DrawText(dc, text, &shifted, flags);
        dc->SetTextColor(ColorToRGB(clBtnShadow));
    } else {
        dc->SetTextColor(ColorToRGB(Font()->Color()));
    }
    DrawText(dc, text, &r, flags);
}
