// The skinned edit: its frame from the section, its colours normal and hot, its disabled text
// painted by the skin, password characters and the plain look back without a skin.
#include "skin/controls/TsEdit.h"
#include "tests/skin/controls/EditSkinKit.h"

#include "framework/TBitmap.h"
#include "framework/TFont.h"

namespace {

class TsEditTest : public EditSkinTest {
protected:
    TsEdit* Edit(int left, const std::string& text) {
        auto* edit = On<TsEdit>(Form);
        edit->SetBounds(left, 20, 80, 24);
        edit->SetText(text);
        return edit;
    }
    // The two edits' client areas show the same pixels.
    static bool SameClientPixels(const Bitmap& screen, const TsEdit& a, const TsEdit& b) {
        const TPoint pa = a.ClientToScreen({0, 0}), pb = b.ClientToScreen({0, 0});
        for (int y = 0; y < a.ClientHeight(); ++y)
            for (int x = 0; x < a.ClientWidth(); ++x)
                if (screen.Pixel(pa.X + x, pa.Y + y) != screen.Pixel(pb.X + x, pb.Y + y)) return false;
        return true;
    }
    // Pixels of the client area that are neither of the two background colours: the text.
    static int InkPixels(const Bitmap& screen, const TsEdit& edit, TColor background) {
        const TPoint at = edit.ClientToScreen({0, 0});
        int ink = 0;
        for (int y = 0; y < edit.ClientHeight(); ++y)
            for (int x = 0; x < edit.ClientWidth(); ++x)
                if (screen.Pixel(at.X + x, at.Y + y) != background) ++ink;
        return ink;
    }
};

TEST_F(TsEditTest, TheFrameComesFromTheSectionAndTheFieldTakesItsColours) {
    TsEdit* edit = Edit(10, "12");
    Manager->SetActive(true);
    Pump();
    EXPECT_EQ(edit->FrameThickness(), 2);
    EXPECT_EQ(WindowPixel(*edit, 0, 0), EditSkin::Frame);
    EXPECT_EQ(WindowPixel(*edit, 1, 12), EditSkin::Frame);
    EXPECT_EQ(WindowPixel(*edit, 79, 23), EditSkin::Frame);
    EXPECT_EQ(ClientPixel(*edit, edit->ClientWidth() - 3, edit->ClientHeight() / 2), EditSkin::Field);
    EXPECT_EQ(edit->Font()->Color(), EditSkin::Ink);
}

TEST_F(TsEditTest, FocusMakesItHotAndLeavingItReturnsToTheNormalColours) {
    TsEdit* edit = Edit(10, "12");
    TsEdit* other = Edit(120, "");
    Manager->SetActive(true);
    Pump();
    edit->SetFocus();
    Pump();
    EXPECT_EQ(ClientPixel(*edit, edit->ClientWidth() - 3, 3), EditSkin::HotField);
    EXPECT_EQ(edit->Font()->Color(), EditSkin::HotInk);
    other->SetFocus();
    Pump();
    EXPECT_EQ(ClientPixel(*edit, edit->ClientWidth() - 3, 3), EditSkin::Field);
    EXPECT_EQ(edit->Font()->Color(), EditSkin::Ink);
}

TEST_F(TsEditTest, TheMouseOverItMakesItHot) {
    TsEdit* edit = Edit(10, "");
    Manager->SetActive(true);
    Pump();
    const TPoint centre = At(*edit, 20, 8);
    MoveTo(centre.X, centre.Y);
    EXPECT_EQ(ClientPixel(*edit, 30, 3), EditSkin::HotField);
    MoveTo(5, 5);
    EXPECT_EQ(ClientPixel(*edit, 30, 3), EditSkin::Field);
}

TEST_F(TsEditTest, ADisabledEditShowsTheSkinsImageWithItsText) {
    TsEdit* edit = Edit(10, "WWW");
    edit->SetEnabled(false);
    Manager->SetActive(true);
    Pump();
    const Bitmap screen = CaptureScreen();
    const TBitmap* cache = edit->SkinData()->CacheBitmap();
    ASSERT_TRUE(cache && !cache->Empty());
    const TPoint at = edit->ClientToScreen({0, 0});
    const int b = edit->FrameThickness();
    for (int y = 0; y < edit->ClientHeight(); ++y)
        for (int x = 0; x < edit->ClientWidth(); ++x)
            ASSERT_EQ(screen.Pixel(at.X + x, at.Y + y), cache->Image().Pixel(x + b, y + b)) << x << "," << y;
    const TColor back = cache->Image().Pixel(edit->Width() - b - 2, edit->Height() / 2);
    EXPECT_GT(InkPixels(screen, *edit, back), 10);
    // Not the platform's greyed field.
    EXPECT_NE(back, ColorToRGB(clBtnFace));
}

TEST_F(TsEditTest, APasswordEditShowsOneCharacterPerCharacterEnabledOrNot) {
    TsEdit* masked = Edit(10, "abc");
    masked->SetPasswordChar(U'*');
    TsEdit* stars = Edit(100, "***");
    TsEdit* plain = Edit(190, "abc");
    for (TsEdit* e : {masked, stars, plain}) e->SetEnabled(false);
    Manager->SetActive(true);
    Pump();
    EXPECT_EQ(masked->ShownText(), "***");
    const Bitmap screen = CaptureScreen();
    EXPECT_TRUE(SameClientPixels(screen, *masked, *stars));
    EXPECT_FALSE(SameClientPixels(screen, *masked, *plain));
    // Enabled, the platform's field shows the same.
    for (TsEdit* e : {masked, stars, plain}) e->SetEnabled(true);
    Pump();
    const Bitmap enabled = CaptureScreen();
    EXPECT_TRUE(SameClientPixels(enabled, *masked, *stars));
    EXPECT_FALSE(SameClientPixels(enabled, *masked, *plain));
}

TEST_F(TsEditTest, WithoutTheSkinItGoesBackToThePlainLook) {
    TsEdit* edit = Edit(10, "1");
    Manager->SetActive(true);
    Pump();
    Manager->SetActive(false);
    Pump();
    EXPECT_EQ(edit->Color(), clWindow);
    EXPECT_EQ(ClientPixel(*edit, edit->ClientWidth() - 3, 3), ColorToRGB(clWindow));
    EXPECT_NE(WindowPixel(*edit, 0, 0), EditSkin::Frame);
}

TEST_F(TsEditTest, TypingShowsTheTextInTheSectionsInk) {
    TsEdit* edit = Edit(10, "");
    Manager->SetActive(true);
    Pump();
    edit->SetFocus();
    Pump();
    const Bitmap before = CaptureScreen();
    const int inkBefore = InkPixels(before, *edit, EditSkin::HotField);
    Input().Text("8");
    Pump();
    EXPECT_EQ(edit->GetText(), "8");
    const Bitmap after = CaptureScreen();
    EXPECT_GT(InkPixels(after, *edit, EditSkin::HotField), inkBefore + 5);
    EXPECT_EQ(WindowPixel(*edit, 0, 0), EditSkin::Frame);
}

} // namespace

