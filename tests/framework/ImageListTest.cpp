// Image lists: strips split into images, masks, drawing enabled and disabled, change links.
#include "framework/Exception.h"
#include "framework/TBitmap.h"
#include "framework/TCanvas.h"
#include "framework/TChangeLink.h"
#include "framework/TImageList.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Pixel (x, y) of the strip gets a colour no other pixel has, so every copied pixel can be traced.
TColor Traced(int x, int y) {
    return RGB(x * 3 + 1, y * 5 + 2, 200);
}

std::unique_ptr<TBitmap> TracedStrip(int width, int height) {
    auto strip = std::make_unique<TBitmap>(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) strip->Image().SetPixel(x, y, Traced(x, y));
    return strip;
}

std::unique_ptr<TBitmap> Filled(int width, int height, TColor color) {
    auto bitmap = std::make_unique<TBitmap>(width, height);
    bitmap->Image().Fill(color);
    return bitmap;
}

} // namespace

TEST(ImageListTest, AStripIsSplitFromTheLeftAndANarrowLastPieceIsSeeThroughWhereItHasNoPixels) {
    TImageList list(nullptr);
    EXPECT_EQ(list.Width(), 16);
    EXPECT_EQ(list.Height(), 16);
    EXPECT_EQ(list.BkColor(), clNone);
    list.SetHeight(8);
    const auto strip = TracedStrip(40, 6);
    EXPECT_EQ(list.Add(strip.get(), nullptr), 0);
    ASSERT_EQ(list.Count(), 3) << "16 + 16 + the 8 left over";
    TBitmap image;
    ASSERT_TRUE(list.GetBitmap(1, &image));
    ASSERT_EQ(image.Width(), 16);
    ASSERT_EQ(image.Height(), 8);
    EXPECT_EQ(image.Image().Pixel(0, 0), Traced(16, 0));
    EXPECT_EQ(image.Image().Pixel(15, 5), Traced(31, 5));
    EXPECT_EQ(image.Image().Pixel(3, 6), clKeyColor) << "below the strip is see-through";
    ASSERT_TRUE(list.GetBitmap(2, &image));
    EXPECT_EQ(image.Image().Pixel(7, 2), Traced(39, 2));
    EXPECT_EQ(image.Image().Pixel(8, 2), clKeyColor) << "right of the strip is see-through";
    EXPECT_EQ(list.Add(strip.get(), nullptr), 3) << "the first new index";
    EXPECT_EQ(list.Add(nullptr, nullptr), -1);
    TBitmap empty;
    EXPECT_EQ(list.Add(&empty, nullptr), -1);
    EXPECT_EQ(list.Count(), 6);
}

TEST(ImageListTest, MasksAndMaskColoursDecideWhatIsSeeThrough) {
    TImageList list(nullptr);
    list.SetWidth(4);
    list.SetHeight(4);
    auto strip = TracedStrip(4, 4);
    auto mask = Filled(4, 4, clBlack);
    mask->Image().SetPixel(1, 2, clWhite);
    mask->Image().SetPixel(3, 3, clGray); // only white hides
    list.Add(strip.get(), mask.get());
    strip->Image().SetPixel(2, 1, clLime);
    strip->Image().SetPixel(0, 3, clLime); // bottom-left: the default mask colour
    list.AddMasked(strip.get(), clDefault);
    list.AddMasked(strip.get(), Traced(1, 1));
    list.SetBkColor(clYellow);
    TBitmap image;
    list.GetBitmap(0, &image);
    EXPECT_EQ(image.Image().Pixel(1, 2), clYellow);
    EXPECT_EQ(image.Image().Pixel(3, 3), Traced(3, 3));
    list.GetBitmap(1, &image);
    EXPECT_EQ(image.Image().Pixel(2, 1), clYellow);
    EXPECT_EQ(image.Image().Pixel(0, 3), clYellow);
    EXPECT_EQ(image.Image().Pixel(1, 1), Traced(1, 1));
    list.GetBitmap(2, &image);
    EXPECT_EQ(image.Image().Pixel(1, 1), clYellow);
    EXPECT_EQ(image.Image().Pixel(2, 1), clLime);
}

TEST(ImageListTest, DrawShowsTheImageThroughItsMaskOrFillsTheRestWithBkColor) {
    TImageList list(nullptr);
    list.SetWidth(4);
    list.SetHeight(4);
    auto strip = TracedStrip(8, 4);
    strip->Image().SetPixel(6, 2, clFuchsia);
    list.AddMasked(strip.get(), clFuchsia);
    TBitmap target(10, 10);
    target.Image().Fill(clNavy);
    list.Draw(*target.Canvas(), 3, 5, 1);
    EXPECT_EQ(target.Image().Pixel(3, 5), Traced(4, 0));
    EXPECT_EQ(target.Image().Pixel(6, 8), Traced(7, 3));
    EXPECT_EQ(target.Image().Pixel(5, 7), clNavy) << "the masked pixel leaves the target alone";
    EXPECT_EQ(target.Image().Pixel(7, 5), clNavy) << "nothing outside the image";
    list.Draw(*target.Canvas(), 0, 0, 2);
    list.Draw(*target.Canvas(), 0, 0, -1);
    EXPECT_EQ(target.Image().Pixel(0, 0), clNavy) << "an index outside the list draws nothing";
    list.SetBkColor(clOlive);
    list.Draw(*target.Canvas(), 3, 5, 1);
    EXPECT_EQ(target.Image().Pixel(5, 7), clOlive);
}

