// The platform message box: answered by Enter, Esc, mnemonics and the mouse, built of "Static"
// and "Button" children, sized to its text and modal to its owner.
#include "DialogTestProgram.h"
#include "platform/controls/MessageBoxDialog.h"

#include <vector>

class MessageBoxTest : public DialogDriverTest {
protected:
    void Show(const std::string& text, UINT type, bool owned = true) {
        Start([this, text, type, owned] { return MessageBox(owned ? Main : nullptr, text, "Tavik", type); });
        ASSERT_TRUE(Dialog()) << "the box is showing";
    }
    std::vector<std::pair<std::string, std::string>> Children() {
        HWND dlg = Dialog();
        return OnUi<std::vector<std::pair<std::string, std::string>>>([&] {
            std::vector<std::pair<std::string, std::string>> out;
            for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) out.emplace_back(GetClassName(c), GetWindowText(c));
            return out;
        });
    }
    TRect Rect(HWND h) {
        return OnUi<TRect>([&] { TRect r; GetWindowRect(h, &r); return r; });
    }
};

TEST_F(MessageBoxTest, EnterTakesTheDefaultButtonAndEscCancelsOnlyWhereThereIsACancel) {
    Show("Save changes?", MB_YESNOCANCEL | MB_DEFBUTTON2 | MB_ICONQUESTION);
    EXPECT_EQ(Focus(), Item(IDNO)) << "MB_DEFBUTTON2 has the focus";
    Driver->PressKey(VK_RETURN);
    ASSERT_TRUE(Finished());
    EXPECT_EQ(Result, IDNO);

    Show("Continue?", MB_OKCANCEL);
    Driver->PressKey(VK_ESCAPE);
    ASSERT_TRUE(Finished());
    EXPECT_EQ(Result, IDCANCEL);

    Show("Done.", MB_OK | MB_ICONINFORMATION);
    Driver->PressKey(VK_ESCAPE);
    ASSERT_TRUE(Finished());
    EXPECT_EQ(Result, IDOK) << "a box whose only button is OK closes with Esc";

    Show("Delete it?", MB_YESNO | MB_ICONWARNING);
    Driver->PressKey(VK_ESCAPE);
    EXPECT_FALSE(Finished()) << "Yes/No has no Cancel: Esc does nothing";
    HWND dlg = Dialog();
    EXPECT_FALSE(OnUi<bool>([&] { return (GetWindowLongPtr(dlg, GWL_STYLE) & WS_SYSMENU) != 0; })) << "and no close box";
    Driver->Type("y");
    ASSERT_TRUE(Finished());
    EXPECT_EQ(Result, IDYES) << "mnemonics answer too";

    Show("Disk not ready.", MB_RETRYCANCEL | MB_ICONERROR);
    ClickWindow(Item(IDRETRY));
    ASSERT_TRUE(Finished());
    EXPECT_EQ(Result, IDRETRY);
}

TEST_F(MessageBoxTest, TheBoxIsADialogOfStaticAndButtonChildrenModalToItsOwner) {
    // The skin wraps a dialog's children by class when the dialog is activated: they must exist by then.
    int childrenAtActivation = -1;
    HHOOK hook = OnUi<HHOOK>([&] {
        return SetWindowsHookEx(WH_CBT, [&](int code, WPARAM w, LPARAM l) -> LRESULT {
            HWND h = reinterpret_cast<HWND>(w);
            if (code == HCBT_ACTIVATE && GetClassName(h) == "#32770") {
                childrenAtActivation = 0;
                for (HWND c = GetWindow(h, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) ++childrenAtActivation;
            }
            return CallNextHookEx(nullptr, code, w, l);
        }, nullptr, 0);
    });
    Show("Неправильно!!!", MB_OKCANCEL | MB_ICONERROR);
    Driver->RunOnUi([&] { UnhookWindowsHookEx(hook); });
    EXPECT_EQ(OnUi<int>([&] { return childrenAtActivation; }), 4);
    HWND dlg = Dialog();
    EXPECT_EQ(OnUi<std::string>([&] { return GetWindowText(dlg); }), "Tavik");
    auto kids = Children();
    ASSERT_EQ(kids.size(), 4u);
    EXPECT_EQ(kids[0], (std::pair<std::string, std::string>{"Static", ""})) << "the icon";
    EXPECT_EQ(kids[1], (std::pair<std::string, std::string>{"Static", "Неправильно!!!"}));
    EXPECT_EQ(kids[2], (std::pair<std::string, std::string>{"Button", "OK"}));
    EXPECT_EQ(kids[3], (std::pair<std::string, std::string>{"Button", "Cancel"}));
    EXPECT_FALSE(OnUi<bool>([&] { return IsWindowEnabled(Main) != FALSE; }));
    TRect box = Rect(dlg), owner = Rect(Main);
    EXPECT_NEAR((box.Left + box.Right) / 2, (owner.Left + owner.Right) / 2, 1);
    EXPECT_NEAR((box.Top + box.Bottom) / 2, (owner.Top + owner.Bottom) / 2, 1);
    // The error icon is drawn: a red disc inside the icon's place.
    TRect icon = Rect(Item(MessageBoxDialog::kIconId));
    Bitmap shot = Driver->Screenshot();
    DeviceContext dc(&shot);
    TColor centre = dc.GetPixel(icon.Left + 8, icon.Top + 15);
    EXPECT_GT(GetRValue(centre), 180);
    EXPECT_LT(GetGValue(centre), 60);
    ClickWindow(Item(IDOK));
    ASSERT_TRUE(Finished());
    EXPECT_EQ(Result, IDOK);
    EXPECT_TRUE(OnUi<bool>([&] { return IsWindowEnabled(Main) != FALSE; }));
    EXPECT_EQ(OnUi<HWND>([] { return GetActiveWindow(); }), Main);
}

TEST_F(MessageBoxTest, LongTextIsWordBrokenWithinTwoThirdsOfTheScreen) {
    std::string text;
    for (int i = 0; i < 60; ++i) text += "word" + std::to_string(i) + " ";
    Show(text, MB_OK, false);
    HWND dlg = Dialog();
    TRect box = Rect(dlg), label = Rect(Item(MessageBoxDialog::kTextId));
    int screen = OnUi<int>([] { return GetSystemMetrics(SM_CXSCREEN); });
    EXPECT_LE(box.Width(), screen * 2 / 3 + 40);
    EXPECT_GT(box.Width(), screen / 2) << "long text uses the width it may";
    EXPECT_GT(label.Height(), 2 * 13) << "several lines";
    TRect work = OnUi<TRect>([] { TRect r; SystemParametersInfo(SPI_GETWORKAREA, 0, &r, 0); return r; });
    EXPECT_NEAR((box.Left + box.Right) / 2, (work.Left + work.Right) / 2, 1) << "no owner: centred on the screen";
    EXPECT_LT(Rect(Item(IDOK)).Top, box.Bottom);
    EXPECT_GT(Rect(Item(IDOK)).Top, label.Bottom) << "the button row lies below the text";
    Driver->PressKey(VK_RETURN);
    ASSERT_TRUE(Finished());
    EXPECT_EQ(Result, IDOK);
}
