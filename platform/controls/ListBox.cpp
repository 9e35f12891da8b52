// The list box window class.
#include "platform/controls/ListBox.h"

#include "platform/controls/ControlInstance.h"
#include "platform/controls/ItemText.h"
#include "platform/controls/ListBoxCodes.h"
#include "platform/controls/OwnerDrawCodes.h"
#include "platform/controls/PaintClient.h"
#include "platform/system/Utf8.h"
#include "platform/text/TextDraw.h"
#include "platform/window/ClassicStyle.h"

#include <algorithm>

namespace {
constexpr UINT_PTR kScrollTimer = 1;
constexpr UINT kScrollRepeat = 50;
constexpr DWORD kSearchPause = 1000; // type-ahead starts afresh after this long
constexpr int kWheelLines = 3;
constexpr int kTextMargin = 2;

int Index(WPARAM w) { return static_cast<int>(static_cast<LONG_PTR>(w)); }
}

void ListBox::Register() {
    WNDCLASS wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &ControlInstance<ListBox>::Procedure;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = WC_LISTBOX;
    RegisterClass(wc);
    wc.style = CS_DBLCLKS | CS_DROPSHADOW;
    wc.lpszClassName = WC_COMBOLBOX;
    RegisterClass(wc);
}

LRESULT ListBox::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE: return OnCreate(reinterpret_cast<const CREATESTRUCT*>(lParam));
    case WM_PAINT: return OnPaint(reinterpret_cast<HDC>(wParam));
    case WM_PRINTCLIENT: Paint(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SETFONT: return OnSetFont(wParam, lParam);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(FFont);
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SIZE: return OnSize();
    case WM_SETFOCUS: return OnFocus(true);
    case WM_KILLFOCUS: return OnFocus(false);
    case WM_ENABLE: Redraw(); return 0;
    case WM_LBUTTONDOWN: return OnLButtonDown(wParam, lParam, false);
    case WM_LBUTTONDBLCLK: return OnLButtonDown(wParam, lParam, true);
    case WM_MOUSEMOVE: return OnMouseMove(lParam);
    case WM_LBUTTONUP: return OnLButtonUp(lParam);
    case WM_CAPTURECHANGED: return OnCaptureChanged();
    case WM_TIMER: return OnTimer(wParam);
    case WM_KEYDOWN: return OnKeyDown(wParam);
    case WM_CHAR: return OnChar(wParam);
    case WM_MOUSEWHEEL: return OnMouseWheel(wParam);
    case WM_VSCROLL: return OnVScroll(wParam);
    case LB_ADDSTRING:
    case LB_INSERTSTRING: return OnAddString(msg, wParam, lParam);
    case LB_DELETESTRING: return OnDeleteString(wParam);
    case LB_RESETCONTENT: return OnResetContent();
    case LB_GETCOUNT: return FItems.Count();
    case LB_GETTEXT: return OnGetText(wParam, reinterpret_cast<std::string*>(lParam));
    case LB_GETTEXTLEN: return OnGetTextLen(wParam);
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
    case LB_SELECTSTRING: return OnFind(msg, wParam, lParam);
    case LB_SETCURSEL: return OnSetCurSel(wParam);
    case LB_GETCURSEL: return OnGetCurSel();
    case LB_SETSEL: return OnSetSel(wParam, lParam);
    case LB_GETSEL: return OnGetSel(wParam);
    case LB_GETSELCOUNT: return SelMode() == TSelMode::smSingle ? LB_ERR : FItems.SelectedCount();
    case LB_GETSELITEMS: return OnGetSelItems(wParam, reinterpret_cast<int*>(lParam));
    case LB_SELITEMRANGE: return OnSelItemRange(wParam, lParam);
    case LB_SETTOPINDEX: return OnSetTopIndex(wParam);
    case LB_GETTOPINDEX: return FTop;
    case LB_SETCARETINDEX: return OnSetCaretIndex(wParam);
    case LB_GETCARETINDEX: return FCaret;
    case LB_SETANCHORINDEX:
        if (!FItems.Valid(Index(wParam))) return LB_ERR;
        FAnchor = Index(wParam);
        return LB_OKAY;
    case LB_GETANCHORINDEX: return FAnchor;
    case LB_SETITEMHEIGHT: return OnSetItemHeight(wParam, lParam);
    case LB_GETITEMHEIGHT: return OnGetItemHeight(wParam);
    case LB_GETITEMRECT: return OnGetItemRect(wParam, reinterpret_cast<TRect*>(lParam));
    case LB_ITEMFROMPOINT: return OnItemFromPoint(lParam);
    case LB_SETITEMDATA: return OnSetItemData(wParam, lParam);
    case LB_GETITEMDATA: return FItems.Valid(Index(wParam)) ? static_cast<LRESULT>(FItems[Index(wParam)].Data) : LB_ERR;
    default: return DefWindowProc(FHwnd, msg, wParam, lParam);
    }
}

