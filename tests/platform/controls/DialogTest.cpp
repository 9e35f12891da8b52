// Dialogs from templates run as a user would: the modal run and its owner, focus order with Tab
// and arrows, the default button and its look, Enter, Esc, mnemonics, and the item helpers.
#include "DialogTestProgram.h"
#include "platform/controls/EditCodes.h"
#include "platform/controls/StaticCodes.h"

#include <vector>

namespace {
enum { kLabel = 10, kCheck = 11, kRadioA = 12, kRadioB = 13, kRadioC = 14, kApply = 15, kOff = 16 };

TDialogTemplate Form() {
    TDialogTemplate t;
    t.Caption = "Options";
    t.Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
    t.Rect = {0, 0, 260, 170};
    t.Items = {
        {"Static", "&Name:", kLabel, SS_LEFT, 0, Bounds(10, 10, 60, 16)},
        {"Button", "&Check", kCheck, BS_AUTOCHECKBOX | WS_TABSTOP, 0, Bounds(80, 10, 100, 18)},
        {"Button", "Radio &A", kRadioA, BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP, 0, Bounds(10, 40, 80, 18)},
        {"Button", "Radio &B", kRadioB, BS_AUTORADIOBUTTON, 0, Bounds(10, 60, 80, 18)},
        {"Button", "Radio C", kRadioC, BS_AUTORADIOBUTTON, 0, Bounds(10, 80, 80, 18)},
        {"Button", "A&pply", kApply, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 0, Bounds(10, 130, 60, 23)},
        {"Button", "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, Bounds(80, 130, 60, 23)},
        {"Button", "Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 0, Bounds(150, 130, 60, 23)},
        {"Button", "Off", kOff, BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED, 0, Bounds(220, 130, 30, 23)},
    };
    return t;
}

// What the dialog procedure saw; written on the UI thread, read there through OnUi.
struct TSeen {
    LPARAM InitParam = 0;
    std::vector<int> Commands;
    bool OwnerEnabledAtDestroy = false;
};
}

class DialogTest : public DialogDriverTest {
protected:
    void Open(HWND owner) {
        Start([this, owner] {
            return DialogBoxIndirect(Form(), owner, [this, owner](HWND dlg, UINT msg, WPARAM w, LPARAM l) -> INT_PTR {
                if (msg == WM_INITDIALOG) Seen.InitParam = l;
                if (msg == WM_DESTROY) Seen.OwnerEnabledAtDestroy = IsWindowEnabled(owner) != FALSE;
                if (msg != WM_COMMAND) return FALSE;
                Seen.Commands.push_back(LOWORD(w));
                if (LOWORD(w) == IDOK || LOWORD(w) == IDCANCEL) EndDialog(dlg, LOWORD(w) == IDOK ? 100 : 200);
                return TRUE;
            }, 0x77);
        });
    }
    DWORD ButtonType(int id) {
        HWND h = Item(id);
        return OnUi<DWORD>([&] { return static_cast<DWORD>(GetWindowLongPtr(h, GWL_STYLE)) & BS_TYPEMASK; });
    }
    UINT Checked(int id) {
        HWND dlg = Dialog();
        return OnUi<UINT>([&] { return IsDlgButtonChecked(dlg, id); });
    }
    std::vector<int> Commands() {
        return OnUi<std::vector<int>>([&] { return Seen.Commands; });
    }
    TSeen Seen;
};

TEST_F(DialogTest, AModalRunDisablesItsOwnerAndGivesItBackBeforeTheDialogGoes) {
    Open(Main);
    HWND dlg = Dialog();
    ASSERT_TRUE(dlg);
    EXPECT_FALSE(Finished());
    EXPECT_FALSE(OnUi<bool>([&] { return IsWindowEnabled(Main) != FALSE; }));
    EXPECT_EQ(OnUi<HWND>([] { return GetActiveWindow(); }), dlg);
    EXPECT_EQ(OnUi<LPARAM>([&] { return Seen.InitParam; }), 0x77);
    EXPECT_EQ(Focus(), Item(kCheck)) << "WM_INITDIALOG answered TRUE: the first tab stop has the focus";
    TRect client = OnUi<TRect>([&] { TRect r; GetClientRect(dlg, &r); return r; });
    EXPECT_EQ(client.Size(), (TSize{260, 170})) << "the template gives the client size";
    TRect d = OnUi<TRect>([&] { TRect r; GetWindowRect(dlg, &r); return r; });
    EXPECT_NEAR((d.Left + d.Right) / 2, 200 + 250, 1) << "centred on the owner";
    Driver->PressKey(VK_ESCAPE);
    ASSERT_TRUE(Finished());
    EXPECT_EQ(Result, 200) << "EndDialog's result";
    EXPECT_EQ(Commands(), std::vector<int>{IDCANCEL});
    EXPECT_TRUE(OnUi<bool>([&] { return Seen.OwnerEnabledAtDestroy; }));
    EXPECT_FALSE(OnUi<bool>([&] { return IsWindow(dlg) != FALSE; }));
    EXPECT_EQ(OnUi<HWND>([] { return GetActiveWindow(); }), Main) << "activation returns to the owner";
    auto idle = OnUi<std::vector<std::pair<WPARAM, HWND>>>([&] { return IdleReasons; });
    ASSERT_FALSE(idle.empty()) << "the owner heard that the dialog was waiting";
    EXPECT_EQ(idle[0], (std::pair<WPARAM, HWND>{MSGF_DIALOGBOX, dlg}));
}

TEST_F(DialogTest, QuittingUnderAModalDialogEndsItAsCancelAndReachesTheOuterLoop) {
    Open(Main);
    ASSERT_TRUE(Dialog());
    Driver->RunOnUi([] { PostQuitMessage(3); });
    Driver->WaitIdle();
    EXPECT_TRUE(Finished());
    EXPECT_EQ(Result, IDCANCEL);
    EXPECT_TRUE(Driver->Finished()) << "the quit went on to the program's own loop";
}

TEST_F(DialogTest, TabVisitsTabStopsInOrderAndArrowsStayInsideTheRadioGroup) {
    Open(Main);
    std::vector<HWND> visited;
    for (int i = 0; i < 5; ++i) {
        Driver->PressKey(VK_TAB);
        visited.push_back(Focus());
    }
    std::vector<HWND> expected{Item(kRadioA), Item(kApply), Item(IDOK), Item(IDCANCEL), Item(kCheck)};
    EXPECT_EQ(visited, expected) << "the disabled button and the non-tab-stop radios are skipped; Tab wraps";
    Driver->PressKey(VK_TAB, {VK_SHIFT});
    EXPECT_EQ(Focus(), Item(IDCANCEL)) << "Shift+Tab goes back, wrapping";
    Driver->PressKey(VK_TAB);
    Driver->PressKey(VK_TAB);
    ASSERT_EQ(Focus(), Item(kRadioA));
    Driver->PressKey(VK_DOWN);
    EXPECT_EQ(Focus(), Item(kRadioB));
    EXPECT_EQ(Checked(kRadioB), BST_CHECKED) << "arrows check automatic radios";
    Driver->PressKey(VK_DOWN);
    Driver->PressKey(VK_DOWN);
    EXPECT_EQ(Focus(), Item(kRadioA)) << "the group ends where the next WS_GROUP begins";
    Driver->PressKey(VK_UP);
    EXPECT_EQ(Focus(), Item(kRadioC));
    EXPECT_EQ(Checked(kRadioA), BST_UNCHECKED);
    EXPECT_TRUE(Commands().size() >= 3u) << "each radio click was reported";
    Driver->PressKey(VK_ESCAPE);
}

TEST_F(DialogTest, EnterPressesTheDefaultButtonWhoseLookFollowsTheFocus) {
    Open(Main);
    EXPECT_EQ(ButtonType(IDOK), static_cast<DWORD>(BS_DEFPUSHBUTTON));
    Driver->PressKey(VK_TAB);
    Driver->PressKey(VK_TAB);
    ASSERT_EQ(Focus(), Item(kApply));
    EXPECT_EQ(ButtonType(kApply), static_cast<DWORD>(BS_DEFPUSHBUTTON)) << "the focused push button looks like the default";
    EXPECT_EQ(ButtonType(IDOK), static_cast<DWORD>(BS_PUSHBUTTON));
    Driver->PressKey(VK_RETURN);
    EXPECT_EQ(Commands(), std::vector<int>{kApply});
    EXPECT_FALSE(Finished());
    Driver->PressKey(VK_TAB, {VK_SHIFT});
    ASSERT_EQ(Focus(), Item(kRadioA));
    EXPECT_EQ(ButtonType(IDOK), static_cast<DWORD>(BS_DEFPUSHBUTTON)) << "away from push buttons the default takes the look back";
    EXPECT_EQ(ButtonType(kApply), static_cast<DWORD>(BS_PUSHBUTTON));
    HWND dlg = Dialog();
    EXPECT_EQ(OnUi<LRESULT>([&] { return SendMessage(dlg, DM_GETDEFID, 0, 0); }), MAKELRESULT(IDOK, DC_HASDEFID));
    Driver->RunOnUi([&] { SendMessage(dlg, DM_SETDEFID, IDCANCEL, 0); });
    EXPECT_EQ(ButtonType(IDCANCEL), static_cast<DWORD>(BS_DEFPUSHBUTTON));
    EXPECT_EQ(ButtonType(IDOK), static_cast<DWORD>(BS_PUSHBUTTON));
    Driver->PressKey(VK_RETURN);
    ASSERT_TRUE(Finished());
    EXPECT_EQ(Result, 200) << "Enter went to the new default, Cancel";
}

TEST_F(DialogTest, MnemonicsClickButtonsAndALabelsLetterFocusesTheControlAfterIt) {
    Open(Main);
    Driver->PressKey(VK_TAB);
    Driver->PressKey('N', {VK_MENU});
    EXPECT_EQ(Focus(), Item(kCheck)) << "the label's letter";
    Driver->PressKey('C', {VK_MENU});
    EXPECT_EQ(Checked(kCheck), BST_CHECKED);
    Driver->Type("b"); // without Alt: the focus is on a button, which takes no characters
    EXPECT_EQ(Focus(), Item(kRadioB));
    EXPECT_EQ(Checked(kRadioB), BST_CHECKED);
    Driver->Type("p");
    EXPECT_EQ(Commands().back(), kApply);
    ClickWindow(Item(IDOK));
    ASSERT_TRUE(Finished());
    EXPECT_EQ(Result, 100);
}

TEST_F(DialogTest, ItemHelpersReachTheControlsOfAModelessDialog) {
    HWND dlg = OnUi<HWND>([&] {
        TDialogTemplate t = Form();
        t.Style |= WS_VISIBLE;
        return CreateDialogIndirect(t, Main, nullptr);
    });
    ASSERT_TRUE(dlg);
    EXPECT_TRUE(OnUi<bool>([&] { return IsWindowEnabled(Main) != FALSE; })) << "a modeless dialog leaves its owner alone";
    Driver->RunOnUi([&] {
        EXPECT_TRUE(SetDlgItemText(dlg, kLabel, "Имя:"));
        EXPECT_EQ(GetDlgItemText(dlg, kLabel), "Имя:");
        EXPECT_EQ(GetDlgItemText(dlg, 999), "");
        EXPECT_FALSE(SetDlgItemText(dlg, 999, "x"));
        CheckDlgButton(dlg, kCheck, BST_CHECKED);
        EXPECT_EQ(IsDlgButtonChecked(dlg, kCheck), BST_CHECKED);
        CheckRadioButton(dlg, kRadioA, kRadioC, kRadioC);
        EXPECT_EQ(IsDlgButtonChecked(dlg, kRadioA), BST_UNCHECKED);
        EXPECT_EQ(IsDlgButtonChecked(dlg, kRadioC), BST_CHECKED);
        EXPECT_EQ(SendDlgItemMessage(dlg, kRadioC, BM_GETCHECK, 0, 0), BST_CHECKED);
        EXPECT_EQ(GetDlgCtrlID(GetDlgItem(dlg, kApply)), kApply);
        EXPECT_EQ(GetNextDlgGroupItem(dlg, GetDlgItem(dlg, kRadioC), FALSE), GetDlgItem(dlg, kRadioA));
        EXPECT_EQ(GetNextDlgTabItem(dlg, GetDlgItem(dlg, IDCANCEL), FALSE), GetDlgItem(dlg, kCheck));
        EXPECT_EQ(GetClassName(dlg), "#32770");
        EXPECT_TRUE(EndDialog(dlg, 5));
        EXPECT_FALSE(IsWindowVisible(dlg)) << "ending a modeless dialog hides it";
        EXPECT_FALSE(EndDialog(Main, 1)) << "not a dialog";
        DestroyWindow(dlg);
    });
}

TEST_F(DialogTest, AnEditTakesItsCharactersAndIsSelectedWholeWhenTabbedInto) {
    TDialogTemplate t;
    t.Caption = "Name";
    t.Style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_CENTER;
    t.Rect = {0, 0, 220, 80};
    t.Items = {
        {"Static", "&Name:", kLabel, SS_LEFT, 0, Bounds(10, 12, 50, 16)},
        {"Edit", "Player", 20, WS_TABSTOP, WS_EX_CLIENTEDGE, Bounds(60, 10, 150, 21)},
        {"Button", "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, Bounds(70, 46, 70, 23)},
    };
    std::string typed;
    Start([&] {
        return DialogBoxIndirect(t, Main, [&](HWND dlg, UINT msg, WPARAM w, LPARAM) -> INT_PTR {
            if (msg != WM_COMMAND || LOWORD(w) != IDOK) return FALSE;
            typed = GetDlgItemText(dlg, 20);
            EndDialog(dlg, IDOK);
            return TRUE;
        });
    });
    HWND edit = Item(20);
    ASSERT_EQ(Focus(), edit);
    Driver->PressKey(VK_TAB);
    Driver->PressKey(VK_TAB);
    ASSERT_EQ(Focus(), edit);
    DWORD start = 1, end = 0;
    Driver->RunOnUi([&] { SendMessage(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end)); });
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 6u) << "tabbing into an edit selects its text";
    Driver->Type("nab"); // "n" is the label's mnemonic, but the edit wants characters
    Driver->PressKey(VK_RETURN);
    ASSERT_TRUE(Finished());
    EXPECT_EQ(Result, IDOK);
    EXPECT_EQ(OnUi<std::string>([&] { return typed; }), "nab");
}
