// Bitmap storage: row padding, orientation, resizing, format changes and value semantics.
#include "platform/gfx/Bitmap.h"

#include <gtest/gtest.h>

TEST(Bitmap, RowsArePaddedAndOrientationOnlyChangesTheStrideSign) {
    Bitmap topDown(5, 3);
    Bitmap bottomUp(5, 3, TPixelFormat::pf24bit, true);
    EXPECT_EQ(topDown.RowBytes(), 16) << "15 bytes of pixels padded to 16";
    EXPECT_EQ(topDown.Stride(), 16);
    EXPECT_EQ(bottomUp.Stride(), -16);
    EXPECT_EQ(bottomUp.ScanLine(1) - bottomUp.ScanLine(0), bottomUp.Stride());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) {
            topDown.SetPixel(x, y, RGB(x * 40, y * 80, 7));
            bottomUp.SetPixel(x, y, RGB(x * 40, y * 80, 7));
        }
    EXPECT_TRUE(topDown == bottomUp) << "equality compares pixels, not storage order";
    EXPECT_EQ(bottomUp.ScanLine(2)[3 * 4 + 1], 160) << "row 2, pixel 4, green byte";
    bottomUp.SetPixel(0, 0, clRed);
    EXPECT_FALSE(topDown == bottomUp);
}

TEST(Bitmap, OutOfRangeAccessIsHarmless) {
    Bitmap b(2, 2);
    b.Fill(clWhite);
    b.SetPixel(-1, 0, clRed);
    b.SetPixel(2, 1, clRed);
    EXPECT_EQ(b.Pixel(5, 5), 0);
    EXPECT_EQ(b.Alpha(-1, 0), 0);
    EXPECT_EQ(b.Pixel(1, 1), clWhite);
    EXPECT_TRUE(Bitmap(-3, 4).Empty());
}

TEST(Bitmap, ResizeKeepsTheOverlapAndBlackensTheRest) {
    Bitmap b(3, 2, TPixelFormat::pf24bit, true);
    b.Fill(clBlue);
    b.SetPixel(2, 1, clLime);
    b.Resize(4, 3);
    EXPECT_EQ(b.Pixel(2, 1), clLime);
    EXPECT_EQ(b.Pixel(0, 0), clBlue);
    EXPECT_EQ(b.Pixel(3, 0), clBlack);
    EXPECT_EQ(b.Pixel(0, 2), clBlack);
    b.Resize(1, 1);
    EXPECT_EQ(b.Pixel(0, 0), clBlue);
    EXPECT_EQ(b.Size(), (TSize{1, 1}));
}

TEST(Bitmap, FormatChangesKeepColoursAndGiveOpaqueAlpha) {
    Bitmap b(3, 3);
    b.Fill(RGB(10, 20, 30));
    b.SetPixel(1, 1, clSilver);
    b.SetFormat(TPixelFormat::pf32bit);
    EXPECT_EQ(b.BytesPerPixel(), 4);
    EXPECT_EQ(b.Pixel(1, 1), clSilver);
    EXPECT_EQ(b.Pixel(2, 0), RGB(10, 20, 30));
    EXPECT_EQ(b.Alpha(2, 2), 255);
    b.Fill(clRed, 128);
    EXPECT_EQ(b.Alpha(0, 0), 128);
    b.SetFormat(TPixelFormat::pf24bit);
    EXPECT_EQ(b.Pixel(0, 0), clRed);
    EXPECT_EQ(b.Alpha(0, 0), 255);
}

TEST(Bitmap, FillRectAndCopyRectClipToBothBitmaps) {
    Bitmap b(4, 3);
    b.Fill(clWhite);
    b.FillRect({-2, 1, 2, 9}, clRed);
    EXPECT_EQ(b.Pixel(1, 2), clRed);
    EXPECT_EQ(b.Pixel(2, 1), clWhite);
    EXPECT_EQ(b.Pixel(0, 0), clWhite);

    Bitmap source(3, 3, TPixelFormat::pf32bit);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) source.SetPixel(x, y, RGB(x * 50, y * 50, 9));
    b.CopyRect(2, -1, source, {-1, 0, 3, 3});
    EXPECT_EQ(b.Pixel(3, 0), RGB(0, 50, 9)) << "source (-1, y) does not exist; (0, 1) lands on (3, 0)";
    EXPECT_EQ(b.Pixel(2, 0), clWhite);
    EXPECT_EQ(b.Pixel(3, 1), RGB(0, 100, 9)) << "32-bit pixels arrive as 24-bit ones";
}

TEST(Bitmap, CopyRectWithinOneBitmapTakesThePixelsBeforeOverwritingThem) {
    Bitmap b(3, 4);
    for (int y = 0; y < 4; ++y) b.FillRect({0, y, 3, y + 1}, RGB(y * 10, 0, 0));
    b.CopyRect(0, 1, b, {0, 0, 3, 3});
    for (int y = 1; y < 4; ++y) EXPECT_EQ(b.Pixel(1, y), RGB((y - 1) * 10, 0, 0)) << y;
    Bitmap up(2, 4);
    for (int y = 0; y < 4; ++y) up.FillRect({0, y, 2, y + 1}, RGB(y * 10, 0, 0));
    up.CopyRect(0, 0, up, {0, 1, 2, 4});
    for (int y = 0; y < 3; ++y) EXPECT_EQ(up.Pixel(0, y), RGB((y + 1) * 10, 0, 0)) << y;
}
