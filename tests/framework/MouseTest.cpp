// The control under the mouse: enter and leave notices between graphic and windowed controls,
// clicks on graphic controls through their parent, and capture while a button is held.
#include "FormTestFixture.h"

#include "framework/TLabel.h"
#include "framework/TPanel.h"
#include "framework/TSpeedButton.h"

namespace {
// Records CM_MOUSEENTER / CM_MOUSELEAVE as "+name" / "-name" (only those about the control
// itself, lParam 0), through the control's window procedure stack.
struct TEnterLeaveLog {
    std::vector<std::string> Events;
    void Watch(TControl* control, const std::string& name) {
        control->PushWindowProc([this, name](TMessage& m, const TWndMethod& next) {
            if (m.LParam == 0 && m.Msg == CM_MOUSEENTER) Events.push_back("+" + name);
            if (m.LParam == 0 && m.Msg == CM_MOUSELEAVE) Events.push_back("-" + name);
            next(m);
        });
    }
};
}

TEST_F(FormTest, EnterAndLeaveFollowTheMouseAcrossGraphicAndWindowedControls) {
    auto form = ShownForm(100, 100, 300, 200);
    auto* button = new TSpeedButton(form.get());
    button->SetParent(form.get());
    button->SetBounds(10, 10, 50, 30);
    auto* panel = new TPanel(form.get());
    panel->SetParent(form.get());
    panel->SetBounds(100, 10, 150, 100);
    auto* label = new TLabel(form.get());
    label->SetParent(panel);
    label->SetAutoSize(false);
    label->SetBounds(20, 20, 60, 20);
    TEnterLeaveLog log;
    log.Watch(form.get(), "form");
    log.Watch(button, "button");
    log.Watch(panel, "panel");
    log.Watch(label, "label");
    int enters = 0;
    label->OnMouseEnter = [&](TObject*) { ++enters; };

    auto move = [&](const TControl& c, int x, int y) {
        TPoint p = At(c, x, y);
        MoveTo(p.X, p.Y);
    };
    move(*form, 5, 150);
    move(*form, 6, 151); // moving inside the same control says nothing
    move(*button, 10, 10);
    move(*panel, 5, 5);
    move(*label, 5, 5);
    move(*panel, 140, 90);
    move(*form, 290, 190);
    MoveTo(5, 5); // off the form, onto the bare desktop
    EXPECT_EQ(log.Events, (std::vector<std::string>{"+form", "-form", "+button", "-button", "+panel", "-panel", "+label",
                                                    "-label", "+panel", "-panel", "+form", "-form"}));
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(Application->MouseControl(), nullptr);
}

TEST_F(FormTest, AParentHearsWhichChildTheMouseEntered) {
    auto form = ShownForm(100, 100, 300, 200);
    auto* panel = new TPanel(form.get());
    panel->SetParent(form.get());
    panel->SetBounds(10, 10, 200, 100);
    auto* button = new TSpeedButton(form.get());
    button->SetParent(panel);
    button->SetBounds(10, 10, 40, 40);
    std::vector<TControl*> named;
    form->PushWindowProc([&](TMessage& m, const TWndMethod& next) {
        if (m.Msg == CM_MOUSEENTER) named.push_back(reinterpret_cast<TControl*>(m.LParam));
        next(m);
    });
    TPoint p = At(*button, 5, 5);
    MoveTo(p.X, p.Y);
    EXPECT_EQ(named, (std::vector<TControl*>{button}));
}

TEST_F(FormTest, AGraphicControlGetsItsClickAndKeepsTheMouseWhileTheButtonIsHeld) {
    auto form = ShownForm(100, 100, 300, 200);
    auto* label = new TLabel(form.get());
    label->SetParent(form.get());
    label->SetAutoSize(false);
    label->SetBounds(10, 10, 80, 20);
    std::vector<std::string> events;
    label->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) { events.push_back("down " + std::to_string(x) + "," + std::to_string(y)); };
    label->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int x, int) { events.push_back("up " + std::to_string(x)); };
    label->OnClick = [&](TObject*) { events.push_back("click"); };

    TPoint in = At(*label, 5, 6);
    ClickAt(in.X, in.Y);
    EXPECT_EQ(events, (std::vector<std::string>{"down 5,6", "up 5", "click"}));

    events.clear();
    MoveTo(in.X, in.Y);
    Press(in.X, in.Y, true);
    TPoint out = At(*form, 200, 150);
    MoveTo(out.X, out.Y);
    EXPECT_EQ(Application->MouseControl(), label) << "the held control keeps the mouse";
    Press(out.X, out.Y, false);
    EXPECT_EQ(events, (std::vector<std::string>{"down 5,6", "up 190"})) << "released outside: no click";
    EXPECT_EQ(Application->MouseControl(), form.get()) << "on release the mouse is where it is, without a move";
}

TEST_F(FormTest, AControlReleasedOutsideHearsAtOnceThatTheMouseLeftIt) {
    auto form = ShownForm(100, 100, 300, 200);
    auto* button = new TSpeedButton(form.get());
    button->SetParent(form.get());
    button->SetBounds(10, 10, 50, 30);
    TEnterLeaveLog log;
    log.Watch(button, "button");
    log.Watch(form.get(), "form");
    const TPoint in = At(*button, 5, 5), out = At(*form, 200, 150);
    MoveTo(in.X, in.Y);
    Press(in.X, in.Y, true);
    MoveTo(out.X, out.Y);
    Press(out.X, out.Y, false);
    EXPECT_EQ(log.Events, (std::vector<std::string>{"+button", "-button", "+form"}));
    EXPECT_FALSE(button->MouseInside());
}
