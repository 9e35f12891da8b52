// Bitmap buttons: kinds, glyph layout and the owner-drawn face.
#include "framework/TBitBtn.h"

#include "framework/TCustomForm.h"
#include "framework/TextBlock.h"

#include "platform/controls/ButtonCodes.h"
#include "platform/controls/OwnerDrawCodes.h"
#include "platform/text/TextDraw.h"
#include "platform/window/ClassicStyle.h"
#include "platform/window/Win.h"

#include <vector>

namespace {

struct TKindInfo {
    const char* Caption;
    TModalResult Result;
};

const TKindInfo& KindInfo(TBitBtnKind kind) {
    static const TKindInfo infos[] = {
        {"", mrNone},        {"OK", mrOk},         {"Cancel", mrCancel}, {"&Help", mrNone},
        {"&Yes", mrYes},     {"&No", mrNo},        {"&Close", mrNone},   {"Abort", mrAbort},
        {"&Retry", mrRetry}, {"&Ignore", mrIgnore}, {"&All", mrAll},
    };
    return infos[kind];
}

constexpr int kGlyphSize = 16;

void Stroke(TCanvas* c, TColor color, int width, const std::vector<TPoint>& points) {
    c->Pen()->SetColor(color);
    c->Pen()->SetWidth(width);
    c->Polyline(points);
}

void Disc(TCanvas* c, TColor fill, TColor outline, const TRect& r) {
    c->Brush()->SetColor(fill);
    c->Pen()->SetColor(outline);
    c->Pen()->SetWidth(1);
    c->Ellipse(r);
}

// The kinds' own pictures, drawn here so they need no resource files; fuchsia is see-through.
void PaintKindGlyph(TBitmap& glyph, TBitBtnKind kind) {
    glyph.SetSize(kGlyphSize, kGlyphSize);
    TCanvas* c = glyph.Canvas();
    c->Brush()->SetColor(clFuchsia);
    c->FillRect({0, 0, kGlyphSize, kGlyphSize});
    const TColor green = RGB(0, 128, 0), red = RGB(192, 0, 0), navy = RGB(0, 0, 128);
    switch (kind) {
    case bkOK:
    case bkYes: Stroke(c, green, 3, {{2, 8}, {6, 12}, {13, 3}}); break;
    case bkAll:
        Stroke(c, green, 2, {{1, 7}, {4, 10}, {9, 3}});
        Stroke(c, green, 2, {{6, 9}, {9, 12}, {14, 5}});
        break;
    case bkCancel:
        Stroke(c, red, 3, {{3, 3}, {12, 12}});
        Stroke(c, red, 3, {{12, 3}, {3, 12}});
        break;
    case bkNo:
        Disc(c, clFuchsia, red, {2, 2, 14, 14});
        Stroke(c, red, 2, {{4, 11}, {11, 4}});
        break;
    case bkAbort:
        Disc(c, red, red, {1, 1, 15, 15});
        Stroke(c, clWhite, 2, {{5, 5}, {10, 10}});
        Stroke(c, clWhite, 2, {{10, 5}, {5, 10}});
        break;
    case bkRetry:
        Stroke(c, green, 2, {{12, 5}, {10, 3}, {6, 3}, {3, 6}, {3, 10}, {6, 13}, {10, 13}, {12, 11}});
        Stroke(c, green, 2, {{12, 2}, {12, 6}, {8, 6}});
        break;
    case bkIgnore: Stroke(c, navy, 2, {{2, 8}, {13, 8}, {9, 4}, {13, 8}, {9, 12}}); break;
    case bkHelp:
        Stroke(c, navy, 2, {{4, 5}, {5, 3}, {8, 2}, {11, 3}, {12, 5}, {11, 7}, {8, 9}, {8, 11}});
        c->Brush()->SetColor(navy);
        c->FillRect({7, 13, 10, 15});
        break;
    case bkClose:
        c->Brush()->SetColor(RGB(128, 64, 0));
        c->Pen()->SetColor(clBlack);
        c->Rectangle(4, 1, 13, 15);
        c->Brush()->SetColor(RGB(255, 255, 0));
        c->FillRect({10, 7, 12, 9});
        break;
    case bkCustom: break;
    }
}

} // namespace

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {
    FGlyph.Glyph()->OnChange = [this](TObject*) { GlyphChanged(); };
}

TBitBtn::~TBitBtn() {
    FGlyph.Glyph()->OnChange = nullptr;
}

