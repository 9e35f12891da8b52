// Whole elements: background, corner images and borders in their order, inheritance, and the
// manager-level entry points.
#include "skin/paint/ParentColors.h"
#include "skin/paint/SectionPainting.h"
#include "skin/paint/TacSectionPainter.h"
#include "tests/skin/paint/PaintTestKit.h"

#include "skin/data/TsSkinManager.h"

#include <gtest/gtest.h>

namespace {

std::string Options() {
    return "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n"
           "[CELL]\nCOLOR=" +
           std::to_string(RGB(90, 91, 92)) +
           "\nBORDERSMASK=^0000^0000^0027^0009^0003^0003^0003^0003^3^0^4^0\nIMGTOPRIGHT=@0027@0000@0032@0005@"
           "1@0\n"
           "[CHILD]\nPARENTCLASS=CELL\nCOLOR=" +
           std::to_string(RGB(1, 1, 1)) + "\nHOTCOLOR=" + std::to_string(RGB(1, 1, 1)) + "\n";
}

class SectionElement : public ::testing::Test {
protected:
    SectionElement() : master(Numbered(40, 12)), parent(Numbered(50, 50)) {
        master.SetPixel(0, 0, clFuchsia);
        LoadTestSkin(skin, Options(), master);
    }
    ~SectionElement() override { ResetParentColors(); }

    Bitmap master;
    Bitmap parent;
    TsSkinModel skin;
};

} // namespace

TEST_F(SectionElement, BackgroundThenCornerImagesThenBordersWithKeysShowingTheParent) {
    Bitmap b = Solid(16, 14, clWhite);
    const TRect r{1, 2, 15, 14};
    const TParentImageInfo ci{&parent, 4, 3, true};
    TacSectionPainter(skin, skin.SectionIndex("CHILD"), "CHILD")
        .ByIndex({b, {10, 20}, r, 1, ci}, -1, -1, false);
    EXPECT_EQ(b.Pixel(7, 7), RGB(1, 1, 1)) << "the centre is the section's own colour";
    EXPECT_EQ(b.Pixel(15 - 5, 2 + 4), master.Pixel(27, 4)) << "inside the corner image, clear of the borders";
    EXPECT_EQ(b.Pixel(14, 2), master.Pixel(9 + 8, 0)) << "the borders, inherited from CELL, are drawn last";
    EXPECT_EQ(b.Pixel(2, 3), master.Pixel(10, 1));
    Bitmap normal = Solid(16, 14, clWhite);
    TacSectionPainter(skin, skin.SectionIndex("CHILD"), "CHILD")
        .ByIndex({normal, {10, 20}, r, 0, ci}, -1, -1, false);
    EXPECT_EQ(normal.Pixel(1, 2), parent.Pixel(4 + 10, 3 + 20))
        << "the magenta corner pixel shows the parent";
    EXPECT_EQ(b.Pixel(0, 0), clWhite);
}

TEST_F(SectionElement, ManagerEntryPointsUseTheDefaultManagersSkin) {
    TsSkinManager manager(nullptr);
    ASSERT_EQ(TsSkinManager::DefaultManager(), &manager);
    LoadTestSkin(manager.Model(), Options(), master);
    const int cell = manager.Model().SectionIndex("CELL");
    Bitmap direct = Solid(12, 12, clWhite);
    PaintSkinSectionByIndex(cell, "CELL", {}, -1, -1, nullptr, &direct, {3, 3}, {0, 0, 12, 12}, 0, false);
    EXPECT_EQ(direct.Pixel(6, 6), RGB(90, 91, 92));
    EXPECT_EQ(direct.Pixel(1, 11), master.Pixel(1, 8));

    Bitmap screen = Solid(20, 20, clBlack);
    DeviceContext dc(&screen);
    PaintSectionToDC(cell, "CELL", {}, &manager, &dc, {3, 3}, {5, 4, 17, 16}, 0, false);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            EXPECT_EQ(screen.Pixel(x + 5, y + 4), direct.Pixel(x, y)) << x << "," << y;
    EXPECT_EQ(screen.Pixel(4, 4), clBlack);
    PaintSectionToDC(cell, "CELL", {}, &manager, &dc, {0, 0}, {-1, 0, 5, 5}, 0, true);
    EXPECT_EQ(screen.Pixel(0, 0), clBlack) << "a rectangle with a negative left paints nothing";
    Bitmap none = Solid(4, 4, clWhite);
    PaintSectionBackground(cell, "CELL", {}, clKeyColor, -1, -1, nullptr, nullptr, {}, {0, 0, 4, 4}, 0);
    PaintSkinSectionResolved(cell, -1, -1, &manager, &none, {}, {0, 0, 4, 4}, 0, true, {}, "CELL", -1);
    EXPECT_EQ(none, Solid(4, 4, RGB(90, 91, 92)))
        << "resolved with no borders mask index: the background only";
}
