// The tab control window class.
#include "platform/controls/TabControl.h"

#include "platform/controls/ControlInstance.h"
#include "platform/controls/ControlParent.h"
#include "platform/controls/OwnerDrawCodes.h"
#include "platform/controls/PaintClient.h"
#include "platform/controls/UpDownCodes.h"
#include "platform/text/TextDraw.h"
#include "platform/window/ClassicStyle.h"

#include <algorithm>
#include <utility>

namespace {
constexpr int kThumbPosition = 4; // SB_THUMBPOSITION, as the scroller child sends it
}

void TabControl::Register() {
    WNDCLASS wc;
    wc.lpszClassName = WC_TABCONTROL;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &ControlInstance<TabControl>::Procedure;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClass(wc);
}

LRESULT TabControl::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: return OnPaint(reinterpret_cast<HDC>(wParam));
    case WM_PRINTCLIENT: Paint(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SETFONT: return OnSetFont(wParam, lParam);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(FFont);
    case WM_GETDLGCODE: return OnGetDlgCode();
    case WM_SIZE:
        FFirst = std::min(FFirst, Layout().MaxFirst());
        SyncScroller();
        Redraw();
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: Redraw(); return 0;
    case WM_STYLECHANGED:
        SyncScroller();
        Redraw();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnLButtonDown(lParam);
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: ControlParent(FHwnd).Notify(msg == WM_LBUTTONUP ? NM_CLICK : NM_RCLICK); return 0;
    case WM_KEYDOWN: return OnKeyDown(wParam);
    case WM_HSCROLL: return OnHScroll(wParam);
    case TCM_GETITEMCOUNT: return static_cast<LRESULT>(FTabs.size());
    case TCM_INSERTITEM: return OnInsertItem(wParam, reinterpret_cast<const TCITEM*>(lParam));
    case TCM_DELETEITEM: return OnDeleteItem(wParam);
    case TCM_DELETEALLITEMS: return OnDeleteAll();
    case TCM_GETITEM: return OnGetItem(wParam, reinterpret_cast<TCITEM*>(lParam));
    case TCM_SETITEM: return OnSetItem(wParam, reinterpret_cast<const TCITEM*>(lParam));
    case TCM_GETITEMRECT: return OnGetItemRect(wParam, reinterpret_cast<TRect*>(lParam));
    case TCM_GETCURSEL: return FSel;
    case TCM_SETCURSEL: return OnSetCurSel(wParam);
    case TCM_HITTEST: return OnHitTest(reinterpret_cast<TCHITTESTINFO*>(lParam));
    case TCM_ADJUSTRECT: return OnAdjustRect(wParam, reinterpret_cast<TRect*>(lParam));
    case TCM_SETITEMSIZE: return OnSetItemSize(lParam);
    case TCM_GETROWCOUNT: return FTabs.empty() ? 0 : 1;
    case TCM_SELECTNEXT: return SelectNext(wParam != 0) ? TRUE : FALSE;
    default: return DefWindowProc(FHwnd, msg, wParam, lParam);
    }
}

DWORD TabControl::Style() const {
    return static_cast<DWORD>(GetWindowLongPtr(FHwnd, GWL_STYLE));
}

const Font* TabControl::UsedFont() const {
    return FFont ? FFont : Font::Default();
}

TabLayout TabControl::Layout() const {
    TabLayout::TInput in;
    TRect client;
    GetClientRect(FHwnd, &client);
    in.Client = client.Size();
    in.Style = Style();
    const Font* font = UsedFont();
    for (const TTab& tab : FTabs) in.TextWidths.push_back(GetTextExtent(font, tab.Text).cx);
    in.ItemWidth = FItemWidth;
    in.ItemHeight = FItemHeight;
    in.FontHeight = font->Metrics().tmHeight;
    in.First = FFirst;
    return TabLayout(in);
}

LRESULT TabControl::OnSetFont(WPARAM font, LPARAM redraw) {
    FFont = reinterpret_cast<HFONT>(font);
    DefWindowProc(FHwnd, WM_SETFONT, font, redraw);
    SyncScroller();
    if (LOWORD(static_cast<WPARAM>(redraw))) Redraw();
    return 0;
}

