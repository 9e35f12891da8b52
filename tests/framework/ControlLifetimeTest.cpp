// Ownership and destruction with windows: parents take their children along, forms and controls
// freed inside their own handlers, and windows destroyed with their controls.
#include "FormTestFixture.h"

#include "framework/TPanel.h"
#include "framework/TSpeedButton.h"

TEST_F(FormTest, FreeingAFormDestroysItsWindowsAndEveryControlInAnyOwnershipOrder) {
    auto form = ShownForm(50, 50, 300, 200);
    auto* panel = new TPanel(form.get());
    panel->SetParent(form.get());
    // Owned by the form but placed on the panel, which goes first as the later-made component.
    auto* inner = new TPanel(form.get());
    inner->SetParent(panel);
    auto* button = new TSpeedButton(nullptr); // owned by nobody: its parent frees it
    button->SetParent(inner);
    HWND formWnd = form->Handle(), panelWnd = panel->Handle(), innerWnd = inner->Handle();
    ASSERT_TRUE(IsWindow(innerWnd));
    std::vector<std::string> destroyed;
    form->OnDestroy = [&](TObject*) { destroyed.push_back("form"); };
    form.reset();
    EXPECT_EQ(destroyed, std::vector<std::string>{"form"});
    EXPECT_FALSE(IsWindow(formWnd));
    EXPECT_FALSE(IsWindow(panelWnd));
    EXPECT_FALSE(IsWindow(innerWnd));
    EXPECT_EQ(Screen->FormCount(), 0);
}

TEST_F(FormTest, AControlFreedFirstLeavesItsParentAndOwnerConsistent) {
    auto form = ShownForm(50, 50, 300, 200);
    auto* panel = new TPanel(form.get());
    panel->SetParent(form.get());
    auto* button = new TSpeedButton(form.get());
    button->SetParent(panel);
    ASSERT_EQ(panel->ControlCount(), 1);
    delete button;
    EXPECT_EQ(panel->ControlCount(), 0);
    EXPECT_EQ(form->ComponentCount(), 1);
    HWND panelWnd = panel->Handle();
    delete panel;
    EXPECT_EQ(form->ControlCount(), 0);
    EXPECT_FALSE(IsWindow(panelWnd));
    Pump();
}

TEST_F(FormTest, AControlMayFreeItselfInItsOwnClickHandler) {
    auto form = ShownForm(50, 50, 300, 200);
    auto* button = new TSpeedButton(form.get());
    button->SetParent(form.get());
    button->SetBounds(10, 10, 60, 30);
    auto* panel = new TPanel(form.get());
    panel->SetParent(form.get());
    panel->SetBounds(100, 10, 80, 40);
    int clicks = 0;
    button->OnClick = [&](TObject* sender) {
        ++clicks;
        delete sender;
    };
    panel->OnClick = [&](TObject* sender) {
        ++clicks;
        delete sender;
    };
    TPoint b = At(*form, 30, 20), p = At(*form, 130, 30);
    ClickAt(b.X, b.Y);
    ClickAt(p.X, p.Y);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(form->ControlCount(), 0);
    ClickAt(b.X, b.Y); // the form still works
    EXPECT_EQ(clicks, 2);
}

TEST_F(FormTest, ReleaseFreesTheFormAfterItsOwnHandlerReturned) {
    auto* form = new TForm(nullptr);
    form->SetBounds(40, 40, 200, 150);
    form->Show();
    auto* button = new TSpeedButton(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 60, 30);
    bool destroyed = false, afterRelease = false;
    form->OnDestroy = [&](TObject*) { destroyed = true; };
    button->OnClick = [&](TObject*) {
        form->Release();
        afterRelease = !destroyed; // still whole inside the handler
    };
    Pump();
    TPoint p = At(*button, 5, 5);
    ClickAt(p.X, p.Y);
    EXPECT_TRUE(afterRelease);
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(Screen->FormCount(), 0);
}

TEST_F(FormTest, CloseWithCaFreeFreesTheFormAndCaNoneKeepsIt) {
    auto keep = ShownForm(10, 10, 100, 80);
    keep->OnClose = [](TObject*, TCloseAction& action) { action = caNone; };
    keep->Close();
    Pump();
    EXPECT_TRUE(keep->Visible());

    auto* freed = new TForm(nullptr);
    freed->Show();
    bool destroyed = false;
    freed->OnDestroy = [&](TObject*) { destroyed = true; };
    freed->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
    SendMessage(freed->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(destroyed) << "freed later, not inside WM_CLOSE";
    Pump();
    EXPECT_TRUE(destroyed);
}

TEST_F(FormTest, ChildWindowsAreMadeWithTheFormAndControlsMovedAcrossParentsKeepWorking) {
    TForm form(nullptr);
    auto* a = new TPanel(&form);
    auto* b = new TPanel(&form);
    a->SetParent(&form);
    b->SetParent(a);
    EXPECT_FALSE(a->HandleAllocated()) << "windows are made lazily";
    form.HandleNeeded();
    ASSERT_TRUE(b->HandleAllocated());
    EXPECT_EQ(GetParent(b->Handle()), a->Handle());
    b->SetParent(&form);
    EXPECT_EQ(GetParent(b->Handle()), form.Handle());
    EXPECT_EQ(TWinControl::FromHandle(b->Handle()), b);
    EXPECT_THROW(a->SetParent(a), EInvalidOperation);
    b->SetParent(nullptr);
    EXPECT_FALSE(b->HandleAllocated());
    delete b;
}
