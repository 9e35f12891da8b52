// The "Edit" window class.
#include "platform/controls/EditControl.h"

#include "platform/controls/ControlInstance.h"
#include "platform/controls/EditCodes.h"
#include "platform/controls/PaintClient.h"
#include "platform/controls/ParentNotify.h"
#include "platform/system/Utf8.h"
#include "platform/window/Win.h"

#include <algorithm>

void EditControl::Register() {
    WNDCLASS wc;
    wc.lpszClassName = kClassName;
    wc.style = CS_DBLCLKS | CS_PARENTDC;
    wc.hCursor = LoadCursor(nullptr, IDC_IBEAM);
    wc.lpfnWndProc = &ControlInstance<EditControl>::Procedure;
    RegisterClass(wc);
}

LRESULT EditControl::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE: return OnCreate(lParam);
    case WM_PAINT: return OnPaint();
    case WM_PRINTCLIENT:
        if (wParam) Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND: return 1; // WM_PAINT covers every pixel
    case WM_SIZE: Changed(false); return 0;
    case WM_ENABLE:
    case WM_STYLECHANGED: Redraw(); return 0;
    case WM_SETFOCUS: return OnSetFocus();
    case WM_KILLFOCUS: return OnKillFocus();
    case WM_TIMER: return OnTimer(wParam, msg, lParam);
    case WM_LBUTTONDOWN: return OnMouseDown(lParam, false);
    case WM_LBUTTONDBLCLK: return OnMouseDown(lParam, true);
    case WM_MOUSEMOVE: return OnMouseMove(lParam);
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED: return OnMouseUp();
    case WM_KEYDOWN: return OnKeyDown(wParam);
    case WM_CHAR: return OnChar(wParam);
    case WM_VSCROLL:
    case WM_HSCROLL: return OnScroll(msg, wParam);
    case WM_MOUSEWHEEL: return OnWheel(wParam);
    case WM_SETTEXT: return OnSetText(lParam);
    case WM_GETTEXT: return OnGetText(lParam);
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(EncodeUtf8(FBuffer.Text()).size());
    case WM_SETFONT: return OnSetFont(wParam, lParam);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(FFont);
    case WM_CUT: return Cut();
    case WM_COPY: return Copy();
    case WM_PASTE: return Paste();
    case WM_CLEAR: return Clear();
    case WM_UNDO:
    case EM_UNDO: return Undo();
    case WM_GETDLGCODE: return DialogCode();
    case EM_GETSEL: return GetSel(wParam, lParam);
    case EM_SETSEL: return SetSel(wParam, lParam);
    case EM_REPLACESEL: return ReplaceSel(wParam, lParam);
    case EM_GETLINECOUNT: return FView.LineCount();
    case EM_LINEINDEX: return LineIndex(wParam);
    case EM_LINELENGTH: return LineLength(wParam);
    case EM_GETLINE: return GetLine(wParam, lParam);
    case EM_LINEFROMCHAR: return FView.LineFromChar(static_cast<int>(wParam) < 0 ? FBuffer.SelStart() : static_cast<int>(wParam));
    case EM_SCROLLCARET: ScrollToCaret(); UpdateScrollBars(); Redraw(); return TRUE;
    case EM_LINESCROLL: return LineScroll(static_cast<int>(lParam), static_cast<int>(wParam));
    case EM_GETFIRSTVISIBLELINE: return Multi() ? FFirstLine : 0;
    case EM_GETMODIFY: return FModified ? TRUE : FALSE;
    case EM_SETMODIFY: return SetModify(wParam);
    case EM_CANUNDO: return FBuffer.CanUndo() ? TRUE : FALSE;
    case EM_EMPTYUNDOBUFFER: FBuffer.EmptyUndo(); return 0;
    case EM_LIMITTEXT: return SetLimit(wParam);
    case EM_GETLIMITTEXT: return FBuffer.Limit();
    case EM_SETREADONLY: return SetReadOnly(wParam);
    case EM_SETPASSWORDCHAR: return SetPasswordChar(wParam);
    case EM_GETPASSWORDCHAR: return static_cast<LRESULT>(FPasswordChar);
    case EM_SETMARGINS: return SetMargins(wParam, lParam);
    case EM_GETMARGINS: return MAKELRESULT(FLeftMargin, FRightMargin);
    case EM_GETRECT: *reinterpret_cast<TRect*>(lParam) = TextRect(); return 0;
    case EM_POSFROMCHAR: return PosFromChar(wParam);
    case EM_CHARFROMPOS: return CharFromPos(lParam);
    default: return DefWindowProc(FHwnd, msg, wParam, lParam);
    }
}

