// Forms and their windows: styles from the border settings, placement on first show, the order
// of show and activation events, window state, a wrapped platform class, cursors and
// accelerators.
#include "FormTestFixture.h"

#include "framework/TCustomControl.h"
#include "framework/TLabel.h"
#include "framework/TMouse.h"
#include "framework/TPanel.h"

#include "platform/controls/ButtonCodes.h"
#include "platform/controls/MenuApi.h"

TEST_F(FormTest, BorderStyleAndIconsGiveTheWindowItsStyles) {
    struct TCase {
        TFormBorderStyle Border;
        DWORD Has, HasNot, ExHas;
    };
    const TCase cases[] = {
        {bsSizeable, WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, WS_POPUP, 0},
        {bsSingle, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, WS_THICKFRAME, 0},
        {bsDialog, WS_CAPTION | WS_SYSMENU, WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, WS_EX_DLGMODALFRAME},
        {bsToolWindow, WS_CAPTION, WS_THICKFRAME | WS_MAXIMIZEBOX, WS_EX_TOOLWINDOW},
        {bsSizeToolWin, WS_CAPTION | WS_THICKFRAME, WS_MINIMIZEBOX, WS_EX_TOOLWINDOW},
        {bsNone, WS_POPUP, WS_CAPTION | WS_THICKFRAME | WS_SYSMENU, 0},
    };
    for (const TCase& c : cases) {
        TForm form(nullptr);
        form.SetBorderStyle(c.Border);
        const DWORD style = static_cast<DWORD>(GetWindowLongPtr(form.Handle(), GWL_STYLE));
        const DWORD ex = static_cast<DWORD>(GetWindowLongPtr(form.Handle(), GWL_EXSTYLE));
        EXPECT_EQ(style & c.Has, c.Has) << "border style " << c.Border;
        EXPECT_EQ(style & c.HasNot, 0u) << "border style " << c.Border;
        EXPECT_EQ(ex & c.ExHas, c.ExHas) << "border style " << c.Border;
    }
    TForm form(nullptr);
    HWND before = form.Handle();
    form.SetBorderIcons({biSystemMenu});
    EXPECT_FALSE(GetWindowLongPtr(form.Handle(), GWL_STYLE) & WS_MAXIMIZEBOX);
    EXPECT_NE(form.Handle(), before) << "the window is made again with the new style";
    form.SetFormStyle(fsStayOnTop);
    EXPECT_TRUE(GetWindowLongPtr(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetClassName(form.Handle()), "TForm");
}

TEST_F(FormTest, ScreenCenterPlacesTheFormOnItsFirstShowOnly) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    form.SetPosition(poScreenCenter);
    form.Show();
    Pump();
    EXPECT_EQ(form.Left(), (Screen->Width() - 300) / 2);
    EXPECT_EQ(form.Top(), (Screen->Height() - 200) / 2);
    form.SetLeft(10);
    form.Hide();
    form.Show();
    Pump();
    EXPECT_EQ(form.Left(), 10);
    EXPECT_EQ(Screen->WorkAreaRect().Height(), Screen->Height() - HeadlessBackend::kTaskBarHeight);
}

TEST_F(FormTest, ShowingRunsOnShowBeforeActivationAndHidingRunsOnHide) {
    std::vector<std::string> events;
    TForm form(nullptr);
    form.OnShow = [&](TObject*) { events.push_back(IsWindowVisible(form.Handle()) ? "show (visible)" : "show"); };
    form.OnActivate = [&](TObject*) { events.push_back("activate"); };
    form.OnDeactivate = [&](TObject*) { events.push_back("deactivate"); };
    form.OnHide = [&](TObject*) { events.push_back("hide"); };
    form.Show();
    Pump();
    EXPECT_TRUE(form.Active());
    EXPECT_EQ(Screen->ActiveForm(), &form);
    TForm other(nullptr);
    other.Show();
    Pump();
    form.Hide();
    EXPECT_EQ(events, (std::vector<std::string>{"show", "activate", "deactivate", "hide"}));
}

