// The skinned track bar: channel, sunken tick marks, the thumb image as it is, upside down or
// stretched, the pressed thumb, the user's changes told apart from the program's, and the plain
// track bar without the skin.
#include "skin/controls/TsTrackBar.h"
#include "tests/skin/controls/ButtonsTestKit.h"

#include "framework/TEdit.h"
#include "platform/controls/TrackBarCodes.h"

#include <cmath>

namespace {

using namespace ButtonsSkin;

class SkinnedTrackBar : public SkinnedButtonsTest {
protected:
    TsTrackBar* Placed() {
        auto* bar = On<TsTrackBar>(Form);
        bar->SetBounds(10, 10, 150, 45);
        return bar;
    }
    static TRect Channel(const TsTrackBar& bar) {
        TRect c;
        SendMessage(bar.Handle(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&c));
        return c;
    }
    static TRect ThumbRect(const TsTrackBar& bar) {
        TRect t;
        SendMessage(bar.Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&t));
        return t;
    }
};

} // namespace

TEST_F(SkinnedTrackBar, WithoutTickImagesEveryTickIsATwoByFourSunkenMarkBelowTheChannel) {
    TsTrackBar* bar = Placed();
    SkinOn();
    Pump();
    const TRect c = Channel(*bar), t = ThumbRect(*bar);
    const int n = static_cast<int>(SendMessage(bar->Handle(), TBM_GETNUMTICS, 0, 0));
    ASSERT_EQ(n, 11);
    const double step = static_cast<double>(c.Width() - t.Width()) / (n - 1);
    const int y = c.Bottom + (t.Height() - c.Height()) / 2 + 2;
    const TColor shadow = ColorToRGB(clBtnShadow);
    for (int i = 0; i < n; ++i) {
        const int x = static_cast<int>(std::nearbyint(i * step + c.Left + t.Width() / 2));
        EXPECT_EQ(Pixel(*bar, x, y), shadow) << i;
        EXPECT_EQ(Pixel(*bar, x, y + 2), shadow) << i;
        EXPECT_EQ(Pixel(*bar, x + 1, y), clWhite) << i;
        EXPECT_EQ(Pixel(*bar, x, y + 3), clWhite) << i;
        EXPECT_EQ(Pixel(*bar, x + 2, y + 1), TrackBarColour) << i;
        EXPECT_EQ(Pixel(*bar, x, y + 4), TrackBarColour) << i;
    }
}

TEST_F(SkinnedTrackBar, TheChannelIsCentredAtTheHeightOfItsImageAndMissingWithoutOne) {
    TsTrackBar* bar = Placed();
    bar->SetPosition(10);
    SkinOn();
    const TRect c = Channel(*bar);
    const int top = c.Top + (c.Height() - ChannelHeight + 1) / 2;
    EXPECT_EQ(Pixel(*bar, c.Left + 20, top), ChannelColour);
    EXPECT_EQ(Pixel(*bar, c.Left + 20, top + ChannelHeight - 2), ChannelColour);
    EXPECT_EQ(Pixel(*bar, c.Left + 20, top - 1), TrackBarColour);
    EXPECT_EQ(Pixel(*bar, c.Left + 20, top + ChannelHeight - 1), TrackBarColour) << "one row short of the image";

    SkinOff();
    UseSkin({.Channel = false});
    SkinOn();
    EXPECT_EQ(Pixel(*bar, c.Left + 20, top), TrackBarColour);
    const TRect t = ThumbRect(*bar);
    EXPECT_EQ(Pixel(*bar, t.Left + 5, t.Top + 10), Thumb[0]) << "the thumb is still drawn";
}