// ---- state and geometry ----

DWORD EditControl::Style() const { return static_cast<DWORD>(GetWindowLongPtr(FHwnd, GWL_STYLE)); }
bool EditControl::Multi() const { return (Style() & ES_MULTILINE) != 0; }
bool EditControl::ReadOnly() const { return (Style() & ES_READONLY) != 0; }
HFONT EditControl::CurrentFont() const { return FFont ? FFont : Font::Default(); }

TRect EditControl::TextRect() const {
    TRect client;
    GetClientRect(FHwnd, &client);
    TRect r{client.Left + FLeftMargin, client.Top + 1, client.Right - FRightMargin, client.Bottom};
    if (!Multi()) {
        // A single line sits in the middle of a control taller than it.
        int extra = std::max(0, client.Height() - FView.LineHeight());
        r.Top = client.Top + extra / 2;
    }
    r.Right = std::max(r.Left, r.Right);
    r.Bottom = std::max(r.Top, r.Bottom);
    return r;
}

int EditControl::VisibleLines() const {
    return std::max(1, TextRect().Height() / FView.LineHeight());
}

TPoint EditControl::PosOf(int pos) const {
    TRect r = TextRect();
    int line = FView.LineFromChar(pos);
    return {r.Left + FView.XOf(Shown(), line, pos) - FScrollX, r.Top + (line - FFirstLine) * FView.LineHeight()};
}

int EditControl::CharAt(TPoint p) const {
    TRect r = TextRect();
    int line = FFirstLine + (p.Y - r.Top) / FView.LineHeight() - (p.Y < r.Top ? 1 : 0);
    line = std::clamp(line, 0, FView.LineCount() - 1);
    return FView.CharAtX(Shown(), line, p.X - r.Left + FScrollX);
}

// ---- change propagation ----

void EditControl::Relayout() {
    bool wrap = Multi() && !(Style() & (WS_HSCROLL | ES_AUTOHSCROLL));
    FView.Layout(Shown(), CurrentFont(), wrap ? TextRect().Width() : 0);
}

void EditControl::Changed(bool textChanged) {
    Relayout();
    ScrollToCaret();
    UpdateScrollBars();
    if (textChanged) {
        FModified = true;
        SyncWindowText();
        ParentNotify::Command(FHwnd, EN_UPDATE);
        if (!IsWindow(FHwnd)) return;
    }
    Redraw();
    RestartCaret();
    if (textChanged) ParentNotify::Command(FHwnd, EN_CHANGE);
}

void EditControl::SyncWindowText() {
    // The window record keeps a copy so that window dumps and the default procedure see the text.
    std::string utf8 = EncodeUtf8(FBuffer.Text());
    DefWindowProc(FHwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(utf8.c_str()));
}

void EditControl::ScrollToCaret() {
    TRect r = TextRect();
    int caret = FBuffer.Caret();
    if (Multi()) {
        int line = FView.LineFromChar(caret);
        int visible = VisibleLines();
        if (line < FFirstLine) FFirstLine = line;
        else if (line >= FFirstLine + visible) FFirstLine = line - visible + 1;
        FFirstLine = std::clamp(FFirstLine, 0, std::max(0, FView.LineCount() - 1));
    }
    int x = FView.XOf(Shown(), FView.LineFromChar(caret), caret);
    int width = std::max(1, r.Width() - 1);
    if (x < FScrollX) FScrollX = std::max(0, x - width / 4);
    else if (x > FScrollX + width) FScrollX = x - width + width / 4;
    if (x <= width) FScrollX = std::min(FScrollX, x);
}

