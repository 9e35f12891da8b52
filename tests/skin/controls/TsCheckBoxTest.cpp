// The skinned check box: check images from GLOBALINFO, the 16 x 16 place without BOXCHECKED, the
// caption's focus frame, read-only boxes, pressing without toggling, automatic size on a skin
// change, and the plain check box without the skin.
#include "skin/controls/TsCheckBox.h"
#include "tests/skin/controls/ButtonsTestKit.h"
#include "tests/skin/paint/PaintTestKit.h"

#include "framework/TBitmap.h"
#include "framework/TCanvas.h"
#include "framework/TEdit.h"

namespace {

using namespace ButtonsSkin;

class SkinnedCheckBox : public SkinnedButtonsTest {
protected:
    TsCheckBox* Placed(const char* caption = "трен.") {
        auto* box = On<TsCheckBox>(Form);
        box->SetCaption(caption);
        box->SetAutoSize(false);
        box->SetBounds(10, 10, 80, 17);
        return box;
    }
    // The top-left of the check image, from the box's size, its margin and the 13 x 13 image.
    static TPoint Box(const TsCheckBox& box) { return {box.Margin(), (box.Height() - BoxSize) / 2}; }
    TColor BoxPixel(const TsCheckBox& box) { return Pixel(box, Box(box).X + 6, Box(box).Y + 6); }
    TSize Extent(const TsCheckBox& box, const std::string& text) {
        TBitmap measure;
        measure.SetSize(1, 1);
        measure.Canvas()->Font()->Assign(box.Font());
        return measure.Canvas()->TextExtent(text);
    }
};

} // namespace

TEST_F(SkinnedCheckBox, TheCheckImageComesFromTheSkinsGlobalImagesInTheBoxsState) {
    TsCheckBox* box = Placed();
    SkinOn();
    EXPECT_EQ(box->CheckRect(), Bounds(2, 2, BoxSize, BoxSize));
    EXPECT_EQ(BoxPixel(*box), Unchecked[0]);
    EXPECT_EQ(Pixel(*box, Box(*box).X, Box(*box).Y), CheckBoxColour) << "the image's magenta pixel";
    box->SetChecked(true);
    EXPECT_EQ(BoxPixel(*box), Checked[0]);
    const TPoint over = At(*box, 60, 8);
    MoveTo(over.X, over.Y);
    EXPECT_EQ(BoxPixel(*box), Checked[1]) << "hot under the mouse";
}

TEST_F(SkinnedCheckBox, ASkinWithoutBoxCheckedGivesASixteenPixelPlaceAndNoCheckImage) {
    UseSkin({.BoxChecked = false});
    TsCheckBox* box = Placed();
    box->SetChecked(true);
    SkinOn();
    EXPECT_EQ(box->CheckRect(), Bounds(2, 0, 16, 16));
    const Bitmap shot = Shot(*box);
    for (int y = 0; y < shot.Height(); ++y)
        for (int x = 0; x < shot.Width(); ++x)
            for (TColor c : Checked) ASSERT_NE(shot.Pixel(x, y), c) << x << "," << y;
}

TEST_F(SkinnedCheckBox, AClickTogglesOnceAndPressingThenLeavingDoesNotToggle) {
    TsCheckBox* box = Placed();
    SkinOn();
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    const TPoint in = At(*box, 8, 8);
    ClickAt(in.X, in.Y);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 1);

    MoveTo(in.X, in.Y);
    Press(in.X, in.Y, true);
    EXPECT_EQ(BoxPixel(*box), Checked[2]) << "pressed";
    const TPoint out = At(*box, 8, 80);
    MoveTo(out.X, out.Y);
    Press(out.X, out.Y, false);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 1);
    EXPECT_NE(BoxPixel(*box), Checked[2]);
}

TEST_F(SkinnedCheckBox, TheSpaceBarPressesAndTogglesOnItsRelease) {
    TsCheckBox* box = Placed();
    SkinOn();
    box->SetFocus();
    Key(VK_SPACE, true);
    EXPECT_EQ(BoxPixel(*box), Unchecked[2]);
    EXPECT_FALSE(box->Checked());
    Key(VK_SPACE, false);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(BoxPixel(*box), Checked[1]) << "focused, so hot";
}

TEST_F(SkinnedCheckBox, AReadOnlyBoxNeverLooksHotOrPressedAndIgnoresClicksAndSpace) {
    TsCheckBox* box = Placed();
    box->SetReadOnly(true);
    SkinOn();
    const TPoint in = At(*box, 8, 8);
    MoveTo(in.X, in.Y);
    EXPECT_EQ(BoxPixel(*box), Unchecked[0]);
    Press(in.X, in.Y, true);
    EXPECT_EQ(BoxPixel(*box), Unchecked[0]);
    Press(in.X, in.Y, false);
    EXPECT_FALSE(box->Checked());
    box->SetFocus();
    Tap(VK_SPACE);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(BoxPixel(*box), Unchecked[0]);
}

