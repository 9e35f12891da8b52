// Menu objects: building and editing menus, item lookup, states, item info, handle checks, and
// popup placement against the work area.
#include "platform/controls/Menu.h"
#include "platform/controls/MenuApi.h"
#include "platform/controls/MenuPlacement.h"

#include <gtest/gtest.h>

namespace {
UINT_PTR Sub(HMENU m) {
    return reinterpret_cast<UINT_PTR>(m);
}
}

TEST(MenuObjectTest, ItemsAreFoundByPositionAndByCommandThroughSubmenus) {
    HMENU inner = CreatePopupMenu(), popup = CreatePopupMenu(), bar = CreateMenu();
    AppendMenu(inner, MF_STRING, 30, "Deep");
    AppendMenu(popup, MF_STRING, 20, "Second");
    AppendMenu(popup, MF_POPUP, Sub(inner), "Inner");
    AppendMenu(bar, MF_POPUP, Sub(popup), "&File");
    AppendMenu(bar, MF_STRING, 10, "&Help");
    EXPECT_EQ(GetMenuItemCount(bar), 2);
    EXPECT_EQ(GetMenuItemID(bar, 1), 10u);
    EXPECT_EQ(GetMenuItemID(bar, 0), static_cast<UINT>(-1)) << "a submenu item has no command id";
    EXPECT_EQ(GetSubMenu(bar, 0), popup);
    EXPECT_EQ(GetSubMenu(popup, 1), inner);
    // By command the search reaches into submenus.
    EXPECT_EQ(CheckMenuItem(bar, 30, MF_BYCOMMAND | MF_CHECKED), MF_UNCHECKED);
    EXPECT_EQ(GetMenuState(inner, 0, MF_BYPOSITION) & MF_CHECKED, MF_CHECKED);
    EXPECT_EQ(CheckMenuItem(bar, 30, MF_BYCOMMAND | MF_UNCHECKED), MF_CHECKED) << "returns the previous state";
    EXPECT_EQ(CheckMenuItem(bar, 99, MF_BYCOMMAND), static_cast<DWORD>(-1));
    EXPECT_EQ(EnableMenuItem(bar, 20, MF_BYCOMMAND | MF_GRAYED), MF_ENABLED);
    EXPECT_EQ(EnableMenuItem(bar, 20, MF_BYCOMMAND | MF_ENABLED), static_cast<BOOL>(MF_GRAYED));
    // A submenu item's state carries MF_POPUP and the submenu's item count in the high byte.
    UINT state = GetMenuState(bar, 0, MF_BYPOSITION);
    EXPECT_TRUE(state & MF_POPUP);
    EXPECT_EQ(state >> 8, 2u);
    std::string text;
    EXPECT_EQ(GetMenuString(bar, 1, &text, MF_BYPOSITION), 5);
    EXPECT_EQ(text, "&Help");
    DestroyMenu(bar);
}

TEST(MenuObjectTest, InsertModifyRemoveAndDeleteEditTheRightItems) {
    HMENU m = CreatePopupMenu(), sub = CreatePopupMenu();
    AppendMenu(m, MF_STRING, 1, "A");
    AppendMenu(m, MF_STRING, 3, "C");
    InsertMenu(m, 3, MF_BYCOMMAND | MF_STRING, 2, "B");
    InsertMenu(m, static_cast<UINT>(-1), MF_BYPOSITION | MF_POPUP, Sub(sub), "Sub");
    ASSERT_EQ(GetMenuItemCount(m), 4);
    EXPECT_EQ(GetMenuItemID(m, 1), 2u);
    EXPECT_EQ(GetSubMenu(m, 3), sub);
    EXPECT_TRUE(ModifyMenu(m, 0, MF_BYPOSITION | MF_SEPARATOR, 0, "ignored"));
    EXPECT_TRUE(GetMenuState(m, 0, MF_BYPOSITION) & MF_SEPARATOR);
    // RemoveMenu leaves the submenu alive; DeleteMenu destroys it.
    EXPECT_TRUE(RemoveMenu(m, 3, MF_BYPOSITION));
    EXPECT_TRUE(IsMenu(sub));
    AppendMenu(m, MF_POPUP, Sub(sub), "Sub");
    EXPECT_TRUE(DeleteMenu(m, 3, MF_BYPOSITION));
    EXPECT_FALSE(IsMenu(sub));
    EXPECT_EQ(GetMenuItemCount(m), 3);
    EXPECT_FALSE(DeleteMenu(m, 77, MF_BYCOMMAND));
    EXPECT_FALSE(AppendMenu(m, MF_POPUP, Sub(sub), "stale submenu")) << "a destroyed submenu is refused";
    EXPECT_FALSE(AppendMenu(m, MF_POPUP, Sub(m), "itself")) << "a menu cannot contain itself";
    DestroyMenu(m);
}

