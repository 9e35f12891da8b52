// Copies and stretches between device contexts: clipping, formats, overlap and edge mapping.
#include "platform/gfx/DeviceContext.h"

#include <gtest/gtest.h>

namespace {

Bitmap Pattern(int w, int h, TPixelFormat f = TPixelFormat::pf24bit, bool bottomUp = false) {
    Bitmap b(w, h, f, bottomUp);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.SetPixel(x, y, RGB(x * 13 % 256, y * 29 % 256, (x + y) * 7 % 256));
    return b;
}

} // namespace

TEST(Blit, CopyHonoursBothOriginsAndTheDestinationClipOnly) {
    Bitmap src = Pattern(10, 10);
    Bitmap dst(20, 20);
    DeviceContext s(&src), d(&dst);
    s.SetViewportOrg(-2, -3);
    s.IntersectClipRect({0, 0, 1, 1}); // the source's clip does not limit what is read
    d.SetViewportOrg(5, 5);
    d.IntersectClipRect({0, 0, 4, 20});
    ASSERT_TRUE(d.BitBlt(0, 0, 6, 6, s, 2, 3));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(dst.Pixel(5 + x, 5 + y), x < 4 ? src.Pixel(x, y) : clBlack);
    DeviceContext none;
    EXPECT_FALSE(d.BitBlt(0, 0, 1, 1, none, 0, 0));
}

TEST(Blit, SourceOutsideItsBitmapCopiesOnlyWhatExists) {
    Bitmap src = Pattern(4, 4);
    Bitmap dst(10, 10);
    dst.Fill(clWhite);
    DeviceContext s(&src), d(&dst);
    d.BitBlt(0, 0, 10, 10, s, -2, -2);
    EXPECT_EQ(dst.Pixel(1, 1), clWhite);
    EXPECT_EQ(dst.Pixel(2, 2), src.Pixel(0, 0));
    EXPECT_EQ(dst.Pixel(5, 5), src.Pixel(3, 3));
    EXPECT_EQ(dst.Pixel(6, 6), clWhite);
}

TEST(Blit, OverlappingCopyWithinOneBitmapScrollsCorrectly) {
    for (bool bottomUp : {false, true}) {
        Bitmap b = Pattern(12, 12, TPixelFormat::pf24bit, bottomUp);
        const Bitmap original = b;
        DeviceContext dc(&b);
        dc.BitBlt(1, 2, 10, 10, dc, 0, 0); // down and right
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x) ASSERT_EQ(b.Pixel(x + 1, y + 2), original.Pixel(x, y)) << x << "," << y;
        Bitmap c = original;
        DeviceContext up(&c);
        up.BitBlt(0, 0, 10, 10, up, 2, 1); // up and left
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x) ASSERT_EQ(c.Pixel(x, y), original.Pixel(x + 2, y + 1));
    }
}

TEST(Blit, AlphaIsKeptBetween32BitBitmapsAndOpaqueOtherwise) {
    Bitmap a(2, 1, TPixelFormat::pf32bit);
    a.Fill(clRed, 77);
    Bitmap b(2, 1, TPixelFormat::pf32bit);
    Bitmap c(2, 1);
    DeviceContext sa(&a), db(&b), dc24(&c);
    db.BitBlt(0, 0, 2, 1, sa, 0, 0);
    EXPECT_EQ(b.Alpha(1, 0), 77);
    EXPECT_EQ(b.Pixel(1, 0), clRed);
    dc24.BitBlt(0, 0, 2, 1, sa, 0, 0);
    EXPECT_EQ(c.Pixel(0, 0), clRed);
    Bitmap d(2, 1, TPixelFormat::pf32bit);
    DeviceContext dd(&d);
    dd.BitBlt(0, 0, 2, 1, dc24, 0, 0);
    EXPECT_EQ(d.Alpha(0, 0), 255);
}

TEST(Stretch, EnlargingMapsFirstAndLastRowsAndColumnsOntoTheSourceEdges) {
    const Bitmap src = Pattern(7, 5, TPixelFormat::pf24bit, true);
    for (const TSize size : {TSize{14, 10}, TSize{23, 6}, TSize{100, 77}}) {
        Bitmap dst(size.cx, size.cy);
        DeviceContext d(&dst);
        d.StretchBitmap({0, 0, size.cx, size.cy}, src, src.BoundsRect());
        EXPECT_EQ(dst.Pixel(0, 0), src.Pixel(0, 0));
        EXPECT_EQ(dst.Pixel(size.cx - 1, 0), src.Pixel(6, 0));
        EXPECT_EQ(dst.Pixel(0, size.cy - 1), src.Pixel(0, 4));
        EXPECT_EQ(dst.Pixel(size.cx - 1, size.cy - 1), src.Pixel(6, 4));
    }
}

TEST(Stretch, SmoothingBlendsBetweenNeighboursAndAveragesWhenShrinking) {
    Bitmap two(2, 1);
    two.SetPixel(0, 0, clBlack);
    two.SetPixel(1, 0, clWhite);
    Bitmap wide(5, 1);
    DeviceContext w(&wide);
    w.StretchBitmap({0, 0, 5, 1}, two, two.BoundsRect());
    EXPECT_EQ(wide.Pixel(2, 0), RGB(128, 128, 128));
    EXPECT_EQ(wide.Pixel(1, 0), RGB(64, 64, 64));

    Bitmap checker(8, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) checker.SetPixel(x, y, (x + y) % 2 ? clWhite : clBlack);
    Bitmap small(4, 4);
    DeviceContext s(&small);
    s.StretchBitmap({0, 0, 4, 4}, checker, checker.BoundsRect());
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(small.Pixel(x, y), RGB(128, 128, 128));
}

TEST(Stretch, EqualSizeIsAnExactCopyAndClippingShowsPartOfTheSameImage) {
    const Bitmap src = Pattern(9, 9);
    Bitmap same(9, 9);
    DeviceContext d(&same);
    d.StretchBitmap({0, 0, 9, 9}, src, src.BoundsRect());
    EXPECT_TRUE(same == src);

    Bitmap full(30, 30), part(30, 30);
    DeviceContext f(&full), p(&part);
    f.StretchBitmap({0, 0, 27, 20}, src, {1, 1, 8, 8});
    p.SetViewportOrg(3, 2);
    p.IntersectClipRect({5, 5, 12, 9});
    p.StretchBitmap({-3, -2, 24, 18}, src, {1, 1, 8, 8});
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) {
            const bool visible = x >= 8 && x < 15 && y >= 7 && y < 11;
            ASSERT_EQ(part.Pixel(x, y), visible ? full.Pixel(x, y) : clBlack) << x << "," << y;
        }
}
