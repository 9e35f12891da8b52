// A container's image on a device: around its children, its graphic children each painted over
// a copy of it and put on the device in one piece, and the news to its windowed children.
#include "skin/paint/ContainerPainting.h"
#include "skin/paint/ControlKinds.h"
#include "tests/skin/paint/BindingTestKit.h"
#include "tests/skin/paint/PaintTestKit.h"

#include "skin/data/SkinCommands.h"

#include "framework/TBitmap.h"

namespace {

constexpr TColor Sentinel = RGB(3, 250, 7);

class ContainerPainting : public BindingTest {
protected:
    void SetUp() override {
        BindingTest::SetUp();
        SkinOn();
        Container = On<TTestContainer>(Form, ckPanel);
        Container->SetBounds(0, 0, 60, 40);
        // A background that is not one colour, so see-through children copy the image; every
        // pixel of it different, so a misplaced copy shows.
        Container->SkinData()->SetSkinSection("GRAD");
        Container->SkinData()->PrepareCacheBitmap().SetImage(Numbered(60, 40));
        Container->SkinData()->SetCacheInvalid(false);
    }
    TColor Cached(int x, int y) const { return Container->SkinData()->CacheBitmap()->Image().Pixel(x, y); }

    TTestContainer* Container = nullptr;
};

} // namespace

TEST_F(ContainerPainting, TheImageGoesAroundGraphicAndOpaqueChildrenAndUnderOtherWindows) {
    auto* graphic = On<TTestGraphic>(Container, 0);
    graphic->SetBounds(2, 3, 10, 6);
    auto* opaque = On<TTestContainer>(Container, 0);
    opaque->SetControlStyle(opaque->ControlStyle() + TControlStyle{csOpaque});
    opaque->SetBounds(20, 3, 8, 8);
    auto* windowed = On<TTestContainer>(Container, 0);
    windowed->SetBounds(40, 20, 8, 8);
    auto* hidden = On<TTestGraphic>(Container, 0);
    hidden->SetBounds(30, 30, 5, 5);
    hidden->Hide();

    Bitmap device = Solid(70, 50, Sentinel);
    DeviceContext dc(&device);
    const TRect d{1, 2, 61, 42};
    CopyCacheExcludingChildren(*Container, *Container->SkinData(), {0, 0}, d, &dc, false);
    for (TControl* kept : {static_cast<TControl*>(graphic), static_cast<TControl*>(opaque)}) {
        const TRect b = kept->BoundsRect();
        for (int y = b.Top; y < b.Bottom; ++y)
            for (int x = b.Left; x < b.Right; ++x) ASSERT_EQ(device.Pixel(x, y), Sentinel) << x << "," << y;
    }
    EXPECT_EQ(device.Pixel(41, 21), Cached(40, 19)) << "a window that is not opaque is the platform's to clip";
    EXPECT_EQ(device.Pixel(31, 31), Cached(30, 29)) << "a hidden child is painted over";
    EXPECT_EQ(device.Pixel(1, 2), Cached(0, 0));
    EXPECT_EQ(device.Pixel(0, 0), Sentinel) << "nothing outside the destination";
    EXPECT_EQ(device.Pixel(61, 20), Sentinel);
    EXPECT_EQ(dc.SaveDC(), 1) << "no saved state is left behind";
}

TEST_F(ContainerPainting, EveryPixelOfAGraphicChildReachesTheDeviceOnceInItsFinalColour) {
    auto* skinned = On<TTestGraphic>(Container, ckSpeedButton);
    skinned->SetBounds(4, 4, 12, 10);
    auto* plain = On<TTestGraphic>(Container, 0, true);
    plain->SetBounds(30, 10, 8, 8);
    plain->SetColor(clNavy);
    auto* seeThrough = On<TTestGraphic>(Container, 0);
    seeThrough->SkinData()->SetSkinSection("CLEAR");
    seeThrough->SetBounds(44, 20, 10, 10);

    Bitmap device = Solid(60, 40, Sentinel);
    DeviceContext dc(&device);
    CopyCacheExcludingChildren(*Container, *Container->SkinData(), {0, 0}, Container->ClientRect(), &dc, false);
    std::vector<TPoint> drawnEarly;
    for (TTestGraphic* child : {skinned, plain, seeThrough}) {
        child->OnPainting = [&device, &drawnEarly, child](HDC) {
            const TRect b = child->BoundsRect();
            for (int y = b.Top; y < b.Bottom; ++y)
                for (int x = b.Left; x < b.Right; ++x)
                    if (device.Pixel(x, y) != Sentinel) drawnEarly.push_back({x, y});
        };
    }
    PaintGraphicChildren(&dc, *Container);

    EXPECT_TRUE(drawnEarly.empty()) << "no child's pixels reach the device before it has painted";
    EXPECT_EQ(device.Pixel(5, 5), TestSkin::Speed);
    EXPECT_EQ(device.Pixel(15, 13), TestSkin::Speed);
    EXPECT_EQ(device.Pixel(33, 12), clYellow) << "the plain look";
    for (int y = 20; y < 30; ++y)
        for (int x = 44; x < 54; ++x) ASSERT_EQ(device.Pixel(x, y), Cached(x, y)) << "clear shows the container";
    EXPECT_EQ(device.Pixel(20, 30), Cached(20, 30));
}

TEST_F(ContainerPainting, AChildThatLeavesItsCornerMagentaIsNotCopiedAndAnEmptyClipPaintsNothing) {
    auto* child = On<TTestGraphic>(Container, 0, true);
    child->SetBounds(10, 10, 8, 8);
    child->PlainColor = clFuchsia;
    Bitmap device = Solid(60, 40, Sentinel);
    DeviceContext dc(&device);
    PaintGraphicChildren(&dc, *Container);
    EXPECT_EQ(device.Pixel(12, 12), Sentinel);

    child->PlainColor = clRed;
    Container->SkinData()->SetUsesParentImage(false);
    dc.IntersectClipRect({0, 0, 0, 0});
    PaintGraphicChildren(&dc, *Container);
    EXPECT_EQ(device.Pixel(12, 12), Sentinel);
    EXPECT_TRUE(Container->SkinData()->UsesParentImage()) << "an empty clip records the parent dependence";
}

TEST_F(ContainerPainting, WindowedChildrenHearThatTheContainerPainted) {
    auto* shown = On<TTestContainer>(Container, 0);
    auto* hidden = On<TTestContainer>(Container, 0);
    hidden->Hide();
    auto* graphic = On<TTestGraphic>(Container, 0);
    TCommandLog shownLog(*shown), hiddenLog(*hidden), graphicLog(*graphic);
    NotifyChildrenRepainted(*Container);
    EXPECT_EQ(shownLog.Codes(), std::vector<std::uint16_t>{scParentRepainted});
    EXPECT_EQ(hiddenLog.Codes(), std::vector<std::uint16_t>{scParentRepainted}) << "by a direct call";
    EXPECT_TRUE(graphicLog.Seen.empty());
}