TEST(ImageListTest, ADisabledImageIsAShadowSilhouetteOverALightOneOffsetByOnePixel) {
    TImageList list(nullptr);
    list.SetWidth(3);
    list.SetHeight(3);
    auto strip = Filled(3, 3, clFuchsia);
    strip->Image().SetPixel(0, 0, clRed);
    strip->Image().SetPixel(1, 0, clRed);
    list.AddMasked(strip.get(), clFuchsia);
    TBitmap target(5, 5);
    target.Image().Fill(clNavy);
    list.Draw(*target.Canvas(), 1, 1, 0, false);
    const TColor shadow = ColorToRGB(clBtnShadow);
    const TColor light = ColorToRGB(clBtnHighlight);
    EXPECT_EQ(target.Image().Pixel(1, 1), shadow);
    EXPECT_EQ(target.Image().Pixel(2, 1), shadow) << "the shadow covers the light one";
    EXPECT_EQ(target.Image().Pixel(2, 2), light);
    EXPECT_EQ(target.Image().Pixel(3, 2), light);
    EXPECT_EQ(target.Image().Pixel(1, 2), clNavy);
    EXPECT_EQ(target.Image().Pixel(3, 1), clNavy);
}

TEST(ImageListTest, DeleteClearAndANewSizeChangeTheListAndBadInputIsRefused) {
    TImageList list(nullptr);
    list.SetWidth(2);
    list.SetHeight(2);
    const auto strip = TracedStrip(6, 2);
    list.Add(strip.get(), nullptr);
    list.Delete(1);
    ASSERT_EQ(list.Count(), 2);
    TBitmap image;
    list.GetBitmap(1, &image);
    EXPECT_EQ(image.Image().Pixel(0, 0), Traced(4, 0)) << "the images behind move up";
    EXPECT_THROW(list.Delete(2), EInvalidOperation);
    EXPECT_THROW(list.Delete(-1), EInvalidOperation);
    EXPECT_FALSE(list.GetBitmap(5, &image));
    EXPECT_EQ(image.Width(), 2) << "a failed GetBitmap leaves the bitmap alone";
    EXPECT_THROW(list.SetWidth(0), EInvalidOperation);
    EXPECT_EQ(list.Count(), 2);
    list.SetWidth(3);
    EXPECT_EQ(list.Count(), 0) << "images of the old size do not fit";
    list.Add(strip.get(), nullptr);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(ImageListTest, LinksHearOfEveryChangeAndForgetTheListWhenEitherSideGoes) {
    auto list = std::make_unique<TImageList>(nullptr);
    int heard = 0, heardByList = 0;
    TObject* sender = nullptr;
    TChangeLink link;
    link.OnChange = [&](TObject* s) {
        ++heard;
        sender = s;
    };
    list->OnChange = [&](TObject*) { ++heardByList; };
    list->RegisterChanges(&link);
    list->RegisterChanges(&link);
    EXPECT_EQ(link.Sender(), list.get());
    const auto strip = TracedStrip(16, 16);
    list->Add(strip.get(), nullptr);
    list->SetBkColor(clRed);
    list->SetBkColor(clRed); // no change
    list->Delete(0);
    list->Clear(); // already empty
    EXPECT_EQ(heard, 3) << "registered twice, told once per change";
    EXPECT_EQ(heardByList, 3);
    EXPECT_EQ(sender, list.get());
    {
        TChangeLink shortLived;
        list->RegisterChanges(&shortLived);
    } // leaves the list as it goes
    list->SetBkColor(clBlue);
    EXPECT_EQ(heard, 4);
    list.reset();
    EXPECT_EQ(link.Sender(), nullptr);
}

namespace {

// Remembers the components it is told are going.
class TListUser : public TComponent {
public:
    using TComponent::TComponent;
    std::vector<TComponent*> Gone;

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == opRemove) Gone.push_back(component);
    }
};

} // namespace

TEST(ImageListTest, AFollowingLinkHearsOnlyItsPresentListAndItsUserLearnsWhenThatOneGoes) {
    TListUser user(nullptr);
    auto first = std::make_unique<TImageList>(nullptr);
    auto second = std::make_unique<TImageList>(nullptr);
    int heard = 0;
    TChangeLink link;
    link.OnChange = [&heard](TObject*) { ++heard; };
    link.Follow(first.get(), &user);
    link.Follow(second.get(), &user);
    EXPECT_EQ(link.Sender(), second.get());
    first->SetBkColor(clRed);
    EXPECT_EQ(heard, 0) << "the list it left";
    second->SetBkColor(clRed);
    EXPECT_EQ(heard, 1);
    first.reset();
    EXPECT_TRUE(user.Gone.empty()) << "the list it left is not its business";
    TComponent* const secondList = second.get();
    second.reset();
    ASSERT_EQ(user.Gone.size(), 1u);
    EXPECT_EQ(user.Gone[0], secondList);
    EXPECT_EQ(link.Sender(), nullptr);
}
