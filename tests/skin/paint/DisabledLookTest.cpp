// The disabled look: grey, blended with the parent's image, or half toward the parent's colour.
#include "skin/paint/DisabledLook.h"
#include "skin/paint/ParentColors.h"
#include "tests/skin/paint/PaintTestKit.h"

#include <gtest/gtest.h>

namespace {

class DisabledLook : public ::testing::Test {
protected:
    ~DisabledLook() override { ResetParentColors(); }
};

} // namespace

TEST_F(DisabledLook, BlendedOverAParentImageKeepsFourTenthsOfTheElement) {
    const Bitmap parent = Numbered(20, 20);
    const Bitmap element = Numbered(6, 5);
    Bitmap b = element;
    ApplyDisabledLook(b, false, true, clBtnFace, {3, 4}, {&parent, 2, 1, true});
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) {
            const TColor p = parent.Pixel(2 + 3 + x, 1 + 4 + y);
            EXPECT_EQ(b.Pixel(x, y),
                      PerChannel(p, element.Pixel(x, y),
                                 [](int pc, int ec) { return RoundEven(0.6 * pc + 0.4 * ec); }))
                << x << "," << y;
        }
}

TEST_F(DisabledLook, WithoutAParentImageHalfOfTheParentsColour) {
    const Bitmap element = Numbered(4, 4);
    Bitmap b = element;
    ApplyDisabledLook(b, false, true, clBtnFace, {}, {});
    const TColor face = ColorToRGB(clBtnFace);
    EXPECT_EQ(b.Pixel(3, 2), PerChannel(element.Pixel(3, 2), face,
                                        [](int e, int c) { return RoundEven(0.5 * e + 0.5 * c); }));
    ParentFillColor = RGB(0, 255, 1);
    b = element;
    ApplyDisabledLook(b, false, true, clBtnFace, {}, {});
    EXPECT_EQ(b.Pixel(1, 1), PerChannel(element.Pixel(1, 1), RGB(0, 255, 1),
                                        [](int e, int c) { return RoundEven(0.5 * e + 0.5 * c); }))
        << "ParentFillColor stands for the parent";
}

TEST_F(DisabledLook, GreyComesFirstAndNothingWithoutAKind) {
    const Bitmap element = Solid(3, 3, RGB(30, 60, 91));
    Bitmap b = element;
    ApplyDisabledLook(b, false, false, clWhite, {}, {});
    EXPECT_EQ(b, element);
    ApplyDisabledLook(b, true, true, clWhite, {}, {});
    EXPECT_EQ(b.Pixel(0, 0),
              RGB(RoundEven(0.5 * 60 + 127.5), RoundEven(0.5 * 60 + 127.5), RoundEven(0.5 * 60 + 127.5)));
}