void EditControl::UpdateScrollBars() {
    DWORD style = Style();
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    if (style & WS_VSCROLL) {
        si.nMin = 0;
        si.nMax = FView.LineCount() - 1;
        si.nPage = static_cast<UINT>(VisibleLines());
        si.nPos = FFirstLine;
        SetScrollInfo(FHwnd, SB_VERT, &si, TRUE);
    }
    if (style & WS_HSCROLL) {
        si.nMin = 0;
        si.nMax = FView.MaxWidth();
        si.nPage = static_cast<UINT>(std::max(1, TextRect().Width()));
        si.nPos = FScrollX;
        SetScrollInfo(FHwnd, SB_HORZ, &si, TRUE);
    }
}

void EditControl::Redraw() { InvalidateRect(FHwnd, nullptr, FALSE); }

void EditControl::RestartCaret() {
    if (!FFocused) return;
    FCaretOn = true;
    SetTimer(FHwnd, kCaretTimer, kCaretBlink);
}

bool EditControl::Replace(const std::u32string& with, bool canUndo, bool typing) {
    bool fits = FBuffer.ReplaceSelection(with, canUndo, typing);
    FDesiredX = -1;
    Changed(true);
    if (!fits && IsWindow(FHwnd)) ParentNotify::Command(FHwnd, EN_MAXTEXT);
    return fits;
}

// ---- painting ----

LRESULT EditControl::OnPaint() {
    return PaintClient(FHwnd, nullptr, [this](HDC dc) { Paint(dc); });
}

void EditControl::Paint(HDC dc) {
    TRect client;
    GetClientRect(FHwnd, &client);
    bool enabled = IsWindowEnabled(FHwnd) != FALSE;
    // Read-only and disabled edits ask as statics do, and default to the dialog grey.
    bool greyed = ReadOnly() || !enabled;
    TColor back = ParentNotify::CtlColor(FHwnd, greyed ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT, dc, enabled ? clWindowText : clGrayText,
                                         greyed ? clBtnFace : clWindow);
    TColor ink = dc->GetTextColor();
    dc->FillRect(client, back);
    const Font* old = dc->SelectFont(CurrentFont());
    int mode = dc->SetBkMode(TRANSPARENT);
    int saved = dc->SaveDC();
    TRect r = TextRect();
    dc->IntersectClipRect({r.Left, client.Top, r.Right, client.Bottom});
    bool showSel = FFocused || (Style() & ES_NOHIDESEL);
    int selStart = showSel ? FBuffer.SelStart() : 0, selEnd = showSel ? FBuffer.SelEnd() : 0;
    int lh = FView.LineHeight();
    for (int line = FFirstLine, y = r.Top; line < FView.LineCount() && y < client.Bottom; ++line, y += lh)
        FView.PaintLine(dc, Shown(), line, r.Left - FScrollX, y, selStart, selEnd, ink, clHighlightText, clHighlight);
    PaintCaret(dc, ink);
    dc->RestoreDC(saved);
    dc->SetBkMode(mode);
    dc->SelectFont(old);
}

void EditControl::PaintCaret(HDC dc, TColor ink) {
    if (!FFocused || !FCaretOn) return;
    TPoint p = PosOf(FBuffer.Caret());
    dc->FillRect(Bounds(p.X, p.Y, 1, FView.LineHeight()), ink);
}

// ---- focus, caret and mouse ----

std::u32string EditControl::Shown() const {
    return FPasswordChar ? std::u32string(FBuffer.Text().size(), FPasswordChar) : FBuffer.Text();
}

LRESULT EditControl::SetPasswordChar(WPARAM ch) {
    if (Multi()) return 0;
    FPasswordChar = static_cast<char32_t>(ch);
    Relayout();
    Redraw();
    return 0;
}

