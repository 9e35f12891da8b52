// Nine-piece borders: placement, states, draw mode bits, narrowing, key colour and alpha masks.
#include "skin/paint/BordersMask.h"
#include "skin/paint/ParentColors.h"
#include "skin/paint/TransparentCorners.h"
#include "tests/skin/paint/PaintTestKit.h"

#include <gtest/gtest.h>

namespace {

const char* const FrameOptions = "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n"
                                 "[FRAME]\nBORDERSMASK=^0000^0000^0027^0009^0003^0003^0003^0003^3^0^4^0\n"
                                 "[FRAME7]\nBORDERSMASK=^0000^0000^0027^0009^0003^0003^0003^0003^3^0^7^0\n"
                                 "[ONE]\nBORDERSMASK=^0027^0000^0036^0009^0003^0003^0003^0003^1^0^4^0\n"
                                 "[WIDE]\nBORDERSMASK=^0000^0009^0012^0015^0004^0002^0004^0002^1^0^4^0\n"
                                 "[ALPHA]\nBORDERSMASK=^0036^0000^0045^0018^0003^0003^0003^0003^1^1^4^0\n";

// Along one axis: the source offset a tiled nine-piece frame shows at position p of [lo, hi).
int PieceOffset(int p, int lo, int hi, int first, int last, int size) {
    if (p < lo + first) return p - lo;
    if (p >= hi - last) return size - (hi - p);
    return first + (p - lo - first) % (size - first - last);
}

class BordersMask : public ::testing::Test {
protected:
    BordersMask() : master(Numbered(64, 32)) {
        master.SetPixel(0, 0, clFuchsia);                  // state 0's top-left corner
        master.SetPixel(18, 8, clFuchsia);                 // state 2's bottom-left corner
        master.FillRect({36, 9, 45, 18}, RGB(64, 128, 0)); // the alpha frame's mask band
        LoadTestSkin(skin, FrameOptions, master);
    }
    ~BordersMask() override { ResetParentColors(); }

    TsMaskData& Mask(const char* section) {
        return skin.Masks[static_cast<std::size_t>(
            skin.MaskIndex(skin.SectionIndex(section), section, "BORDERSMASK"))];
    }
    // What a tiled frame of one w x h state image at (x0, y0) shows at (x, y) of r.
    TColor Framed(int x, int y, const TRect& r, TPoint origin, TSize cell, int wl, int wt, int wr,
                  int wb) const {
        return master.Pixel(origin.X + PieceOffset(x, r.Left, r.Right, wl, wr, cell.cx),
                            origin.Y + PieceOffset(y, r.Top, r.Bottom, wt, wb, cell.cy));
    }
    void ExpectFrame(const Bitmap& b, const TRect& r, TPoint origin, TColor outside) const {
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width(); ++x) {
                TColor want = r.Contains({x, y}) ? Framed(x, y, r, origin, {9, 9}, 3, 3, 3, 3) : outside;
                if (want == clFuchsia) want = outside;
                EXPECT_EQ(b.Pixel(x, y), want) << x << "," << y;
            }
    }

    Bitmap master;
    TsSkinModel skin;
};

} // namespace

TEST_F(BordersMask, TilesTheNinePiecesOfTheStateAroundTheRectangle) {
    for (int state : {0, 1, 2, 5}) {
        Bitmap b = Solid(19, 16, clWhite);
        PaintBordersMask(b, {1, 2, 18, 15}, true, false, state, Mask("FRAME"), {});
        ExpectFrame(b, {1, 2, 18, 15}, {9 * std::min(state, 2), 0}, clWhite);
    }
}

TEST_F(BordersMask, DrawModeSevenSkipsStateZeroAndStretchesOtherwise) {
    const Bitmap blank = Solid(20, 20, clWhite);
    Bitmap b = blank;
    PaintBordersMask(b, {0, 0, 20, 20}, true, false, 0, Mask("FRAME7"), {});
    EXPECT_EQ(b, blank);
    PaintBordersMask(b, {0, 0, 20, 20}, true, false, 1, Mask("FRAME7"), {});
    EXPECT_EQ(b.Pixel(0, 1), master.Pixel(9, 1)) << "corners are copied";
    EXPECT_EQ(b.Pixel(3, 0), master.Pixel(12, 0)) << "a stretched edge starts with its first pixel";
    EXPECT_EQ(b.Pixel(16, 0), master.Pixel(14, 0)) << "and ends with its last";
    EXPECT_EQ(b.Pixel(16, 16), master.Pixel(14, 5)) << "the centre is stretched too";
}

TEST_F(BordersMask, AOneStateMaskShowsItsOnlyImageInEveryState) {
    Bitmap b = Solid(12, 12, clWhite);
    PaintBordersMask(b, {0, 0, 12, 12}, true, false, 2, Mask("ONE"), {});
    ExpectFrame(b, {0, 0, 12, 12}, {27, 0}, clWhite);
}

