// Mnemonics in Russian captions, typed like a user on a UI thread: a label's letter focuses its
// control, a button's letter clicks it, a check box's letter toggles it, and menu letters open
// and choose items; typed alone while the focus is on a control that takes no characters, or
// with Alt, in either case.
#include "DialogTestProgram.h"

#include "framework/TCheckBox.h"
#include "framework/TEdit.h"
#include "framework/TLabel.h"
#include "framework/TMainMenu.h"

namespace {

class MnemonicTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        Driver->RunOnUi([&] { Build(); });
        FocusStart();
    }

    template <class T> T* Add(const std::string& caption, int left, int top) {
        auto* control = new T(Main);
        control->SetParent(Main);
        control->SetBounds(left, top, 120, 24);
        control->SetCaption(caption);
        return control;
    }
    void Item(TMenuItem* parent, TMenuItem* item, const std::string& caption) {
        item->SetCaption(caption);
        item->OnClick = [this, caption](TObject*) { Log.push_back(caption); };
        parent->Add(item);
    }
    void Build() {
        Start = Add<TButton>("Начало", 10, 10);
        NameL = Add<TLabel>("&Имя:", 10, 50);
        NameE = Add<TEdit>("", 140, 50);
        NameL->SetFocusControl(NameE);
        YesB = Add<TButton>("&Да", 10, 90);
        YesB->OnClick = [this](TObject*) { Log.push_back("&Да"); };
        SoundChb = Add<TCheckBox>("&Звук", 10, 130);
        auto* bar = new TMainMenu(Main);
        auto* game = new TMenuItem(Main);
        Item(bar->Items(), game, "&Партия");
        game->OnClick = nullptr; // only the commands are logged
        Item(game, new TMenuItem(Main), "&Новая");
        Item(game, new TMenuItem(Main), "В&ыход");
        Main->SetMenu(bar);
    }
    void FocusStart() {
        Driver->RunOnUi([&] { Start->SetFocus(); });
        Driver->WaitIdle();
    }
    std::vector<std::string> Logged() {
        return OnUi<std::vector<std::string>>([&] { return Log; });
    }
    // Alt with a character, as the keyboard of a Russian layout sends it.
    void AltChar(char32_t c) {
        Driver->RunOnUi([&] { PostMessage(GetFocus(), WM_SYSCHAR, c, static_cast<LPARAM>(1u << 29)); });
        Driver->WaitIdle();
    }

    TButton* Start = nullptr; // no mnemonic: where the focus waits
    TLabel* NameL = nullptr;
    TEdit* NameE = nullptr;
    TButton* YesB = nullptr;
    TCheckBox* SoundChb = nullptr;
    std::vector<std::string> Log;
};

} // namespace

TEST_F(MnemonicTest, ALabelsCyrillicLetterFocusesItsControlTypedAloneOrWithAlt) {
    Driver->Type("и");
    EXPECT_TRUE(OnUi<bool>([&] { return NameE->Focused(); })) << "typed alone on a button";
    EXPECT_EQ(OnUi<std::string>([&] { return NameE->Text(); }), "") << "the letter is used up";
    Driver->Type("д");
    EXPECT_EQ(OnUi<std::string>([&] { return NameE->Text(); }), "д") << "an edit keeps its letters";
    EXPECT_TRUE(Logged().empty());

    FocusStart();
    AltChar(U'И');
    EXPECT_TRUE(OnUi<bool>([&] { return NameE->Focused(); })) << "Alt with the capital";
}

TEST_F(MnemonicTest, AButtonsAndACheckBoxsCyrillicLettersClickThem) {
    Driver->Type("Д");
    EXPECT_EQ(Logged(), std::vector<std::string>{"&Да"});
    EXPECT_TRUE(OnUi<bool>([&] { return YesB->Focused(); }));
    AltChar(U'д');
    EXPECT_EQ(Logged().size(), 2u);

    Driver->Type("з");
    EXPECT_TRUE(OnUi<bool>([&] { return SoundChb->Checked(); }));
    EXPECT_TRUE(OnUi<bool>([&] { return SoundChb->Focused(); }));
    AltChar(U'З');
    EXPECT_FALSE(OnUi<bool>([&] { return SoundChb->Checked(); }));

    Driver->Type("q");
    EXPECT_EQ(Logged().size(), 2u) << "a letter no caption marks does nothing";
}

TEST_F(MnemonicTest, CyrillicMenuLettersOpenTheBarAndChooseAnItem) {
    Driver->PressKey(VK_F10);
    Driver->Type("п");
    Driver->Type("Н");
    EXPECT_EQ(Logged(), std::vector<std::string>{"&Новая"});
    AltChar(U'П');
    Driver->Type("ы");
    EXPECT_EQ(Logged(), (std::vector<std::string>{"&Новая", "В&ыход"}));
}
