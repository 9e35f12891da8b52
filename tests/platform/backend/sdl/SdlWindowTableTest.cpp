// The table of real windows keeps our z-order from each change's "inserted after" and finds our
// window behind a desktop window id.
#include "platform/backend/sdl/SdlWindowTable.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {
HWND H(int n) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(n));
}

TTopLevelState At(HWND insertAfter, bool visible = false) {
    TTopLevelState s;
    s.Bounds = {0, 0, 20, 20};
    s.Visible = visible;
    s.InsertAfter = insertAfter;
    return s;
}

class SdlWindowTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    }
    void TearDown() override {
        Table.Clear();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    SdlWindowTable Table{
        [](HWND, const TTopLevelState&) { return std::uint32_t(SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS); }};
};
} // namespace

TEST_F(SdlWindowTableTest, OrderFollowsEachChangesPlace) {
    Table.Update(H(1), TTopLevelChange::tcCreated, At(nullptr));
    Table.Update(H(2), TTopLevelChange::tcCreated, At(nullptr));
    EXPECT_EQ(Table.Order(), (std::vector<HWND>{H(2), H(1)}));
    Table.Update(H(1), TTopLevelChange::tcZOrder, At(nullptr));
    Table.Update(H(3), TTopLevelChange::tcCreated, At(H(1)));
    EXPECT_EQ(Table.Order(), (std::vector<HWND>{H(1), H(3), H(2)}));
    Table.Update(H(1), TTopLevelChange::tcZOrder, At(H(2))); // to the bottom, below 2
    EXPECT_EQ(Table.Order(), (std::vector<HWND>{H(3), H(2), H(1)}));
    Table.Update(H(4), TTopLevelChange::tcCreated, At(H(99))); // above an unknown one: on top
    EXPECT_EQ(Table.Order().front(), H(4));
    EXPECT_FALSE(Table.Update(H(3), TTopLevelChange::tcDestroyed, At(nullptr)));
    EXPECT_EQ(Table.Order(), (std::vector<HWND>{H(4), H(2), H(1)}));
    EXPECT_EQ(Table.Find(H(3)), nullptr);
}

TEST_F(SdlWindowTableTest, DesktopIdsLeadBackToOurWindows) {
    ASSERT_TRUE(Table.Update(H(1), TTopLevelChange::tcCreated, At(nullptr, true)));
    ASSERT_TRUE(Table.Update(H(2), TTopLevelChange::tcCreated, At(nullptr)));
    std::uint32_t id1 = Table.Find(H(1))->Real->Id(), id2 = Table.Find(H(2))->Real->Id();
    EXPECT_NE(id1, id2);
    EXPECT_EQ(Table.FindById(id1), H(1));
    EXPECT_EQ(Table.FindById(id2), H(2));
    EXPECT_EQ(Table.FindById(0), nullptr);
    EXPECT_TRUE(Table.Find(H(1))->Real->Mapped());
    EXPECT_FALSE(Table.Find(H(2))->Real->Mapped());
    Table.Update(H(1), TTopLevelChange::tcDestroyed, At(nullptr));
    EXPECT_EQ(Table.FindById(id1), nullptr);
}
