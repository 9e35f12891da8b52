// Where a skinned speed button puts its glyph and caption, worked by hand from the layout rules,
// and which image of a glyph strip each state shows.
#include "skin/controls/TacButtonLayout.h"
#include "skin/controls/TacGlyphPainter.h"

#include <gtest/gtest.h>

TEST(ButtonLayout, GlyphLeftCentredPutsGlyphSpacingAndCaptionInOneCentredRow) {
    TacButtonLayout layout;
    layout.Width = 60;
    layout.Height = 30;
    layout.GlyphWidth = layout.GlyphHeight = 16;
    layout.TextWidth = 20;
    layout.TextHeight = 10;
    layout.HasCaption = true;
    // Free half H = (60 - 16 - 4 - 20) div 2 = 10.
    EXPECT_EQ(layout.GlyphRect(), (TRect{10, 7, 26, 23}));
    EXPECT_EQ(layout.CaptionRect(), (TRect{29, 10, 52, 20})) << "30..50, widened one left and two right";
    EXPECT_EQ(layout.CaptionRoom(), 60 + 2 - 20);
    layout.HasCaption = false;
    EXPECT_EQ(layout.CaptionRoom(), 0);
}

TEST(ButtonLayout, GlyphTopStacksGlyphOverCaptionWithMarginOffsetAndPressedShift) {
    TacButtonLayout layout;
    layout.Width = 40;
    layout.Height = 50;
    layout.Margin = 2; // offset 5
    layout.Spacing = 3;
    layout.GlyphWidth = 10;
    layout.GlyphHeight = 12;
    layout.TextWidth = 24;
    layout.TextHeight = 9;
    layout.HasCaption = true;
    layout.Layout = blGlyphTop;
    layout.TextOffset = 2;
    // V = (50 - 12 - 3 - 9) div 2 - 5 = 8.
    EXPECT_EQ(layout.GlyphRect(), (TRect{16, 13, 26, 25}));
    EXPECT_EQ(layout.CaptionRect(), (TRect{9, 28, 36, 37}));
    layout.Pressed = true;
    EXPECT_EQ(layout.GlyphRect(), (TRect{17, 14, 27, 26}));
    EXPECT_EQ(layout.CaptionRect(), (TRect{10, 29, 37, 38}));
}

TEST(ButtonLayout, GlyphRightAlignedRightEndsAtTheArrowPart) {
    TacButtonLayout layout;
    layout.Width = 70;
    layout.Height = 20;
    layout.Arrow = 16;
    layout.GlyphWidth = layout.GlyphHeight = 8;
    layout.TextWidth = 30;
    layout.TextHeight = 10;
    layout.HasCaption = true;
    layout.Layout = blGlyphRight;
    layout.Alignment = taRightJustify;
    // H = (70 - 16 - 8 - 4 - 30) div 2 = 6: caption 12..42, spacing, glyph 46..54, arrow 54..70.
    EXPECT_EQ(layout.CaptionRect(), (TRect{11, 5, 44, 15}));
    EXPECT_EQ(layout.GlyphRect(), (TRect{46, 6, 54, 14}));
}

TEST(ButtonLayout, HalvesOfNegativeRoomRoundTowardZero) {
    TacButtonLayout layout;
    layout.Width = 30;
    layout.Height = 20;
    layout.TextWidth = 35;
    layout.TextHeight = 10;
    layout.HasCaption = true;
    // H = -5 div 2 = -2, not -3.
    EXPECT_EQ(layout.CaptionRect(), (TRect{-3, 5, 34, 15}));
}

TEST(GlyphStrip, EachStateShowsItsImageWhenTheStripHasIt) {
    const Bitmap strip(40, 8);
    struct TCase {
        int Count, State;
        bool Down, Enabled;
        int Image;
    };
    const TCase cases[] = {
        {1, 0, false, true, 0},  {1, 1, false, true, 0},  {1, 2, true, true, 0},   {1, 0, false, false, 0},
        {2, 0, false, false, 1}, {2, 2, false, true, 0},  {3, 2, false, true, 2},  {3, 2, true, true, 2},
        {4, 2, true, true, 3},   {4, 2, false, true, 2},  {4, 1, false, true, 0},  {5, 1, false, true, 4},
        {5, 0, false, true, 0},  {5, 2, false, false, 1},
    };
    for (const TCase& c : cases) {
        TacGlyphLook look;
        look.State = c.State;
        look.Down = c.Down;
        look.Enabled = c.Enabled;
        EXPECT_EQ(TacGlyphPainter(strip, c.Count).ImageIndex(look), c.Image)
            << c.Count << " images, state " << c.State << (c.Down ? " down" : "") << (c.Enabled ? "" : " disabled");
    }
}