TEST_F(SkinnedTrackBar, AThumbImageOfElevenByTwentyOneIsDrawnAsItIsOnTheElevenByTwentyThreeThumb) {
    TsTrackBar* bar = Placed();
    SkinOn();
    const TRect t = ThumbRect(*bar);
    ASSERT_EQ(t.Width(), 11);
    ASSERT_EQ(t.Height(), 23);
    EXPECT_EQ(Pixel(*bar, t.Left + 5, t.Top), ThumbTip);
    EXPECT_EQ(Pixel(*bar, t.Left + 10, t.Top + TipRows), Thumb[0]);
    EXPECT_EQ(Pixel(*bar, t.Left + 5, t.Top + ThumbCell.cy - 1), Thumb[0]);
    EXPECT_NE(Pixel(*bar, t.Left + 5, t.Top + ThumbCell.cy), Thumb[0]) << "not stretched to 23 rows";
    EXPECT_EQ(Pixel(*bar, t.Left, t.Top + ThumbCell.cy - 1), TrackBarColour) << "its key pixels are see-through";
}

TEST_F(SkinnedTrackBar, WithTicksOnTopTheFittingThumbPointsUp) {
    TsTrackBar* bar = Placed();
    bar->SetTickMarks(tmTopLeft);
    SkinOn();
    const TRect t = ThumbRect(*bar);
    ASSERT_EQ(t.Height(), 23);
    EXPECT_EQ(Pixel(*bar, t.Left + 5, t.Bottom - 1), ThumbTip);
    EXPECT_EQ(Pixel(*bar, t.Left + 5, t.Bottom - TipRows), ThumbTip);
    EXPECT_EQ(Pixel(*bar, t.Left + 5, t.Bottom - TipRows - 1), Thumb[0]);
    EXPECT_EQ(Pixel(*bar, t.Left + 5, t.Top + 2), Thumb[0]);
    EXPECT_NE(Pixel(*bar, t.Left + 5, t.Top + 1), Thumb[0]) << "the two rows the image lacks are on top";
}

TEST_F(SkinnedTrackBar, OnAFifteenPixelThumbTheSameImageIsStretchedToTheThumb) {
    TsTrackBar* bar = Placed();
    bar->SetThumbLength(15);
    SkinOn();
    const TRect t = ThumbRect(*bar);
    ASSERT_EQ(t.Height(), 15);
    ASSERT_EQ(t.Width(), 7);
    EXPECT_EQ(Pixel(*bar, t.Left + 3, t.Top), ThumbTip);
    EXPECT_EQ(Pixel(*bar, t.Left + 3, t.Top + 8), Thumb[0]);
    EXPECT_EQ(Pixel(*bar, t.Left + 3, t.Bottom - 1), Thumb[0]) << "the last row is the image's last";
    EXPECT_EQ(Pixel(*bar, t.Left, t.Bottom - 1), TrackBarColour) << "a key pixel stays see-through, untinted";
    for (int x : {t.Left - 1, t.Right}) {
        const TColor outside = Pixel(*bar, x, t.Top + 12);
        for (TColor thumb : Thumb) EXPECT_NE(outside, thumb) << x;
    }
}

TEST_F(SkinnedTrackBar, OnlyAPressOnTheThumbShowsItPressedWhileEveryPressHoldsTheHintsBack) {
    TsTrackBar* bar = Placed();
    SkinOn();
    Application->SetShowHint(true);
    const TRect t = ThumbRect(*bar);
    const TPoint channel = At(*bar, Channel(*bar).Right - 10, Channel(*bar).Top + 2);
    MoveTo(channel.X, channel.Y);
    Press(channel.X, channel.Y, true);
    EXPECT_FALSE(Application->ShowHint());
    const TRect paged = ThumbRect(*bar);
    EXPECT_EQ(Pixel(*bar, paged.Left + 5, paged.Top + 10), Thumb[1]) << "hot, not pressed";
    Press(channel.X, channel.Y, false);
    EXPECT_TRUE(Application->ShowHint());

    bar->SetPosition(0);
    const TPoint thumb = At(*bar, t.Left + 5, t.Top + 10);
    MoveTo(thumb.X, thumb.Y);
    Press(thumb.X, thumb.Y, true);
    EXPECT_EQ(Pixel(*bar, t.Left + 5, t.Top + 10), Thumb[2]);
    Press(thumb.X, thumb.Y, false);
    EXPECT_EQ(Pixel(*bar, t.Left + 5, t.Top + 10), Thumb[1]);
}

