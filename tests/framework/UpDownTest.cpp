// Up-downs: values mirrored into the platform control, steps by the user taken into Position
// before OnClick hears which arrow it was, and the orientation and wrapping surviving a new window.
#include "FormTestFixture.h"

#include "framework/TUpDown.h"

#include "platform/controls/UpDownCodes.h"

namespace {
class UpDownTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Form = ShownForm(20, 20, 320, 200);
        Arrows = new TUpDown(Form.get());
        Arrows->SetParent(Form.get());
        Arrows->SetOrientation(udHorizontal);
        Arrows->SetBounds(10, 10, 40, 20);
        Arrows->OnClick = [this](TObject*, TUDBtnType button) { Clicks.emplace_back(button, Arrows->Position()); };
        Pump();
    }
    void TearDown() override {
        Form.reset();
        FormTest::TearDown();
    }
    int PlatformPos() { return static_cast<int>(SendMessage(Arrows->Handle(), UDM_GETPOS32, 0, 0)); }
    void Click(int x) {
        const TPoint p = At(*Arrows, x, 10);
        ClickAt(p.X, p.Y);
    }

    std::unique_ptr<TForm> Form;
    TUpDown* Arrows = nullptr;
    std::vector<std::pair<TUDBtnType, int>> Clicks;
};

TEST_F(UpDownTest, ValuesReachThePlatformAndStayInTheRange) {
    Arrows->SetRange(2, 9);
    Arrows->SetPosition(12);
    EXPECT_EQ(Arrows->Position(), 9);
    EXPECT_EQ(PlatformPos(), 9);
    Arrows->SetMax(1);
    EXPECT_EQ(Arrows->Min(), 1) << "a maximum below the minimum takes it along";
    EXPECT_EQ(Arrows->Position(), 1);
    Arrows->SetIncrement(0);
    EXPECT_EQ(Arrows->Increment(), 1);
    EXPECT_TRUE(Clicks.empty()) << "values set by program raise nothing";
}

TEST_F(UpDownTest, EachStepUpdatesThePositionThenTellsWhichArrow) {
    Arrows->SetRange(0, 10);
    Arrows->SetIncrement(3);
    Click(30);
    Click(30);
    Click(5);
    using Click = std::pair<TUDBtnType, int>;
    EXPECT_EQ(Clicks, (std::vector<Click>{{btNext, 3}, {btNext, 6}, {btPrev, 3}}));
    EXPECT_EQ(PlatformPos(), 3);
}

TEST_F(UpDownTest, WrappingAndOrientationSurviveANewWindow) {
    Arrows->SetRange(0, 2);
    Arrows->SetPosition(2);
    Arrows->SetWrap(true);
    Click(30);
    EXPECT_EQ(Arrows->Position(), 0);
    EXPECT_TRUE(GetWindowLongPtr(Arrows->Handle(), GWL_STYLE) & UDS_HORZ);
    Arrows->SetOrientation(udVertical);
    Arrows->SetBounds(10, 10, 20, 40);
    Pump();
    EXPECT_FALSE(GetWindowLongPtr(Arrows->Handle(), GWL_STYLE) & UDS_HORZ);
    EXPECT_EQ(PlatformPos(), 0);
    const TPoint top = At(*Arrows, 10, 5);
    ClickAt(top.X, top.Y);
    EXPECT_EQ(Clicks.back(), (std::pair<TUDBtnType, int>{btNext, 1}));
}

} // namespace