TEST_F(BordersMask, TheCentreNeedsBothTheCallerAndBitFour) {
    Bitmap b = Solid(12, 12, clWhite);
    PaintBordersMask(b, {0, 0, 12, 12}, false, false, 1, Mask("FRAME"), {});
    EXPECT_EQ(b.Pixel(5, 5), clWhite);
    EXPECT_EQ(b.Pixel(5, 1), Framed(5, 1, {0, 0, 12, 12}, {9, 0}, {9, 9}, 3, 3, 3, 3));
}

TEST_F(BordersMask, ANarrowRectangleSqueezesTheSideWidthsToThreeAndTwo) {
    Bitmap b = Solid(5, 6, clWhite);
    PaintBordersMask(b, {0, 0, 5, 6}, true, false, 0, Mask("WIDE"), {});
    // WL = WR = 4 on 5 pixels: d = (8 - 5) div 2 = 1 each, and the odd pixel from the right.
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(b.Pixel(x, y), Framed(x, y, {0, 0, 5, 6}, {0, 9}, {12, 6}, 3, 2, 2, 2))
                << x << "," << y;
}

TEST_F(BordersMask, KeyPixelsOfCornersShowTheParentOnlyWhenAsked) {
    const Bitmap parent = Solid(40, 40, RGB(1, 2, 3));
    Bitmap b = Solid(12, 12, clWhite);
    PaintBordersMask(b, {1, 1, 11, 11}, true, false, 0, Mask("FRAME"), {&parent, 0, 0, true});
    EXPECT_EQ(b.Pixel(1, 1), clWhite) << "without use-parent the key pixel keeps the background";
    PaintBordersMask(b, {1, 1, 11, 11}, true, true, 0, Mask("FRAME"), {&parent, 0, 0, true});
    EXPECT_EQ(b.Pixel(1, 1), RGB(1, 2, 3));
    Bitmap painted = Solid(12, 12, RGB(4, 5, 6));
    PaintBordersMask(painted, {1, 1, 11, 11}, true, true, 2, Mask("FRAME"), {});
    EXPECT_EQ(painted.Pixel(1, 10), RGB(4, 5, 6)) << "no parent image: what was painted before stays";
}

TEST_F(BordersMask, AlphaMasksBlendEveryPieceAndTileEdges) {
    const Bitmap base = Solid(14, 14, RGB(200, 100, 50));
    Bitmap b = base;
    PaintBordersMask(b, {0, 0, 14, 14}, true, false, 0, Mask("ALPHA"), {});
    const auto expected = [&](int x, int y) {
        const TColor s = Framed(x, y, {0, 0, 14, 14}, {36, 0}, {9, 9}, 3, 3, 3, 3);
        const TColor m = RGB(64, 128, 0);
        const auto through = [](int d, int sc, int mc) {
            return std::clamp(((d - sc) * mc + sc * 256) / 256, 0, 255);
        };
        return RGB(through(200, GetRValue(s), GetRValue(m)), through(100, GetGValue(s), GetGValue(m)),
                   through(50, GetBValue(s), GetBValue(m)));
    };
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 14; ++x) EXPECT_EQ(b.Pixel(x, y), expected(x, y)) << x << "," << y;
}

TEST_F(BordersMask, NothingForTinyRectanglesOrMasksWithoutASkin) {
    const Bitmap blank = Solid(8, 8, clWhite);
    Bitmap b = blank;
    PaintBordersMask(b, {0, 0, 1, 8}, true, false, 1, Mask("FRAME"), {});
    EXPECT_EQ(b, blank);
    TsMaskData& orphan = Mask("ONE");
    orphan.Manager = nullptr;
    PaintBordersMask(b, {0, 0, 8, 8}, true, false, 1, orphan, {});
    EXPECT_EQ(b, blank);
}

TEST_F(BordersMask, KeyCornersOfTheMaskTakeTheParentsBackgroundBack) {
    Bitmap image = Solid(12, 12, clWhite);
    ParentFillColor = RGB(9, 9, 9);
    RestoreKeyCorners(image, Mask("FRAME"), 0, ccAllCorners, {});
    EXPECT_EQ(image.Pixel(0, 0), RGB(9, 9, 9)) << "state 0's top-left corner pixel is magenta";
    EXPECT_EQ(image.Pixel(1, 0), clWhite);
    ResetParentColors();
    const Bitmap parent = Numbered(30, 30);
    RestoreKeyCorners(image, Mask("FRAME"), 2, ccTopLeft | ccTopRight | ccBottomRight, {&parent, 2, 3, true});
    EXPECT_EQ(image.Pixel(0, 11), clWhite) << "the bottom-left corner was not asked for";
    RestoreKeyCorners(image, Mask("FRAME"), 2, ccBottomLeft, {&parent, 2, 3, true});
    EXPECT_EQ(image.Pixel(0, 11), parent.Pixel(2, 14));
    RestoreKeyCorners(image, Mask("FRAME"), 0, ccAllCorners, {});
    EXPECT_EQ(image.Pixel(0, 0), RGB(9, 9, 9)) << "with neither colour nor parent image nothing changes";
}