LRESULT EditControl::OnCreate(LPARAM lParam) {
    const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
    if (!Multi() && (GetWindowLongPtr(FHwnd, GWL_STYLE) & ES_PASSWORD)) FPasswordChar = U'*';
    if (cs) FBuffer.SetText(DecodeUtf8(cs->lpszName));
    Relayout();
    UpdateScrollBars();
    return 0;
}

LRESULT EditControl::OnSetFocus() {
    FFocused = true;
    RestartCaret();
    Redraw();
    ParentNotify::Command(FHwnd, EN_SETFOCUS);
    return 0;
}

LRESULT EditControl::OnKillFocus() {
    FFocused = false;
    FCaretOn = false;
    KillTimer(FHwnd, kCaretTimer);
    Redraw();
    ParentNotify::Command(FHwnd, EN_KILLFOCUS);
    return 0;
}

LRESULT EditControl::OnTimer(WPARAM id, UINT msg, LPARAM lParam) {
    if (id != kCaretTimer) return DefWindowProc(FHwnd, msg, id, lParam);
    FCaretOn = !FCaretOn && FFocused;
    TPoint p = PosOf(FBuffer.Caret());
    TRect caret = Bounds(p.X, p.Y, 1, FView.LineHeight());
    InvalidateRect(FHwnd, &caret, FALSE);
    return 0;
}

LRESULT EditControl::OnMouseDown(LPARAM lParam, bool doubleClick) {
    if (GetFocus() != FHwnd) SetFocus(FHwnd);
    if (!IsWindow(FHwnd)) return 0;
    int at = CharAt(LParamToPoint(lParam));
    if (doubleClick) {
        FBuffer.Select(FBuffer.WordLeft(std::min(at + 1, FBuffer.Length())), FBuffer.WordEnd(at));
    } else {
        FBuffer.MoveCaret(at, (GetKeyState(VK_SHIFT) & 0x8000) != 0);
        FSelecting = true;
        SetCapture(FHwnd);
    }
    FDesiredX = -1;
    Changed(false);
    return 0;
}

LRESULT EditControl::OnMouseMove(LPARAM lParam) {
    if (!FSelecting) return 0;
    int at = CharAt(LParamToPoint(lParam));
    if (at != FBuffer.Caret()) {
        FBuffer.MoveCaret(at, true);
        Changed(false);
    }
    return 0;
}

LRESULT EditControl::OnMouseUp() {
    if (!FSelecting) return 0;
    FSelecting = false;
    if (GetCapture() == FHwnd) ReleaseCapture();
    return 0;
}

// ---- keyboard ----

LRESULT EditControl::OnKeyDown(WPARAM key) {
    bool ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    if (MoveKey(key, ctrl, shift)) return 0;
    switch (key) {
    case VK_DELETE:
        if (shift) return Cut();
        if (ReadOnly()) return 0;
        if (!FBuffer.HasSelection()) FBuffer.MoveCaret(ctrl ? FBuffer.WordRight(FBuffer.Caret()) : FBuffer.Caret() + 1, true);
        if (FBuffer.HasSelection()) Replace(U"", true);
        return 0;
    case VK_INSERT:
        if (ctrl) return Copy();
        if (shift) return Paste();
        return 0;
    default: return 0;
    }
}

