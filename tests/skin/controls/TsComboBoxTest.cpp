// The skinned combo box: its face, button and arrow from the skin, the text on the face while
// the edit child is not typed into, the drop-down state and the read-only mode.
#include "skin/controls/TsComboBox.h"
#include "tests/skin/controls/EditSkinKit.h"

#include "framework/TBitmap.h"
#include "framework/TBrush.h"
#include "framework/TCanvas.h"
#include "platform/controls/ComboBoxCodes.h"
#include "platform/window/VirtualKeys.h"

namespace {

class TsComboBoxTest : public EditSkinTest {
protected:
    TsComboBox* Combo(TComboBoxStyle style = csDropDown) {
        auto* combo = On<TsComboBox>(Form);
        combo->SetStyle(style);
        combo->SetBounds(10, 20, 150, 24);
        for (const char* item : {"Wood", "Winter", "Desert"}) combo->Items()->Add(item);
        combo->SetItemIndex(0);
        return combo;
    }
    TRect Button(const TsComboBox& combo) { return TacComboImage::ButtonRect({combo.Width(), combo.Height()}, combo.Look()); }
    TPoint ArrowAt(const TsComboBox& combo) {
        const TRect b = Button(combo);
        return {b.Left + (b.Width() - EditSkin::ArrowWidth) / 2, (combo.Height() - EditSkin::ArrowHeight) / 2};
    }
    HWND EditChild(const TsComboBox& combo) {
        COMBOBOXINFO info;
        SendMessage(combo.Handle(), CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
        return info.hwndItem;
    }
};

TEST_F(TsComboBoxTest, TheFaceTheButtonAndTheArrowComeFromTheSkin) {
    TsComboBox* combo = Combo();
    Manager->SetActive(true);
    Pump();
    const TRect b = Button(*combo);
    EXPECT_EQ(b, (TRect{150 - GetSystemMetrics(SM_CXVSCROLL) - 2, 2, 148, 22}));
    EXPECT_EQ(ClientPixel(*combo, 1, 12), EditSkin::Combo);
    EXPECT_EQ(ClientPixel(*combo, b.Left + 1, b.Top + 1), EditSkin::ComboButton);
    const TPoint arrow = ArrowAt(*combo);
    EXPECT_EQ(ClientPixel(*combo, arrow.X, arrow.Y), EditSkin::Arrow);
    EXPECT_EQ(ClientPixel(*combo, arrow.X + EditSkin::ArrowWidth - 1, arrow.Y + EditSkin::ArrowHeight - 1), EditSkin::Arrow);
    EXPECT_EQ(ClientPixel(*combo, arrow.X + EditSkin::ArrowWidth, arrow.Y), EditSkin::ComboButton);
    EXPECT_EQ(ClientPixel(*combo, arrow.X, arrow.Y + EditSkin::ArrowHeight), EditSkin::ComboButton);
}

TEST_F(TsComboBoxTest, UnfocusedTheFaceShowsTheItemFocusedTheEditChildShowsIt) {
    TsComboBox* combo = Combo();
    auto* other = On<TsComboBox>(Form);
    other->SetBounds(10, 80, 100, 24);
    Manager->SetActive(true);
    Pump();
    const Bitmap screen = CaptureScreen();
    const TBitmap* cache = combo->SkinData()->CacheBitmap();
    ASSERT_TRUE(cache && !cache->Empty());
    const TPoint at = combo->ClientToScreen({0, 0});
    int ink = 0;
    for (int y = 3; y < combo->Height() - 3; ++y)
        for (int x = 3; x < Button(*combo).Left - 1; ++x) {
            ASSERT_EQ(screen.Pixel(at.X + x, at.Y + y), cache->Image().Pixel(x, y)) << x << "," << y;
            if (cache->Image().Pixel(x, y) != EditSkin::Combo) ++ink;
        }
    EXPECT_GT(ink, 10); // "Wood" is on the face
    combo->SetFocus();
    Pump();
    EXPECT_EQ(combo->SkinState(), 1);
    EXPECT_EQ(ClientPixel(*combo, 1, 12), EditSkin::HotCombo); // the ring of the hot image
    // Between the edit child and the button: the image too, nothing left unpainted.
    EXPECT_EQ(ClientPixel(*combo, Button(*combo).Left - 1, 12), EditSkin::HotCombo);
    TRect child;
    GetWindowRect(EditChild(*combo), &child);
    EXPECT_EQ(CaptureScreen().Pixel(child.Right - 2, child.Top + 2), ColorToRGB(combo->Color()));
    EXPECT_EQ(combo->Color(), EditSkin::Combo);
    other->SetFocus();
    Pump();
    EXPECT_EQ(ClientPixel(*combo, 1, 12), EditSkin::Combo);
}

TEST_F(TsComboBoxTest, AComboMadeWhileTheSkinIsInForceTakesItsColours) {
    Manager->SetActive(true);
    Pump();
    TsComboBox* combo = Combo();
    combo->SetFocus();
    Pump();
    EXPECT_EQ(combo->Color(), EditSkin::Combo);
    TRect child;
    GetWindowRect(EditChild(*combo), &child);
    EXPECT_EQ(CaptureScreen().Pixel(child.Right - 2, child.Top + 2), EditSkin::Combo);
}

TEST_F(TsComboBoxTest, TheButtonLooksPressedWhileTheListIsDown) {
    TsComboBox* combo = Combo(csDropDownList);
    Manager->SetActive(true);
    Pump();
    const TRect b = Button(*combo);
    combo->SetDroppedDown(true);
    Pump();
    EXPECT_TRUE(combo->DroppedState());
    EXPECT_EQ(ClientPixel(*combo, b.Left + 1, b.Top + 1), EditSkin::ComboButtonDown);
    combo->SetDroppedDown(false);
    Pump();
    EXPECT_FALSE(combo->DroppedState());
    EXPECT_EQ(ClientPixel(*combo, b.Left + 1, b.Top + 1), EditSkin::ComboButton);
}

TEST_F(TsComboBoxTest, AReadOnlyComboTakesTheFocusButNoPicksOrTyping) {
    TsComboBox* combo = Combo(csDropDownList);
    TsComboBox* editable = Combo();
    editable->SetTop(80);
    combo->SetReadOnly(true);
    editable->SetReadOnly(true);
    Manager->SetActive(true);
    Pump();
    const TPoint face = At(*combo, 20, 10);
    ClickAt(face.X, face.Y);
    EXPECT_TRUE(combo->Focused());
    EXPECT_FALSE(combo->DroppedDown());
    for (UINT key : {VK_DOWN, VK_RIGHT, VK_END, UINT('9'), UINT('W'), UINT('D')}) Tap(key);
    Input().Text("D");
    Pump();
    EXPECT_EQ(combo->ItemIndex(), 0);
    SendMessage(combo->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
    Pump();
    EXPECT_FALSE(combo->DroppedDown());
    editable->SetFocus();
    Pump();
    Input().Text("xyz");
    Tap(VK_DELETE);
    Pump();
    EXPECT_EQ(editable->GetText(), "Wood");
    // The same keys move a combo that is not read-only.
    combo->SetReadOnly(false);
    combo->SetFocus();
    Pump();
    Tap(VK_DOWN);
    EXPECT_EQ(combo->ItemIndex(), 1);
}

TEST_F(TsComboBoxTest, WithoutTheButtonTheFaceRunsToTheEdge) {
    TsComboBox* combo = Combo(csDropDownList);
    combo->SetShowButton(false);
    Manager->SetActive(true);
    Pump();
    EXPECT_TRUE(Button(*combo).IsEmpty());
    EXPECT_EQ(ClientPixel(*combo, 140, 3), EditSkin::Combo);
}

} // namespace

namespace {

// Pixels of the field's edit rectangle (left of the button) that differ from the face's colour.
int FieldInk(const Bitmap& screen, const TsComboBox& combo, int buttonLeft, int fromX = 3) {
    const TPoint at = combo.ClientToScreen({0, 0});
    int ink = 0;
    for (int y = 3; y < combo.Height() - 3; ++y)
        for (int x = fromX; x < buttonLeft - 1; ++x)
            if (screen.Pixel(at.X + x, at.Y + y) != EditSkin::Combo) ++ink;
    return ink;
}

TEST_F(TsComboBoxTest, AnOwnerDrawnFaceLeavesTheItemToTheOwnersDrawing) {
    constexpr TColor Mark = RGB(7, 77, 177);
    TsComboBox* drawn = Combo(csOwnerDrawFixed);
    std::vector<std::pair<int, TRect>> calls;
    drawn->OnDrawItem = [&](TWinControl*, int index, const TRect& rect, TOwnerDrawState state) {
        if (!state.Contains(odComboBoxEdit)) return;
        calls.emplace_back(index, rect);
        drawn->Canvas()->Brush()->SetColor(Mark);
        drawn->Canvas()->FillRect({rect.Left, rect.Top, rect.Left + 4, rect.Bottom});
    };
    drawn->SetItemIndex(1);
    TsComboBox* list = Combo(csDropDownList);
    list->SetTop(60);
    Manager->SetActive(true);
    Pump();
    const int buttonLeft = Button(*drawn).Left;
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().first, 1);
    EXPECT_EQ(calls.back().second, (TRect{3, 3, buttonLeft, drawn->Height() - 3}));
    const Bitmap screen = CaptureScreen();
    EXPECT_EQ(ClientPixel(*drawn, 4, 10), Mark) << "the owner's drawing is on the face";
    EXPECT_EQ(ClientPixel(*drawn, 1, 12), EditSkin::Combo) << "around it the skin's face";
    EXPECT_EQ(FieldInk(screen, *drawn, buttonLeft, 7), 0) << "the face draws no text of its own";
    EXPECT_GT(FieldInk(screen, *list, Button(*list).Left), 10) << "a plain pick-only combo does";
}

TEST_F(TsComboBoxTest, AnOwnerDrawnStyleWithoutAHandlerShowsTheItemOnTheFace) {
    TsComboBox* combo = Combo(csOwnerDrawFixed);
    Manager->SetActive(true);
    Pump();
    EXPECT_GT(FieldInk(CaptureScreen(), *combo, Button(*combo).Left), 10);
}

} // namespace
