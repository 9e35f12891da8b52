// The "Static" class: mouse transparency and notifications, text layout by style, colours from the
// parent, disabled text, owner drawing and procedures in front.
#include "ControlTestFixture.h"
#include "platform/controls/Brushes.h"
#include "platform/controls/OwnerDrawCodes.h"
#include "platform/controls/StaticCodes.h"

namespace {
using TCommands = std::vector<std::pair<int, int>>;
class StaticTest : public ControlTest {};
}

TEST_F(StaticTest, WithoutNotifyTheMouseFallsThroughAndWithItClicksAreReported) {
    HWND plain = Make("Static", "plain", SS_LEFT, {10, 10, 110, 30}, 1);
    HWND notify = Make("Static", "notify", SS_LEFT | SS_NOTIFY, {10, 40, 110, 60}, 2);
    Log.clear();
    ClickAt(plain, 5, 5);
    EXPECT_EQ(Count(Parent, WM_LBUTTONDOWN), 1) << "a plain static is transparent to the mouse";
    EXPECT_EQ(Count(plain, WM_LBUTTONDOWN), 0);
    ClickAt(notify, 5, 5);
    ClickAt(notify, 5, 5); // the second press within the double-click time
    EXPECT_EQ(Commands(), (TCommands{{2, STN_CLICKED}, {2, STN_DBLCLK}}));
    EXPECT_EQ(SendMessage(plain, WM_GETDLGCODE, 0, 0), DLGC_STATIC);
    Log.clear();
    EnableWindow(notify, FALSE);
    EnableWindow(notify, TRUE);
    EXPECT_EQ(Commands(), (TCommands{{2, STN_DISABLE}, {2, STN_ENABLE}}));
}

TEST_F(StaticTest, AlignmentWordWrapAndPrefixFollowTheStyle) {
    const TRect wide{0, 0, 200, 20};
    TRect l = InkBox(Make("Static", "Text", SS_LEFT, {10, 10, 210, 30}, 1), Dark, wide);
    TRect c = InkBox(Make("Static", "Text", SS_CENTER, {10, 40, 210, 60}, 2), Dark, wide);
    TRect r = InkBox(Make("Static", "Text", SS_RIGHT, {10, 70, 210, 90}, 3), Dark, wide);
    ASSERT_FALSE(l.IsEmpty() || c.IsEmpty() || r.IsEmpty());
    EXPECT_LT(l.Left, 3);
    EXPECT_NEAR((c.Left + c.Right) / 2, 100, 3);
    EXPECT_GT(r.Right, 196);

    const std::string words = "one two three four five six seven eight nine ten";
    TRect wrapped = InkBox(Make("Static", words, SS_LEFT, {220, 10, 300, 110}, 4), Dark);
    TRect cut = InkBox(Make("Static", words, SS_LEFTNOWORDWRAP, {220, 120, 300, 220}, 5), Dark);
    TRect simple = InkBox(Make("Static", words, SS_SIMPLE, {305, 10, 385, 60}, 6), Dark);
    EXPECT_GT(wrapped.Height(), 3 * cut.Height()) << "SS_LEFT breaks at words, SS_LEFTNOWORDWRAP does not";
    EXPECT_GT(cut.Right, 75) << "the unbroken line runs to the edge";
    EXPECT_LT(simple.Height(), cut.Height() + 3) << "SS_SIMPLE shows one line";

    // With prefixes "&&" is one ampersand; without, both are drawn.
    TRect prefixed = InkBox(Make("Static", "A&&&&B", SS_LEFT, {10, 100, 200, 120}, 7), Dark);
    TRect literal = InkBox(Make("Static", "A&&&&B", SS_LEFT | SS_NOPREFIX, {10, 130, 200, 150}, 8), Dark);
    EXPECT_GT(literal.Width(), prefixed.Width() + 5);
}

TEST_F(StaticTest, ParentColoursDisabledGreyAndRepaintOnNewText) {
    On(WM_CTLCOLORSTATIC, [&](HWND, WPARAM w, LPARAM, LRESULT& res) {
        reinterpret_cast<HDC>(w)->SetTextColor(clRed);
        res = reinterpret_cast<LRESULT>(CreateSolidBrush(clYellow));
        return true;
    });
    HWND s = Make("Static", "Warning", SS_LEFT, {10, 10, 150, 30}, 1);
    EXPECT_EQ(Pixel(s, 130, 15), ColorToRGB(clYellow));
    EXPECT_FALSE(InkBox(s, Reddish).IsEmpty());
    Handlers.clear();

    HWND t = Make("Static", "Short", SS_LEFT, {10, 40, 200, 60}, 2);
    int before = InkBox(t, Dark).Width();
    SetWindowText(t, "A much longer caption");
    Pump();
    EXPECT_GT(InkBox(t, Dark).Width(), before + 20) << "new text is painted";
    EnableWindow(t, FALSE);
    EXPECT_TRUE(InkBox(t, Dark).IsEmpty()) << "disabled text is grey, not black";
    EXPECT_FALSE(InkBox(t, [](TColor c) { return GetRValue(c) > 100 && GetRValue(c) < 150; }).IsEmpty());
}

TEST_F(StaticTest, FontsOwnerDrawingAndAProcedureInFront) {
    HWND s = Make("Static", "Size", SS_LEFT, {10, 10, 200, 60}, 1);
    int small = InkBox(s, Dark).Height();
    TLogFont big;
    big.Height = -28;
    const Font* font = Font::Get(big);
    SendMessage(s, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    EXPECT_EQ(SendMessage(s, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(font));
    EXPECT_GT(InkBox(s, Dark).Height(), small * 2);

    std::vector<DRAWITEMSTRUCT> requests;
    On(WM_DRAWITEM, [&](HWND, WPARAM, LPARAM l, LRESULT& r) {
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(l);
        requests.push_back(*dis);
        dis->hDC->FillRect(dis->rcItem, clBlue);
        r = TRUE;
        return true;
    });
    HWND od = Make("Static", "", SS_OWNERDRAW, {10, 70, 60, 90}, 7);
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests.back().CtlType, ODT_STATIC);
    EXPECT_EQ(requests.back().CtlID, 7u);
    EXPECT_EQ(Pixel(od, 25, 10), ColorToRGB(clBlue));

    int paints = 0;
    auto below = std::make_shared<WNDPROC>();
    *below = SetWindowProc(s, [&, below](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m != WM_PAINT) return CallWindowProc(*below, h, m, w, l);
        ++paints;
        PAINTSTRUCT ps;
        BeginPaint(h, &ps)->FillRect({0, 0, 190, 50}, clLime);
        EndPaint(h, &ps);
        return 0;
    });
    SetWindowText(s, "changed");
    EXPECT_EQ(Pixel(s, 100, 25), ColorToRGB(clLime));
    EXPECT_EQ(paints, 1);
    DestroyWindow(s); // the procedure refers to this test's locals
}