bool EditControl::MoveKey(WPARAM key, bool ctrl, bool shift) {
    int caret = FBuffer.Caret();
    int line = FView.LineFromChar(caret);
    const TEditLine& l = FView.Lines()[static_cast<std::size_t>(line)];
    int to = caret;
    int lineStep = 0;
    switch (key) {
    case VK_LEFT:
        to = !shift && FBuffer.HasSelection() && !ctrl ? FBuffer.SelStart() : ctrl ? FBuffer.WordLeft(caret) : caret - 1;
        // A "\r\n" break is stepped over as one.
        if (!ctrl && to > 0 && to < FBuffer.Length() && FBuffer.Text()[to] == U'\n' && FBuffer.Text()[to - 1] == U'\r') --to;
        break;
    case VK_RIGHT:
        to = !shift && FBuffer.HasSelection() && !ctrl ? FBuffer.SelEnd() : ctrl ? FBuffer.WordRight(caret) : caret + 1;
        if (!ctrl && to < FBuffer.Length() && to > 0 && FBuffer.Text()[to] == U'\n' && FBuffer.Text()[to - 1] == U'\r') ++to;
        break;
    case VK_HOME: to = ctrl ? 0 : l.Start; break;
    case VK_END: to = ctrl ? FBuffer.Length() : l.Start + l.Length; break;
    case VK_UP: lineStep = -1; break;
    case VK_DOWN: lineStep = 1; break;
    case VK_PRIOR: lineStep = -VisibleLines(); break;
    case VK_NEXT: lineStep = VisibleLines(); break;
    default: return false;
    }
    if (lineStep != 0) {
        if (!Multi()) return true;
        if (FDesiredX < 0) FDesiredX = FView.XOf(Shown(), line, caret);
        int target = std::clamp(line + lineStep, 0, FView.LineCount() - 1);
        if (key == VK_PRIOR || key == VK_NEXT) FFirstLine = std::clamp(FFirstLine + lineStep, 0, std::max(0, FView.LineCount() - VisibleLines()));
        to = FView.CharAtX(Shown(), target, FDesiredX);
        int keepX = FDesiredX;
        FBuffer.MoveCaret(to, shift);
        Changed(false);
        FDesiredX = keepX;
        return true;
    }
    FBuffer.MoveCaret(to, shift);
    FDesiredX = -1;
    Changed(false);
    return true;
}

LRESULT EditControl::OnChar(WPARAM ch) {
    char32_t c = static_cast<char32_t>(ch);
    switch (c) {
    case 1: FBuffer.Select(0, FBuffer.Length()); Changed(false); return 0;       // Ctrl+A
    case 3: return Copy();                                                       // Ctrl+C
    case 22: return Paste();                                                     // Ctrl+V
    case 24: return Cut();                                                       // Ctrl+X
    case 26: return Undo();                                                      // Ctrl+Z
    case 8:                                                                      // Backspace
        if (ReadOnly()) return 0;
        if (!FBuffer.HasSelection()) {
            int back = FBuffer.Caret() - 1;
            if (back > 0 && FBuffer.Text()[back] == U'\n' && FBuffer.Text()[back - 1] == U'\r') --back;
            FBuffer.MoveCaret(back, true);
        }
        if (FBuffer.HasSelection()) Replace(U"", true);
        return 0;
    default: break;
    }
    if (ReadOnly()) return 0;
    if (c == U'\r') return Multi() ? (Replace(U"\r\n", true), 0) : 0;
    if (c == U'\t') return Multi() ? (Replace(U"\t", true, true), 0) : 0;
    if (c < 0x20 || c == 0x7F) return 0;
    if ((Style() & ES_NUMBER) && (c < U'0' || c > U'9')) return 0;
    Replace(std::u32string(1, c), true, true);
    return 0;
}

// ---- scrolling ----

LRESULT EditControl::OnScroll(UINT msg, WPARAM wParam) {
    int code = LOWORD(wParam);
    if (msg == WM_VSCROLL) {
        int line = FFirstLine;
        switch (code) {
        case SB_LINEUP: --line; break;
        case SB_LINEDOWN: ++line; break;
        case SB_PAGEUP: line -= VisibleLines(); break;
        case SB_PAGEDOWN: line += VisibleLines(); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: line = HIWORD(wParam); break;
        case SB_TOP: line = 0; break;
        case SB_BOTTOM: line = FView.LineCount(); break;
        default: return 0;
        }
        return LineScroll(line - FFirstLine, 0);
    }
    int x = FScrollX, step = std::max(1, FView.LineHeight());
    switch (code) {
    case SB_LINELEFT: x -= step; break;
    case SB_LINERIGHT: x += step; break;
    case SB_PAGELEFT: x -= TextRect().Width(); break;
    case SB_PAGERIGHT: x += TextRect().Width(); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: x = HIWORD(wParam); break;
    default: return 0;
    }
    FScrollX = std::clamp(x, 0, std::max(0, FView.MaxWidth() - TextRect().Width() + 1));
    UpdateScrollBars();
    Redraw();
    return 0;
}

