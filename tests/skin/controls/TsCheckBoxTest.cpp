// The skinned check box: check images from GLOBALINFO, the 16 x 16 place without BOXCHECKED, the
// caption's focus frame, check images from an image list, read-only boxes, pressing without toggling, automatic size on a skin
// change, and the plain check box without the skin.
#include "skin/controls/TsCheckBox.h"
#include "tests/skin/controls/ButtonsTestKit.h"
#include "tests/skin/paint/PaintTestKit.h"

#include "framework/TBitmap.h"
#include "framework/TCanvas.h"
#include "framework/TEdit.h"
#include "framework/TImageList.h"

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

namespace {

constexpr int ListCell = 11;
constexpr TColor ListChecked[3] = {RGB(1, 150, 9), RGB(2, 160, 9), RGB(3, 170, 9)};
constexpr TColor ListUnchecked[3] = {RGB(150, 1, 9), RGB(160, 2, 9), RGB(170, 3, 9)};
constexpr int HalfMask = 128; // the mask value at (1, 1) of every state
constexpr TPoint KeyPixel{4, 4}; // magenta in every state

// A list image: three states of one colour each over their masks: black but for a half grey at
// (1, 1) and white at (0, 0).
void PaintListImage(Bitmap& strip, int left, const TColor (&colours)[3]) {
    for (int s = 0; s < 3; ++s) {
        const int x0 = left + s * ListCell;
        strip.FillRect(Bounds(x0, 0, ListCell, ListCell), colours[s]);
        strip.SetPixel(x0 + KeyPixel.X, KeyPixel.Y, clFuchsia);
        strip.FillRect(Bounds(x0, ListCell, ListCell, ListCell), clBlack);
        strip.SetPixel(x0 + 1, ListCell + 1, RGB(HalfMask, HalfMask, HalfMask));
        strip.SetPixel(x0, ListCell, clWhite);
    }
}

// The alpha mask's rule: ((d - s) * m + s * 256) div 256 per channel.
TColor ThroughMask(TColor image, TColor behind, int m) {
    return PerChannel(behind, image, [m](int d, int s) { return ((d - s) * m + s * 256) / 256; });
}

} // namespace

TEST_F(SkinnedCheckBox, ListCheckImagesNeedBothIndicesAndAreDrawnThroughTheirMasks) {
    auto* list = new TImageList(Form);
    list->SetWidth(3 * ListCell);
    list->SetHeight(2 * ListCell);
    TBitmap strip(6 * ListCell, 2 * ListCell);
    PaintListImage(strip.Image(), 0, ListUnchecked);
    PaintListImage(strip.Image(), 3 * ListCell, ListChecked);
    list->AddMasked(&strip, clFuchsia);
    TsCheckBox* box = Placed();
    SkinOn();
    box->SetImages(list);
    box->SetImgChecked(1);
    EXPECT_EQ(box->CheckRect(), Bounds(2, 2, BoxSize, BoxSize)) << "one index is not enough";
    EXPECT_EQ(BoxPixel(*box), Unchecked[0]);

    box->SetImgUnchecked(0);
    const TPoint at{2, (17 - ListCell) / 2};
    EXPECT_EQ(box->CheckRect(), Bounds(at.X, at.Y, ListCell, ListCell)) << "the list image's width div 3, height div 2";
    EXPECT_EQ(Pixel(*box, at.X + 6, at.Y + 6), ListUnchecked[0]);
    box->SetChecked(true);
    EXPECT_EQ(Pixel(*box, at.X + 6, at.Y + 6), ListChecked[0]);
    EXPECT_EQ(Pixel(*box, at.X + 1, at.Y + 1), ThroughMask(ListChecked[0], CheckBoxColour, HalfMask));
    EXPECT_EQ(Pixel(*box, at.X, at.Y), ThroughMask(ListChecked[0], CheckBoxColour, 255));
    EXPECT_EQ(Pixel(*box, at.X + KeyPixel.X, at.Y + KeyPixel.Y), CheckBoxColour) << "magenta is left out";
    const TPoint over = At(*box, 60, 8);
    MoveTo(over.X, over.Y);
    EXPECT_EQ(Pixel(*box, at.X + 6, at.Y + 6), ListChecked[1]) << "the hot state's image";

    const TPoint away = At(*Form, 200, 150);
    MoveTo(away.X, away.Y);
    box->SetImgChecked(5);
    EXPECT_EQ(Pixel(*box, at.X + 6, at.Y + 6), CheckBoxColour) << "an index outside the list: no check image";
    delete list;
    EXPECT_EQ(box->Images(), nullptr);
    EXPECT_EQ(box->CheckRect(), Bounds(2, 2, BoxSize, BoxSize)) << "a freed list gives the skin's image back";
    EXPECT_EQ(BoxPixel(*box), Checked[0]);
}

TEST_F(SkinnedCheckBox, AutoSizeFollowsTheListImageSize) {
    auto* list = new TImageList(Form);
    list->SetWidth(3 * 20);
    list->SetHeight(2 * 20);
    TsCheckBox* box = On<TsCheckBox>(Form);
    box->SetCaption("трен.");
    SkinOn();
    const TSize text = Extent(*box, "трен.");
    box->SetImages(list);
    box->SetImgChecked(0);
    box->SetImgUnchecked(0);
    EXPECT_EQ(box->Width(), 20 + 2 * 2 + text.cx + 8);
    EXPECT_EQ(box->Height(), std::max(20, text.cy + 2 * 2) + 2);
    list->SetHeight(2 * 30);
    EXPECT_EQ(box->Height(), std::max(30, text.cy + 2 * 2) + 2) << "a change of the list resizes the box";
}