TEST_F(SkinnedCheckBox, ACaptionOfOneSpaceIsMeasuredAndFramedWhenFocused) {
    TsCheckBox* box = Placed(" ");
    box->SetBounds(10, 10, 40, 21);
    SkinOn();
    box->SetFocus();
    const TSize space = Extent(*box, " ");
    const int available = 40 - BoxSize - 0 - 2 * 2 - 2;
    const int top = std::max((21 - space.cy) / 2, 2);
    const int left = 40 - available - 2 + 2;
    const TRect frame = TRect{left, top - 1 + 1, left + space.cx, 21 - top - 1 - 2}.Inflate(1, 1);
    EXPECT_EQ(Pixel(*box, frame.Left, frame.Top), clBlack);
    EXPECT_EQ(Pixel(*box, frame.Left, frame.Bottom), clBlack);
    EXPECT_EQ(Pixel(*box, frame.Right, frame.Top), clBlack);
    EXPECT_EQ(Pixel(*box, frame.Left - 1, frame.Top - 1), clWhite);

    auto* edit = On<TEdit>(Form);
    edit->SetBounds(10, 100, 60, 21);
    edit->SetFocus();
    EXPECT_EQ(Pixel(*box, frame.Left, frame.Top), CheckBoxColour) << "no frame without the focus";
}

TEST_F(SkinnedCheckBox, WithAutoSizeTheTrainingBoxTakesTheSizeOfItsImageAndCaptionWhenTheSkinComes) {
    auto* box = On<TsCheckBox>(Form);
    box->SetCaption("трен.");
    box->SetBounds(154, 3, 46, 17);
    EXPECT_TRUE(box->AutoSize());
    EXPECT_EQ(box->Width(), 46) << "unskinned, the size is left alone";
    SkinOn();
    const TSize caption = Extent(*box, "трен.");
    EXPECT_EQ(box->Width(), BoxSize + 2 * 2 + caption.cx + 0 + 8);
    EXPECT_EQ(box->Height(), std::max(BoxSize, caption.cy + 2 * 2) + 2);
    EXPECT_EQ(box->Left(), 154);
}

TEST_F(SkinnedCheckBox, WithoutTheSkinItLooksAndTogglesLikeThePlainCheckBox) {
    TsCheckBox* box = Placed();
    box->SetChecked(true);
    auto* plain = On<TCheckBox>(Form);
    plain->SetCaption("трен.");
    plain->SetBounds(10, 100, 80, 17);
    plain->SetChecked(true);
    SkinOn();
    SkinOff();
    const Bitmap mine = Shot(*box);
    const Bitmap theirs = Shot(*plain);
    for (int y = 0; y < mine.Height(); ++y)
        for (int x = 0; x < mine.Width(); ++x) ASSERT_EQ(mine.Pixel(x, y), theirs.Pixel(x, y)) << x << "," << y;
    const TPoint in = At(*box, 8, 8);
    ClickAt(in.X, in.Y);
    EXPECT_FALSE(box->Checked());
}

TEST_F(SkinnedCheckBox, OwnCheckImagesAreDrawnThroughTheirMasksAndSizeTheCheckRectangle) {
    const TColor own[3] = {RGB(1, 200, 1), RGB(2, 210, 2), RGB(3, 220, 3)};
    TBitmap glyph;
    glyph.SetSize(3 * 11, 2 * 11);
    for (int s = 0; s < 3; ++s)
        for (int y = 0; y < 11; ++y)
            for (int x = 0; x < 11; ++x) {
                glyph.Image().SetPixel(s * 11 + x, y, own[s]);
                glyph.Image().SetPixel(s * 11 + x, 11 + y, x == 0 && y == 0 ? clWhite : clBlack);
            }
    TsCheckBox* box = Placed();
    box->SetGlyphChecked(&glyph);
    SkinOn();
    EXPECT_EQ(box->CheckRect(), Bounds(2, 3, 11, 11));
    EXPECT_EQ(Pixel(*box, 2 + 5, 3 + 5), CheckBoxColour) << "unchecked, and no own unchecked image";
    box->SetChecked(true);
    EXPECT_EQ(Pixel(*box, 2 + 5, 3 + 5), own[0]);
    // White (255) in the mask: ((d - s) * 255 + s * 256) div 256 keeps the background, nearly.
    const TColor kept = PerChannel(CheckBoxColour, own[0], [](int d, int s) { return ((d - s) * 255 + s * 256) / 256; });
    EXPECT_EQ(Pixel(*box, 2, 3), kept);
    const TPoint in = At(*box, 7, 8);
    MoveTo(in.X, in.Y);
    Press(in.X, in.Y, true);
    EXPECT_EQ(Pixel(*box, 2 + 5, 3 + 5), own[2]);
}
