// The form provider with the skin manager: registration, the answers it gives, the two passes of
// a broadcast, and the redraw lock with the skin change animation around a skin change.
#include "skin/data/SkinBroadcast.h"
#include "skin/data/TacFormRegistry.h"
#include "skin/data/TacOutputWindow.h"
#include "skin/data/TsSkinManager.h"
#include "skin/windows/TsSkinProvider.h"
#include "tests/framework/FormTestFixture.h"
#include "tests/skin/data/SkinRecorders.h"
#include "tests/skin/data/SkinTestKit.h"

#include "framework/TPanel.h"

namespace {

// Forms reached by a command, in the order they were reached.
class TReachOrder {
public:
    void Watch(TForm* form) {
        form->PushWindowProc([this, form](TMessage& m, const TWndMethod& next) {
            if (m.Msg == SM_SKINCMD && SkinCmdCode(m.WParam) == scSetSkin) Forms.push_back(form);
            next(m);
        });
    }
    std::vector<TForm*> Forms;
};

// The platform version for one test.
class TPlatformVersionScope {
public:
    TPlatformVersionScope(int major, int minor) : FOld(GetPlatformVersion()) { SetPlatformVersion(major, minor); }
    ~TPlatformVersionScope() { SetPlatformVersion(FOld.Major, FOld.Minor); }

private:
    TPlatformVersion FOld;
};

int OutputWindowsAlive() {
    int count = 0;
    EnumWindows([&count](HWND hwnd) {
        if (GetWindowText(hwnd) == TacOutputWindow::Caption) ++count;
        return TRUE;
    });
    return count;
}

// The WM_SETREDRAW switches and manager commands a form's window received, in order: "off",
// "on" and the command codes.
std::vector<std::string> RedrawAndCommands(const TSkinRecorder& recorder) {
    std::vector<std::string> out;
    for (auto [msg, wParam] : recorder.WindowMessages) {
        if (msg == WM_SETREDRAW) out.push_back(wParam ? "on" : "off");
        const std::uint16_t code = SkinCmdCode(wParam);
        if (msg == SM_SKINCMD && (code == scNewSkin || code == scSetSkin || code == scRemoveSkin)) {
            out.push_back(std::to_string(code));
        }
    }
    return out;
}

class SkinProviderTest : public FormTest {
protected:
    // A shown form owned by the application, with a provider when asked.
    TForm* AppForm(bool withProvider, TsSkinProvider** provider = nullptr) {
        auto* form = new TForm(Application);
        auto* made = withProvider ? new TsSkinProvider(form) : nullptr;
        if (provider) *provider = made;
        form->SetBounds(40, 40, 220, 160);
        form->Show();
        Pump();
        return form;
    }
    std::unique_ptr<TsSkinManager> Manager() {
        auto manager = std::make_unique<TsSkinManager>(nullptr);
        manager->SetActive(false);
        manager->InternalSkins().Add(TsStoredSkin("Only (internal)", TinySkinArchive("FORM", RGB(10, 120, 200))));
        return manager;
    }
};

} // namespace

TEST_F(SkinProviderTest, AProviderRegistersItsFormAndAnswersForIt) {
    TsSkinProvider* provider = nullptr;
    TForm* form = AppForm(true, &provider);
    EXPECT_TRUE(TacFormRegistry::Contains(form));
    EXPECT_TRUE(IsSkinnedControl(form));
    EXPECT_TRUE(AskWindow(form->Handle(), scIsSkinned));
    EXPECT_EQ(SendSkinCommand(form->Handle(), scGetProvider, 0), reinterpret_cast<LRESULT>(static_cast<TComponent*>(provider)));

    auto* second = new TsSkinProvider(form);
    EXPECT_EQ(second->Form(), nullptr);
    delete second;
    EXPECT_TRUE(TacFormRegistry::Contains(form));

    delete provider;
    EXPECT_FALSE(TacFormRegistry::Contains(form));
    EXPECT_FALSE(IsSkinnedControl(form));
    EXPECT_EQ(SendSkinCommand(form->Handle(), scGetProvider, 0), 0);
}