LRESULT TabControl::OnGetDlgCode() const {
    // Ctrl+Tab belongs to the tabs; a plain Tab moves on to the next control.
    return DLGC_WANTARROWS | (GetKeyState(VK_CONTROL) < 0 ? DLGC_WANTTAB : 0);
}

bool TabControl::UserSelect(int index) {
    if (!Valid(static_cast<WPARAM>(index)) || index == FSel) return false;
    ControlParent parent(FHwnd);
    if (parent.Notify(TCN_SELCHANGING) || !IsWindow(FHwnd) || !Valid(static_cast<WPARAM>(index))) return false;
    FSel = index;
    ShowTab(index);
    Redraw();
    parent.Notify(TCN_SELCHANGE);
    return true;
}

bool TabControl::SelectNext(bool forward) {
    int n = static_cast<int>(FTabs.size());
    if (n == 0) return false;
    int next = FSel < 0 ? (forward ? 0 : n - 1) : (FSel + (forward ? 1 : n - 1)) % n;
    return UserSelect(next);
}

void TabControl::ShowTab(int index) {
    FFirst = Layout().FirstShowing(index);
    if (FScroller && IsWindow(FScroller)) SendMessage(FScroller, UDM_SETPOS32, 0, FFirst);
}

void TabControl::Scroll(int first) {
    FFirst = std::clamp(first, 0, Layout().MaxFirst());
    if (FScroller && IsWindow(FScroller)) SendMessage(FScroller, UDM_SETPOS32, 0, FFirst);
    Redraw();
}

// The scroller child covers the arrows' place while the row overflows and goes when it fits.
// Destroyed from outside, it comes back at the next change of the row's layout.
void TabControl::SyncScroller() {
    if (FScroller && !IsWindow(FScroller)) FScroller = nullptr;
    const TabLayout layout = Layout();
    if (!layout.Scrolls()) {
        if (FScroller) DestroyWindow(std::exchange(FScroller, nullptr));
        return;
    }
    const TRect r{layout.LeftArrow().Left, layout.LeftArrow().Top, layout.RightArrow().Right, layout.RightArrow().Bottom};
    if (!FScroller)
        FScroller = CreateWindowEx(0, UPDOWN_CLASS, "", WS_CHILD | WS_VISIBLE | UDS_HORZ, r.Left, r.Top, r.Width(), r.Height(),
                                   FHwnd, nullptr, FHwnd);
    else
        MoveWindow(FScroller, r.Left, r.Top, r.Width(), r.Height(), TRUE);
    if (!FScroller) return;
    SendMessage(FScroller, UDM_SETRANGE32, 0, layout.MaxFirst());
    SendMessage(FScroller, UDM_SETPOS32, 0, FFirst);
}

LRESULT TabControl::OnLButtonDown(LPARAM lParam) {
    DWORD style = Style();
    bool buttons = (style & (TCS_BUTTONS | TCS_FLATBUTTONS)) != 0;
    if (!(style & TCS_FOCUSNEVER) && (!buttons || (style & TCS_FOCUSONBUTTONDOWN)) && GetFocus() != FHwnd) SetFocus(FHwnd);
    if (!IsWindow(FHwnd)) return 0;
    UserSelect(Layout().HitTest(LParamToPoint(lParam)));
    return 0;
}

LRESULT TabControl::OnKeyDown(WPARAM key) {
    int last = static_cast<int>(FTabs.size()) - 1;
    switch (key) {
    case VK_TAB:
        if (GetKeyState(VK_CONTROL) >= 0) return DefWindowProc(FHwnd, WM_KEYDOWN, key, 0);
        SelectNext(GetKeyState(VK_SHIFT) >= 0);
        return 0;
    case VK_LEFT: UserSelect(std::max(0, FSel - 1)); return 0;
    case VK_RIGHT: UserSelect(std::min(last, FSel + 1)); return 0;
    case VK_HOME: UserSelect(0); return 0;
    case VK_END: UserSelect(last); return 0;
    default: return DefWindowProc(FHwnd, WM_KEYDOWN, key, 0);
    }
}

LRESULT TabControl::OnHScroll(WPARAM wParam) {
    if (LOWORD(wParam) == kThumbPosition) Scroll(static_cast<short>(HIWORD(wParam)));
    return 0;
}