// ---- properties ----

DWORD ListBox::Style() const {
    return static_cast<DWORD>(GetWindowLongPtr(FHwnd, GWL_STYLE));
}

ListBox::TSelMode ListBox::SelMode() const {
    DWORD style = Style();
    if (style & LBS_NOSEL) return TSelMode::smNone;
    if (style & LBS_EXTENDEDSEL) return TSelMode::smExtended;
    if (style & LBS_MULTIPLESEL) return TSelMode::smMultiple;
    return TSelMode::smSingle;
}

bool ListBox::OwnerDraw() const {
    return (Style() & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

bool ListBox::DropDown() const {
    return FCombo && (Style() & WS_POPUP);
}

bool ListBox::HasStrings() const {
    return !OwnerDraw() || (Style() & LBS_HASSTRINGS);
}

const Font* ListBox::UsedFont() const {
    return FFont ? FFont : Font::Default();
}

ListGeometry ListBox::Geometry() const {
    TRect client;
    GetClientRect(FHwnd, &client);
    return ListGeometry(FItems, client.Size(), FItemHeight, (Style() & LBS_OWNERDRAWVARIABLE) != 0, FTop);
}

// ---- window messages ----

LRESULT ListBox::OnCreate(const CREATESTRUCT* cs) {
    if ((Style() & LBS_COMBOBOX) && cs) FCombo = static_cast<HWND>(cs->lpCreateParams);
    // The bar's own showing and hiding switches WS_VSCROLL, so whether we have one is kept here.
    FScrollBar = (Style() & WS_VSCROLL) != 0;
    FItemHeight = UsedFont()->Metrics().tmHeight;
    if (Style() & LBS_OWNERDRAWFIXED) FItemHeight = MeasureItem(0, 0);
    UpdateScrollBar();
    return 0;
}

int ListBox::MeasureItem(int index, UINT_PTR data) {
    MEASUREITEMSTRUCT mis;
    mis.CtlType = FCombo ? ODT_COMBOBOX : ODT_LISTBOX;
    mis.itemID = static_cast<UINT>(index);
    mis.itemHeight = static_cast<UINT>(UsedFont()->Metrics().tmHeight);
    TRect client;
    GetClientRect(FHwnd, &client);
    mis.itemWidth = static_cast<UINT>(client.Width());
    mis.itemData = data;
    Owner().MeasureItem(mis);
    return std::clamp(static_cast<int>(mis.itemHeight), 1, 255);
}

LRESULT ListBox::OnSetFont(WPARAM font, LPARAM redraw) {
    FFont = reinterpret_cast<HFONT>(font);
    DefWindowProc(FHwnd, WM_SETFONT, font, redraw);
    if (!OwnerDraw()) FItemHeight = UsedFont()->Metrics().tmHeight;
    FTop = std::min(FTop, Geometry().MaxTop());
    UpdateScrollBar();
    if (LOWORD(static_cast<WPARAM>(redraw))) Redraw();
    return 0;
}

LRESULT ListBox::OnSize() {
    FTop = std::min(FTop, Geometry().MaxTop());
    UpdateScrollBar();
    Redraw();
    return 0;
}

LRESULT ListBox::OnFocus(bool gained) {
    if (!gained) EndTracking();
    Redraw();
    Notify(gained ? LBN_SETFOCUS : LBN_KILLFOCUS);
    return 0;
}

void ListBox::Notify(int code) {
    // The drop-down list of a combo box speaks only when the user picks or cancels.
    if (DropDown()) return;
    if ((code == LBN_SELCHANGE || code == LBN_DBLCLK) && !(Style() & LBS_NOTIFY)) return;
    Listener().Command(code);
}

void ListBox::UpdateScrollBar() {
    if (!FScrollBar || FUpdatingBar) return;
    FUpdatingBar = true;
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | ((Style() & LBS_DISABLENOSCROLL) ? SIF_DISABLENOSCROLL : 0);
    si.nMin = 0;
    si.nMax = std::max(0, FItems.Count() - 1);
    si.nPage = static_cast<UINT>(Geometry().PageCount());
    si.nPos = FTop;
    SetScrollInfo(FHwnd, SB_VERT, &si, TRUE);
    FUpdatingBar = false;
}

void ListBox::SetTop(int top) {
    top = std::clamp(top, 0, Geometry().MaxTop());
    if (top == FTop) return;
    FTop = top;
    UpdateScrollBar();
    Redraw();
}

void ListBox::ShowItem(int index) {
    if (FItems.Valid(index)) SetTop(Geometry().TopShowing(index));
}

void ListBox::RedrawItem(int index) {
    TRect r = Geometry().ItemRect(index);
    InvalidateRect(FHwnd, &r, FALSE);
}

// ---- mouse ----

LRESULT ListBox::OnLButtonDown(WPARAM keys, LPARAM lParam, bool dbl) {
    TPoint p = LParamToPoint(lParam);
    if (DropDown() && ComboPress(p)) return 0;
    // The list of a simple combo box leaves the focus with its combo box.
    HWND focus = FCombo ? FCombo : FHwnd;
    if (!DropDown() && GetFocus() != focus && !IsChild(focus, GetFocus())) SetFocus(focus);
    if (!IsWindow(FHwnd)) return 0;
    int nearest = -1;
    Geometry().ItemAt(p.Y, &nearest);
    if (nearest < 0) return 0;
    FTracking = true;
    FMouse = p;
    if (GetCapture() != FHwnd) SetCapture(FHwnd);
    ClickItem(nearest, keys);
    FExtendDrag = SelMode() == TSelMode::smExtended && !(keys & MK_CONTROL);
    if (dbl) Notify(LBN_DBLCLK);
    return 0;
}

bool ListBox::ClickItem(int index, WPARAM keys) {
    switch (SelMode()) {
    case TSelMode::smMultiple:
        FItems[index].Selected = !FItems[index].Selected;
        FCaret = FAnchor = index;
        Redraw();
        return true;
    case TSelMode::smExtended:
        if (keys & MK_SHIFT) return MoveTo(index, true, false);
        if (keys & MK_CONTROL) {
            FItems[index].Selected = !FItems[index].Selected;
            FCaret = FAnchor = index;
            Redraw();
            return true;
        }
        return MoveTo(index, false, false);
    default: return MoveTo(index, false, false);
    }
}

bool ListBox::ComboPress(TPoint p) {
    TRect client;
    GetClientRect(FHwnd, &client);
    if (client.Contains(p)) return false;
    TPoint screen = p;
    ClientToScreen(FHwnd, &screen);
    TRect window;
    GetWindowRect(FHwnd, &window);
    if (!window.Contains(screen)) {
        Listener().Command(LBN_SELCANCEL);
        return true;
    }
    // Our own scroll bar: let it track, then take the mouse back for the open list.
    FNcTracking = true;
    LRESULT hit = SendMessage(FHwnd, WM_NCHITTEST, 0, PointToLParam(screen));
    SendMessage(FHwnd, WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit), PointToLParam(screen));
    FNcTracking = false;
    if (IsWindow(FHwnd) && IsWindowVisible(FHwnd)) SetCapture(FHwnd);
    return true;
}

LRESULT ListBox::OnMouseMove(LPARAM lParam) {
    TPoint p = LParamToPoint(lParam);
    TRect client;
    GetClientRect(FHwnd, &client);
    if (DropDown() && !FTracking) {
        // An open drop-down list follows the pointer.
        int index = client.Contains(p) ? Geometry().ItemAt(p.Y) : -1;
        if (index >= 0 && FItems.SelectOnly(index)) {
            FCaret = index;
            Redraw();
        }
        return 0;
    }
    if (!FTracking) return 0;
    FMouse = p;
    bool outside = p.Y < 0 || p.Y >= client.Bottom;
    if (outside) SetTimer(FHwnd, kScrollTimer, kScrollRepeat);
    else KillTimer(FHwnd, kScrollTimer);
    if (outside || SelMode() == TSelMode::smMultiple || (SelMode() == TSelMode::smExtended && !FExtendDrag)) return 0;
    int nearest = -1;
    Geometry().ItemAt(p.Y, &nearest);
    if (nearest >= 0) MoveTo(nearest, SelMode() == TSelMode::smExtended, false);
    return 0;
}

LRESULT ListBox::OnTimer(WPARAM id) {
    if (id != kScrollTimer) return DefWindowProc(FHwnd, WM_TIMER, id, 0);
    if (!FTracking || FItems.Count() == 0) {
        KillTimer(FHwnd, kScrollTimer);
        return 0;
    }
    // Holding the button above or below the list scrolls it an item at a time.
    int target = std::clamp(FMouse.Y < 0 ? FCaret - 1 : FCaret + 1, 0, FItems.Count() - 1);
    if (SelMode() == TSelMode::smMultiple || (SelMode() == TSelMode::smExtended && !FExtendDrag)) ShowItem(target);
    else MoveTo(target, SelMode() == TSelMode::smExtended, false);
    return 0;
}

LRESULT ListBox::OnLButtonUp(LPARAM lParam) {
    if (DropDown()) {
        TPoint p = LParamToPoint(lParam);
        TRect client;
        GetClientRect(FHwnd, &client);
        int index = client.Contains(p) ? Geometry().ItemAt(p.Y) : -1;
        EndTracking();
        if (index >= 0) {
            FItems.SelectOnly(index);
            FCaret = index;
            Listener().Command(LBN_SELCHANGE);
        }
        return 0;
    }
    if (!FTracking) return 0;
    EndTracking();
    Notify(LBN_SELCHANGE);
    return 0;
}

void ListBox::EndTracking() {
    FTracking = false;
    KillTimer(FHwnd, kScrollTimer);
    if (!DropDown() && GetCapture() == FHwnd) ReleaseCapture();
}

LRESULT ListBox::OnCaptureChanged() {
    if (FNcTracking) return 0;
    FTracking = false;
    KillTimer(FHwnd, kScrollTimer);
    // Someone took the mouse from an open drop-down list: it closes as if clicked away.
    if (DropDown() && IsWindowVisible(FHwnd)) Listener().Command(LBN_SELCANCEL);
    return 0;
}

LRESULT ListBox::OnMouseWheel(WPARAM wParam) {
    SetTop(FTop - GET_WHEEL_DELTA_WPARAM(wParam) * kWheelLines / 120);
    return 0;
}

LRESULT ListBox::OnVScroll(WPARAM wParam) {
    int page = Geometry().PageCount();
    switch (LOWORD(wParam)) {
    case SB_LINEUP: SetTop(FTop - 1); break;
    case SB_LINEDOWN: SetTop(FTop + 1); break;
    case SB_PAGEUP: SetTop(FTop - page); break;
    case SB_PAGEDOWN: SetTop(FTop + page); break;
    case SB_TOP: SetTop(0); break;
    case SB_BOTTOM: SetTop(Geometry().MaxTop()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO si;
        si.fMask = SIF_TRACKPOS;
        if (GetScrollInfo(FHwnd, SB_VERT, &si)) SetTop(si.nTrackPos);
        else SetTop(HIWORD(wParam));
        break;
    }
    default: break;
    }
    return 0;
}

// ---- keyboard ----

bool ListBox::MoveTo(int index, bool extend, bool caretOnly) {
    if (!FItems.Valid(index)) return false;
    FCaret = index;
    bool changed = false;
    TSelMode mode = SelMode();
    if (mode == TSelMode::smSingle || (mode == TSelMode::smExtended && !caretOnly)) {
        changed = extend ? FItems.SelectOnly(FAnchor, index) : FItems.SelectOnly(index);
        if (!extend) FAnchor = index;
    }
    ShowItem(index);
    Redraw();
    return changed;
}

LRESULT ListBox::OnKeyDown(WPARAM key) {
    int n = FItems.Count();
    if (n == 0) return DefWindowProc(FHwnd, WM_KEYDOWN, key, 0);
    bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
    TSelMode mode = SelMode();
    int step = std::max(1, Geometry().PageCount() - 1);
    // With nothing selected yet, the first arrow selects the item under the caret.
    bool fresh = mode == TSelMode::smSingle && FItems.FirstSelected() < 0;
    int target;
    switch (key) {
    case VK_UP:
    case VK_LEFT: target = fresh ? FCaret : FCaret - 1; break;
    case VK_DOWN:
    case VK_RIGHT: target = fresh ? FCaret : FCaret + 1; break;
    case VK_PRIOR: target = FCaret - step; break;
    case VK_NEXT: target = FCaret + step; break;
    case VK_HOME: target = 0; break;
    case VK_END: target = n - 1; break;
    case VK_SPACE:
        if (mode == TSelMode::smMultiple || (mode == TSelMode::smExtended && ctrl)) {
            FItems[FCaret].Selected = !FItems[FCaret].Selected;
            FAnchor = FCaret;
            RedrawItem(FCaret);
            Notify(LBN_SELCHANGE);
        } else if (mode == TSelMode::smExtended && FItems.SelectOnly(FCaret)) {
            FAnchor = FCaret;
            Redraw();
            Notify(LBN_SELCHANGE);
        }
        return 0;
    default: return DefWindowProc(FHwnd, WM_KEYDOWN, key, 0);
    }
    bool caretOnly = mode == TSelMode::smMultiple || (mode == TSelMode::smExtended && ctrl && !shift);
    if (MoveTo(std::clamp(target, 0, n - 1), shift && mode == TSelMode::smExtended, caretOnly)) Notify(LBN_SELCHANGE);
    return 0;
}

LRESULT ListBox::OnChar(WPARAM ch) {
    if (ch < 0x20 || !HasStrings() || FItems.Count() == 0) return 0;
    DWORD now = GetTickCount();
    if (now - FSearchTime > kSearchPause) FSearch.clear();
    FSearchTime = now;
    FSearch += EncodeUtf8(static_cast<char32_t>(ch));
    std::string first = EncodeUtf8(static_cast<char32_t>(ch));
    // One letter typed again and again steps through the items that begin with it; a longer
    // prefix stays on the current item while it still matches.
    bool repeated = FSearch.size() % first.size() == 0;
    for (std::size_t i = 0; repeated && i < FSearch.size(); i += first.size()) repeated = FSearch.compare(i, first.size(), first) == 0;
    std::string prefix = repeated ? first : FSearch;
    int start = repeated ? FCaret + 1 : FCaret;
    int found = FItems.Find(start, [&](const ListItems::TItem& item) { return ItemText::StartsWith(item.Text, prefix); });
    bool caretOnly = SelMode() == TSelMode::smMultiple;
    if (found >= 0 && MoveTo(found, false, caretOnly)) Notify(LBN_SELCHANGE);
    return 0;
}

// ---- items ----

LRESULT ListBox::OnAddString(UINT msg, WPARAM index, LPARAM text) {
    ListItems::TItem item;
    if (HasStrings()) item.Text = text ? reinterpret_cast<const char*>(text) : "";
    else item.Data = static_cast<UINT_PTR>(text);
    int at = -1;
    if (msg == LB_INSERTSTRING) {
        at = Index(index);
        if (at < -1 || at > FItems.Count()) return LB_ERR;
    } else if ((Style() & LBS_SORT) && HasStrings()) {
        at = FItems.SortedPlace(item.Text);
    }
    UINT_PTR data = item.Data;
    at = FItems.Insert(at, std::move(item));
    if (Style() & LBS_OWNERDRAWVARIABLE) {
        int height = MeasureItem(at, data);
        if (!IsWindow(FHwnd) || !FItems.Valid(at)) return at;
        FItems[at].Height = height;
    }
    AfterInsert(at);
    return at;
}

void ListBox::AfterInsert(int index) {
    if (FItems.Count() > 1) {
        if (FCaret >= index) ++FCaret;
        if (FAnchor >= index) ++FAnchor;
    }
    UpdateScrollBar();
    Redraw();
}

LRESULT ListBox::OnDeleteString(WPARAM index) {
    int at = Index(index);
    if (!FItems.Valid(at)) return LB_ERR;
    FItems.Delete(at);
    AfterDelete(at);
    return FItems.Count();
}

void ListBox::AfterDelete(int index) {
    int last = std::max(0, FItems.Count() - 1);
    if (FCaret > index) --FCaret;
    if (FAnchor > index) --FAnchor;
    FCaret = std::min(FCaret, last);
    FAnchor = std::min(FAnchor, last);
    FTop = std::min(FTop, Geometry().MaxTop());
    UpdateScrollBar();
    Redraw();
}

LRESULT ListBox::OnResetContent() {
    FItems.Clear();
    FTop = FCaret = FAnchor = 0;
    UpdateScrollBar();
    Redraw();
    return LB_OKAY;
}

LRESULT ListBox::OnGetText(WPARAM index, std::string* out) const {
    if (!FItems.Valid(Index(index)) || !out) return LB_ERR;
    *out = FItems[Index(index)].Text;
    return static_cast<LRESULT>(out->size());
}

LRESULT ListBox::OnGetTextLen(WPARAM index) const {
    if (!FItems.Valid(Index(index))) return LB_ERR;
    return static_cast<LRESULT>(FItems[Index(index)].Text.size());
}

LRESULT ListBox::OnFind(UINT msg, WPARAM start, LPARAM lParam) {
    // The search starts after the given item and wraps round to it; -1 searches from the top.
    int from = Index(start) + 1;
    int found;
    if (!HasStrings()) {
        found = FItems.Find(from, [&](const ListItems::TItem& item) { return item.Data == static_cast<UINT_PTR>(lParam); });
    } else {
        std::string text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        bool exact = msg == LB_FINDSTRINGEXACT;
        found = FItems.Find(from, [&](const ListItems::TItem& item) {
            return exact ? ItemText::Same(item.Text, text) : ItemText::StartsWith(item.Text, text);
        });
    }
    if (found < 0) return LB_ERR;
    if (msg == LB_SELECTSTRING && SelMode() != TSelMode::smNone) {
        if (SelMode() == TSelMode::smSingle) FItems.SelectOnly(found);
        else FItems[found].Selected = true;
        FCaret = FAnchor = found;
        ShowItem(found);
        Redraw();
    }
    return found;
}

LRESULT ListBox::OnSetCurSel(WPARAM index) {
    if (SelMode() != TSelMode::smSingle) return LB_ERR;
    int at = Index(index);
    if (at == -1) {
        if (FItems.SelectOnly(-1)) Redraw();
        return LB_ERR;
    }
    if (!FItems.Valid(at)) return LB_ERR;
    FItems.SelectOnly(at);
    FCaret = FAnchor = at;
    ShowItem(at);
    Redraw();
    return at;
}

LRESULT ListBox::OnGetCurSel() const {
    switch (SelMode()) {
    case TSelMode::smSingle: {
        int sel = FItems.FirstSelected();
        return sel < 0 ? LB_ERR : sel;
    }
    case TSelMode::smNone: return LB_ERR;
    default: return FItems.Count() ? FCaret : LB_ERR;
    }
}

LRESULT ListBox::OnSetSel(WPARAM select, LPARAM index) {
    if (SelMode() == TSelMode::smSingle || SelMode() == TSelMode::smNone) return LB_ERR;
    int at = static_cast<int>(index);
    if (at == -1) FItems.SelectRange(0, FItems.Count() - 1, select != 0);
    else if (FItems.Valid(at)) FItems[at].Selected = select != 0;
    else return LB_ERR;
    Redraw();
    return LB_OKAY;
}

LRESULT ListBox::OnGetSel(WPARAM index) const {
    if (!FItems.Valid(Index(index))) return LB_ERR;
    return FItems[Index(index)].Selected ? 1 : 0;
}

LRESULT ListBox::OnGetSelItems(WPARAM max, int* out) const {
    if (SelMode() == TSelMode::smSingle || !out) return LB_ERR;
    int count = 0;
    for (int i = 0; i < FItems.Count() && count < static_cast<int>(max); ++i)
        if (FItems[i].Selected) out[count++] = i;
    return count;
}

LRESULT ListBox::OnSelItemRange(WPARAM select, LPARAM range) {
    if (SelMode() == TSelMode::smSingle || SelMode() == TSelMode::smNone) return LB_ERR;
    auto packed = static_cast<std::uintptr_t>(range);
    if (FItems.SelectRange(LOWORD(packed), HIWORD(packed), select != 0)) Redraw();
    return LB_OKAY;
}

LRESULT ListBox::OnSetTopIndex(WPARAM index) {
    int at = Index(index);
    if (at < 0 || (FItems.Count() > 0 && at >= FItems.Count())) return LB_ERR;
    SetTop(at);
    return LB_OKAY;
}

LRESULT ListBox::OnSetCaretIndex(WPARAM index) {
    if (!FItems.Valid(Index(index))) return LB_ERR;
    FCaret = Index(index);
    ShowItem(FCaret);
    Redraw();
    return LB_OKAY;
}

LRESULT ListBox::OnSetItemHeight(WPARAM index, LPARAM height) {
    int h = LOWORD(static_cast<std::uintptr_t>(height));
    if (h < 1 || h > 255) return LB_ERR;
    if (Style() & LBS_OWNERDRAWVARIABLE) {
        if (!FItems.Valid(Index(index))) return LB_ERR;
        FItems[Index(index)].Height = h;
    } else {
        FItemHeight = h;
    }
    OnSize();
    return LB_OKAY;
}

LRESULT ListBox::OnGetItemHeight(WPARAM index) const {
    if (!(Style() & LBS_OWNERDRAWVARIABLE)) return FItemHeight;
    return FItems.Valid(Index(index)) ? Geometry().Height(Index(index)) : LB_ERR;
}

LRESULT ListBox::OnGetItemRect(WPARAM index, TRect* out) const {
    if (!out || !FItems.Valid(Index(index))) return LB_ERR;
    *out = Geometry().ItemRect(Index(index));
    return LB_OKAY;
}

LRESULT ListBox::OnItemFromPoint(LPARAM lParam) const {
    TPoint p = LParamToPoint(lParam);
    TRect client;
    GetClientRect(FHwnd, &client);
    int nearest = -1;
    int index = Geometry().ItemAt(p.Y, &nearest);
    bool outside = !client.Contains(p) || index < 0;
    return MAKELRESULT(std::max(nearest, 0), outside ? 1 : 0);
}

LRESULT ListBox::OnSetItemData(WPARAM index, LPARAM data) {
    if (!FItems.Valid(Index(index))) return LB_ERR;
    FItems[Index(index)].Data = static_cast<UINT_PTR>(data);
    return LB_OKAY;
}

// ---- painting ----

LRESULT ListBox::OnPaint(HDC given) {
    return PaintClient(FHwnd, given, [this](HDC dc) { Paint(dc); });
}

void ListBox::Paint(HDC dc) {
    if (!dc) return;
    TRect client;
    GetClientRect(FHwnd, &client);
    TColor back = Listener().CtlColor(WM_CTLCOLORLISTBOX, dc, clWindowText, clWindow);
    TColor text = dc->GetTextColor();
    dc->FillRect(client, back);
    ListGeometry geometry = Geometry();
    for (int i = FTop; i < FItems.Count(); ++i) {
        if (geometry.ItemRect(i).Top >= client.Bottom) break;
        PaintItem(dc, geometry, i, text, back);
    }
    if (GetFocus() == FHwnd && !OwnerDraw()) {
        TRect focus = FItems.Count() ? geometry.ItemRect(FCaret) : TRect{0, 0, client.Right, FItemHeight};
        ClassicStyle::DrawFocusRect(dc, focus);
    }
}

void ListBox::PaintItem(HDC dc, const ListGeometry& geometry, int index, TColor text, TColor back) {
    TRect r = geometry.ItemRect(index);
    bool selected = FItems[index].Selected;
    bool enabled = IsWindowEnabled(FHwnd) != FALSE;
    int saved = dc->SaveDC();
    dc->IntersectClipRect(r);
    dc->SelectFont(UsedFont());
    dc->SetBkColor(selected ? clHighlight : back);
    dc->SetTextColor(selected ? clHighlightText : (enabled ? text : clGrayText));
    if (OwnerDraw()) {
        DRAWITEMSTRUCT dis;
        dis.CtlType = FCombo ? ODT_COMBOBOX : ODT_LISTBOX;
        dis.itemID = static_cast<UINT>(index);
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = (selected ? ODS_SELECTED : 0) | (enabled ? 0 : ODS_DISABLED) |
                        (GetFocus() == FHwnd && index == FCaret ? ODS_FOCUS : 0);
        dis.hDC = dc;
        dis.rcItem = r;
        dis.itemData = FItems[index].Data;
        Owner().DrawItem(dis);
    } else {
        if (selected) dc->FillRect(r, clHighlight);
        dc->SetBkMode(TRANSPARENT);
        TRect t{r.Left + kTextMargin, r.Top, r.Right - kTextMargin, r.Bottom};
        unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | ((Style() & LBS_USETABSTOPS) ? unsigned{DT_EXPANDTABS} : 0u);
        DrawText(dc, FItems[index].Text, &t, flags);
    }
    dc->RestoreDC(saved);
}
