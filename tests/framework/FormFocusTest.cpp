// Enter and exit notices of the control a form names as its ActiveControl before it shows.
#include "FormTestFixture.h"

#include "framework/TEdit.h"

TEST_F(FormTest, AnActiveControlNamedBeforeShowingIsEnteredWhenTheFocusArrives) {
    Application->Initialize();
    TForm form(nullptr);
    form.SetBounds(50, 50, 300, 200);
    auto* first = new TEdit(&form);
    first->SetParent(&form);
    first->SetBounds(10, 10, 100, 21);
    auto* second = new TEdit(&form);
    second->SetParent(&form);
    second->SetBounds(10, 40, 100, 21);
    second->SetText("selected");
    std::vector<std::string> notes;
    first->OnEnter = [&](TObject*) { notes.push_back("enter first"); };
    first->OnExit = [&](TObject*) { notes.push_back("exit first"); };
    second->OnEnter = [&](TObject*) { notes.push_back("enter second"); };
    second->OnExit = [&](TObject*) { notes.push_back("exit second"); };
    form.SetActiveControl(second);
    form.Show();
    Pump();
    EXPECT_TRUE(second->Focused());
    EXPECT_EQ(notes, std::vector<std::string>{"enter second"});
    EXPECT_EQ(second->SelLength(), 8) << "entering selected the edit's text";
    Tap(VK_TAB);
    EXPECT_EQ(notes, (std::vector<std::string>{"enter second", "exit second", "enter first"}));
}