LRESULT TabControl::OnInsertItem(WPARAM index, const TCITEM* item) {
    if (!item || static_cast<LONG_PTR>(index) < 0) return -1;
    int at = static_cast<int>(std::min<WPARAM>(index, FTabs.size()));
    FTabs.insert(FTabs.begin() + at, TTab{});
    OnSetItem(static_cast<WPARAM>(at), item);
    // The first tab arrives selected; later ones leave the selection where it was.
    if (FSel < 0 && FTabs.size() == 1) FSel = 0;
    else if (FSel >= at) ++FSel;
    SyncScroller();
    Redraw();
    return at;
}

LRESULT TabControl::OnDeleteItem(WPARAM index) {
    if (!Valid(index)) return FALSE;
    int at = static_cast<int>(index);
    FTabs.erase(FTabs.begin() + at);
    if (FSel == at) FSel = -1;
    else if (FSel > at) --FSel;
    FFirst = std::min(FFirst, Layout().MaxFirst());
    SyncScroller();
    Redraw();
    return TRUE;
}

LRESULT TabControl::OnDeleteAll() {
    FTabs.clear();
    FSel = -1;
    FFirst = 0;
    SyncScroller();
    Redraw();
    return TRUE;
}

LRESULT TabControl::OnGetItem(WPARAM index, TCITEM* item) const {
    if (!item || !Valid(index)) return FALSE;
    const TTab& tab = FTabs[index];
    if (item->mask & TCIF_TEXT) item->pszText = tab.Text;
    if (item->mask & TCIF_IMAGE) item->iImage = tab.Image;
    if (item->mask & TCIF_PARAM) item->lParam = tab.Param;
    if (item->mask & TCIF_STATE) item->dwState = tab.State & item->dwStateMask;
    return TRUE;
}

LRESULT TabControl::OnSetItem(WPARAM index, const TCITEM* item) {
    if (!item || !Valid(index)) return FALSE;
    TTab& tab = FTabs[index];
    if (item->mask & TCIF_TEXT) tab.Text = item->pszText;
    if (item->mask & TCIF_IMAGE) tab.Image = item->iImage;
    if (item->mask & TCIF_PARAM) tab.Param = item->lParam;
    if (item->mask & TCIF_STATE) tab.State = (tab.State & ~item->dwStateMask) | (item->dwState & item->dwStateMask);
    SyncScroller();
    Redraw();
    return TRUE;
}

LRESULT TabControl::OnGetItemRect(WPARAM index, TRect* rect) const {
    if (!rect || !Valid(index)) return FALSE;
    *rect = Layout().Item(static_cast<int>(index));
    return TRUE;
}

LRESULT TabControl::OnSetCurSel(WPARAM index) {
    int wanted = static_cast<int>(static_cast<LONG_PTR>(index));
    if (wanted != -1 && !Valid(index)) return -1;
    int old = FSel;
    FSel = wanted;
    if (wanted >= 0) ShowTab(wanted);
    Redraw();
    return old;
}

LRESULT TabControl::OnHitTest(TCHITTESTINFO* info) const {
    if (!info) return -1;
    int index = Layout().HitTest(info->pt);
    info->flags = index < 0 ? TCHT_NOWHERE : TCHT_ONITEMLABEL;
    return index;
}

LRESULT TabControl::OnAdjustRect(WPARAM larger, TRect* rect) const {
    if (rect) *rect = Layout().AdjustRect(*rect, larger != 0);
    return 0;
}

LRESULT TabControl::OnSetItemSize(LPARAM size) {
    auto packed = static_cast<std::uintptr_t>(size);
    LRESULT old = MAKELRESULT(FItemWidth ? FItemWidth : TabLayout::kDefaultFixedWidth, Layout().ItemHeight());
    FItemWidth = LOWORD(packed);
    if (HIWORD(packed) > 0) FItemHeight = HIWORD(packed);
    FFirst = std::min(FFirst, Layout().MaxFirst());
    SyncScroller();
    Redraw();
    return old;
}

LRESULT TabControl::OnPaint(HDC given) {
    return PaintClient(FHwnd, given, [this](HDC dc) { Paint(dc); });
}

