// Canvas drawing on an in-memory bitmap: pen, brush and font as they are at each call.
#include "framework/Exception.h"
#include "framework/TBitmap.h"
#include "framework/TCanvas.h"

#include <gtest/gtest.h>

namespace {

class TCanvasTest : public ::testing::Test {
protected:
    TCanvasTest() : FBitmap(40, 30) {
        FCanvas = FBitmap.Canvas();
        FCanvas->FillRect({0, 0, 40, 30}); // white brush by default
    }

    TColor At(int x, int y) { return FCanvas->Pixels(x, y); }
    // Pixels of colour c inside rect.
    int Count(const TRect& rect, TColor c) {
        int n = 0;
        for (int y = rect.Top; y < rect.Bottom; ++y)
            for (int x = rect.Left; x < rect.Right; ++x) n += At(x, y) == c;
        return n;
    }

    TBitmap FBitmap;
    TCanvas* FCanvas = nullptr;
};

} // namespace

TEST_F(TCanvasTest, ShapesFillWithTheBrushAndOutlineWithThePen) {
    FCanvas->Brush()->SetColor(clRed);
    FCanvas->FillRect({2, 2, 6, 6});
    EXPECT_EQ(At(2, 2), clRed);
    EXPECT_EQ(At(5, 5), clRed);
    EXPECT_EQ(At(6, 6), clWhite) << "right and bottom are exclusive";

    FCanvas->Pen()->SetColor(clBlue);
    FCanvas->Brush()->SetColor(clLime);
    FCanvas->Rectangle(10, 10, 16, 16);
    EXPECT_EQ(At(10, 10), clBlue);
    EXPECT_EQ(At(15, 15), clBlue);
    EXPECT_EQ(At(12, 12), clLime);

    FCanvas->Brush()->SetStyle(bsClear);
    FCanvas->Pen()->SetColor(clBlack);
    FCanvas->Rectangle(11, 11, 15, 15);
    EXPECT_EQ(At(11, 11), clBlack);
    EXPECT_EQ(At(12, 12), clLime) << "a clear brush leaves the inside";

    FCanvas->Pen()->SetStyle(psClear);
    FCanvas->Brush()->SetColor(clYellow);
    FCanvas->Ellipse(20, 0, 30, 10);
    EXPECT_EQ(At(25, 5), clYellow);
    EXPECT_EQ(Count({20, 0, 30, 10}, clBlack), 0) << "no outline with a clear pen";

    FCanvas->Pen()->SetStyle(psSolid);
    FCanvas->Pen()->SetWidth(2);
    FCanvas->Brush()->SetStyle(bsClear);
    FCanvas->Rectangle(30, 20, 38, 28);
    EXPECT_EQ(At(31, 21), clBlack) << "a wide pen draws a wide frame inside";
    EXPECT_EQ(At(32, 22), clWhite);
}

TEST_F(TCanvasTest, LinesLeaveTheirEndPointAndMoveThePen) {
    FCanvas->MoveTo(0, 0);
    FCanvas->LineTo(5, 0);
    EXPECT_EQ(Count({0, 0, 5, 1}, clBlack), 5);
    EXPECT_EQ(At(5, 0), clWhite);
    EXPECT_EQ(FCanvas->PenPos(), (TPoint{5, 0}));
    FCanvas->LineTo(5, 4);
    EXPECT_EQ(At(5, 0), clBlack);
    EXPECT_EQ(At(5, 4), clWhite);

    FCanvas->Pen()->SetStyle(psDot);
    FCanvas->MoveTo(0, 10);
    FCanvas->LineTo(12, 10);
    for (int x = 0; x < 12; ++x) EXPECT_EQ(At(x, 10), (x % 6) < 3 ? clBlack : clWhite) << "x " << x;
}

TEST_F(TCanvasTest, TextUsesTheFontColourAndTheBrushAsBackground) {
    FCanvas->Font()->SetColor(clRed);
    FCanvas->Font()->SetSize(14);
    FCanvas->Brush()->SetColor(clYellow);
    const TSize extent = FCanvas->TextExtent("Жж");
    ASSERT_GT(extent.cx, 0);
    FCanvas->TextOut(1, 1, "Жж");
    const TRect cell = Bounds(1, 1, extent.cx, extent.cy);
    EXPECT_GT(Count(cell, clRed), 5);
    EXPECT_GT(Count(cell, clYellow), 5) << "an opaque background in the brush colour";
    EXPECT_EQ(FCanvas->PenPos(), (TPoint{1 + extent.cx, 1}));

    FCanvas->FillRect({0, 0, 40, 30});
    FCanvas->Brush()->SetStyle(bsClear);
    FCanvas->TextOut(1, 1, "Жж");
    EXPECT_GT(Count(cell, clRed), 5);
    EXPECT_EQ(Count(cell, clWhite), 0) << "no background drawn over the yellow";

    EXPECT_GT(FCanvas->TextWidth("ЖЖЖЖ"), FCanvas->TextWidth("Ж"));
    EXPECT_EQ(FCanvas->TextHeight("Ж"), extent.cy);
}

TEST_F(TCanvasTest, TextRectFillsAndClipsToItsRectangle) {
    FCanvas->Font()->SetColor(clBlack);
    FCanvas->Font()->SetSize(16);
    FCanvas->Brush()->SetColor(clAqua);
    const TRect box{5, 5, 12, 25};
    FCanvas->TextRect(box, 5, 5, "ЖЖЖЖЖЖЖЖ");
    EXPECT_GT(Count(box, clBlack), 0);
    EXPECT_EQ(Count({12, 0, 40, 30}, clBlack), 0) << "nothing right of the rectangle";
    EXPECT_EQ(At(11, 24), clAqua) << "the whole rectangle was filled";
    EXPECT_EQ(At(12, 24), clWhite);
    EXPECT_EQ(FCanvas->ClipRect(), (TRect{0, 0, 40, 30})) << "the clip was restored";
}

TEST_F(TCanvasTest, CopyRectCopiesOrStretchesAnotherCanvas) {
    TBitmap source(4, 4);
    source.Canvas()->Brush()->SetColor(clNavy);
    source.Canvas()->FillRect({0, 0, 4, 4});
    source.Canvas()->SetPixels(0, 0, clRed);
    FCanvas->CopyRect({0, 0, 4, 4}, *source.Canvas(), {0, 0, 4, 4});
    EXPECT_EQ(At(0, 0), clRed);
    EXPECT_EQ(At(3, 3), clNavy);
    FCanvas->CopyRect({10, 10, 18, 18}, *source.Canvas(), {0, 0, 4, 4});
    EXPECT_EQ(At(17, 17), clNavy);
    EXPECT_EQ(At(18, 18), clWhite);
}

TEST(TCanvasHandleTest, ACanvasWithoutAContextRefusesToDraw) {
    TCanvas canvas;
    EXPECT_FALSE(canvas.HandleAllocated());
    try {
        canvas.FillRect({0, 0, 1, 1});
        FAIL();
    } catch (const EInvalidOperation& e) {
        EXPECT_STREQ(e.what(), "Canvas does not allow drawing");
    }
    EXPECT_GT(canvas.TextWidth("a"), 0) << "measuring needs only the font";

    Bitmap pixels(2, 2);
    DeviceContext dc(&pixels);
    canvas.SetHandle(&dc);
    canvas.SetPixels(1, 1, clRed);
    EXPECT_EQ(pixels.Pixel(1, 1), clRed);
    canvas.SetHandle(static_cast<HDC>(nullptr));
    EXPECT_THROW(canvas.Pixels(0, 0), EInvalidOperation);
}
