// Device context state: origin, the three clips, saved levels, and the solid fills they govern.
#include "platform/gfx/DeviceContext.h"

#include <gtest/gtest.h>

namespace {

// The rectangle of pixels that differ from the background colour (empty when none do).
TRect ChangedBox(const Bitmap& b, TColor background) {
    TRect box;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Pixel(x, y) != background) box = box.Union({x, y, x + 1, y + 1});
    return box;
}

int CountColour(const Bitmap& b, TColor c) {
    int n = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) n += b.Pixel(x, y) == c;
    return n;
}

} // namespace

TEST(DeviceContext, ClipFollowsTheOriginItWasSetUnder) {
    Bitmap b(40, 30);
    DeviceContext dc(&b);
    dc.SetViewportOrg(10, 5);
    EXPECT_EQ(dc.IntersectClipRect({0, 0, 5, 4}), SIMPLEREGION);
    TRect box;
    EXPECT_EQ(dc.GetClipBox(&box), SIMPLEREGION);
    EXPECT_EQ(box, (TRect{0, 0, 5, 4}));
    dc.FillRect({-100, -100, 100, 100}, clRed);
    EXPECT_EQ(ChangedBox(b, clBlack), (TRect{10, 5, 15, 9}));

    // Moving the origin afterwards moves drawing but not the clip, which lives in device pixels.
    dc.SetViewportOrg(0, 0);
    EXPECT_EQ(dc.GetClipBox(&box), SIMPLEREGION);
    EXPECT_EQ(box, (TRect{10, 5, 15, 9}));
    EXPECT_TRUE(dc.PtVisible(14, 8));
    EXPECT_FALSE(dc.PtVisible(15, 8));
    EXPECT_EQ(dc.GetPixel(10, 5), clRed);
    dc.OffsetViewportOrg(10, 5);
    EXPECT_EQ(dc.GetPixel(0, 0), clRed);
    EXPECT_EQ(dc.GetPixel(-11, 0), clNone) << "outside the target";
}

TEST(DeviceContext, SystemClipBoundsEveryCallerClip) {
    Bitmap b(20, 20);
    DeviceContext dc(&b);
    dc.SetSystemClip(Region(TRect{0, 0, 10, 10}));
    const Region wide(TRect{5, 5, 20, 20});
    EXPECT_EQ(dc.SelectClipRgn(&wide), SIMPLEREGION);
    EXPECT_EQ(dc.EffectiveClip(), Region(TRect{5, 5, 10, 10}));
    dc.ExcludeClipRect({7, 7, 8, 8});
    EXPECT_EQ(dc.GetClipBox(nullptr), COMPLEXREGION);
    dc.FillRect({0, 0, 20, 20}, clWhite);
    EXPECT_EQ(CountColour(b, clWhite), 24);
    EXPECT_EQ(b.Pixel(7, 7), clBlack);
    EXPECT_EQ(dc.IntersectClipRect({30, 30, 40, 40}), NULLREGION);
    dc.SelectClipRgn(nullptr);
    EXPECT_EQ(dc.EffectiveClip(), Region(TRect{0, 0, 10, 10}));
    dc.SetSystemClip(std::nullopt);
    EXPECT_EQ(dc.EffectiveClip(), Region(b.BoundsRect()));
}

TEST(DeviceContext, ExcludeWithoutAClipStartsFromEverything) {
    Bitmap b(10, 10);
    DeviceContext dc(&b);
    dc.SetViewportOrg(2, 2);
    dc.ExcludeClipRect({0, 0, 3, 3});
    dc.FillRect({-2, -2, 8, 8}, clWhite);
    EXPECT_EQ(CountColour(b, clWhite), 100 - 9);
    EXPECT_EQ(b.Pixel(2, 2), clBlack);
}

