// formdemo: drives the demo form like a user on the headless screen and writes pictures of its
// main menu open (plain and owner-drawn), its popup menu, and the framework's dialogs. Exits
// non-zero when something that should be on screen is not.
#include "tools/formdemo/DemoForm.h"

#include "framework/Dialogs.h"
#include "framework/TApplication.h"
#include "framework/TColorDialog.h"
#include "framework/TMainMenu.h"
#include "framework/TPanel.h"
#include "framework/TPopupMenu.h"
#include "framework/TTimer.h"

#include "platform/backend/headless/HeadlessDriver.h"
#include "platform/controls/MenuApi.h"
#include "platform/gfx/ImageFiles.h"
#include "platform/window/Win.h"

#include <cstdio>
#include <string>

namespace {

TDemoForm* Demo = nullptr;

int RunDemo() {
    TApplication app;
    app.Initialize();
    app.SetTitle("Form demo");
    app.CreateForm(Demo);
    app.Run();
    return 0;
}

class TDemoDriver {
public:
    explicit TDemoDriver(std::string prefix) : FPrefix(std::move(prefix)), FDriver(RunDemo, {800, 600}) {
        FDriver.WaitIdle();
    }
    ~TDemoDriver() { FDriver.Shutdown(); }

    UiDriver& Driver() { return FDriver; }
    TPoint Centre(HMENU menu, int position) {
        TPoint p{-1, -1};
        FDriver.RunOnUi([&] {
            TRect r;
            if (GetMenuItemRect(Demo->Handle(), menu, static_cast<UINT>(position), &r))
                p = {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
        });
        return p;
    }
    void ClickMenu(HMENU menu, int position) {
        const TPoint p = Centre(menu, position);
        FDriver.Click(p.X, p.Y);
    }
    // Counts the visible windows of a class: the pictures must show what they are named after.
    int Showing(const char* className) {
        int n = 0;
        FDriver.RunOnUi([&] {
            EnumWindows([&](HWND h) {
                if (GetClassName(h) == className && IsWindowVisible(h)) ++n;
                return true;
            });
        });
        return n;
    }
    bool Expect(bool ok, const char* what) {
        if (!ok) std::fprintf(stderr, "formdemo: %s\n", what);
        FOk = FOk && ok;
        return ok;
    }
    void Save(const std::string& name) {
        std::string error, path = FPrefix + "-" + name + ".png";
        if (!WritePngFile(path, FDriver.Screenshot(), &error)) Expect(false, (path + ": " + error).c_str());
    }
    bool Ok() const { return FOk; }
    // Runs fn on the UI thread from a timer: a dialog's modal loop must not run inside RunOnUi.
    void Later(std::function<void()> fn) {
        FDriver.RunOnUi([&] {
            auto* timer = new TTimer(Demo);
            timer->SetInterval(1);
            timer->OnTimer = [timer, fn](TObject*) {
                timer->SetEnabled(false);
                fn();
            };
        });
        FDriver.Advance(20); // timers run at 10 ms at the least
    }

private:
    std::string FPrefix;
    HeadlessDriver FDriver;
    bool FOk = true;
};

void ShowMenus(TDemoDriver& demo) {
    HMENU bar = nullptr, game = nullptr, level = nullptr;
    demo.Driver().RunOnUi([&] {
        bar = Demo->MainMenu1->Handle();
        game = Demo->GameMI->Handle();
        level = Demo->LevelMI->Handle();
    });
    demo.ClickMenu(bar, 0);
    const TPoint levelItem = demo.Centre(game, 3);
    demo.Driver().MouseMove(levelItem.X, levelItem.Y);
    demo.Driver().Advance(500);
    const TPoint hard = demo.Centre(level, 2);
    demo.Driver().MouseMove(hard.X, hard.Y);
    demo.Expect(demo.Showing("#32768") == 2, "the Game menu and its Level submenu did not open");
    demo.Save("menu");
    demo.Driver().PressKey(VK_ESCAPE);
    demo.Driver().PressKey(VK_ESCAPE);
    demo.Driver().PressKey(VK_ESCAPE);

    demo.Driver().RunOnUi([&] { Demo->MainMenu1->SetOwnerDraw(true); });
    demo.Driver().Advance(1000); // not a double click on the bar
    demo.ClickMenu(bar, 0);
    const TPoint sound = demo.Centre(game, 4);
    demo.Driver().MouseMove(sound.X, sound.Y);
    demo.Expect(demo.Showing("#32768") == 1, "the owner-drawn Game menu did not open");
    demo.Save("menu-ownerdraw");
    demo.Driver().PressKey(VK_ESCAPE);
    demo.Driver().PressKey(VK_ESCAPE);
    demo.Driver().RunOnUi([&] { Demo->MainMenu1->SetOwnerDraw(false); });
}

void ShowPopup(TDemoDriver& demo) {
    TPoint p;
    demo.Driver().RunOnUi([&] { p = Demo->BoardP->ClientToScreen({120, 60}); });
    demo.Driver().Advance(1000);
    demo.Driver().Click(p.X, p.Y, TMouseButton::mbRight);
    demo.Expect(demo.Showing("#32768") == 1, "the board's popup menu did not open");
    demo.Save("popup");
    demo.Driver().PressKey(VK_ESCAPE);
}

void ShowDialogs(TDemoDriver& demo) {
    demo.Later([] {
        InputBox("Вы победили!!!!!!!",
                 "Вы показали результат 0:03:20 (200 сек.)\r\nЭто лучше предыдущего 0:00:00 (0 сек.) который "
                 "показал(а) --------------------.\r\nВведите свое имя:",
                 "");
    });
    demo.Driver().Type("Игрок");
    demo.Expect(demo.Showing("TForm") == 2, "the input box did not open");
    demo.Save("inputbox");
    demo.Driver().PressKey(VK_RETURN);

    demo.Later([] { MessageDlg("Начать новую игру?", mtInformation, {mbOK, mbCancel}, 0); });
    demo.Expect(demo.Showing("TMessageForm") == 1, "the information dialog did not open");
    demo.Save("messagedlg");
    demo.Driver().PressKey(VK_ESCAPE);

    demo.Later([] { ShowMessage("Неправильно!!!"); });
    demo.Expect(demo.Showing("TMessageForm") == 1, "the message box did not open");
    demo.Save("showmessage");
    demo.Driver().PressKey(VK_RETURN);

    demo.Later([] {
        TColorDialog dialog(nullptr);
        dialog.SetColor(RGB(0xFF, 0x80, 0x80));
        dialog.Execute();
    });
    demo.Expect(demo.Showing("TColorDialogForm") == 1, "the colour dialog did not open");
    demo.Save("colordialog");
    demo.Driver().PressKey(VK_ESCAPE);
    demo.Expect(demo.Showing("TColorDialogForm") == 0, "the colour dialog did not close on Esc");
}

} // namespace

int main(int argc, char** argv) {
    TDemoDriver demo(argc > 1 ? argv[1] : "formdemo");
    ShowMenus(demo);
    ShowPopup(demo);
    ShowDialogs(demo);
    return demo.Ok() ? 0 : 1;
}
