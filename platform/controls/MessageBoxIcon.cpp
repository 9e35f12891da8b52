// Message box icons.
#include "platform/controls/MessageBoxIcon.h"
#include "platform/controls/DialogCodes.h"
#include "platform/text/TextDraw.h"

void MessageBoxIcon::Draw(HDC dc, const TRect& rect, UINT icon) {
    TPoint o{rect.Left + (rect.Width() - kSize) / 2, rect.Top + (rect.Height() - kSize) / 2};
    switch (icon & MB_ICONMASK) {
    case MB_ICONHAND: Error(dc, o); break;
    case MB_ICONEXCLAMATION: Warning(dc, o); break;
    case MB_ICONASTERISK: Balloon(dc, o, "i"); break;
    case MB_ICONQUESTION: Balloon(dc, o, "?"); break;
    default: break;
    }
}

void MessageBoxIcon::Error(HDC dc, TPoint o) {
    dc->Ellipse(Bounds(o.X + 3, o.Y + 3, 28, 28), clGray, clGray); // shadow
    dc->Ellipse(Bounds(o.X + 1, o.Y + 1, 28, 28), RGB(224, 0, 0), RGB(128, 0, 0));
    for (int d = -1; d <= 1; ++d) {
        dc->Line(o.X + 9 + d, o.Y + 9, o.X + 21 + d, o.Y + 21, clWhite, 2);
        dc->Line(o.X + 21 + d, o.Y + 9, o.X + 9 + d, o.Y + 21, clWhite, 2);
    }
}

void MessageBoxIcon::Warning(HDC dc, TPoint o) {
    dc->Polygon({{o.X + 17, o.Y + 3}, {o.X + 32, o.Y + 30}, {o.X + 2, o.Y + 30}}, clGray, clGray);
    dc->Polygon({{o.X + 15, o.Y + 1}, {o.X + 30, o.Y + 28}, {o.X, o.Y + 28}}, RGB(255, 216, 0), clBlack);
    dc->FillRect({o.X + 14, o.Y + 9, o.X + 17, o.Y + 20}, clBlack);
    dc->FillRect({o.X + 14, o.Y + 22, o.X + 17, o.Y + 25}, clBlack);
}

void MessageBoxIcon::Balloon(HDC dc, TPoint o, const char* mark) {
    dc->Ellipse(Bounds(o.X + 3, o.Y + 3, 28, 24), clGray, clGray);
    dc->Polygon({{o.X + 8, o.Y + 20}, {o.X + 6, o.Y + 30}, {o.X + 16, o.Y + 22}}, clWhite, clBlack);
    dc->Ellipse(Bounds(o.X + 1, o.Y + 1, 28, 24), clWhite, clBlack);
    dc->FillRect({o.X + 8, o.Y + 19, o.X + 15, o.Y + 23}, clWhite);
    TLogFont lf;
    lf.FaceName = "Times New Roman";
    lf.Height = -20;
    lf.Weight = FW_BOLD;
    const Font* old = dc->SelectFont(Font::Get(lf));
    dc->SetTextColor(RGB(0, 0, 224));
    dc->SetBkMode(TRANSPARENT);
    TRect box = Bounds(o.X + 1, o.Y + 1, 28, 24);
    DrawText(dc, mark, &box, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    dc->SelectFont(old);
}