TEST(DeviceContext, SaveAndRestoreByLevelAndRelatively) {
    Bitmap b(10, 10);
    DeviceContext dc(&b);
    dc.SetTextColor(clRed);
    EXPECT_EQ(dc.SaveDC(), 1);
    dc.SetViewportOrg(3, 3);
    dc.IntersectClipRect({0, 0, 2, 2});
    dc.SetBkMode(TRANSPARENT);
    EXPECT_EQ(dc.SaveDC(), 2);
    dc.SetTextColor(clBlue);
    EXPECT_EQ(dc.SaveDC(), 3);
    dc.SetViewportOrg(0, 0);

    EXPECT_TRUE(dc.RestoreDC(-1));
    EXPECT_EQ(dc.ViewportOrg(), (TPoint{3, 3}));
    EXPECT_EQ(dc.GetTextColor(), clBlue);
    EXPECT_TRUE(dc.RestoreDC(-1));
    EXPECT_EQ(dc.GetTextColor(), clRed);
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
    EXPECT_EQ(dc.EffectiveClip(), Region(TRect{3, 3, 5, 5}));
    EXPECT_FALSE(dc.RestoreDC(2)) << "level 2 was used up";
    EXPECT_FALSE(dc.RestoreDC(0));
    EXPECT_TRUE(dc.RestoreDC(1));
    EXPECT_EQ(dc.ViewportOrg(), (TPoint{0, 0}));
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
    EXPECT_EQ(dc.EffectiveClip(), Region(b.BoundsRect()));
    EXPECT_FALSE(dc.RestoreDC(-1)) << "nothing left to restore";
}

TEST(DeviceContext, SelectingAnotherTargetResetsTheState) {
    Bitmap a(10, 10), b(4, 4);
    DeviceContext dc(&a);
    dc.SetViewportOrg(5, 5);
    dc.IntersectClipRect({0, 0, 1, 1});
    dc.SaveDC();
    dc.SelectBitmap(&b);
    EXPECT_EQ(dc.ViewportOrg(), (TPoint{0, 0}));
    EXPECT_EQ(dc.EffectiveClip(), Region(TRect{0, 0, 4, 4}));
    EXPECT_FALSE(dc.RestoreDC(-1));
    DeviceContext none;
    none.FillRect({0, 0, 5, 5}, clRed); // no target: nothing to do, nothing to crash
    EXPECT_EQ(none.GetPixel(0, 0), clNone);
}

TEST(DeviceContext, FramesInvertsAndFocusRectangles) {
    Bitmap b(12, 12);
    b.Fill(clWhite);
    DeviceContext dc(&b);
    dc.FrameRect({1, 1, 11, 11}, clNavy, 2);
    EXPECT_EQ(CountColour(b, clNavy), 100 - 36);
    EXPECT_EQ(b.Pixel(3, 3), clWhite);
    EXPECT_EQ(b.Pixel(2, 10), clNavy);

    Bitmap before = b;
    dc.InvertRect({0, 0, 6, 12});
    EXPECT_EQ(b.Pixel(0, 0), clBlack);
    EXPECT_EQ(b.Pixel(1, 1), RGB(255, 255, 127));
    dc.InvertRect({0, 0, 6, 12});
    EXPECT_TRUE(b == before);

    dc.DrawFocusRect({0, 0, 7, 5});
    EXPECT_FALSE(b == before);
    EXPECT_EQ(b.Pixel(0, 0), clBlack) << "corner dot";
    EXPECT_EQ(b.Pixel(1, 0), clWhite) << "every other pixel";
    EXPECT_EQ(b.Pixel(3, 3), clWhite) << "inside untouched";
    dc.DrawFocusRect({0, 0, 7, 5});
    EXPECT_TRUE(b == before);
}

TEST(DeviceContext, DrawingIntoThirtyTwoBitsWritesOpaqueAlpha) {
    Bitmap b(4, 4, TPixelFormat::pf32bit);
    b.Fill(clBlack, 0);
    DeviceContext dc(&b);
    dc.FillRect({0, 0, 2, 2}, clBtnFace);
    EXPECT_EQ(b.Alpha(1, 1), 255);
    EXPECT_EQ(b.Alpha(2, 2), 0);
    EXPECT_EQ(b.Pixel(0, 0), GetSysColor(COLOR_BTNFACE));
    dc.FillRect({0, 0, 4, 4}, clNone);
    EXPECT_EQ(b.Alpha(3, 3), 0) << "clNone paints nothing";
}