namespace {

// What WM_PRINT draws into a fresh bitmap against what the screen shows of the whole window.
class TsEditPrintTest : public TsEditTest {
protected:
    // The number of window pixels where the printed picture and the screen differ.
    int Mismatches(const TsEdit& edit, const Bitmap& printed) {
        const Bitmap screen = CaptureScreen();
        TRect window;
        GetWindowRect(edit.Handle(), &window);
        int differ = 0;
        for (int y = 0; y < window.Height(); ++y)
            for (int x = 0; x < window.Width(); ++x)
                if (printed.Pixel(x, y) != screen.Pixel(window.Left + x, window.Top + y)) ++differ;
        return differ;
    }
    Bitmap Print(const TsEdit& edit) {
        Bitmap printed(edit.Width(), edit.Height());
        printed.FillRect(printed.BoundsRect(), RGB(1, 2, 3));
        DeviceContext dc(&printed);
        SendMessage(edit.Handle(), WM_PRINT, reinterpret_cast<WPARAM>(&dc), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
        return printed;
    }
};

TEST_F(TsEditPrintTest, PrintingDrawsTheSkinnedFrameAndFieldExactlyAsTheScreenShowsThem) {
    TsEdit* edit = Edit(10, "1234");
    Manager->SetActive(true);
    Pump();
    const Bitmap printed = Print(*edit);
    EXPECT_EQ(printed.Pixel(0, 0), EditSkin::Frame) << "the frame is the skin's, not the platform's";
    EXPECT_EQ(printed.Pixel(edit->Width() - 5, edit->Height() / 2), EditSkin::Field);
    EXPECT_EQ(Mismatches(*edit, printed), 0);
}

TEST_F(TsEditPrintTest, ADisabledEditPrintsTheSkinsImageWithItsText) {
    TsEdit* edit = Edit(10, "1234");
    edit->SetEnabled(false);
    Manager->SetActive(true);
    Pump();
    const Bitmap printed = Print(*edit);
    EXPECT_EQ(Mismatches(*edit, printed), 0);
    Manager->SetActive(false);
    Pump();
    EXPECT_NE(Print(*edit).Pixel(0, 0), EditSkin::Frame) << "unskinned, the platform prints its own frame";
}

} // namespace
