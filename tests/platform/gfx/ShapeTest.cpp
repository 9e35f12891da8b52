// Shapes and gradients: pixel-exact coverage, outlines, winding fill, interpolation ends.
#include "platform/gfx/DeviceContext.h"

#include <gtest/gtest.h>

namespace {

int CountColour(const Bitmap& b, TColor c) {
    int n = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) n += b.Pixel(x, y) == c;
    return n;
}

bool MirrorSymmetric(const Bitmap& b, const TRect& r) {
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) {
            const int mx = r.Left + r.Right - 1 - x, my = r.Top + r.Bottom - 1 - y;
            if (b.Pixel(x, y) != b.Pixel(mx, y) || b.Pixel(x, y) != b.Pixel(x, my)) return false;
        }
    return true;
}

} // namespace

TEST(Shapes, EllipseStaysInsideItsRectangleAndIsSymmetric) {
    for (const TRect r : {TRect{2, 3, 23, 14}, TRect{1, 1, 3, 20}, TRect{4, 4, 5, 5}, TRect{0, 0, 30, 30}}) {
        Bitmap b(32, 32);
        DeviceContext dc(&b);
        dc.Ellipse(r, clWhite, clRed);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                if (!r.Contains({x, y})) {
                    ASSERT_EQ(b.Pixel(x, y), clBlack) << x << "," << y;
                }
            }
        EXPECT_TRUE(MirrorSymmetric(b, r));
        for (int y = r.Top; y < r.Bottom; ++y) {
            bool any = false;
            for (int x = r.Left; x < r.Right; ++x) any |= b.Pixel(x, y) == clRed;
            EXPECT_TRUE(any) << "every row of the outline is drawn, row " << y;
        }
    }
}

TEST(Shapes, OutlineIsOnePixelThickAndSeparatesInsideFromOutside) {
    Bitmap b(40, 40);
    DeviceContext dc(&b);
    dc.Ellipse({5, 5, 35, 30}, clWhite, clRed);
    const int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, 1, -1};
    for (int y = 1; y < 39; ++y)
        for (int x = 1; x < 39; ++x) {
            if (b.Pixel(x, y) != clWhite) continue;
            for (int k = 0; k < 4; ++k) ASSERT_NE(b.Pixel(x + dx[k], y + dy[k]), clBlack) << "inside touches outside";
        }
    EXPECT_GT(CountColour(b, clWhite), 400);
    // A centre row: red, then white, then red.
    EXPECT_EQ(b.Pixel(5, 17), clRed);
    EXPECT_EQ(b.Pixel(6, 17), clWhite);
    EXPECT_EQ(b.Pixel(34, 17), clRed);

    Bitmap fillOnly(40, 40);
    DeviceContext f(&fillOnly);
    f.Ellipse({5, 5, 35, 30}, clWhite, clNone);
    EXPECT_EQ(CountColour(fillOnly, clWhite), CountColour(b, clWhite) + CountColour(b, clRed));
}

TEST(Shapes, RoundRectCornersAreCutAndSidesStraight) {
    Bitmap b(30, 20);
    DeviceContext dc(&b);
    dc.RoundRect({0, 0, 30, 20}, 10, 10, clWhite, clBlue);
    EXPECT_EQ(b.Pixel(0, 0), clBlack);
    EXPECT_EQ(b.Pixel(29, 19), clBlack);
    EXPECT_EQ(b.Pixel(15, 0), clBlue);
    EXPECT_EQ(b.Pixel(0, 10), clBlue);
    EXPECT_EQ(b.Pixel(29, 10), clBlue);
    EXPECT_EQ(b.Pixel(15, 10), clWhite);
    EXPECT_TRUE(MirrorSymmetric(b, {0, 0, 30, 20}));
    Bitmap square(30, 20);
    DeviceContext s(&square);
    s.RoundRect({0, 0, 30, 20}, 0, 0, clWhite, clNone);
    EXPECT_EQ(CountColour(square, clWhite), 600);
}