TEST_F(FormTest, WindowStateIsAppliedOnShowAndFollowsTheWindow) {
    TForm form(nullptr);
    form.SetBounds(10, 10, 300, 200);
    form.SetWindowState(wsMaximized);
    form.Show();
    Pump();
    EXPECT_TRUE(IsZoomed(form.Handle()));
    EXPECT_EQ(form.Width(), Screen->WorkAreaWidth() + 2 * GetSystemMetrics(SM_CXFRAME)) ;
    ShowWindow(form.Handle(), SW_RESTORE);
    Pump();
    EXPECT_EQ(form.WindowState(), wsNormal);
    EXPECT_EQ(form.Width(), 300);
}

namespace {
// A control that wraps a platform class: its messages end at that class's procedure.
class TWrapped : public TWinControl {
public:
    using TWinControl::TWinControl;
    std::vector<UINT> Seen;

protected:
    void CreateParams(TCreateParams& params) override {
        TWinControl::CreateParams(params);
        params.WinClassName = "PlatformThing";
    }
    void WndProc(TMessage& m) override {
        if (m.Msg == WM_NCCREATE || m.Msg == WM_CREATE || m.Msg == WM_USER) Seen.push_back(m.Msg);
        TWinControl::WndProc(m);
    }
};
}

TEST_F(FormTest, AControlWrapsAPlatformClassFromItsFirstMessageAndPassesOnWhatItLeaves) {
    int classCalls = 0;
    WNDCLASS wc;
    wc.lpszClassName = "PlatformThing";
    wc.lpfnWndProc = [&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_USER) {
            ++classCalls;
            return 99;
        }
        if (m == WM_GETDLGCODE) return DLGC_WANTARROWS;
        return DefWindowProc(h, m, w, l);
    };
    ASSERT_NE(RegisterClass(wc), 0);
    TForm form(nullptr);
    auto* wrapped = new TWrapped(&form);
    wrapped->SetParent(&form);
    wrapped->SetBounds(5, 5, 50, 20);
    HWND h = wrapped->Handle();
    EXPECT_EQ(GetClassName(h), "PlatformThing");
    EXPECT_EQ(wrapped->Seen, (std::vector<UINT>{WM_NCCREATE, WM_CREATE}));
    EXPECT_EQ(SendMessage(h, WM_USER, 0, 0), 99);
    EXPECT_EQ(wrapped->Perform(WM_USER, 0, 0), 99);
    EXPECT_EQ(classCalls, 2);
    EXPECT_EQ(wrapped->Perform(WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
    wrapped->RecreateWnd();
    EXPECT_NE(wrapped->Handle(), h);
    EXPECT_EQ(TWinControl::FromHandle(wrapped->Handle()), wrapped);
    EXPECT_EQ(TWinControl::FromHandle(h), nullptr);
}

TEST_F(FormTest, TheCursorOfTheControlUnderThePointerIsShown) {
    auto form = ShownForm(50, 50, 200, 100);
    auto* label = new TLabel(form.get());
    label->SetParent(form.get());
    label->SetAutoSize(false);
    label->SetBounds(10, 10, 50, 20);
    label->SetCursor(crHandPoint);
    form->SetCursor(crCross);
    TPoint onLabel = At(*label, 5, 5), onForm = At(*form, 150, 50);
    MoveTo(onLabel.X, onLabel.Y);
    EXPECT_EQ(FBackend.CursorShape(), IDC_HAND);
    MoveTo(onForm.X, onForm.Y);
    EXPECT_EQ(FBackend.CursorShape(), IDC_CROSS);
    Screen->SetCursor(crHourGlass);
    MoveTo(onLabel.X + 1, onLabel.Y);
    EXPECT_EQ(FBackend.CursorShape(), IDC_WAIT);
    Screen->SetCursor(crDefault);
}

namespace {
class TBox : public TCustomControl {
public:
    explicit TBox(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
};
}

TEST_F(FormTest, AnAcceleratorOfALabelFocusesItsControlAndAFreedControlLeavesTheTabOrder) {
    auto form = ShownForm(50, 50, 300, 200);
    auto* a = new TBox(form.get());
    a->SetParent(form.get());
    auto* b = new TBox(form.get());
    b->SetParent(form.get());
    auto* c = new TBox(form.get());
    c->SetParent(form.get());
    auto* label = new TLabel(form.get());
    label->SetParent(form.get());
    label->SetCaption("&Name");
    label->SetFocusControl(c);
    a->SetFocus();
    Pump();
    Key(VK_MENU, true);
    Tap('N');
    Key(VK_MENU, false);
    EXPECT_TRUE(c->Focused());
    delete b;
    Tap(VK_TAB);
    EXPECT_TRUE(a->Focused());
    Tap(VK_TAB);
    EXPECT_TRUE(c->Focused());
    delete c;
    EXPECT_EQ(label->FocusControl(), nullptr);
    EXPECT_EQ(form->ActiveControl(), nullptr);
}

TEST_F(FormTest, AFormPutsItsMainMenusPlatformMenuOnTheWindowThroughTheMenuSeam) {
    HMENU bar = CreateMenu();
    AppendMenu(bar, MF_STRING, 1, "Game");
    TCustomForm::MenuHandleOf = [bar](TMainMenu*) { return bar; };
    int dummy = 0;
    auto* menu = reinterpret_cast<TMainMenu*>(&dummy); // only passed through the seam
    auto form = ShownForm(10, 10, 300, 200);
    const int clientBefore = form->ClientHeight();
    int notices = 0;
    form->PushWindowProc([&](TMessage& m, const TWndMethod& next) {
        if (m.Msg == CM_MENUCHANGED) ++notices;
        next(m);
    });
    form->SetMenu(menu);
    EXPECT_EQ(GetMenu(form->Handle()), bar);
    EXPECT_LT(form->ClientHeight(), clientBefore) << "the menu bar takes room from the client area";
    EXPECT_EQ(notices, 1);
    form->SetMenu(nullptr);
    EXPECT_EQ(GetMenu(form->Handle()), nullptr);
    TCustomForm::MenuHandleOf = nullptr;
    DestroyMenu(bar);
}

namespace {
// How a wrapper of a platform control works: the platform "Button" below the control's
// procedure, its click coming back from the parent as CN_COMMAND.
class TWrappedButton : public TWinControl {
public:
    explicit TWrappedButton(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }

protected:
    void CreateParams(TCreateParams& params) override {
        TWinControl::CreateParams(params);
        params.WinClassName = "Button";
        params.Style |= BS_PUSHBUTTON;
    }
    void Dispatch(TMessage& m) override {
        if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == BN_CLICKED) {
            Click();
            return;
        }
        TWinControl::Dispatch(m);
    }
};
}

TEST_F(FormTest, APlatformButtonWrappedByAControlClicksThroughTheReflectedCommand) {
    Application->Initialize();
    auto form = ShownForm(40, 40, 200, 120);
    auto* button = new TWrappedButton(form.get());
    button->SetParent(form.get());
    button->SetBounds(20, 20, 80, 26);
    button->SetCaption("Go");
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    Pump();
    EXPECT_EQ(GetClassName(button->Handle()), "Button");
    EXPECT_EQ(GetWindowText(button->Handle()), "Go");
    TPoint p = At(*button, 40, 13);
    ClickAt(p.X, p.Y);
    EXPECT_EQ(clicks, 1);
    button->SetFocus();
    Tap(VK_SPACE);
    EXPECT_EQ(clicks, 2) << "the platform button's own keyboard handling is reached too";
}

TEST_F(FormTest, MainAndOwnerFormCentrePlaceAFormOverThatForm) {
    TForm* main = nullptr;
    Application->CreateForm(main);
    main->SetBounds(100, 100, 400, 300);
    main->Show();
    auto* owned = new TForm(main);
    owned->SetBounds(0, 0, 200, 100);
    owned->SetPosition(poOwnerFormCenter);
    owned->Show();
    EXPECT_EQ(owned->BoundsRect(), Bounds(200, 200, 200, 100));
    TForm centred(nullptr);
    centred.SetBounds(0, 0, 160, 60);
    centred.SetPosition(poMainFormCenter);
    centred.Show();
    EXPECT_EQ(centred.BoundsRect(), Bounds(220, 220, 160, 60));
    Mouse->SetCursorPos({123, 45});
    Pump();
    EXPECT_EQ(Mouse->CursorPos(), (TPoint{123, 45}));
}
