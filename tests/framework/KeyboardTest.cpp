// Keys: the form's key preview before the focused control, swallowing, Tab order with enter and
// exit, and Enter/Esc going to the children as dialog keys unless the control wants them.
#include "FormTestFixture.h"

#include "framework/TCustomControl.h"

namespace {
// A focusable box that may ask for every key (as an edit would).
class TFocusBox : public TCustomControl {
public:
    explicit TFocusBox(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
    bool WantAll = false;

protected:
    void WMGetDlgCode(TMessage& m) override { m.Result = WantAll ? DLGC_WANTALLKEYS : 0; }
};

// Takes Enter as a default button would.
class TDefaultTaker : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int Taken = 0;

protected:
    void Dispatch(TMessage& m) override {
        if (m.Msg == CM_DIALOGKEY && m.WParam == VK_RETURN) {
            ++Taken;
            m.Result = 1;
            return;
        }
        TCustomControl::Dispatch(m);
    }
};

class KeyboardTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Form = ShownForm(50, 50, 300, 200);
        A = Box("A", 0);
        B = Box("B", 40);
        C = Box("C", 80);
        Pump();
    }
    void TearDown() override {
        Form.reset();
        FormTest::TearDown();
    }
    TFocusBox* Box(const std::string& name, int top) {
        auto* box = new TFocusBox(Form.get());
        box->SetName(name);
        box->SetParent(Form.get());
        box->SetBounds(10, top + 10, 100, 30);
        box->OnKeyDown = [this, name](TObject*, WORD& key, TShiftState) { Log.push_back(name + " down " + std::to_string(key)); };
        box->OnKeyPress = [this, name](TObject*, char32_t& key) { Log.push_back(name + " press " + std::to_string(key)); };
        box->OnEnter = [this, name](TObject*) { Log.push_back("enter " + name); };
        box->OnExit = [this, name](TObject*) { Log.push_back("exit " + name); };
        return box;
    }
    std::string Focused() const {
        TWinControl* c = TWinControl::FromHandle(GetFocus());
        return c ? c->Name() : "?";
    }

    std::unique_ptr<TForm> Form;
    TFocusBox *A = nullptr, *B = nullptr, *C = nullptr;
    std::vector<std::string> Log;
};
}

TEST_F(KeyboardTest, KeyPreviewLetsTheFormSeeKeysFirstAndSwallowThem) {
    A->SetFocus();
    Log.clear();
    Form->OnKeyDown = [this](TObject*, WORD& key, TShiftState) {
        Log.push_back("form down " + std::to_string(key));
        if (key == 'Q') key = 0;
    };
    Form->OnKeyPress = [this](TObject*, char32_t& key) {
        Log.push_back("form press " + std::to_string(key));
        if (key == U'ж') key = 0;
    };
    Tap('W');
    EXPECT_EQ(Log, std::vector<std::string>{"A down 87"}) << "without key preview the form hears nothing";
    Log.clear();
    Form->SetKeyPreview(true);
    Tap('W');
    Tap('Q');
    Input().Text("xж");
    Pump();
    EXPECT_EQ(Log, (std::vector<std::string>{"form down 87", "A down 87", "form down 81", "form press 120", "A press 120",
                                             "form press 1078"}));
}

TEST_F(KeyboardTest, TabWalksTheTabStopsInTabOrderWithEnterAndExit) {
    std::vector<TControl*> focusNotices; // heard by every control, here the last box
    C->PushWindowProc([&](TMessage& m, const TWndMethod& next) {
        if (m.Msg == CM_FOCUSCHANGED) focusNotices.push_back(reinterpret_cast<TControl*>(m.LParam));
        next(m);
    });
    A->SetFocus();
    EXPECT_EQ(Form->ActiveControl(), A);
    Log.clear();
    Tap(VK_TAB);
    EXPECT_EQ(Focused(), "B");
    C->SetTabOrder(0); // C, A, B
    Tap(VK_TAB);
    EXPECT_EQ(Focused(), "C");
    B->SetEnabled(false);
    Key(VK_SHIFT, true);
    Tap(VK_TAB);
    Key(VK_SHIFT, false);
    EXPECT_EQ(Focused(), "A") << "backwards from C wraps to the end, skipping the disabled B";
    std::vector<std::string> moves, presses;
    for (const std::string& entry : Log) {
        if (entry.rfind("enter", 0) == 0 || entry.rfind("exit", 0) == 0) moves.push_back(entry);
        if (entry.find("press") != std::string::npos) presses.push_back(entry);
    }
    EXPECT_EQ(moves, (std::vector<std::string>{"exit A", "enter B", "exit B", "enter C", "exit C", "enter A"}));
    EXPECT_TRUE(presses.empty()) << "a Tab taken for moving makes no character";
    EXPECT_EQ(focusNotices, (std::vector<TControl*>{A, B, C, A}));
}

TEST_F(KeyboardTest, EnterGoesToTheChildrenAsADialogKeyUnlessTheFocusedControlWantsIt) {
    auto* taker = new TDefaultTaker(Form.get());
    taker->SetParent(Form.get());
    taker->SetBounds(200, 10, 50, 30);
    A->SetFocus();
    Log.clear();
    Tap(VK_RETURN);
    EXPECT_EQ(taker->Taken, 1);
    EXPECT_EQ(Log, std::vector<std::string>{"A down 13"}) << "the character of a taken key is dropped";
    A->WantAll = true;
    Log.clear();
    Tap(VK_RETURN);
    EXPECT_EQ(taker->Taken, 1);
    EXPECT_EQ(Log, (std::vector<std::string>{"A down 13", "A press 13"}));
}