TEST(Shapes, PolygonCoversHalfOpenAreaAndFillsByWinding) {
    Bitmap b(20, 20);
    DeviceContext dc(&b);
    dc.SetViewportOrg(2, 3);
    dc.Polygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, clWhite, clNone);
    EXPECT_EQ(CountColour(b, clWhite), 100);
    EXPECT_EQ(b.Pixel(2, 3), clWhite);
    EXPECT_EQ(b.Pixel(12, 3), clBlack);

    // A pentagram: its centre is wound twice, so a winding fill covers it.
    Bitmap star(40, 40);
    DeviceContext s(&star);
    s.Polygon({{20, 0}, {32, 38}, {0, 14}, {40, 14}, {8, 38}}, clWhite, clNone);
    EXPECT_EQ(star.Pixel(20, 20), clWhite);
    EXPECT_EQ(star.Pixel(20, 36), clBlack) << "between the lower points";

    Bitmap outlined(20, 20);
    DeviceContext o(&outlined);
    o.Polygon({{2, 2}, {12, 2}, {12, 12}}, clNone, clRed);
    EXPECT_EQ(outlined.Pixel(2, 2), clRed);
    EXPECT_EQ(outlined.Pixel(12, 12), clRed) << "a closed outline draws every vertex";
    EXPECT_EQ(outlined.Pixel(11, 5), clBlack);
}

TEST(Shapes, LinesLeaveOutTheirEndPointAndWideLinesCoverTheirWidth) {
    Bitmap b(20, 20);
    DeviceContext dc(&b);
    dc.Line(2, 2, 10, 2, clWhite);
    EXPECT_EQ(CountColour(b, clWhite), 8);
    EXPECT_EQ(b.Pixel(10, 2), clBlack);
    dc.Line(5, 5, 0, 10, clRed);
    EXPECT_EQ(CountColour(b, clRed), 5);
    EXPECT_EQ(b.Pixel(1, 9), clRed);

    Bitmap w(20, 20);
    DeviceContext wide(&w);
    wide.Line(4, 10, 16, 10, clWhite, 3);
    for (int x = 4; x <= 16; ++x)
        for (int y = 9; y <= 11; ++y) EXPECT_EQ(w.Pixel(x, y), clWhite) << x << "," << y;
    EXPECT_EQ(w.Pixel(10, 8), clBlack);
    EXPECT_EQ(w.Pixel(10, 12), clBlack);
}

TEST(Gradients, RectangleEndsCarryTheEndColoursAndRowsRoundLinearly) {
    Bitmap b(7, 5);
    DeviceContext dc(&b);
    dc.GradientFillRect({0, 0, 7, 5}, RGB(0, 100, 255), RGB(10, 0, 0), true);
    EXPECT_EQ(b.Pixel(3, 0), RGB(0, 100, 255));
    EXPECT_EQ(b.Pixel(6, 4), RGB(10, 0, 0));
    EXPECT_EQ(b.Pixel(0, 1), RGB(3, 75, 191)) << "2.5 and 191.25 rounded";
    EXPECT_EQ(b.Pixel(0, 2), RGB(5, 50, 128)) << "127.5 rounds up";

    dc.GradientFillRect({0, 0, 7, 5}, clBlack, clWhite, false);
    EXPECT_EQ(b.Pixel(0, 3), clBlack);
    EXPECT_EQ(b.Pixel(6, 3), clWhite);
    EXPECT_EQ(b.Pixel(3, 0), RGB(128, 128, 128));

    // Clipping shows a part of the same gradient, not a squeezed one.
    Bitmap clipped(7, 5);
    DeviceContext c(&clipped);
    c.IntersectClipRect({2, 0, 4, 5});
    c.GradientFillRect({0, 0, 7, 5}, clBlack, clWhite, false);
    EXPECT_EQ(clipped.Pixel(3, 2), b.Pixel(3, 2));
    EXPECT_EQ(clipped.Pixel(5, 2), clBlack);
}

TEST(Gradients, TriangleInterpolatesTowardsItsCorners) {
    Bitmap b(101, 101);
    DeviceContext dc(&b);
    dc.GradientFillTriangle({0, 0, clRed}, {100, 0, clLime}, {0, 100, clBlue});
    const TColor nearRed = b.Pixel(0, 0);
    EXPECT_GE(GetRValue(nearRed), 250);
    EXPECT_GE(GetGValue(b.Pixel(98, 0)), 240);
    EXPECT_GE(GetBValue(b.Pixel(0, 98)), 240);
    const TColor mid = b.Pixel(33, 33);
    EXPECT_NEAR(GetRValue(mid), 85, 3);
    EXPECT_NEAR(GetGValue(mid), 85, 3);
    EXPECT_NEAR(GetBValue(mid), 85, 3);
    EXPECT_EQ(b.Pixel(80, 80), clBlack) << "outside the triangle";
}