TEST_F(SkinProviderTest, FormsWithoutAProviderAreReachedFirstAndFormsWithOneSecondEachOnce) {
    TForm* plain = AppForm(false);
    TForm* skinnedApp = AppForm(true);
    auto stray = std::make_unique<TForm>(nullptr);
    new TsSkinProvider(stray.get());
    TReachOrder order;
    for (TForm* form : {plain, skinnedApp, stray.get()}) order.Watch(form);
    TPanel* onSkinned = new TPanel(skinnedApp);
    onSkinned->SetParent(skinnedApp);
    TSkinRecorder control(*onSkinned, true);

    Broadcast(MakeSkinCommand(scSetSkin));
    EXPECT_EQ(order.Forms, (std::vector<TForm*>{plain, skinnedApp, stray.get()}));
    EXPECT_EQ(control.Commands(), std::vector<std::uint16_t>{scSetSkin});
}

TEST_F(SkinProviderTest, ASkinChangeStopsTheRedrawingOfVisibleSkinnedFormsAroundTheCommands) {
    TPlatformVersionScope version(10, 0);
    TsSkinProvider* provider = nullptr;
    TForm* form = AppForm(true, &provider);
    TForm* hidden = AppForm(true);
    hidden->Hide();
    Pump();
    auto manager = Manager();
    TSkinRecorder shown(*form, false), notShown(*hidden, false);
    provider->SetRegionChanged(false);
    TCreatedWindows outputs("TacOutputWindow");
    const std::uint64_t before = FBackend.Virtual().NowMs();

    manager->SetActive(true);
    EXPECT_EQ(RedrawAndCommands(shown), (std::vector<std::string>{"off", "1", "off", "3", "on"}));
    EXPECT_EQ(RedrawAndCommands(notShown), (std::vector<std::string>{"1", "3"}));
    EXPECT_TRUE(provider->RegionChanged());
    // Version 10: no cross-fade, so no cover window and no waiting.
    EXPECT_EQ(outputs.Count, 0);
    EXPECT_EQ(FBackend.Virtual().NowMs(), before);
}

TEST_F(SkinProviderTest, OnVersion5TheFormCrossFadesIn13FramesUnderAWindowThatGoesAfterwards) {
    TPlatformVersionScope version(5, 1);
    TForm* form = AppForm(true);
    auto manager = Manager();
    TSkinRecorder log(*form, false);
    TCreatedWindows outputs("TacOutputWindow");
    const std::uint64_t before = FBackend.Virtual().NowMs();

    manager->SetActive(true);
    EXPECT_EQ(outputs.Count, 1);
    EXPECT_EQ(FBackend.Virtual().NowMs() - before, 12u * 8u);
    EXPECT_EQ(OutputWindowsAlive(), 0);
    EXPECT_EQ(RedrawAndCommands(log).back(), "on");

    // Switched off, the animation is skipped on old platforms too.
    manager->AnimEffects().SkinChanging.Active = false;
    manager->BroadcastRefresh();
    EXPECT_EQ(outputs.Count, 1);
    EXPECT_EQ(FBackend.Virtual().NowMs() - before, 12u * 8u);
}

TEST_F(SkinProviderTest, AFormHiddenWhileTheSkinChangesIsNotLeftWithoutRedrawing) {
    TForm* form = AppForm(true);
    auto manager = Manager();
    TSkinRecorder log(*form, false);
    TWndHookHandle hider = form->PushWindowProc([form](TMessage& m, const TWndMethod& next) {
        if (m.Msg == SM_SKINCMD && SkinCmdCode(m.WParam) == scNewSkin) form->Hide();
        next(m);
    });
    manager->SetActive(true);
    form->RemoveWindowProc(hider);
    std::vector<std::string> seen = RedrawAndCommands(log);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), "off");
    EXPECT_EQ(seen.back(), "on");
}
