// The paint plumbing the push button, check box and track bar share: a paint that comes while the
// parent's image is not ready is held and made up exactly when the parent has repainted, and the
// prepare-image command rebuilds the image without touching the screen.
#include "skin/controls/TsButton.h"
#include "skin/controls/TsCheckBox.h"
#include "skin/controls/TsPanel.h"
#include "skin/controls/TsTrackBar.h"
#include "tests/skin/controls/ButtonsTestKit.h"

#include "skin/data/SkinBroadcast.h"
#include "skin/data/SkinCommands.h"

#include "framework/TBitmap.h"
#include "platform/controls/TrackBarCodes.h"

#include <functional>

namespace {

using namespace ButtonsSkin;

class HeldPaint : public SkinnedButtonsTest {
protected:
    // A skinned panel to stand between the form and the control, whose painting can be held.
    TsPanel* Parent() {
        auto* panel = On<TsPanel>(Form);
        panel->SetBounds(0, 0, 220, 120);
        panel->SkinData()->SetSkinSection("CHECKBOX");
        return panel;
    }
    // The change reaches the screen only once the parent has painted again.
    void ExpectHeldUntilParentRepaints(TsPanel* parent, const std::function<void()>& change,
                                       const std::function<TColor()>& probe, TColor after) {
        SkinOn();
        const TColor before = probe();
        ASSERT_NE(before, after);
        SkinCommandToControl(parent, scSuspendPainting, 0, 1);
        change();
        Pump();
        EXPECT_EQ(probe(), before) << "held while the parent's image is not ready";
        SkinCommandToControl(parent, scSuspendPainting, 0, 0);
        Pump();
        EXPECT_EQ(probe(), before) << "nothing repaints it before the parent does";
        parent->Invalidate();
        Pump();
        EXPECT_EQ(probe(), after) << "made up after the parent painted";
    }
};

TRect ThumbOf(const TsTrackBar& bar) {
    TRect t;
    SendMessage(bar.Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&t));
    return t;
}

} // namespace

TEST_F(HeldPaint, ACheckBoxShowsItsNewStateOnlyAfterTheParentHasPainted) {
    TsPanel* panel = Parent();
    auto* box = On<TsCheckBox>(panel);
    box->SetAutoSize(false);
    box->SetBounds(10, 10, 80, 17);
    const TPoint middle{box->Margin() + 6, (17 - BoxSize) / 2 + 6};
    ExpectHeldUntilParentRepaints(
        panel, [&] { box->SetChecked(true); }, [&] { return Pixel(*box, middle.X, middle.Y); }, Checked[0]);
}

TEST_F(HeldPaint, AButtonShowsItsPressedImageOnlyAfterTheParentHasPainted) {
    TsPanel* panel = Parent();
    auto* button = On<TsButton>(panel);
    button->SetBounds(10, 10, 40, 20);
    ExpectHeldUntilParentRepaints(
        panel, [&] { button->SetDown(true); }, [&] { return Pixel(*button, 20, 1); }, Button[2]);
}

TEST_F(HeldPaint, ATrackBarShowsItsThumbsNewPlaceOnlyAfterTheParentHasPainted) {
    TsPanel* panel = Parent();
    auto* bar = On<TsTrackBar>(panel);
    bar->SetBounds(10, 10, 150, 45);
    SkinOn();
    bar->SetPosition(10);
    const TRect end = ThumbOf(*bar);
    bar->SetPosition(0);
    ExpectHeldUntilParentRepaints(
        panel, [&] { bar->SetPosition(10); }, [&] { return Pixel(*bar, end.Left + 5, end.Top + 10); }, Thumb[0]);
}

TEST_F(HeldPaint, PrepareImageRebuildsTheImageForTheNewStateWithoutPainting) {
    auto* box = On<TsCheckBox>(Form);
    box->SetAutoSize(false);
    box->SetBounds(10, 10, 80, 17);
    SkinOn();
    const TPoint middle{box->Margin() + 6, (17 - BoxSize) / 2 + 6};
    ASSERT_EQ(Pixel(*box, middle.X, middle.Y), Unchecked[0]);
    box->SkinData()->SetPaintSuspended(true); // no paint may show the change by itself
    box->SetChecked(true);
    Pump();
    SkinCommandToControl(box, scPrepareImage, 0);
    EXPECT_EQ(box->SkinData()->CacheBitmap()->Image().Pixel(middle.X, middle.Y), Checked[0]);
    EXPECT_EQ(Pixel(*box, middle.X, middle.Y), Unchecked[0]) << "the screen is left as it was";
}
