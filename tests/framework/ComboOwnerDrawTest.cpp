// Owner-drawn combo boxes: the field and the list's rows drawn by OnDrawItem on the combo's
// canvas with the item's state, fixed rows of ItemHeight, variable rows measured one by one, and
// the item's text when no handler draws.
#include "FormTestFixture.h"

#include "framework/TBrush.h"
#include "framework/TCanvas.h"
#include "framework/TComboBox.h"

#include "platform/controls/ComboBoxCodes.h"
#include "platform/controls/ListBoxCodes.h"

namespace {

struct TDrawn {
    int Index;
    TRect Rect;
    bool Field;
    bool Selected;
};

class ComboOwnerDrawTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Form = ShownForm(20, 20, 360, 260);
    }
    void TearDown() override {
        Form.reset();
        FormTest::TearDown();
    }
    TComboBox* Combo(TComboBoxStyle style, bool drawn = true) {
        auto* combo = new TComboBox(Form.get());
        combo->SetParent(Form.get());
        combo->SetStyle(style);
        combo->SetBounds(10, 10, 160, 24);
        for (const char* item : {"один", "два", "три"}) combo->Items()->Add(item);
        if (drawn)
            combo->OnDrawItem = [this, combo](TWinControl* control, int index, const TRect& rect, TOwnerDrawState state) {
                EXPECT_EQ(control, combo);
                Drawn.push_back({index, rect, state.Contains(odComboBoxEdit), state.Contains(odSelected)});
                combo->Canvas()->FillRect(rect);
            };
        combo->SetItemIndex(1);
        Pump();
        return combo;
    }
    HWND List(const TComboBox& combo) {
        COMBOBOXINFO info;
        SendMessage(combo.Handle(), CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
        return info.hwndList;
    }
    std::unique_ptr<TForm> Form;
    std::vector<TDrawn> Drawn;
};

TEST_F(ComboOwnerDrawTest, TheFieldAndTheOpenListAreDrawnByTheHandlerInRowsOfItemHeight) {
    TComboBox* combo = Combo(csOwnerDrawFixed);
    combo->SetItemHeight(20);
    Drawn.clear();
    combo->Invalidate();
    Pump();
    ASSERT_FALSE(Drawn.empty());
    EXPECT_EQ(Drawn.back().Index, 1);
    EXPECT_TRUE(Drawn.back().Field);
    combo->SetDroppedDown(true);
    Pump();
    std::vector<int> rows;
    for (const TDrawn& d : Drawn)
        if (!d.Field) {
            rows.push_back(d.Index);
            EXPECT_EQ(d.Rect.Height(), 20);
            EXPECT_EQ(d.Selected, d.Index == 1) << "the picked row is drawn selected";
        }
    EXPECT_EQ(rows, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(SendMessage(List(*combo), LB_GETITEMHEIGHT, 0, 0), 20);
    combo->SetDroppedDown(false);
    Pump();
}

TEST_F(ComboOwnerDrawTest, VariableRowsTakeTheMeasuredHeights) {
    auto* combo = new TComboBox(Form.get());
    combo->SetStyle(csOwnerDrawVariable);
    std::vector<int> measured;
    combo->OnMeasureItem = [&measured](TWinControl*, int index, int& height) {
        measured.push_back(index);
        height = 12 + 5 * index;
    };
    combo->SetParent(Form.get());
    for (const char* item : {"a", "b", "c"}) combo->Items()->Add(item);
    Pump();
    EXPECT_EQ(measured, (std::vector<int>{0, 1, 2}));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(SendMessage(List(*combo), LB_GETITEMHEIGHT, static_cast<WPARAM>(i), 0), 12 + 5 * i);
}

TEST_F(ComboOwnerDrawTest, WithoutAHandlerTheItemsTextIsDrawnOnItsBackground) {
    TComboBox* combo = Combo(csOwnerDrawFixed, false);
    combo->SetColor(RGB(250, 250, 250));
    combo->Font()->SetColor(RGB(0, 0, 0));
    Pump();
    const Bitmap screen = CaptureScreen();
    const TPoint at = combo->ClientToScreen({0, 0});
    int ink = 0;
    for (int y = 4; y < combo->ClientHeight() - 4; ++y)
        for (int x = 4; x < 60; ++x)
            if (screen.Pixel(at.X + x, at.Y + y) != RGB(250, 250, 250)) ++ink;
    EXPECT_GT(ink, 10) << "\"два\" is on the field";
}

} // namespace
