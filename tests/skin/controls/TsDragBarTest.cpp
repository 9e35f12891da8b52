// The drag bar: its place and look on a form, a press dragging the form (or the window it names)
// by exactly the mouse's way, and a named window that is freed.
#include "skin/controls/TsDragBar.h"
#include "tests/framework/FormTestFixture.h"

#include "framework/TFont.h"

#include <memory>

namespace {

class DragBar : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Form = ShownForm(200, 150, 300, 200);
        Bar = new TsDragBar(Form.get());
        Bar->SetParent(Form.get());
        Pump();
    }
    // Press at a point of the bar, move by (dx, dy) in two steps and release, all queued before
    // anything is handled: the move loop runs inside the press.
    void DragBy(int dx, int dy) {
        const TPoint start = At(*Bar, 40, 10);
        Input().MouseMove(start.X, start.Y);
        Input().MouseButton(TMouseButton::mbLeft, true, start.X, start.Y);
        Input().MouseMove(start.X + dx / 2, start.Y + dy / 2);
        Input().MouseMove(start.X + dx, start.Y + dy);
        Input().MouseButton(TMouseButton::mbLeft, false, start.X + dx, start.Y + dy);
        Pump();
    }

    std::unique_ptr<TForm> Form;
    TsDragBar* Bar = nullptr;
};

} // namespace

TEST_F(DragBar, ItLiesAlongTheTopTwentyPixelsHighWithABoldSpaceAndTheHandCursor) {
    EXPECT_EQ(Bar->BoundsRect(), (TRect{0, 0, Form->ClientWidth(), 20}));
    EXPECT_EQ(Bar->Caption(), " ");
    EXPECT_TRUE(Bar->Font()->Style().Contains(fsBold));
    EXPECT_EQ(Bar->Cursor(), crHandPoint);
    EXPECT_EQ(Bar->SkinData()->ControlKind(), ckDragBar);
}

TEST_F(DragBar, APressDragsTheFormByExactlyTheWayTheMouseWent) {
    const TRect before = Form->BoundsRect();
    DragBy(37, -23);
    EXPECT_EQ(Form->BoundsRect(), before.Offset(37, -23));
    EXPECT_EQ(GetCapture(), nullptr) << "the release ended the drag";
    DragBy(-5, 60);
    EXPECT_EQ(Form->BoundsRect(), before.Offset(32, 37));
}

TEST_F(DragBar, ANamedWindowIsDraggedInsteadAndWhenItIsFreedTheFormAgain) {
    auto other = ShownForm(500, 400, 120, 80);
    Bar->SetDraggedControl(other.get());
    const TRect form = Form->BoundsRect(), named = other->BoundsRect();
    DragBy(10, 12);
    EXPECT_EQ(other->BoundsRect(), named.Offset(10, 12));
    EXPECT_EQ(Form->BoundsRect(), form);

    other.reset();
    EXPECT_EQ(Bar->DraggedControl(), Form.get());
    DragBy(-8, 4);
    EXPECT_EQ(Form->BoundsRect(), form.Offset(-8, 4));
}