TEST_F(SkinnedTrackBar, DraggingPastTheEndAndReleasingThereLetsTheThumbGo) {
    TsTrackBar* bar = Placed();
    SkinOn();
    const TRect t = ThumbRect(*bar);
    const TPoint thumb = At(*bar, t.Left + 5, t.Top + 10);
    MoveTo(thumb.X, thumb.Y);
    Press(thumb.X, thumb.Y, true);
    MoveTo(thumb.X + 400, thumb.Y + 60);
    Press(thumb.X + 400, thumb.Y + 60, false);
    EXPECT_EQ(bar->Position(), 10);
    const TRect end = ThumbRect(*bar);
    EXPECT_NE(Pixel(*bar, end.Left + 5, end.Top + 10), Thumb[2]);
    EXPECT_EQ(bar->ThumbState(), bar->SkinData()->IsHot() ? 1 : 0);
}

TEST_F(SkinnedTrackBar, OnlyTheUsersChangesRaiseOnUserChange) {
    TsTrackBar* bar = Placed();
    SkinOn();
    int changes = 0, userChanges = 0;
    bar->OnChange = [&](TObject*) { ++changes; };
    bar->OnUserChange = [&](TObject*) { ++userChanges; };
    bar->SetPosition(4);
    Pump();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(userChanges, 0);
    const TRect t = ThumbRect(*bar);
    EXPECT_EQ(Pixel(*bar, t.Left + 5, t.Top + 10), Thumb[0]) << "the thumb moved on screen";

    bar->SetFocus();
    Tap(VK_RIGHT);
    EXPECT_EQ(bar->Position(), 5);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(userChanges, 1);
    Tap(VK_END);
    Tap(VK_RIGHT); // already at the end: nothing changes
    EXPECT_EQ(userChanges, 2);
}

TEST_F(SkinnedTrackBar, WithoutTheSkinItIsThePlainTrackBarAgainInLookSettingsAndKeyboard) {
    TsTrackBar* bar = Placed();
    auto* plain = On<TTrackBar>(Form);
    plain->SetBounds(10, 100, 150, 45);
    plain->SetThumbLength(23);
    auto* elsewhere = On<TEdit>(Form); // holds the focus while the two are compared
    elsewhere->SetBounds(10, 160, 50, 20);
    for (TTrackBar* each : {static_cast<TTrackBar*>(bar), plain}) {
        each->SetRange(2, 14);
        each->SetFrequency(3);
        each->SetPosition(9);
    }
    const auto expectSameLook = [&](const char* when) {
        const Bitmap mine = Shot(*bar);
        const Bitmap theirs = Shot(*plain);
        for (int y = 0; y < mine.Height(); ++y)
            for (int x = 0; x < mine.Width(); ++x)
                ASSERT_EQ(mine.Pixel(x, y), theirs.Pixel(x, y)) << when << " at " << x << "," << y;
    };
    SkinOn();
    bar->SetFocus();
    const TPoint over = At(*bar, 5, 5);
    MoveTo(over.X, over.Y); // hot under the mouse while the skin goes
    SkinOff();
    EXPECT_TRUE(bar->Focused()) << "the new window keeps the focus";
    Tap(VK_LEFT);
    EXPECT_EQ(bar->Position(), 8);
    Tap(VK_RIGHT);
    MoveTo(0, 0);
    Pump();
    EXPECT_EQ(bar->Min(), 2);
    EXPECT_EQ(bar->Max(), 14);
    EXPECT_EQ(bar->Frequency(), 3);
    EXPECT_EQ(bar->Position(), 9);
    EXPECT_EQ(SendMessage(bar->Handle(), TBM_GETNUMTICS, 0, 0), SendMessage(plain->Handle(), TBM_GETNUMTICS, 0, 0));
    elsewhere->SetFocus();
    Pump();
    expectSameLook("after the skin went");

    bar->SetFocus();
    Tap(VK_RIGHT);
    EXPECT_EQ(bar->Position(), 10);
    Tap(VK_END);
    EXPECT_EQ(bar->Position(), 14);
    plain->SetPosition(14);
    elsewhere->SetFocus();
    Pump();
    expectSameLook("after the keys");
}