void TBitBtn::CreateParams(TCreateParams& params) {
    TButton::CreateParams(params);
    params.Style = (params.Style & ~BS_TYPEMASK) | BS_OWNERDRAW;
}

void TBitBtn::SetKind(TBitBtnKind kind) {
    if (kind == FKind) return;
    FKind = kind;
    if (kind == bkCustom) return;
    FSettingKind = true;
    TBitmap picture;
    PaintKindGlyph(picture, kind);
    FGlyph.Glyph()->Assign(&picture);
    FGlyph.SetNumGlyphs(1);
    FSettingKind = false;
    const TKindInfo& info = KindInfo(kind);
    SetCaption(info.Caption);
    SetModalResult(info.Result);
    if (kind == bkOK || kind == bkYes) SetDefault(true);
    if (kind == bkCancel || kind == bkNo) SetCancel(true);
    Invalidate();
}

void TBitBtn::SetGlyph(const TBitmap* glyph) {
    FGlyph.Glyph()->Assign(glyph);
}

void TBitBtn::GlyphChanged() {
    if (!FSettingKind) FKind = bkCustom;
    Invalidate();
}

void TBitBtn::SetNumGlyphs(int count) {
    if (FGlyph.SetNumGlyphs(count)) Invalidate();
}

void TBitBtn::SetLayout(TButtonLayout layout) {
    if (FLayout == layout) return;
    FLayout = layout;
    Invalidate();
}

void TBitBtn::SetMargin(int margin) {
    margin = std::max(-1, margin);
    if (FMargin == margin) return;
    FMargin = margin;
    Invalidate();
}

void TBitBtn::SetSpacing(int spacing) {
    spacing = std::max(-1, spacing);
    if (FSpacing == spacing) return;
    FSpacing = spacing;
    Invalidate();
}

void TBitBtn::Click() {
    if (FKind == bkClose) {
        if (TCustomForm* form = GetParentForm()) {
            form->Close();
            return;
        }
    }
    TButton::Click();
}

void TBitBtn::Arrange(bool pushed, TRect& glyph, TRect& caption) const {
    const TRect face = ClientRect().Inflate(-2, -2);
    const TSize text = MeasureTextBlock(Font(), GetText(), 1 << 20, DT_SINGLELINE);
    TButtonGlyph::Arrange(face, FGlyph.ImageSize(), text, FLayout, FMargin, FSpacing, glyph, caption);
    if (pushed) {
        glyph = glyph.Offset(1, 1);
        caption = caption.Offset(1, 1);
    }
}

TRect TBitBtn::GlyphRect() const {
    TRect glyph, caption;
    Arrange(false, glyph, caption);
    return glyph;
}

TRect TBitBtn::CaptionRect() const {
    TRect glyph, caption;
    Arrange(false, glyph, caption);
    return caption;
}

void TBitBtn::Dispatch(TMessage& m) {
    if (m.Msg == CN_DRAWITEM) {
        if (const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam)) DrawItem(*item);
        m.Result = TRUE;
        return;
    }
    TButton::Dispatch(m);
}

// A pressed face is flat with a shadow line, as the classic default button goes when pushed;
// the focused or active button wears the dark default frame.
void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    TRect face = item.rcItem;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    const bool enabled = (item.itemState & ODS_DISABLED) == 0;
    if (focused || Active()) {
        dc->FrameRect(face, ColorToRGB(clWindowFrame));
        face = face.Inflate(-1, -1);
    }
    if (pushed) {
        dc->FrameRect(face, ColorToRGB(clBtnShadow));
        dc->FillRect(face.Inflate(-1, -1), ColorToRGB(clBtnFace));
    } else {
        TRect r = face;
        ClassicStyle::DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH);
    }
    TRect glyph, caption;
    Arrange(pushed, glyph, caption);
    FGlyph.DrawGlyph(dc, glyph, !enabled ? bsDisabled : pushed ? bsDown : bsUp);
    TButtonGlyph::DrawCaption(dc, GetText(), caption, Font(), enabled);
    if (focused) ClassicStyle::DrawFocusRect(dc, face.Inflate(-3, -3));
}

void TBitBtn::UpdateDefaultLook() {
    Invalidate();
}

void TBitBtn::CMEnabledChanged(TMessage& m) {
    TButton::CMEnabledChanged(m);
    Invalidate();
}

void TBitBtn::CMFontChanged(TMessage& m) {
    TButton::CMFontChanged(m);
    Invalidate();
}

void TBitBtn::CMTextChanged(TMessage& m) {
    TButton::CMTextChanged(m);
    Invalidate();
}
