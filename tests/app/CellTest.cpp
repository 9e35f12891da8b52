// A board cell on its own: how it starts, and its three looks (empty, marks, digit) with what
// each keeps of the others.
#include "app/BoardGeometry.h"
#include "app/TMyButton.h"

#include "platform/text/TextDraw.h"

#include "tests/framework/FormTestFixture.h"

class CellTest : public FormTest {
protected:
    // The left, top, right and bottom of the pixels that differ from the face colour inside
    // the cell's frame, in cell coordinates; empty when the cell shows nothing there.
    TRect Ink(const TMyButton& cell, const TRect& within) {
        Bitmap screen = CaptureScreen();
        DeviceContext dc(&screen);
        const TColor face = ColorToRGB(clBtnFace);
        TRect ink{within.Right, within.Bottom, within.Left, within.Top};
        for (int y = within.Top; y < within.Bottom; ++y)
            for (int x = within.Left; x < within.Right; ++x) {
                const TPoint p = At(cell, x, y);
                if (dc.GetPixel(p.X, p.Y) == face) continue;
                ink = {std::min(ink.Left, x), std::min(ink.Top, y), std::max(ink.Right, x + 1), std::max(ink.Bottom, y + 1)};
            }
        return ink;
    }
};

TEST_F(CellTest, ANewCellIsEmptyRaisedAndInTimesNewRoman20Bold) {
    auto form = ShownForm(10, 10, 200, 200);
    TMyButton cell(form.get());
    EXPECT_EQ(cell.Width(), 40);
    EXPECT_EQ(cell.Height(), 40);
    EXPECT_EQ(cell.Font()->Name(), "Times New Roman");
    EXPECT_EQ(cell.Font()->Size(), 20);
    EXPECT_EQ(cell.Font()->Style(), TFontStyles{fsBold});
    EXPECT_EQ(cell.Caption(), "");
    EXPECT_FALSE(cell.Down());
    EXPECT_FALSE(cell.Opened);
    EXPECT_EQ(cell.Value, 0);
    EXPECT_EQ(cell.Marks, 0);
    EXPECT_EQ(cell.ClassName(), "TMyButton");
}

TEST_F(CellTest, MarksKeepPressAndOpenedWhileADigitPressesAndOpensAndClearingResetsAll) {
    auto form = ShownForm(10, 10, 200, 200);
    auto* cell = new TMyButton(form.get());
    cell->SetParent(form.get());
    cell->SetGroupIndex(1);
    cell->SetAllowAllUp(true);
    cell->Value = 7;

    cell->SetDown(true);
    cell->ShowCellMarks((1 << 2) | (1 << 4) | (1 << 6) | (1 << 8));
    EXPECT_EQ(cell->Caption(), "  2  \r\n4   6\r\n  8  ");
    EXPECT_EQ(cell->Marks, (1 << 2) | (1 << 4) | (1 << 6) | (1 << 8));
    EXPECT_TRUE(cell->Down());
    EXPECT_FALSE(cell->Opened);

    cell->SetDown(false);
    cell->ShowCellValue();
    EXPECT_EQ(cell->Caption(), "7");
    EXPECT_TRUE(cell->Down());
    EXPECT_TRUE(cell->Opened);
    EXPECT_NE(cell->Marks, 0); // marks stay stored behind the digit

    cell->ClearCell();
    EXPECT_EQ(cell->Caption(), "");
    EXPECT_FALSE(cell->Down());
    EXPECT_FALSE(cell->Opened);
    EXPECT_EQ(cell->Value, 0);
    EXPECT_EQ(cell->Marks, 0);
}

TEST_F(CellTest, EachCellInItsOwnGroupTogglesIndependently) {
    auto form = ShownForm(10, 10, 200, 200);
    std::vector<TMyButton*> cells;
    for (int i = 0; i < 3; ++i) {
        auto* cell = new TMyButton(form.get());
        cell->SetParent(form.get());
        cell->SetBounds(i * 50, 0, 40, 40);
        cell->SetAllowAllUp(true);
        cell->SetGroupIndex(i + 1);
        cells.push_back(cell);
    }
    cells[0]->ShowCellValue();
    cells[2]->ShowCellValue();
    EXPECT_TRUE(cells[0]->Down());
    EXPECT_TRUE(cells[2]->Down());
    // A click on an opened cell flips only its own pressed look; its digit stays.
    const TPoint at = At(*form, 20, 20);
    Advance(600);
    ClickAt(at.X, at.Y);
    EXPECT_FALSE(cells[0]->Down());
    EXPECT_TRUE(cells[0]->Opened);
    EXPECT_TRUE(cells[2]->Down());
}

// Marks stand where a phone keypad has them: 1 top left, 5 in the centre, 9 bottom right,
// whichever other marks share the cell. The block of three five-character lines is centred in
// the cell, so mark d is character 2 · ((d − 1) mod 3) of line (d − 1) div 3.
TEST_F(CellTest, PencilMarksStandInTheirKeypadPlacesWhateverOtherMarksThereAre) {
    auto form = ShownForm(10, 10, 200, 200);
    auto* cell = new TMyButton(form.get());
    cell->SetParent(form.get());
    cell->SetBounds(20, 20, 90, 90);
    cell->Font()->SetName("Courier New");
    cell->Font()->SetSize(MarksFontSize({90, 90}));
    const int advance = GetTextExtent(cell->Font()->Handle(), " ").cx;
    const int lineHeight = cell->Font()->Handle()->Metrics().tmHeight;
    ASSERT_GT(advance, 0);
    const int blockLeft = (90 - 5 * advance) / 2;
    const int blockTop = (90 - 3 * lineHeight) / 2;
    const auto place = [&](int digit) {
        const int column = 2 * ((digit - 1) % 3), line = (digit - 1) / 3;
        return Bounds(blockLeft + column * advance, blockTop + line * lineHeight, advance, lineHeight);
    };
    const auto expectInPlace = [&](int digit, const TRect& ink, const char* what) {
        const TRect want = place(digit);
        EXPECT_FALSE(ink.IsEmpty()) << what << ": mark " << digit << " draws nothing";
        EXPECT_GE(ink.Left, want.Left - 1) << what << ": mark " << digit;
        EXPECT_LE(ink.Right, want.Right + 1) << what << ": mark " << digit;
        EXPECT_GE(ink.Top, want.Top - 1) << what << ": mark " << digit;
        EXPECT_LE(ink.Bottom, want.Bottom + 1) << what << ": mark " << digit;
    };
    const TRect inside{3, 3, 87, 87};
    for (int digit = 1; digit <= 9; ++digit) {
        cell->ShowCellMarks(static_cast<std::uint16_t>(1 << digit));
        Pump();
        expectInPlace(digit, Ink(*cell, inside), "alone");
    }
    // Several marks: each one's own column, looked for within its line's band.
    for (const std::uint16_t marks : {std::uint16_t(0x154), std::uint16_t(0x3FE), std::uint16_t(0x222)}) {
        cell->ShowCellMarks(marks);
        Pump();
        for (int digit = 1; digit <= 9; ++digit) {
            const TRect want = place(digit);
            const TRect column{std::max(inside.Left, want.Left - advance / 2), want.Top + 1,
                               std::min(inside.Right, want.Right + advance / 2), want.Bottom - 1};
            const TRect ink = Ink(*cell, column);
            if (marks & (1 << digit))
                expectInPlace(digit, ink, "among others");
            else
                EXPECT_TRUE(ink.IsEmpty()) << "nothing where mark " << digit << " would stand, marks " << marks;
        }
    }
}
