// The tab control: items, geometry, selection by mouse and keys with the parent's consent,
// scrolling a row that does not fit, owner drawing and a procedure put in front of it.
#include "platform/controls/OwnerDrawCodes.h"
#include "platform/controls/TabControlCodes.h"
#include "SelectionTestFixture.h"

namespace {
class TabControlTest : public SelectionTest {
protected:
    void SetUp() override {
        SelectionTest::SetUp();
        On(WM_NOTIFY, [this](HWND, WPARAM w, LPARAM l, LRESULT& r) {
            const auto* hdr = reinterpret_cast<const NMHDR*>(l);
            EXPECT_EQ(hdr->idFrom, w);
            Notes.push_back({hdr->hwndFrom, hdr->code, static_cast<int>(SendMessage(hdr->hwndFrom, TCM_GETCURSEL, 0, 0))});
            r = hdr->code == TCN_SELCHANGING && Refuse ? TRUE : FALSE;
            return true;
        });
    }
    HWND Tabs(DWORD style, std::vector<std::string> names, int w = 300, int h = 150, int y = 10) {
        HWND t = Make(WC_TABCONTROL, style, 10, y, w, h);
        for (const std::string& n : names) Add(t, n);
        return t;
    }
    LRESULT Add(HWND t, const std::string& text, WPARAM at = 1000, LPARAM param = 0) {
        TCITEM item;
        item.mask = TCIF_TEXT | TCIF_PARAM;
        item.pszText = text;
        item.lParam = param;
        return SendMessage(t, TCM_INSERTITEM, at, reinterpret_cast<LPARAM>(&item));
    }
    std::string Text(HWND t, int i) {
        TCITEM item;
        item.mask = TCIF_TEXT;
        return SendMessage(t, TCM_GETITEM, i, reinterpret_cast<LPARAM>(&item)) ? item.pszText : "<none>";
    }
    TRect ItemRect(HWND t, int i) {
        TRect r;
        SendMessage(t, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
        return r;
    }
    TPoint Centre(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }
    int Sel(HWND t) { return static_cast<int>(SendMessage(t, TCM_GETCURSEL, 0, 0)); }

    struct TNote {
        HWND From;
        UINT Code;
        int SelAtTheTime;
        bool operator==(const TNote&) const = default;
    };
    std::vector<TNote> SelNotes() const {
        std::vector<TNote> out;
        for (const TNote& n : Notes)
            if (n.Code == TCN_SELCHANGING || n.Code == TCN_SELCHANGE) out.push_back(n);
        return out;
    }
    std::vector<TNote> Notes;
    bool Refuse = false;
};
}

TEST_F(TabControlTest, ItemsKeepTextDataAndStateAndTheSelectionFollowsInsertsAndDeletes) {
    HWND t = Tabs(0, {});
    EXPECT_EQ(Sel(t), -1);
    EXPECT_EQ(Add(t, "Выбор"), 0);
    EXPECT_EQ(Sel(t), 0) << "the first tab arrives selected";
    EXPECT_EQ(Add(t, "Пометки", 1, 42), 1);
    EXPECT_EQ(Add(t, "front", 0), 0);
    EXPECT_EQ(Sel(t), 1) << "still on Выбор";
    EXPECT_EQ(Text(t, 1), "Выбор");
    EXPECT_EQ(Add(t, "x", static_cast<WPARAM>(-1)), -1);

    TCITEM item;
    item.mask = TCIF_PARAM | TCIF_STATE;
    item.dwStateMask = TCIS_HIGHLIGHTED;
    item.dwState = TCIS_HIGHLIGHTED | TCIS_BUTTONPRESSED;
    ASSERT_TRUE(SendMessage(t, TCM_SETITEM, 2, reinterpret_cast<LPARAM>(&item)));
    TCITEM back;
    back.mask = TCIF_PARAM | TCIF_STATE | TCIF_TEXT;
    back.dwStateMask = 0xFF;
    SendMessage(t, TCM_GETITEM, 2, reinterpret_cast<LPARAM>(&back));
    EXPECT_EQ(back.pszText, "Пометки");
    EXPECT_EQ(back.lParam, 0) << "TCIF_PARAM set it to the new value";
    EXPECT_EQ(back.dwState, TCIS_HIGHLIGHTED) << "only the masked state bits change";

    EXPECT_TRUE(SendMessage(t, TCM_DELETEITEM, 0, 0));
    EXPECT_EQ(Sel(t), 0);
    EXPECT_TRUE(SendMessage(t, TCM_DELETEITEM, 0, 0));
    EXPECT_EQ(Sel(t), -1) << "the selected tab went";
    EXPECT_FALSE(SendMessage(t, TCM_DELETEITEM, 5, 0));
    EXPECT_EQ(SendMessage(t, TCM_GETITEMCOUNT, 0, 0), 1);
    EXPECT_FALSE(SendMessage(t, TCM_GETITEM, 3, reinterpret_cast<LPARAM>(&back)));
    SendMessage(t, TCM_DELETEALLITEMS, 0, 0);
    EXPECT_EQ(SendMessage(t, TCM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessage(t, TCM_GETROWCOUNT, 0, 0), 0);
    EXPECT_TRUE(Notes.empty()) << "changes by program send no notifications";
}

TEST_F(TabControlTest, TabsLieInARowAboveThePageAreaAndFixedWidthTakesTheItemSize) {
    HWND t = Tabs(0, {"One", "Two words"});
    TRect a = ItemRect(t, 0), b = ItemRect(t, 1);
    EXPECT_EQ(a.Right, b.Left) << "tabs touch";
    EXPECT_EQ(a.Top, b.Top);
    EXPECT_GT(b.Width(), a.Width()) << "wider text, wider tab";
    TRect page{0, 0, 300, 150};
    SendMessage(t, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    EXPECT_GT(page.Top, a.Bottom);
    EXPECT_LT(page.Right, 300);
    TRect whole = page;
    SendMessage(t, TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&whole));
    EXPECT_EQ(whole, (TRect{0, 0, 300, 150})) << "the two directions undo each other";
    TCHITTESTINFO hit;
    hit.pt = Centre(b);
    EXPECT_EQ(SendMessage(t, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 1);
    EXPECT_EQ(hit.flags & TCHT_ONITEM, TCHT_ONITEMLABEL);
    hit.pt = {page.Left + 5, page.Top + 5};
    EXPECT_EQ(SendMessage(t, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), -1);
    EXPECT_EQ(hit.flags, TCHT_NOWHERE);

    HWND f = Tabs(TCS_BUTTONS | TCS_FIXEDWIDTH, {"a", "much longer text"});
    SendMessage(f, TCM_SETITEMSIZE, 0, MAKELPARAM(80, 30));
    EXPECT_EQ(ItemRect(f, 0).Width(), 80);
    EXPECT_EQ(ItemRect(f, 1).Width(), 80);
    EXPECT_EQ(ItemRect(f, 1).Height(), 30);
    EXPECT_GT(ItemRect(f, 1).Left, ItemRect(f, 0).Right) << "buttons stand apart";
}

TEST_F(TabControlTest, ClickingATabAsksTheParentFirstAndAParentCanRefuse) {
    HWND t = Tabs(0, {"One", "Two", "Three"});
    ClickAt(t, Centre(ItemRect(t, 2)));
    EXPECT_EQ(Sel(t), 2);
    EXPECT_EQ(GetFocus(), t);
    EXPECT_EQ(SelNotes(), (std::vector<TNote>{{t, TCN_SELCHANGING, 0}, {t, TCN_SELCHANGE, 2}}));
    ASSERT_FALSE(Notes.empty());
    EXPECT_EQ(Notes.back().Code, NM_CLICK);
    Notes.clear();
    ClickAt(t, Centre(ItemRect(t, 2)));
    EXPECT_TRUE(SelNotes().empty()) << "the selected tab again: nothing changes";
    Refuse = true;
    ClickAt(t, Centre(ItemRect(t, 0)));
    EXPECT_EQ(Sel(t), 2);
    EXPECT_EQ(SelNotes(), (std::vector<TNote>{{t, TCN_SELCHANGING, 2}}));
    Notes.clear();
    EXPECT_EQ(SendMessage(t, TCM_SETCURSEL, 0, 0), 2);
    EXPECT_EQ(Sel(t), 0);
    EXPECT_EQ(SendMessage(t, TCM_SETCURSEL, 9, 0), -1);
    EXPECT_TRUE(SelNotes().empty());

    HWND b = Tabs(TCS_BUTTONS, {"One", "Two"}, 300, 100, 200);
    SetFocus(t);
    Refuse = false;
    ClickAt(b, Centre(ItemRect(b, 1)));
    EXPECT_EQ(Sel(b), 1);
    EXPECT_EQ(GetFocus(), t) << "buttons take the focus only with TCS_FOCUSONBUTTONDOWN";
}

TEST_F(TabControlTest, ArrowsAndCtrlTabMoveTheSelectionCtrlTabWrappingAround) {
    HWND t = Tabs(0, {"One", "Two", "Three"});
    SetFocus(t);
    Key(VK_RIGHT);
    Key(VK_RIGHT);
    Key(VK_RIGHT);
    EXPECT_EQ(Sel(t), 2) << "arrows stop at the ends";
    Key(VK_TAB, {VK_CONTROL});
    EXPECT_EQ(Sel(t), 0);
    Key(VK_TAB, {VK_CONTROL, VK_SHIFT});
    EXPECT_EQ(Sel(t), 2);
    Key(VK_HOME);
    EXPECT_EQ(Sel(t), 0);
    Key(VK_LEFT);
    EXPECT_EQ(Sel(t), 0);
    EXPECT_EQ(SelNotes().size(), 10u) << "five moves, each asked and told";
    EXPECT_EQ(SendMessage(t, WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB, 0) << "a plain Tab moves the focus on";
    Input().Key(VK_CONTROL, true);
    Pump();
    EXPECT_NE(SendMessage(t, WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB, 0);
    Input().Key(VK_CONTROL, false);
    Pump();

    SetFocus(Host);
    EXPECT_TRUE(SendMessage(t, TCM_SELECTNEXT, FALSE, 0)) << "a container forwards Ctrl+Shift+Tab";
    EXPECT_EQ(Sel(t), 2);
    Refuse = true;
    EXPECT_FALSE(SendMessage(t, TCM_SELECTNEXT, TRUE, 0));
    EXPECT_EQ(Sel(t), 2);
}

TEST_F(TabControlTest, ARowTooLongForTheControlScrollsToShowTheSelectedTab) {
    HWND t = Tabs(0, {"Alpha", "Beta", "Gamma", "Delta", "Epsilon", "Zeta"}, 160, 80);
    EXPECT_GT(ItemRect(t, 5).Right, 160);
    SetFocus(t);
    Key(VK_END);
    EXPECT_EQ(Sel(t), 5);
    TRect last = ItemRect(t, 5);
    EXPECT_LE(last.Right, 160 - 32) << "whole, left of the scroll arrows";
    EXPECT_LT(ItemRect(t, 0).Right, 0) << "the first tabs went off to the left";
    TCHITTESTINFO hit;
    hit.pt = {150, last.Top + 3};
    EXPECT_EQ(SendMessage(t, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), -1) << "the arrows are not a tab";
    int scrolledLeft = ItemRect(t, 0).Left;
    ClickAt(t, {160 - 24, last.Top + last.Height() - 4}); // left arrow
    EXPECT_GT(ItemRect(t, 0).Left, scrolledLeft);
    EXPECT_EQ(Sel(t), 5) << "scrolling does not select";
    SendMessage(t, WM_HSCROLL, MAKEWPARAM(4, 0), 0); // a scroller child's thumb position
    EXPECT_EQ(ItemRect(t, 0).Left, 2);
}

TEST_F(TabControlTest, OwnerDrawnTabsAreDrawnByTheParentWithTheirDataAndState) {
    std::vector<DRAWITEMSTRUCT> drawn;
    On(WM_DRAWITEM, [&](HWND, WPARAM, LPARAM l, LRESULT& r) {
        drawn.push_back(*reinterpret_cast<DRAWITEMSTRUCT*>(l));
        r = TRUE;
        return true;
    });
    HWND t = Make(WC_TABCONTROL, TCS_OWNERDRAWFIXED, 10, 10, 300, 100, 12);
    Add(t, "a", 0, 100);
    Add(t, "b", 1, 200);
    SendMessage(t, TCM_SETCURSEL, 1, 0);
    drawn.clear();
    InvalidateRect(t, nullptr, TRUE);
    Pump();
    ASSERT_EQ(drawn.size(), 2u);
    for (const DRAWITEMSTRUCT& d : drawn) {
        EXPECT_EQ(d.CtlType, ODT_TAB);
        EXPECT_EQ(d.CtlID, 12u);
        EXPECT_EQ(d.hwndItem, t);
        EXPECT_EQ(d.itemData, (d.itemID + 1) * 100);
        EXPECT_EQ((d.itemState & ODS_SELECTED) != 0, d.itemID == 1);
        EXPECT_TRUE(ItemRect(t, static_cast<int>(d.itemID)).Contains(d.rcItem.TopLeft()));
    }
}

TEST_F(TabControlTest, AProcedureInFrontSeesPaintAndInputAndCanReplaceThePainting) {
    HWND t = Tabs(0, {"One", "Two"});
    std::vector<UINT> seen;
    WNDPROC below;
    below = SetWindowProc(t, [&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        seen.push_back(m);
        if (m != WM_PAINT) return CallWindowProc(below, h, m, w, l);
        PAINTSTRUCT ps;
        BeginPaint(h, &ps)->FillRect({0, 0, 300, 150}, clFuchsia);
        EndPaint(h, &ps);
        return 0;
    });
    InvalidateRect(t, nullptr, TRUE);
    TPoint c = Centre(ItemRect(t, 1));
    EXPECT_EQ(Pixel(t, c.X, c.Y), ColorToRGB(clFuchsia));
    ClickAt(t, c);
    Key(VK_LEFT);
    EXPECT_EQ(Sel(t), 0);
    for (UINT m : {WM_PAINT, WM_LBUTTONDOWN, WM_KEYDOWN})
        EXPECT_NE(std::find(seen.begin(), seen.end(), m), seen.end()) << "message " << m;
    EXPECT_EQ(Pixel(t, c.X, c.Y), ColorToRGB(clFuchsia));
    RemoveWindowProc(t, below);
    InvalidateRect(t, nullptr, TRUE);
    TRect r = ItemRect(t, 1);
    EXPECT_EQ(Pixel(t, r.Left + 3, r.Top + 3), ColorToRGB(clBtnFace)) << "its own look again";
}

namespace {

struct TSideCase {
    DWORD Style;
    const char* Name;
};
constexpr TSideCase kSides[] = {{TCS_BOTTOM, "bottom"}, {TCS_VERTICAL, "left"}, {TCS_VERTICAL | TCS_RIGHT, "right"}};

// Where the rules put tab i of a 300 x 150 control on a side: the top row's rectangle (2 from
// the edge, lengths along the row) laid along that side.
TRect Expected(DWORD style, const TRect& top) {
    if (style & TCS_VERTICAL) {
        const TRect left{top.Top, top.Left, top.Bottom, top.Right};
        return (style & TCS_RIGHT) ? TRect{300 - left.Right, left.Top, 300 - left.Left, left.Bottom} : left;
    }
    return {top.Left, 150 - top.Bottom, top.Right, 150 - top.Top};
}

} // namespace

TEST_F(TabControlTest, TabsOnEachSideLieAlongItWithThePageBesideThemAndAreHitThere) {
    const std::vector<std::string> names = {"Один", "Два слова", "Три"};
    HWND top = Tabs(0, names);
    TRect topPage{0, 0, 300, 150};
    SendMessage(top, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&topPage));
    const int gap = topPage.Top - 2; // the row's thickness and the frame's edge; off the top also a gap
    for (const TSideCase& side : kSides) {
        HWND t = Tabs(side.Style, names, 300, 150, 170);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(ItemRect(t, i), Expected(side.Style, ItemRect(top, i))) << side.Name << " tab " << i;
            TCHITTESTINFO hit;
            hit.pt = Centre(ItemRect(t, i));
            EXPECT_EQ(SendMessage(t, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), i) << side.Name;
        }
        TRect page{0, 0, 300, 150};
        SendMessage(t, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
        const TRect expected = side.Style == TCS_BOTTOM       ? TRect{4, 4, 296, 150 - gap}
                               : side.Style == TCS_VERTICAL ? TRect{gap, 4, 296, 146}
                                                            : TRect{4, 4, 300 - gap, 146};
        EXPECT_EQ(page, expected) << side.Name;
        TRect whole = page;
        SendMessage(t, TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&whole));
        EXPECT_EQ(whole, (TRect{0, 0, 300, 150})) << side.Name;
        TCHITTESTINFO inPage;
        inPage.pt = {page.Left + 5, page.Top + 5};
        EXPECT_EQ(SendMessage(t, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&inPage)), -1) << side.Name;
        // The keyboard is the same on every side.
        SetFocus(t);
        Key(VK_RIGHT);
        EXPECT_EQ(Sel(t), 1) << side.Name;
        ClickAt(t, Centre(ItemRect(t, 2)));
        EXPECT_EQ(Sel(t), 2) << side.Name;
        DestroyWindow(t);
    }
}

TEST_F(TabControlTest, PlainTabsOnEachSideAreShadedFromTheTopLeftOpenOntoThePageAndReadAlongTheSide) {
    for (const TSideCase& side : kSides) {
        HWND t = Tabs(side.Style, {"Выбор цифры", "Пометки"}, 300, 150, 170);
        Pump();
        const TRect selected = ItemRect(t, 0), other = ItemRect(t, 1);
        const TPoint mid = Centre(other);
        // The outer edge: light on the left and top, shaded on the right and bottom.
        const TColor outer = side.Style == TCS_BOTTOM     ? Pixel(t, mid.X, other.Bottom - 1)
                             : side.Style == TCS_VERTICAL ? Pixel(t, other.Left, mid.Y)
                                                          : Pixel(t, other.Right - 1, mid.Y);
        EXPECT_EQ(outer, ColorToRGB(side.Style == TCS_VERTICAL ? clBtnHighlight : cl3DDkShadow)) << side.Name;
        // The page frame's edge runs past the other tab but not under the selected one.
        auto frameEdge = [&](const TRect& tab) {
            const TPoint c = Centre(tab);
            if (side.Style == TCS_BOTTOM) return Pixel(t, c.X, tab.Top - 1);
            return Pixel(t, side.Style == TCS_VERTICAL ? tab.Right : tab.Left - 1, c.Y);
        };
        EXPECT_NE(frameEdge(other), ColorToRGB(clBtnFace)) << side.Name;
        EXPECT_EQ(frameEdge(selected), ColorToRGB(clBtnFace)) << side.Name;
        // The caption's ink stands along the side: taller than wide on the left and right.
        TRect ink;
        for (int y = other.Top + 2; y < other.Bottom - 2; ++y)
            for (int x = other.Left + 2; x < other.Right - 2; ++x)
                if (Pixel(t, x, y) != ColorToRGB(clBtnFace)) ink = ink.Union({x, y, x + 1, y + 1});
        ASSERT_FALSE(ink.IsEmpty()) << side.Name;
        EXPECT_EQ(ink.Height() > ink.Width(), (side.Style & TCS_VERTICAL) != 0) << side.Name;
        DestroyWindow(t);
    }
}
