// Rectangle arithmetic and colour helpers that every layer leans on.
#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"

#include <gtest/gtest.h>

TEST(Geometry, IntersectAndUnionOfRectangles) {
    const TRect a{0, 0, 10, 10};
    const TRect b{5, 5, 20, 8};
    EXPECT_EQ(a.Intersect(b), (TRect{5, 5, 10, 8}));
    EXPECT_EQ(a.Union(b), (TRect{0, 0, 20, 10}));
    EXPECT_TRUE(a.Intersect(TRect{10, 0, 20, 10}).IsEmpty()) << "touching edges do not overlap";
    EXPECT_EQ(TRect{}.Union(b), b);
    EXPECT_EQ(Bounds(3, 4, 5, 6), (TRect{3, 4, 8, 10}));
}

TEST(Geometry, ContainsUsesExclusiveRightAndBottom) {
    const TRect r{1, 1, 3, 3};
    EXPECT_TRUE(r.Contains({1, 1}));
    EXPECT_TRUE(r.Contains({2, 2}));
    EXPECT_FALSE(r.Contains({3, 2}));
    EXPECT_FALSE(r.Contains({2, 3}));
}

TEST(Color, SystemColoursResolveAndPlainColoursLoseTheirHighByte) {
    EXPECT_EQ(clBtnFace, -16777201) << "settings files store system colours as negative numbers";
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(212, 208, 200));
    EXPECT_EQ(ColorToRGB(clWindow), clWhite);
    EXPECT_EQ(ColorToRGB(0x05123456), 0x123456);
    EXPECT_EQ(GetSysColor(99), 0);
    EXPECT_EQ(GetRValue(RGB(1, 2, 3)), 1);
    EXPECT_EQ(GetGValue(RGB(1, 2, 3)), 2);
    EXPECT_EQ(GetBValue(RGB(1, 2, 3)), 3);
}