LRESULT EditControl::OnWheel(WPARAM wParam) {
    if (!Multi()) return DefWindowProc(FHwnd, WM_MOUSEWHEEL, wParam, 0);
    return LineScroll(-GET_WHEEL_DELTA_WPARAM(wParam) / 120 * 3, 0);
}

LRESULT EditControl::LineScroll(int lines, int chars) {
    if (!Multi()) return FALSE;
    int maxFirst = std::max(0, FView.LineCount() - VisibleLines());
    FFirstLine = std::clamp(FFirstLine + lines, 0, maxFirst);
    FScrollX = std::max(0, FScrollX + chars * std::max(1, CurrentFont()->Metrics().tmAveCharWidth));
    UpdateScrollBars();
    Redraw();
    return TRUE;
}

// ---- text, clipboard and undo ----

LRESULT EditControl::OnSetText(LPARAM lParam) {
    const char* text = reinterpret_cast<const char*>(lParam);
    std::u32string t = DecodeUtf8(text ? text : "");
    if (static_cast<int>(t.size()) > FBuffer.Limit()) t.resize(static_cast<std::size_t>(FBuffer.Limit()));
    FBuffer.SetText(std::move(t));
    FFirstLine = 0;
    FScrollX = 0;
    Changed(true);
    FModified = false;
    return TRUE;
}

LRESULT EditControl::OnGetText(LPARAM lParam) const {
    auto* out = reinterpret_cast<std::string*>(lParam);
    if (!out) return 0;
    *out = EncodeUtf8(FBuffer.Text());
    return static_cast<LRESULT>(out->size());
}

LRESULT EditControl::OnSetFont(WPARAM font, LPARAM redraw) {
    FFont = reinterpret_cast<HFONT>(font);
    Relayout();
    ScrollToCaret();
    UpdateScrollBars();
    if (redraw) Redraw();
    return 0;
}

// A password never leaves the field.
LRESULT EditControl::Cut() {
    if (ReadOnly() || FPasswordChar || !FBuffer.HasSelection()) return 0;
    Copy();
    Replace(U"", true);
    return 0;
}

LRESULT EditControl::Copy() const {
    if (FBuffer.HasSelection() && !FPasswordChar) SetClipboardText(EncodeUtf8(FBuffer.Selected()));
    return 0;
}

LRESULT EditControl::Paste() {
    if (ReadOnly()) return 0;
    std::u32string text = DecodeUtf8(GetClipboardText());
    if (!Multi()) {
        // A single line takes the clipboard's first line.
        auto cut = text.find_first_of(U"\r\n");
        if (cut != std::u32string::npos) text.resize(cut);
    }
    if ((Style() & ES_NUMBER) && text.find_first_not_of(U"0123456789") != std::u32string::npos) return 0;
    if (!text.empty() || FBuffer.HasSelection()) Replace(text, true);
    return 0;
}

LRESULT EditControl::Clear() {
    if (!ReadOnly() && FBuffer.HasSelection()) Replace(U"", true);
    return 0;
}

LRESULT EditControl::Undo() {
    if (ReadOnly() || !FBuffer.Undo()) return FALSE;
    Changed(true);
    return TRUE;
}

LRESULT EditControl::DialogCode() const {
    LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    return Multi() ? code | DLGC_WANTALLKEYS : code;
}

// ---- EM_ messages ----

LRESULT EditControl::GetSel(WPARAM startOut, LPARAM endOut) const {
    if (startOut) *reinterpret_cast<DWORD*>(startOut) = static_cast<DWORD>(FBuffer.SelStart());
    if (endOut) *reinterpret_cast<DWORD*>(endOut) = static_cast<DWORD>(FBuffer.SelEnd());
    return MAKELRESULT(std::min(FBuffer.SelStart(), 0xFFFF), std::min(FBuffer.SelEnd(), 0xFFFF));
}

