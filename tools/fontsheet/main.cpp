// fontsheet: draws the program's text samples in each requested family at 8, 10 and 14 points
// into a PNG, and prints which installed family answered each request.
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/ImageFiles.h"
#include "platform/text/TextDraw.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

constexpr const char* kFamilies[] = {"Times New Roman", "Courier New", "Courier", "MS Sans Serif", "Tahoma"};
constexpr int kSizes[] = {8, 10, 14};
constexpr int kWidth = 1180;
constexpr const char* kSentence =
    "Сложность игры определяет, сколько клеток будет скрыто в начале новой партии.";

const Font* FontFor(const char* family, int points, bool bold = false) {
    TLogFont lf;
    lf.FaceName = family;
    lf.Height = PointsToHeight(points);
    lf.Weight = bold ? FW_BOLD : FW_NORMAL;
    lf.CharSet = RUSSIAN_CHARSET;
    return Font::Get(lf);
}

// One family at one size: a caption, the samples side by side, framed cells for the boxed ones.
int DrawRow(DeviceContext& dc, int top, int index, const char* family, int points) {
    const Font* font = FontFor(family, points);
    const int line = font->Metrics().tmHeight;
    const int rowHeight = std::max(4 * line + 12, 44);
    dc.FillRect({0, top, kWidth, top + rowHeight}, index % 2 ? RGB(255, 255, 255) : RGB(244, 244, 236));

    dc.SelectFont(Font::Default());
    dc.SetTextColor(clGray);
    TRect label{8, top + 6, 180, top + rowHeight};
    const std::string caption = std::string(family) + " " + std::to_string(points) + " pt\n→ " + font->MatchedFamily();
    DrawText(&dc, caption, &label, DT_NOPREFIX);

    dc.SelectFont(font);
    dc.SetTextColor(clBlack);
    TRect r{190, top + 6, 385, top + rowHeight};
    DrawText(&dc, "Новая игра", &r, DT_LEFT);
    r = {190, top + 6 + line, 385, top + rowHeight};
    DrawText(&dc, "&Файл  &Справка", &r, DT_LEFT);
    dc.SelectFont(FontFor(family, points, true));
    r = {190, top + 6 + 2 * line, 385, top + rowHeight};
    DrawText(&dc, "Tavik Sudoku 1.0", &r, DT_LEFT);
    dc.SelectFont(font);

    const int cellWidth = std::max(3 * line + 6, GetTextExtent(font, "1 2 3").cx + 10);
    const TRect cell{395, top + 4, 395 + cellWidth, top + 4 + 3 * line + 4};
    dc.FrameRect(cell, clSilver);
    TRect marks = cell.Inflate(-1, -2);
    dc.SetTextColor(clNavy);
    DrawText(&dc, "1 2 3\n4 5 6\n7 8 9", &marks, DT_CENTER | DT_NOPREFIX);

    dc.SetTextColor(clBlack);
    const TRect wrapBox{cell.Right + 16, top + 4, cell.Right + 16 + 290, top + 4 + 3 * line};
    dc.FrameRect(wrapBox.Inflate(1, 1), RGB(220, 220, 220));
    TRect wrap = wrapBox;
    DrawText(&dc, kSentence, &wrap, DT_WORDBREAK | DT_END_ELLIPSIS);

    const TRect endBox{wrapBox.Right + 16, top + 4, kWidth - 10, top + 4 + line};
    dc.FrameRect(endBox.Inflate(1, 1), RGB(220, 220, 220));
    TRect single = endBox;
    DrawText(&dc, kSentence, &single, DT_SINGLELINE | DT_END_ELLIPSIS);
    TRect centred{endBox.Left, endBox.Bottom + 6, endBox.Right, top + rowHeight - 4};
    dc.SetTextColor(clMaroon);
    DrawText(&dc, "Неправильно!!!", &centred, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    return rowHeight;
}

} // namespace

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : "fontsheet.png";
    int height = 0;
    for (const char* family : kFamilies)
        for (int points : kSizes) height += std::max(4 * FontFor(family, points)->Metrics().tmHeight + 12, 44);
    Bitmap sheet(kWidth, height);
    sheet.Fill(clWhite);
    DeviceContext dc(&sheet);
    dc.SetBkMode(TRANSPARENT);
    int top = 0, index = 0;
    for (const char* family : kFamilies) {
        for (int points : kSizes) top += DrawRow(dc, top, index++, family, points);
        std::printf("%-16s -> %s\n", family, FontFor(family, 8)->MatchedFamily().c_str());
    }
    std::string error;
    if (!WritePngFile(path, sheet, &error)) {
        std::fprintf(stderr, "fontsheet: %s\n", error.c_str());
        return 1;
    }
    std::printf("wrote %s (%d x %d)\n", path.c_str(), sheet.Width(), sheet.Height());
    return 0;
}
