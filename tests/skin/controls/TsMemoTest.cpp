// The skinned memo: its text area in the section's colours, never hot; its frame from the
// section over the platform's scroll bars; the plain look back without a skin.
#include "skin/controls/TsMemo.h"
#include "tests/skin/controls/EditSkinKit.h"

#include "framework/TFont.h"

namespace {

class TsMemoTest : public EditSkinTest {
protected:
    TsMemo* Memo(TScrollStyle bars = ssNone) {
        auto* memo = On<TsMemo>(Form);
        memo->SetScrollBars(bars);
        memo->SetBounds(10, 10, 200, 120);
        memo->SetText("1. Anna 0:03:12");
        return memo;
    }
};

TEST_F(TsMemoTest, TheTextAreaTakesTheSectionsColoursAndStaysNormalWhenFocused) {
    TsMemo* memo = Memo();
    Manager->SetActive(true);
    Pump();
    EXPECT_EQ(ClientPixel(*memo, memo->ClientWidth() - 4, memo->ClientHeight() - 4), EditSkin::Field);
    EXPECT_EQ(memo->Font()->Color(), EditSkin::Ink);
    memo->SetFocus();
    Pump();
    EXPECT_EQ(ClientPixel(*memo, memo->ClientWidth() - 4, memo->ClientHeight() - 4), EditSkin::Field);
    EXPECT_EQ(WindowPixel(*memo, 0, 60), EditSkin::Frame);
    EXPECT_EQ(WindowPixel(*memo, 199, 119), EditSkin::Frame);
}

TEST_F(TsMemoTest, TheScrollBarsStayThePlatformsUnderTheSkinnedFrame) {
    TsMemo* memo = Memo(ssVertical);
    Manager->SetActive(true);
    Pump();
    const TRect client = memo->ClientRect();
    const int b = memo->FrameThickness();
    // Between the client area and the frame ring: the platform's scroll bar, not the image.
    const TColor bar = WindowPixel(*memo, b + client.Width() + 3, 60);
    EXPECT_NE(bar, EditSkin::Frame);
    EXPECT_NE(bar, EditSkin::Field);
    EXPECT_EQ(WindowPixel(*memo, 199, 60), EditSkin::Frame);
}

TEST_F(TsMemoTest, WithoutTheSkinTheFieldIsTheWindowsColourAgain) {
    TsMemo* memo = Memo();
    Manager->SetActive(true);
    Pump();
    Manager->SetActive(false);
    Pump();
    EXPECT_EQ(ClientPixel(*memo, memo->ClientWidth() - 4, 4), ColorToRGB(clWindow));
    EXPECT_NE(WindowPixel(*memo, 0, 60), EditSkin::Frame);
}

} // namespace
