// Draws the About dialog's picture: a small Sudoku board on a card over an evening gradient, one
// cell being answered in gold and one holding pencil marks. Drawn at four times the size and
// scaled down smoothly, so shapes and lines come out antialiased, then encoded as JPEG.
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/ImageFiles.h"
#include "platform/text/Font.h"
#include "platform/text/TextDraw.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int Size = 145;
constexpr int Scale = 4;
constexpr int Big = Size * Scale;

// The puzzle shown: 0 leaves a cell empty.
constexpr int Givens[9][9] = {
    {0, 7, 0, 0, 2, 0, 0, 4, 0}, {3, 0, 0, 6, 0, 9, 0, 0, 8}, {0, 0, 9, 0, 0, 0, 1, 0, 0},
    {0, 5, 0, 0, 0, 0, 0, 2, 0}, {2, 0, 0, 7, 0, 3, 0, 0, 6}, {0, 1, 0, 0, 0, 0, 0, 9, 0},
    {0, 0, 6, 0, 0, 0, 8, 0, 0}, {1, 0, 0, 4, 0, 8, 0, 0, 3}, {0, 3, 0, 0, 6, 0, 0, 7, 0},
};
constexpr int GoldRow = 4, GoldColumn = 4, GoldDigit = 8;
constexpr int MarksRow = 2, MarksColumn = 1;

const Font* MakeFont(const char* face, int pixels, bool bold) {
    TLogFont lf;
    lf.FaceName = face;
    lf.Height = -pixels;
    lf.Weight = bold ? FW_BOLD : FW_NORMAL;
    return Font::Get(lf);
}

void CentredText(DeviceContext& dc, const TRect& cell, const std::string& text, const Font* font, TColor color) {
    dc.SelectFont(font);
    dc.SetTextColor(color);
    TRect r = cell;
    DrawText(&dc, text, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void DrawBackground(DeviceContext& dc) {
    dc.GradientFillRect({0, 0, Big, Big}, RGB(38, 52, 110), RGB(120, 60, 120), true);
    // A few soft rings behind the card.
    dc.Ellipse({-120, 330, 260, 710}, RGB(150, 80, 140), clNone);
    dc.Ellipse({400, -90, 700, 210}, RGB(60, 80, 150), clNone);
}

void DrawCard(DeviceContext& dc, const TRect& card) {
    dc.RoundRect(card.Offset(10, 14), 48, 48, RGB(30, 30, 60), clNone);
    dc.RoundRect(card, 48, 48, RGB(250, 247, 238), RGB(210, 200, 180));
}

void DrawGrid(DeviceContext& dc, const TRect& board, int cell) {
    dc.FillRect({board.Left + GoldColumn * cell, board.Top + GoldRow * cell, board.Left + (GoldColumn + 1) * cell,
                 board.Top + (GoldRow + 1) * cell},
                RGB(255, 214, 102));
    for (int i = 0; i <= 9; ++i) {
        const bool block = i % 3 == 0;
        const int width = block ? 7 : 2;
        const TColor color = block ? RGB(40, 50, 95) : RGB(170, 170, 190);
        const int at = board.Left + i * cell - width / 2;
        const int top = board.Top + i * cell - width / 2;
        dc.FillRect({at, board.Top - 3, at + width, board.Bottom + 4}, color);
        dc.FillRect({board.Left - 3, top, board.Right + 4, top + width}, color);
    }
}

void DrawDigits(DeviceContext& dc, const TRect& board, int cell) {
    const Font* given = MakeFont("Times New Roman", cell * 3 / 4, true);
    const Font* answer = MakeFont("Times New Roman", cell * 3 / 4, true);
    const Font* small = MakeFont("DejaVu Sans", cell * 2 / 5, true);
    dc.SetBkMode(TRANSPARENT);
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c) {
            const TRect rect{board.Left + c * cell, board.Top + r * cell + 2, board.Left + (c + 1) * cell,
                             board.Top + (r + 1) * cell + 2};
            if (Givens[r][c]) CentredText(dc, rect, std::to_string(Givens[r][c]), given, RGB(30, 40, 90));
            if (r == GoldRow && c == GoldColumn) CentredText(dc, rect, std::to_string(GoldDigit), answer, RGB(170, 40, 40));
            if (r == MarksRow && c == MarksColumn) {
                for (int d : {2, 4, 8}) {
                    const int mr = (d - 1) / 3, mc = (d - 1) % 3;
                    const TRect mark{rect.Left + mc * cell / 3, rect.Top + mr * cell / 3, rect.Left + (mc + 1) * cell / 3,
                                     rect.Top + (mr + 1) * cell / 3};
                    CentredText(dc, mark, std::to_string(d), small, RGB(60, 120, 200));
                }
            }
        }
}

Bitmap Render() {
    Bitmap big(Big, Big);
    DeviceContext dc(&big);
    DrawBackground(dc);
    const TRect card{44, 44, Big - 44, Big - 44};
    DrawCard(dc, card);
    const int cell = 50;
    const int side = cell * 9;
    const TRect board{(Big - side) / 2, (Big - side) / 2, (Big - side) / 2 + side, (Big - side) / 2 + side};
    DrawGrid(dc, board, cell);
    DrawDigits(dc, board, cell);
    Bitmap small(Size, Size);
    DeviceContext out(&small);
    out.StretchBitmap(small.BoundsRect(), big, big.BoundsRect());
    return small;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: aboutart OUTPUT.jpg [PREVIEW.png]\n");
        return 2;
    }
    const Bitmap picture = Render();
    if (!WriteJpegFile(argv[1], picture, 92)) {
        std::fprintf(stderr, "aboutart: cannot write %s\n", argv[1]);
        return 1;
    }
    // A three times larger preview to look at the artwork closely.
    if (argc == 3) {
        Bitmap preview(Size * 3, Size * 3);
        DeviceContext(&preview).StretchBitmap(preview.BoundsRect(), picture, picture.BoundsRect());
        if (!WritePngFile(argv[2], preview)) return 1;
    }
    return 0;
}