void TabControl::Paint(HDC dc) {
    if (!dc) return;
    TRect client;
    GetClientRect(FHwnd, &client);
    dc->FillRect(client, clBtnFace);
    TabLayout layout = Layout();
    bool buttons = (Style() & (TCS_BUTTONS | TCS_FLATBUTTONS)) != 0;
    if (!buttons) {
        TRect frame = layout.Frame();
        ClassicStyle::DrawEdge(dc, &frame, EDGE_RAISED, BF_RECT | BF_SOFT);
    }
    int saved = dc->SaveDC();
    dc->IntersectClipRect(layout.TabsClip());
    for (int i = layout.First(); i < layout.Count(); ++i)
        if (i != FSel) PaintTab(dc, layout, i);
    if (FSel >= layout.First()) PaintTab(dc, layout, FSel);
    dc->RestoreDC(saved);
}

namespace {

// The side of a tab that opens onto the page.
UINT OpenSide(TTabSide side) {
    switch (side) {
    case TTabSide::sdBottom: return BF_TOP;
    case TTabSide::sdLeft: return BF_RIGHT;
    case TTabSide::sdRight: return BF_LEFT;
    case TTabSide::sdTop: break;
    }
    return BF_BOTTOM;
}

} // namespace

void TabControl::PaintTab(HDC dc, const TabLayout& layout, int index) {
    DWORD style = Style();
    bool selected = index == FSel;
    TRect item = layout.Item(index);
    TRect r = selected ? layout.Raised(index) : item;
    if (r.Intersect(layout.Strip()).IsEmpty()) return;
    PaintTabFace(dc, layout, r, selected);
    TRect content = item.Inflate(-3, -3);
    if (style & TCS_OWNERDRAWFIXED) {
        DRAWITEMSTRUCT dis;
        dis.CtlType = ODT_TAB;
        dis.itemID = static_cast<UINT>(index);
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = (selected ? ODS_SELECTED : 0) | (IsWindowEnabled(FHwnd) ? 0 : ODS_DISABLED);
        dis.hDC = dc;
        dis.rcItem = content;
        dis.itemData = static_cast<UINT_PTR>(FTabs[index].Param);
        ControlParent(FHwnd).DrawItem(dis);
        return;
    }
    const bool buttons = (style & (TCS_BUTTONS | TCS_FLATBUTTONS)) != 0;
    const TPoint lift = selected ? (buttons ? TPoint{1, 1} : layout.Outward()) : TPoint{0, 0};
    TRect text = item.Offset(lift.X, lift.Y);
    dc->SelectFont(CaptionFont(layout.Side()));
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(IsWindowEnabled(FHwnd) ? clBtnText : clGrayText);
    DrawText(dc, FTabs[index].Text, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (selected && GetFocus() == FHwnd) ClassicStyle::DrawFocusRect(dc, content);
}

// A selected tab reaches one pixel into the page frame, hiding the frame's edge under it.
void TabControl::PaintTabFace(HDC dc, const TabLayout& layout, const TRect& r, bool selected) {
    DWORD style = Style();
    TRect face = r;
    if (style & TCS_FLATBUTTONS) {
        if (selected) ClassicStyle::DrawEdge(dc, &face, BDR_SUNKENOUTER, BF_RECT);
    } else if (style & TCS_BUTTONS) {
        ClassicStyle::DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (selected ? DFCS_PUSHED : 0));
    } else {
        const TPoint in = layout.Outward();
        if (selected) {
            if (in.Y < 0) face.Bottom += 1;
            if (in.Y > 0) face.Top -= 1;
            if (in.X < 0) face.Right += 1;
            if (in.X > 0) face.Left -= 1;
        }
        ClassicStyle::DrawTab(dc, face, OpenSide(layout.Side()));
    }
}

// Tabs down a side read upward on the left and downward on the right.
const Font* TabControl::CaptionFont(TTabSide side) const {
    if (side != TTabSide::sdLeft && side != TTabSide::sdRight) return UsedFont();
    TLogFont turned = UsedFont()->LogFont();
    turned.Escapement = turned.Orientation = side == TTabSide::sdLeft ? 900 : 2700;
    return Font::Get(turned);
}
