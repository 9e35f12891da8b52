// Hue rotation and saturation change of colours and bitmaps.
#include "skin/data/HueSaturation.h"

#include <gtest/gtest.h>

TEST(ShiftHue, TurnsColoursAroundTheWheel) {
    EXPECT_EQ(ShiftHue(RGB(255, 0, 0), 120), RGB(0, 255, 0));
    EXPECT_EQ(ShiftHue(RGB(255, 0, 0), 240), RGB(0, 0, 255));
    EXPECT_EQ(ShiftHue(RGB(0, 255, 0), 120), RGB(0, 0, 255));
    EXPECT_EQ(ShiftHue(RGB(255, 0, 0), 60), RGB(255, 255, 0));
    // Half-saturated orange-ish: H = 30, S = 0.6, V = 200 turned by 90 gives H = 120.
    EXPECT_EQ(ShiftHue(RGB(200, 140, 80), 90), RGB(80, 200, 80));
    // Negative offsets wrap rather than leaving the 0..359 range.
    EXPECT_EQ(ShiftHue(RGB(255, 0, 0), -120), RGB(0, 0, 255));
    EXPECT_EQ(ShiftHue(RGB(255, 0, 0), 720 + 120), RGB(0, 255, 0));
}

TEST(ShiftHue, GreyBlackAndWholeDegreeHuesStay) {
    for (TColor grey : {RGB(0, 0, 0), RGB(128, 128, 128), RGB(255, 255, 255)}) {
        EXPECT_EQ(ShiftHue(grey, 77), grey);
    }
    EXPECT_EQ(ShiftHue(RGB(200, 100, 50), 360), RGB(200, 100, 50));
    // H = 20.4 degrees rounds to 20, so a full turn is not an exact identity.
    TColor turned = ShiftHue(RGB(200, 101, 50), 360);
    EXPECT_NE(turned, RGB(200, 101, 50));
    EXPECT_EQ(GetRValue(turned), 200);
    EXPECT_EQ(GetBValue(turned), 50);
    EXPECT_NEAR(GetGValue(turned), 101, 1);
    // A system colour code is resolved before it is turned.
    EXPECT_EQ(ShiftHue(clBtnFace, 180), ShiftHue(ColorToRGB(clBtnFace), 180));
    EXPECT_FALSE(IsSystemColor(ShiftHue(clBtnFace, 180)));
}

TEST(ShiftSaturation, MovesChannelsFromOrToTheAverage) {
    EXPECT_EQ(SaturationAmount(50), -50);
    EXPECT_EQ(SaturationAmount(0), 0);
    EXPECT_EQ(SaturationAmount(101), 0);
    EXPECT_EQ(SaturationAmount(100), -100);
    EXPECT_EQ(ShiftSaturation(RGB(200, 100, 0), SaturationAmount(50)), RGB(250, 100, 0));
    EXPECT_EQ(ShiftSaturation(RGB(200, 100, 0), SaturationAmount(101)), RGB(200, 100, 0));
    EXPECT_EQ(ShiftSaturation(RGB(200, 100, 0), 100), RGB(100, 100, 100));
    EXPECT_EQ(ShiftSaturation(RGB(200, 100, 0), 50), RGB(150, 100, 50));
    EXPECT_EQ(ShiftSaturation(RGB(90, 90, 90), -80), RGB(90, 90, 90));
    // A system colour is resolved instead of losing its high byte.
    EXPECT_EQ(ShiftSaturation(clBtnFace, -50), ShiftSaturation(ColorToRGB(clBtnFace), -50));
}

TEST(HueSaturationPasses, SkipKeyAndGreyPixels) {
    Bitmap bitmap(4, 1, TPixelFormat::pf32bit);
    bitmap.SetPixel(0, 0, RGB(255, 0, 0));
    bitmap.SetPixel(1, 0, clFuchsia);
    bitmap.SetPixel(2, 0, RGB(77, 77, 77));
    bitmap.SetPixel(3, 0, RGB(200, 100, 0));
    ShiftBitmapHue(bitmap, 120);
    EXPECT_EQ(bitmap.Format(), TPixelFormat::pf24bit);
    EXPECT_EQ(bitmap.Pixel(0, 0), RGB(0, 255, 0));
    EXPECT_EQ(bitmap.Pixel(1, 0), clFuchsia);
    EXPECT_EQ(bitmap.Pixel(2, 0), RGB(77, 77, 77));
    EXPECT_EQ(bitmap.Pixel(3, 0), ShiftHue(RGB(200, 100, 0), 120));
    ShiftBitmapSaturation(bitmap, 100);
    EXPECT_EQ(bitmap.Pixel(0, 0), RGB(85, 85, 85));
    EXPECT_EQ(bitmap.Pixel(1, 0), clFuchsia);

    Bitmap untouched(2, 2, TPixelFormat::pf32bit);
    untouched.Fill(RGB(1, 2, 3));
    ShiftBitmapHue(untouched, 0);
    ShiftBitmapSaturation(untouched, 0);
    EXPECT_EQ(untouched.Format(), TPixelFormat::pf32bit);
    EXPECT_EQ(untouched.Pixel(1, 1), RGB(1, 2, 3));
}

TEST(HueSaturationPasses, ManyColoursGiveTheSameAsOneByOne) {
    Bitmap bitmap(64, 64);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) bitmap.SetPixel(x, y, RGB(x * 4, y * 4, (x * y) % 256));
    }
    Bitmap expected = bitmap;
    ShiftBitmapHue(bitmap, 77);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            TColor c = expected.Pixel(x, y);
            bool kept = (GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c)) || c == clFuchsia;
            ASSERT_EQ(bitmap.Pixel(x, y), kept ? c : ShiftHue(c, 77)) << x << "," << y;
        }
    }
}
