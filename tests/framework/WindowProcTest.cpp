// Procedures stacked in front of a control, at the framework level and on its window, removed in
// any order; the control's own handling stays at the bottom.
#include "FormTestFixture.h"

#include "framework/TPanel.h"

namespace {
constexpr UINT kPing = WM_USER + 7;
}

TEST_F(FormTest, ThreeStackedControlProceduresRunTopFirstAndTheMiddleOneCanGo) {
    TForm form(nullptr);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    std::vector<std::string> calls;
    auto stack = [&](const std::string& name) {
        return panel->PushWindowProc([&calls, name](TMessage& m, const TWndMethod& next) {
            if (m.Msg == kPing) calls.push_back(name);
            next(m);
        });
    };
    TWndHookHandle a = stack("a"), b = stack("b"), c = stack("c");
    auto ping = [&] {
        calls.clear();
        panel->Perform(kPing, 0, 0);
        return calls;
    };
    EXPECT_EQ(ping(), (std::vector<std::string>{"c", "b", "a"}));
    EXPECT_TRUE(panel->RemoveWindowProc(b));
    EXPECT_EQ(ping(), (std::vector<std::string>{"c", "a"}));
    EXPECT_FALSE(panel->RemoveWindowProc(b));
    EXPECT_TRUE(panel->RemoveWindowProc(c));
    EXPECT_TRUE(panel->RemoveWindowProc(a));
    EXPECT_TRUE(ping().empty());
    panel->SetCaption("still handled");
    EXPECT_EQ(panel->Caption(), "still handled");
}

TEST_F(FormTest, AStackedProcedureCanSwallowAMessageAndReplacingWindowProcChainsToTheOldOne) {
    TForm form(nullptr);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    int seenBelow = 0;
    TWndMethod old = panel->WindowProc;
    panel->WindowProc = [&, old](TMessage& m) {
        if (m.Msg == kPing) ++seenBelow;
        old(m);
    };
    TWndHookHandle eater = panel->PushWindowProc([](TMessage& m, const TWndMethod& next) {
        if (m.Msg == kPing) {
            m.Result = 42;
            return;
        }
        next(m);
    });
    EXPECT_EQ(panel->Perform(kPing, 0, 0), 42);
    EXPECT_EQ(seenBelow, 0);
    panel->RemoveWindowProc(eater);
    panel->Perform(kPing, 0, 0);
    EXPECT_EQ(seenBelow, 1);
}

TEST_F(FormTest, PlatformProceduresStackedOnAControlsWindowReachItsWindowProc) {
    auto form = ShownForm(10, 10, 200, 100);
    HWND h = form->Handle();
    std::vector<std::string> calls;
    auto stack = [&](const std::string& name) {
        auto link = std::make_shared<WNDPROC>();
        *link = SetWindowProc(h, [&calls, name, link](HWND hw, UINT m, WPARAM w, LPARAM l) {
            if (m == kPing) calls.push_back(name);
            return CallWindowProc(*link, hw, m, w, l);
        });
        return *link;
    };
    form->PushWindowProc([&](TMessage& m, const TWndMethod& next) {
        if (m.Msg == kPing) calls.push_back("framework");
        next(m);
    });
    WNDPROC a = stack("provider"), b = stack("adapter"), c = stack("wrapper");
    SendMessage(h, kPing, 0, 0);
    EXPECT_EQ(calls, (std::vector<std::string>{"wrapper", "adapter", "provider", "framework"}));
    ASSERT_TRUE(RemoveWindowProc(h, b));
    calls.clear();
    SendMessage(h, kPing, 0, 0);
    EXPECT_EQ(calls, (std::vector<std::string>{"wrapper", "provider", "framework"}));
    RemoveWindowProc(h, a);
    RemoveWindowProc(h, c);
    SetWindowText(h, "Title");
    EXPECT_EQ(form->Caption(), "Title");
}

TEST_F(FormTest, NotificationsFromAChildWindowComeBackToItAsReflectedMessages) {
    auto form = ShownForm(10, 10, 200, 100);
    auto* panel = new TPanel(form.get());
    panel->SetParent(form.get());
    std::vector<UINT> reflected;
    panel->PushWindowProc([&](TMessage& m, const TWndMethod& next) {
        if (m.Msg >= CN_BASE) reflected.push_back(m.Msg);
        next(m);
    });
    HWND child = panel->Handle();
    SendMessage(form->Handle(), WM_COMMAND, MAKEWPARAM(0, 1), reinterpret_cast<LPARAM>(child));
    NMHDR header{child, 0, 5};
    SendMessage(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    SendMessage(form->Handle(), WM_HSCROLL, 0, reinterpret_cast<LPARAM>(child));
    SendMessage(form->Handle(), WM_CTLCOLORSTATIC, 0, reinterpret_cast<LPARAM>(child));
    DRAWITEMSTRUCT item;
    item.hwndItem = child;
    SendMessage(form->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(reflected, (std::vector<UINT>{CN_COMMAND, CN_NOTIFY, CN_HSCROLL, CN_CTLCOLORSTATIC, CN_DRAWITEM}));
}