TEST(MenuObjectTest, ItemInfoRoundTripsEveryField) {
    HMENU m = CreatePopupMenu(), sub = CreatePopupMenu();
    MENUITEMINFO in;
    in.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_STATE | MIIM_ID | MIIM_DATA;
    in.fType = MFT_OWNERDRAW | MFT_RADIOCHECK;
    in.fState = MFS_CHECKED | MFS_DEFAULT | MFS_GRAYED;
    in.wID = 42;
    in.dwItemData = 0xBEEF;
    in.dwTypeData = "Новая &игра\tF2";
    ASSERT_TRUE(InsertMenuItem(m, 0, TRUE, &in));
    MENUITEMINFO out;
    out.fMask = in.fMask | MIIM_SUBMENU;
    ASSERT_TRUE(GetMenuItemInfo(m, 42, FALSE, &out));
    EXPECT_EQ(out.fType, in.fType);
    EXPECT_EQ(out.fState, in.fState);
    EXPECT_EQ(out.wID, 42u);
    EXPECT_EQ(out.dwItemData, 0xBEEFu);
    EXPECT_EQ(out.dwTypeData, in.dwTypeData);
    EXPECT_EQ(out.hSubMenu, nullptr);
    MENUITEMINFO attach;
    attach.fMask = MIIM_SUBMENU;
    attach.hSubMenu = sub;
    EXPECT_TRUE(SetMenuItemInfo(m, 0, TRUE, &attach));
    EXPECT_EQ(GetSubMenu(m, 0), sub);
    attach.hSubMenu = m;
    EXPECT_FALSE(SetMenuItemInfo(m, 0, TRUE, &attach));
    EXPECT_EQ(GetMenuDefaultItem(m, TRUE, 0), 0u);
    DestroyMenu(m);
}

TEST(MenuObjectTest, DestroyedHandlesAreRefusedEvenWhenTheirSlotIsReused) {
    HMENU parent = CreateMenu(), child = CreatePopupMenu();
    AppendMenu(parent, MF_POPUP, Sub(child), "x");
    EXPECT_TRUE(DestroyMenu(parent));
    EXPECT_FALSE(IsMenu(parent));
    EXPECT_FALSE(IsMenu(child)) << "submenus go with their menu";
    HMENU reused = CreatePopupMenu();
    EXPECT_NE(reused, parent);
    EXPECT_FALSE(IsMenu(parent));
    EXPECT_EQ(GetMenuItemCount(parent), -1);
    EXPECT_FALSE(AppendMenu(child, MF_STRING, 1, "x"));
    EXPECT_FALSE(DestroyMenu(parent));
    EXPECT_FALSE(IsMenu(reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(0x12345))));
    DestroyMenu(reused);
}

TEST(MenuObjectTest, MnemonicsSkipDoubledAmpersandsAndFoldLatinAndCyrillicCase) {
    MenuItem item;
    item.Text = "Save && &Quit\tCtrl+Q";
    EXPECT_EQ(item.Mnemonic(), U'q');
    EXPECT_EQ(item.Label(), "Save && &Quit");
    EXPECT_EQ(item.Shortcut(), "Ctrl+Q");
    item.Text = "&Рекорды";
    EXPECT_EQ(item.Mnemonic(), U'р');
    item.Text = "Ёлка &Ё";
    EXPECT_EQ(item.Mnemonic(), U'ё');
    item.Text = "Trailing &";
    EXPECT_EQ(item.Mnemonic(), 0u);
}

TEST(MenuPlacementTest, PopupsStayInsideTheWorkAreaFlippingWhenTheyDoNotFit) {
    const TRect work{0, 0, 800, 570};
    const TSize size{150, 200};
    EXPECT_EQ(MenuPlacement::AtPoint(size, {100, 100}, 0, nullptr, work), (TPoint{100, 100}));
    EXPECT_EQ(MenuPlacement::AtPoint(size, {700, 500}, 0, nullptr, work), (TPoint{550, 300})) << "flips left and up";
    EXPECT_EQ(MenuPlacement::AtPoint(size, {300, 300}, TPM_RIGHTALIGN | TPM_BOTTOMALIGN, nullptr, work), (TPoint{150, 100}));
    EXPECT_EQ(MenuPlacement::AtPoint(size, {10, 10}, TPM_RIGHTALIGN, nullptr, work), (TPoint{0, 10})) << "clamped";
    // A submenu goes right of its item, or left when the right has no room; it is lifted to fit.
    EXPECT_EQ(MenuPlacement::BesideItem(size, {100, 50, 200, 68}, work), (TPoint{200, 47}));
    EXPECT_EQ(MenuPlacement::BesideItem(size, {600, 500, 700, 518}, work), (TPoint{450, 321}));
    // A drop-down goes below its bar item, above it near the bottom.
    EXPECT_EQ(MenuPlacement::BelowBarItem(size, {40, 20, 80, 39}, work), (TPoint{40, 39}));
    EXPECT_EQ(MenuPlacement::BelowBarItem(size, {40, 400, 80, 419}, work), (TPoint{40, 200}));
    TRect button{300, 540, 380, 560};
    EXPECT_EQ(MenuPlacement::AtPoint(size, {300, 560}, TPM_VERTICAL, &button, work), (TPoint{300, 340}))
        << "the excluded button stays uncovered";
}