LRESULT EditControl::SetSel(WPARAM start, LPARAM end) {
    int s = static_cast<int>(static_cast<std::intptr_t>(start)), e = static_cast<int>(end);
    if (s < 0) {
        FBuffer.MoveCaret(FBuffer.Caret(), false); // -1 removes the selection
    } else {
        if (e < 0) e = FBuffer.Length();
        FBuffer.Select(s, e);
    }
    FDesiredX = -1;
    Changed(false);
    return 0;
}

LRESULT EditControl::ReplaceSel(WPARAM canUndo, LPARAM text) {
    const char* t = reinterpret_cast<const char*>(text);
    Replace(DecodeUtf8(t ? t : ""), canUndo != 0);
    return 0;
}

LRESULT EditControl::LineIndex(WPARAM line) const {
    int l = static_cast<int>(static_cast<std::intptr_t>(line));
    if (l < 0) l = FView.LineFromChar(FBuffer.Caret());
    if (l >= FView.LineCount()) return -1;
    return FView.Lines()[static_cast<std::size_t>(l)].Start;
}

LRESULT EditControl::LineLength(WPARAM pos) const {
    int p = static_cast<int>(static_cast<std::intptr_t>(pos));
    if (p > FBuffer.Length()) return 0;
    if (p < 0) p = FBuffer.Caret();
    return FView.Lines()[static_cast<std::size_t>(FView.LineFromChar(p))].Length;
}

LRESULT EditControl::GetLine(WPARAM line, LPARAM out) const {
    // The line arrives in a std::string (UTF-8), as WM_GETTEXT's text does here.
    auto* text = reinterpret_cast<std::string*>(out);
    int l = static_cast<int>(line);
    if (!text || l < 0 || l >= FView.LineCount()) return 0;
    const TEditLine& e = FView.Lines()[static_cast<std::size_t>(l)];
    *text = EncodeUtf8(std::u32string_view(FBuffer.Text()).substr(static_cast<std::size_t>(e.Start), static_cast<std::size_t>(e.Length)));
    return e.Length;
}

LRESULT EditControl::SetLimit(WPARAM limit) {
    // 0 asks for the largest limit.
    FBuffer.SetLimit(limit == 0 ? 0x7FFFFFFE : static_cast<int>(std::min<WPARAM>(limit, 0x7FFFFFFE)));
    return 0;
}

LRESULT EditControl::SetReadOnly(WPARAM on) {
    DWORD style = Style();
    DWORD now = on ? (style | ES_READONLY) : (style & ~ES_READONLY);
    if (now != style) SetWindowLongPtr(FHwnd, GWL_STYLE, static_cast<LONG_PTR>(now));
    Redraw();
    return TRUE;
}

LRESULT EditControl::SetMargins(WPARAM which, LPARAM margins) {
    int avg = CurrentFont()->Metrics().tmAveCharWidth;
    bool fromFont = LOWORD(static_cast<std::uintptr_t>(margins)) == EC_USEFONTINFO;
    if (which & EC_LEFTMARGIN) FLeftMargin = fromFont ? avg / 2 : LOWORD(static_cast<std::uintptr_t>(margins));
    if (which & EC_RIGHTMARGIN) FRightMargin = fromFont ? avg / 2 : HIWORD(static_cast<std::uintptr_t>(margins));
    Changed(false);
    return 0;
}

LRESULT EditControl::PosFromChar(WPARAM pos) const {
    int p = static_cast<int>(pos);
    if (p < 0 || p > FBuffer.Length()) return -1;
    TPoint pt = PosOf(p);
    return MAKELRESULT(pt.X, pt.Y);
}

LRESULT EditControl::CharFromPos(LPARAM point) const {
    int at = CharAt(LParamToPoint(point));
    return MAKELRESULT(std::min(at, 0xFFFF), std::min(FView.LineFromChar(at), 0xFFFF));
}

LRESULT EditControl::SetModify(WPARAM modified) {
    FModified = modified != 0;
    return 0;
}
