// The "Edit" window class: single-line and multi-line (ES_MULTILINE) text entry with a blinking
// caret, selection by mouse and keys, the clipboard, one step of undo, read-only mode, horizontal
// and vertical scrolling (with the window's own scroll bars when WS_HSCROLL / WS_VSCROLL are set)
// and word wrap for memos without horizontal scrolling. Text is UTF-8 in every message;
// positions (EM_GETSEL, EM_LINEINDEX, ...) count code points, a "\r\n" line break counting two.
// Characters arrive only as WM_CHAR, so a procedure in front that swallows WM_CHAR filters them.
#pragma once

#include "platform/controls/EditBuffer.h"
#include "platform/controls/EditView.h"
#include "platform/window/WinTypes.h"

class EditControl {
public:
    static constexpr const char* kClassName = "Edit";
    static constexpr UINT_PTR kCaretTimer = 0xED17;
    static constexpr UINT kCaretBlink = 530;
    static void Register();

    explicit EditControl(HWND hwnd) : FHwnd(hwnd) {}
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    DWORD Style() const;
    bool Multi() const;
    bool ReadOnly() const;
    // The text as it shows: with a password character, that character once per character.
    std::u32string Shown() const;
    LRESULT SetPasswordChar(WPARAM ch);
    TRect TextRect() const;
    int VisibleLines() const;
    HFONT CurrentFont() const;
    TPoint PosOf(int pos) const;
    int CharAt(TPoint client) const;

    // After every change: lay out, keep the caret in view, update bars, repaint, notify.
    void Changed(bool textChanged);
    void Relayout();
    void ScrollToCaret();
    void UpdateScrollBars();
    void Redraw();
    void RestartCaret();
    bool Replace(const std::u32string& with, bool canUndo, bool typing = false);
    void SyncWindowText();

    void Paint(HDC dc);
    void PaintCaret(HDC dc, TColor ink);
    LRESULT OnPaint();
    LRESULT OnCreate(LPARAM lParam);
    LRESULT OnSetFocus();
    LRESULT OnKillFocus();
    LRESULT OnTimer(WPARAM id, UINT msg, LPARAM lParam);
    LRESULT OnMouseDown(LPARAM lParam, bool doubleClick);
    LRESULT OnMouseMove(LPARAM lParam);
    LRESULT OnMouseUp();
    LRESULT OnKeyDown(WPARAM key);
    bool MoveKey(WPARAM key, bool ctrl, bool shift);
    LRESULT OnChar(WPARAM ch);
    LRESULT OnScroll(UINT msg, WPARAM wParam);
    LRESULT OnWheel(WPARAM wParam);
    LRESULT OnSetText(LPARAM lParam);
    LRESULT OnGetText(LPARAM lParam) const;
    LRESULT OnSetFont(WPARAM font, LPARAM redraw);
    LRESULT Cut();
    LRESULT Copy() const;
    LRESULT Paste();
    LRESULT Clear();
    LRESULT Undo();
    LRESULT DialogCode() const;
    LRESULT GetSel(WPARAM startOut, LPARAM endOut) const;
    LRESULT SetSel(WPARAM start, LPARAM end);
    LRESULT ReplaceSel(WPARAM canUndo, LPARAM text);
    LRESULT LineIndex(WPARAM line) const;
    LRESULT LineLength(WPARAM pos) const;
    LRESULT GetLine(WPARAM line, LPARAM out) const;
    LRESULT LineScroll(int lines, int chars);
    LRESULT SetLimit(WPARAM limit);
    LRESULT SetReadOnly(WPARAM on);
    LRESULT SetMargins(WPARAM which, LPARAM margins);
    LRESULT PosFromChar(WPARAM pos) const;
    LRESULT CharFromPos(LPARAM point) const;
    LRESULT SetModify(WPARAM modified);

    HWND FHwnd;
    HFONT FFont = nullptr;
    EditBuffer FBuffer;
    EditView FView;
    int FFirstLine = 0;   // the line at the top (multi-line)
    int FScrollX = 0;     // pixels scrolled to the left
    int FLeftMargin = 1;
    int FRightMargin = 1;
    int FDesiredX = -1;   // the column Up / Down keep to, -1 = the caret's own
    bool FFocused = false;
    bool FCaretOn = false;
    bool FSelecting = false;
    bool FModified = false;
    char32_t FPasswordChar = 0; // ES_PASSWORD starts it as '*'
};
