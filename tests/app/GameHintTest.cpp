// The game's hints: its hint manager stores only the section, so loading applies the ellipse
// look, and hovering the training check box brings up an ellipse hint with its text.
#include "GameFixture.h"

#include "framework/THintWindow.h"
#include "skin/controls/TsCheckBox.h"
#include "skin/hints/TsCustomHintWindow.h"
#include "skin/hints/TsHintManager.h"

namespace {
class GameHintTest : public GameTest {};
} // namespace

TEST_F(GameHintTest, TheTrainingCheckBoxShowsAPaleYellowEllipseBesideThePointer) {
    Start();
    const TPoint at = Ui([] { return Form1->TreningChb->ClientToScreen({20, 8}); });
    Driver().MouseMove(at.X, at.Y);
    Driver().Advance(800);
    struct TSeen {
        std::string Class, Text, Section;
        TColor Color = 0;
        int Corner = -1;
        TRect Bounds;
        int HidePause = 0;
    };
    const TSeen seen = Ui([] {
        TSeen s;
        s.Section = Form1->sHintManager1->SkinSection();
        s.Color = Form1->sHintManager1->HintKind()->Color();
        s.HidePause = Application->HintHidePause();
        if (auto* w = dynamic_cast<TsCustomHintWindow*>(Application->HintWindow())) {
            s.Class = w->ClassName();
            s.Text = w->Caption();
            s.Corner = w->Corner();
            s.Bounds = w->BoundsRect();
        }
        return s;
    });
    EXPECT_EQ(seen.Section, "HINT");
    EXPECT_EQ(seen.Color, static_cast<TColor>(0xC2FCFC));
    EXPECT_EQ(seen.HidePause, 5000);
    EXPECT_EQ(seen.Class, "TsEllipseHintWindow");
    EXPECT_EQ(seen.Text, "Режим тренировки (В данном режиме можно ошибаться, но вы не попадете в \"Таблицу Рекордов\")");
    EXPECT_EQ(seen.Corner, 0);
    EXPECT_EQ(seen.Bounds.Left, at.X) << "the pointer's corner lies under the mouse";
    EXPECT_GT(seen.Bounds.Top, at.Y);
}