TEST_F(SkinnedTrackBar, ItsOwnTicksComeBackWithThePlainWindow) {
    TsTrackBar* bar = Placed();
    auto* plain = On<TTrackBar>(Form);
    plain->SetBounds(10, 100, 150, 45);
    plain->SetThumbLength(23);
    for (TTrackBar* each : {static_cast<TTrackBar*>(bar), plain}) {
        each->SetTickStyle(tsManual);
        each->SetTick(3);
        each->SetTick(7);
    }
    SkinOn();
    SkinOff();
    EXPECT_EQ(SendMessage(bar->Handle(), TBM_GETNUMTICS, 0, 0), 4) << "both ends and the two of its own";
    const Bitmap mine = Shot(*bar);
    const Bitmap theirs = Shot(*plain);
    for (int y = 0; y < mine.Height(); ++y)
        for (int x = 0; x < mine.Width(); ++x) ASSERT_EQ(mine.Pixel(x, y), theirs.Pixel(x, y)) << x << "," << y;
}

TEST_F(SkinnedTrackBar, AVerticalChannelIsCentredAcrossAtTheWidthOfItsImage) {
    TsTrackBar* bar = Placed();
    bar->SetOrientation(trVertical);
    SkinOn();
    ASSERT_EQ(bar->Width(), 45);
    TRect c = Channel(*bar); // reported along the axis: x and y exchanged
    c = {c.Top, c.Left, c.Bottom, c.Right};
    ASSERT_GT(c.Height(), c.Width());
    const int left = c.Left + (c.Width() - 9 + 1) / 2;
    const int y = c.Bottom - 10;
    EXPECT_EQ(Pixel(*bar, left, y), ChannelColour);
    EXPECT_EQ(Pixel(*bar, left + 7, y), ChannelColour);
    EXPECT_EQ(Pixel(*bar, left - 1, y), TrackBarColour);
    EXPECT_EQ(Pixel(*bar, left + 8, y), TrackBarColour) << "one column short of the image";
}

TEST_F(SkinnedTrackBar, WithShowFocusTheFocusedBarShowsTheDottedFrameOnePixelInside) {
    TsTrackBar* bar = Placed();
    bar->SetShowFocus(true);
    SkinOn();
    EXPECT_EQ(Pixel(*bar, 1, 1), TrackBarColour) << "not focused yet";
    bar->SetFocus();
    EXPECT_EQ(Pixel(*bar, 1, 1), clBlack);
    EXPECT_EQ(Pixel(*bar, 4, 1), clBlack);
    EXPECT_EQ(Pixel(*bar, 0, 0), clWhite);
    EXPECT_EQ(Pixel(*bar, 149, 1 + 3), clBlack) << "the right side";
    EXPECT_EQ(Pixel(*bar, 149 - 1, 1 + 3), TrackBarHot) << "focused, so hot";
    bar->SetShowFocus(false);
    bar->Invalidate();
    EXPECT_EQ(Pixel(*bar, 1, 1), TrackBarHot);
}

TEST_F(SkinnedTrackBar, APressThatLosesTheMouseToAnotherWindowGivesTheHintsBack) {
    TsTrackBar* bar = Placed();
    SkinOn();
    Application->SetShowHint(true);
    const TPoint channel = At(*bar, Channel(*bar).Right - 10, Channel(*bar).Top + 2);
    MoveTo(channel.X, channel.Y);
    Press(channel.X, channel.Y, true);
    ASSERT_FALSE(Application->ShowHint());
    SetCapture(Form->Handle()); // as a dialog opening mid-press would
    Pump();
    EXPECT_TRUE(Application->ShowHint());
    ReleaseCapture();
}
