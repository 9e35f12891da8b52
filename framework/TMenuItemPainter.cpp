// Measuring and drawing owner-drawn menu items in the plain look.
#include "framework/TMenuItemPainter.h"

#include "framework/TBitmap.h"
#include "framework/TCanvas.h"
#include "framework/TMenuItem.h"

#include "platform/text/TextDraw.h"
#include "platform/window/ClassicStyle.h"
#include "platform/window/Win.h"

#include <algorithm>

void TMenuItemPainter::PrepareCanvas(TCanvas* canvas, const TMenuItem* item) {
    NONCLIENTMETRICS metrics;
    SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0);
    const TLogFont& menuFont = metrics.lfMenuFont;
    TFont* font = canvas->Font();
    font->SetName(menuFont.FaceName);
    font->SetHeight(menuFont.Height);
    font->SetCharset(menuFont.CharSet);
    font->SetStyle(item->Default() || menuFont.Weight >= FW_BOLD ? TFontStyles{fsBold} : TFontStyles{});
    font->SetColor(clMenuText);
    canvas->Brush()->SetColor(clMenu);
}

// The platform adds the width of its check mark to a popup item's measured width; the caption
// is drawn a full check column in, so the rest of that column is asked for here.
void TMenuItemPainter::Measure(TMenuItem* item, TCanvas* canvas, int& width, int& height) {
    const std::string caption = StripHotkey(item->Caption());
    const int bitmapHeight = item->HasBitmap() ? item->Bitmap()->Height() + 2 : 0;
    if (item->IsTopLevel()) {
        width = canvas->TextWidth(caption) + 2 * kBarPadding;
        return;
    }
    if (item->IsLine()) {
        height = kSeparatorHeight;
        return;
    }
    const std::string shortCut = ShortCutToText(item->ShortCut());
    width = kCheckColumn - (GetSystemMetrics(SM_CXMENUCHECK) - 1) + canvas->TextWidth(caption) +
            (shortCut.empty() ? 0 : kShortCutGap + canvas->TextWidth(shortCut)) + kArrowColumn;
    height = std::max(height, bitmapHeight);
}

void TMenuItemPainter::Draw(TMenuItem* item, TCanvas* canvas, const TRect& rect, TOwnerDrawState state) {
    if (item->IsTopLevel())
        DrawBarItem(item, canvas, rect, state);
    else if (item->IsLine())
        DrawSeparator(canvas->Handle(), rect);
    else
        DrawPopupItem(item, canvas, rect, state);
}

void TMenuItemPainter::DrawLabel(HDC dc, const std::string& text, TRect rect, UINT format, TColor ink,
                                 bool embossed) {
    dc->SetBkMode(TRANSPARENT);
    if (embossed) {
        TRect shadow = rect.Offset(1, 1);
        dc->SetTextColor(clBtnHighlight);
        DrawText(dc, text, &shadow, format);
    }
    dc->SetTextColor(ink);
    DrawText(dc, text, &rect, format);
}

void TMenuItemPainter::DrawBarItem(TMenuItem* item, TCanvas* canvas, const TRect& rect,
                                   TOwnerDrawState state) {
    HDC dc = canvas->Handle();
    const bool pressed = state.Contains(odSelected);
    const bool disabled = state.Contains(odGrayed) || state.Contains(odDisabled);
    dc->FillRect(rect, clMenu);
    TRect frame = rect;
    if (pressed)
        ClassicStyle::DrawEdge(dc, &frame, BDR_SUNKENOUTER, BF_RECT);
    else if (state.Contains(odHotLight))
        ClassicStyle::DrawEdge(dc, &frame, BDR_RAISEDINNER, BF_RECT);
    dc->SelectFont(canvas->Font()->Handle());
    const UINT format =
        DT_SINGLELINE | DT_VCENTER | DT_CENTER | (state.Contains(odNoAccel) ? UINT{DT_HIDEPREFIX} : 0u);
    DrawLabel(dc, item->Caption(), pressed ? rect.Offset(1, 1) : rect, format,
              disabled ? clGrayText : clMenuText, disabled);
}

void TMenuItemPainter::DrawPopupItem(TMenuItem* item, TCanvas* canvas, const TRect& rect,
                                     TOwnerDrawState state) {
    HDC dc = canvas->Handle();
    const bool selected = state.Contains(odSelected);
    const bool disabled = state.Contains(odGrayed) || state.Contains(odDisabled);
    dc->FillRect(rect, selected ? clHighlight : clMenu);
    const TColor ink = disabled ? clGrayText : selected ? clHighlightText : clMenuText;
    DrawMark(item, canvas, rect, ink);
    dc->SelectFont(canvas->Font()->Handle());
    const TRect text{rect.Left + kCheckColumn, rect.Top, rect.Right - kArrowColumn, rect.Bottom};
    const UINT format = DT_SINGLELINE | DT_VCENTER | (state.Contains(odNoAccel) ? UINT{DT_HIDEPREFIX} : 0u);
    DrawLabel(dc, item->Caption(), text, format | DT_LEFT, ink, disabled && !selected);
    if (const std::string shortCut = ShortCutToText(item->ShortCut()); !shortCut.empty())
        DrawLabel(dc, shortCut, text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX, ink,
                  disabled && !selected);
    if (item->Count() > 0)
        ClassicStyle::DrawArrow(dc, {rect.Right - kArrowColumn, rect.Top, rect.Right - 4, rect.Bottom},
                                TArrowDirection::adRight, ink);
}

// A check mark or radio bullet when checked, else the item's bitmap, in the check column.
void TMenuItemPainter::DrawMark(TMenuItem* item, TCanvas* canvas, const TRect& rect, TColor ink) {
    HDC dc = canvas->Handle();
    if (item->Checked()) {
        const TRect box = Bounds(rect.Left + 3, rect.Top + (rect.Height() - 13) / 2, 13, 13);
        if (item->RadioItem())
            dc->Ellipse(Bounds(box.Left + 4, box.Top + 4, 6, 6), ink, ink);
        else
            ClassicStyle::DrawCheckMark(dc, box, ink);
    } else if (item->HasBitmap()) {
        const TBitmap* bitmap = item->Bitmap();
        canvas->Draw(rect.Left + (kCheckColumn - bitmap->Width()) / 2,
                     rect.Top + (rect.Height() - bitmap->Height()) / 2, bitmap);
    }
}

void TMenuItemPainter::DrawSeparator(HDC dc, const TRect& rect) {
    const int y = rect.Top + rect.Height() / 2 - 1;
    dc->FillRect({rect.Left + 1, y, rect.Right - 1, y + 1}, clBtnShadow);
    dc->FillRect({rect.Left + 1, y + 1, rect.Right - 1, y + 2}, clBtnHighlight);
}
