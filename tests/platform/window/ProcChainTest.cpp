// Window procedures stacked in front of a window and taken out again in any order.
#include "WindowTestFixture.h"

namespace {
constexpr UINT kPing = WM_USER + 1;

class ProcChainTest : public WindowTest {
protected:
    // Installs a procedure that notes its name and passes kPing on through its link.
    WNDPROC Stack(HWND h, const std::string& name) {
        auto link = std::make_shared<WNDPROC>();
        *link = SetWindowProc(h, [this, name, link](HWND hw, UINT m, WPARAM w, LPARAM l) {
            if (m == kPing) Calls.push_back(name);
            return CallWindowProc(*link, hw, m, w, l);
        });
        return *link;
    }
    std::vector<std::string> Ping(HWND h) {
        Calls.clear();
        SendMessage(h, kPing, 0, 0);
        return Calls;
    }
    std::vector<std::string> Calls;
};
}

TEST_F(ProcChainTest, ThreeStackedProceduresRunTopFirstAndEachRemovalRelinksTheRest) {
    HWND h = Top("w", 10, 10, 200, 100);
    WNDPROC a = Stack(h, "provider");
    WNDPROC b = Stack(h, "adapter");
    WNDPROC c = Stack(h, "framework");
    EXPECT_EQ(Ping(h), (std::vector<std::string>{"framework", "adapter", "provider"}));
    EXPECT_EQ(Count(h, kPing), 1) << "the class procedure is reached once at the bottom";

    ASSERT_TRUE(RemoveWindowProc(h, b)); // the middle one
    EXPECT_EQ(Ping(h), (std::vector<std::string>{"framework", "provider"}));
    ASSERT_TRUE(RemoveWindowProc(h, c)); // now the top
    EXPECT_EQ(Ping(h), (std::vector<std::string>{"provider"}));
    ASSERT_TRUE(RemoveWindowProc(h, a)); // the last
    EXPECT_TRUE(Ping(h).empty());
    EXPECT_EQ(Count(h, kPing), 4);
    EXPECT_FALSE(RemoveWindowProc(h, a)) << "a procedure cannot be removed twice";
}

TEST_F(ProcChainTest, RemovingTheBottomThenTopKeepsTheMiddleWorking) {
    HWND h = Top("w", 10, 10, 200, 100);
    WNDPROC a = Stack(h, "a");
    WNDPROC b = Stack(h, "b");
    WNDPROC c = Stack(h, "c");
    ASSERT_TRUE(RemoveWindowProc(h, a));
    EXPECT_EQ(Ping(h), (std::vector<std::string>{"c", "b"}));
    ASSERT_TRUE(RemoveWindowProc(h, c));
    EXPECT_EQ(Ping(h), (std::vector<std::string>{"b"}));
    WNDPROC d = Stack(h, "d");
    EXPECT_EQ(Ping(h), (std::vector<std::string>{"d", "b"}));
    EXPECT_TRUE(RemoveWindowProc(h, b));
    EXPECT_EQ(Ping(h), (std::vector<std::string>{"d"}));
    EXPECT_TRUE(RemoveWindowProc(h, d));
}

TEST_F(ProcChainTest, AProcedureMayRemoveItselfWhileHandlingAMessage) {
    HWND h = Top("w", 10, 10, 200, 100);
    Stack(h, "below");
    auto link = std::make_shared<WNDPROC>();
    *link = SetWindowProc(h, [this, h, link](HWND hw, UINT m, WPARAM w, LPARAM l) {
        if (m == kPing) {
            Calls.push_back("self");
            RemoveWindowProc(h, *link);
        }
        return CallWindowProc(*link, hw, m, w, l);
    });
    EXPECT_EQ(Ping(h), (std::vector<std::string>{"self", "below"}));
    EXPECT_EQ(Ping(h), (std::vector<std::string>{"below"}));
}

TEST_F(ProcChainTest, ALinkToNothingFallsBackToTheDefaultProcedure) {
    HWND h = Top("caption text", 10, 10, 200, 100);
    WNDPROC none = std::make_shared<WindowProcLink>();
    std::string text;
    CallWindowProc(none, h, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(&text));
    EXPECT_EQ(text, "caption text");
}
