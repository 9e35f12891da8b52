// The "Edit" class: typing (also Cyrillic), filtering by a procedure in front, selection by keys
// and mouse, clipboard, undo, limits, read-only, memos with lines, wrapping and scrolling, the
// caret blink and the notifications.
#include "ControlTestFixture.h"
#include "platform/controls/EditCodes.h"
#include "platform/controls/EditControl.h"

namespace {
using TCommands = std::vector<std::pair<int, int>>;

class EditTest : public ControlTest {
protected:
    HWND Edit(DWORD style = ES_AUTOHSCROLL, TRect r = {10, 10, 210, 32}, const std::string& text = "") {
        HWND h = Make("Edit", text, WS_BORDER | style, r, 100);
        SetFocus(h);
        Pump();
        Log.clear();
        return h;
    }
    std::string Text(HWND h) { return GetWindowText(h); }
    std::pair<int, int> Sel(HWND h) {
        DWORD s = 0, e = 0;
        SendMessage(h, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
        return {static_cast<int>(s), static_cast<int>(e)};
    }
    void Type(const std::string& utf8) {
        Input().Text(utf8);
        Pump();
    }
    void Chord(UINT modifier, UINT vk) {
        KeyDown(modifier);
        Press(vk);
        KeyUp(modifier);
    }
    int Codes(int code) {
        auto c = Commands();
        return static_cast<int>(std::count(c.begin(), c.end(), std::pair<int, int>{100, code}));
    }
};
}

TEST_F(EditTest, TypingCyrillicCountsCodePointsAndNotifiesEachChange) {
    HWND e = Edit();
    Type("Привет");
    EXPECT_EQ(Text(e), "Привет");
    EXPECT_EQ(SendMessage(e, WM_GETTEXTLENGTH, 0, 0), 12) << "the text length is in UTF-8 bytes";
    EXPECT_EQ(Sel(e), (std::pair<int, int>{6, 6})) << "positions count characters";
    EXPECT_EQ(Codes(EN_UPDATE), 6);
    EXPECT_EQ(Codes(EN_CHANGE), 6);
    auto c = Commands();
    EXPECT_EQ(c[0].second, EN_UPDATE) << "EN_UPDATE comes before EN_CHANGE";
    EXPECT_EQ(c[1].second, EN_CHANGE);
    EXPECT_TRUE(SendMessage(e, EM_GETMODIFY, 0, 0));
    SetWindowText(e, "set");
    EXPECT_FALSE(SendMessage(e, EM_GETMODIFY, 0, 0)) << "text set by program is not a user's change";
    EXPECT_EQ(Text(e), "set");
}

TEST_F(EditTest, AProcedureInFrontThatSwallowsCharactersFiltersThem) {
    HWND e = Edit();
    // The game's gap field: digits and Backspace only.
    auto below = std::make_shared<WNDPROC>();
    *below = SetWindowProc(e, [below](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_CHAR && !(w >= '0' && w <= '9') && w != 8) return 0;
        return CallWindowProc(*below, h, m, w, l);
    });
    Type("1a2b3");
    EXPECT_EQ(Text(e), "123");
    Press(VK_BACK);
    EXPECT_EQ(Text(e), "12");
    HWND number = Edit(ES_NUMBER, {10, 40, 210, 62});
    Type("4x5");
    EXPECT_EQ(Text(number), "45") << "ES_NUMBER takes digits only";
}

TEST_F(EditTest, KeysMoveAndExtendTheSelectionByCharacterWordAndLine) {
    HWND e = Edit(ES_AUTOHSCROLL, {10, 10, 210, 32}, "one two three");
    SendMessage(e, EM_SETSEL, 13, 13);
    Chord(VK_CONTROL, VK_LEFT);
    EXPECT_EQ(Sel(e), (std::pair<int, int>{8, 8}));
    Chord(VK_CONTROL, VK_LEFT);
    EXPECT_EQ(Sel(e), (std::pair<int, int>{4, 4}));
    KeyDown(VK_SHIFT);
    Press(VK_RIGHT);
    Press(VK_RIGHT);
    KeyUp(VK_SHIFT);
    EXPECT_EQ(Sel(e), (std::pair<int, int>{4, 6}));
    Press(VK_LEFT);
    EXPECT_EQ(Sel(e), (std::pair<int, int>{4, 4})) << "Left collapses a selection to its start";
    Chord(VK_SHIFT, VK_END);
    EXPECT_EQ(Sel(e), (std::pair<int, int>{4, 13}));
    Press(VK_DELETE);
    EXPECT_EQ(Text(e), "one ");
    Press(VK_HOME);
    Press(VK_DELETE);
    EXPECT_EQ(Text(e), "ne ");
    Chord(VK_CONTROL, 'A');
    EXPECT_EQ(Sel(e), (std::pair<int, int>{0, 3}));
    Press(VK_BACK);
    EXPECT_EQ(Text(e), "");
    Press(VK_BACK); // nothing left: nothing happens
    EXPECT_EQ(Codes(EN_CHANGE), 3);
}

TEST_F(EditTest, ClipboardKeysCutCopyAndPaste) {
    HWND e = Edit(ES_AUTOHSCROLL, {10, 10, 210, 32}, "hello world");
    SendMessage(e, EM_SETSEL, 0, 5);
    Chord(VK_CONTROL, 'C');
    EXPECT_EQ(GetClipboardText(), "hello");
    SendMessage(e, EM_SETSEL, 6, 11);
    Chord(VK_CONTROL, 'X');
    EXPECT_EQ(GetClipboardText(), "world");
    EXPECT_EQ(Text(e), "hello ");
    Chord(VK_SHIFT, VK_INSERT);
    Chord(VK_CONTROL, 'V');
    EXPECT_EQ(Text(e), "hello worldworld");
    SetClipboardText("first\r\nsecond");
    SendMessage(e, EM_SETSEL, 0, -1);
    SendMessage(e, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(e), "first") << "a single line takes the first line";
    SendMessage(e, EM_SETSEL, 0, 1);
    Chord(VK_CONTROL, VK_INSERT);
    EXPECT_EQ(GetClipboardText(), "f");
}

TEST_F(EditTest, UndoTakesBackTheLastChangeAndRedoesItWhenAskedAgain) {
    HWND e = Edit(ES_AUTOHSCROLL, {10, 10, 210, 32}, "base");
    SendMessage(e, EM_SETSEL, 4, 4);
    EXPECT_FALSE(SendMessage(e, EM_CANUNDO, 0, 0));
    Type(" text");
    EXPECT_TRUE(SendMessage(e, EM_CANUNDO, 0, 0));
    Chord(VK_CONTROL, 'Z');
    EXPECT_EQ(Text(e), "base") << "a run of typing is one change";
    Chord(VK_CONTROL, 'Z');
    EXPECT_EQ(Text(e), "base text");
    SendMessage(e, EM_SETSEL, 0, 4);
    Press(VK_DELETE);
    EXPECT_EQ(Text(e), " text");
    SendMessage(e, EM_UNDO, 0, 0);
    EXPECT_EQ(Text(e), "base text");
    EXPECT_EQ(Sel(e), (std::pair<int, int>{0, 4})) << "the selection comes back with the text";
    SendMessage(e, EM_EMPTYUNDOBUFFER, 0, 0);
    EXPECT_FALSE(SendMessage(e, EM_UNDO, 0, 0));
    EXPECT_EQ(Text(e), "base text");
}

TEST_F(EditTest, TheLimitCutsInsertedTextAndReportsMaxText) {
    HWND e = Edit();
    SendMessage(e, EM_LIMITTEXT, 4, 0);
    Type("abcdef");
    EXPECT_EQ(Text(e), "abcd");
    EXPECT_EQ(Codes(EN_MAXTEXT), 2);
    SendMessage(e, EM_SETSEL, 1, 3);
    SetClipboardText("XYZ");
    SendMessage(e, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(e), "aXYd") << "a paste replaces the selection and keeps within the limit";
    EXPECT_EQ(SendMessage(e, EM_GETLIMITTEXT, 0, 0), 4);
}

TEST_F(EditTest, ReadOnlyEditsRefuseChangesAndAskForStaticColours) {
    HWND e = Edit(ES_READONLY | ES_AUTOHSCROLL, {10, 10, 210, 32}, "fixed");
    Log.clear();
    InvalidateRect(e, nullptr, TRUE);
    EXPECT_EQ(Pixel(e, 150, 10), ColorToRGB(clBtnFace)) << "read-only edits are grey";
    EXPECT_GT(Count(Parent, WM_CTLCOLORSTATIC), 0);
    EXPECT_EQ(Count(Parent, WM_CTLCOLOREDIT), 0);
    Type("x");
    Press(VK_BACK);
    SendMessage(e, EM_SETSEL, 0, -1);
    Chord(VK_CONTROL, 'X');
    EXPECT_EQ(Text(e), "fixed");
    EXPECT_EQ(GetClipboardText(), "") << "cutting from a read-only edit copies nothing either";
    Chord(VK_CONTROL, 'C');
    EXPECT_EQ(GetClipboardText(), "fixed") << "copying is allowed";
    SendMessage(e, EM_SETREADONLY, FALSE, 0);
    EXPECT_EQ(Pixel(e, 150, 10), ColorToRGB(clWindow));
    Type("!");
    EXPECT_EQ(Text(e), "!");
}

TEST_F(EditTest, MemoLinesWrapAndTheLineMessagesAgree) {
    HWND memo = Edit(ES_MULTILINE, {10, 10, 70, 200});
    Type("first line of words");
    Press(VK_RETURN);
    Type("2nd");
    EXPECT_EQ(Text(memo), "first line of words\r\n2nd");
    int lines = static_cast<int>(SendMessage(memo, EM_GETLINECOUNT, 0, 0));
    EXPECT_GE(lines, 3) << "a narrow memo breaks the long line at words";
    int last = lines - 1;
    EXPECT_EQ(SendMessage(memo, EM_LINEINDEX, last, 0), 21);
    EXPECT_EQ(SendMessage(memo, EM_LINELENGTH, 21, 0), 3);
    EXPECT_EQ(SendMessage(memo, EM_LINEFROMCHAR, 22, 0), last);
    std::string line;
    SendMessage(memo, EM_GETLINE, static_cast<WPARAM>(last), reinterpret_cast<LPARAM>(&line));
    EXPECT_EQ(line, "2nd");
    Press(VK_BACK);
    Press(VK_BACK);
    Press(VK_BACK);
    Press(VK_BACK);
    EXPECT_EQ(Text(memo), "first line of words") << "one Backspace takes a whole line break";

    HWND wide = Edit(ES_MULTILINE | ES_AUTOHSCROLL, {120, 10, 220, 200}, "first line of words\r\n2nd");
    EXPECT_EQ(SendMessage(wide, EM_GETLINECOUNT, 0, 0), 2) << "no wrapping with horizontal scrolling";
}

TEST_F(EditTest, MemoKeysKeepTheColumnAndTheVerticalBarFollowsTheCaret) {
    std::string text;
    for (int i = 0; i < 30; ++i) text += "line " + std::to_string(i) + (i < 29 ? "\r\n" : "");
    HWND memo = Edit(ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, {10, 10, 200, 110}, text);
    EXPECT_TRUE(GetWindowLongPtr(memo, GWL_STYLE) & WS_VSCROLL);
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    GetScrollInfo(memo, SB_VERT, &si);
    EXPECT_EQ(si.nMax, 29);
    int page = static_cast<int>(si.nPage);
    EXPECT_GT(page, 3);
    SendMessage(memo, EM_SETSEL, 3, 3); // "lin|e 0"
    Press(VK_DOWN);
    Press(VK_DOWN);
    EXPECT_EQ(Sel(memo).first, static_cast<int>(SendMessage(memo, EM_LINEINDEX, 2, 0)) + 3);
    Press(VK_NEXT);
    EXPECT_EQ(SendMessage(memo, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0), 2 + page);
    Chord(VK_CONTROL, VK_END);
    EXPECT_EQ(SendMessage(memo, EM_GETFIRSTVISIBLELINE, 0, 0), 30 - page) << "the caret's line is brought into view";
    EXPECT_EQ(GetScrollPos(memo, SB_VERT), 30 - page);
    SendMessage(memo, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(SendMessage(memo, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    EXPECT_EQ(GetScrollPos(memo, SB_VERT), 0);
    SendMessage(memo, EM_LINESCROLL, 0, 4);
    EXPECT_EQ(SendMessage(memo, EM_GETFIRSTVISIBLELINE, 0, 0), 4);
}

TEST_F(EditTest, MouseClicksDragsAndDoubleClicksSelect) {
    HWND e = Edit(ES_AUTOHSCROLL, {10, 10, 250, 32}, "alpha beta gamma");
    LRESULT at = SendMessage(e, EM_POSFROMCHAR, 6, 0);
    TPoint beta{LOWORD(static_cast<std::uintptr_t>(at)), HIWORD(static_cast<std::uintptr_t>(at)) + 5};
    EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(SendMessage(e, EM_CHARFROMPOS, 0, PointToLParam(beta)))), 6);
    ClickAt(e, beta.X, beta.Y);
    EXPECT_EQ(Sel(e), (std::pair<int, int>{6, 6}));
    LRESULT end = SendMessage(e, EM_POSFROMCHAR, 10, 0);
    MouseButton(e, beta.X, beta.Y, true);
    MouseTo(e, LOWORD(static_cast<std::uintptr_t>(end)), beta.Y);
    MouseButton(e, LOWORD(static_cast<std::uintptr_t>(end)), beta.Y, false);
    EXPECT_EQ(Sel(e), (std::pair<int, int>{6, 10}));
    EXPECT_EQ(GetCapture(), nullptr);
    FBackend.SetTime(GetTickCount() + 2000); // no double click with the presses above
    ClickAt(e, LOWORD(static_cast<std::uintptr_t>(SendMessage(e, EM_POSFROMCHAR, 13, 0))), beta.Y);
    ClickAt(e, LOWORD(static_cast<std::uintptr_t>(SendMessage(e, EM_POSFROMCHAR, 13, 0))), beta.Y);
    EXPECT_EQ(Sel(e), (std::pair<int, int>{11, 16})) << "a double click selects the word";
    FBackend.SetTime(GetTickCount() + 2000);
    ClickAt(e, 1, beta.Y);
    KeyDown(VK_SHIFT);
    ClickAt(e, beta.X, beta.Y);
    KeyUp(VK_SHIFT);
    EXPECT_EQ(Sel(e), (std::pair<int, int>{0, 6})) << "Shift+click extends";
}

TEST_F(EditTest, TheCaretBlinksOnlyWhileFocusedAndFocusIsReported) {
    HWND e = Edit(ES_AUTOHSCROLL, {10, 10, 210, 32}, "ab");
    HWND other = Edit(ES_AUTOHSCROLL, {10, 40, 210, 62});
    SetFocus(e);
    SendMessage(e, EM_SETSEL, 2, 2);
    Pump();
    LRESULT at = SendMessage(e, EM_POSFROMCHAR, 2, 0);
    int x = LOWORD(static_cast<std::uintptr_t>(at)), y = HIWORD(static_cast<std::uintptr_t>(at)) + 4;
    EXPECT_EQ(Pixel(e, x, y), ColorToRGB(clWindowText)) << "the caret shows at once";
    FBackend.SetTime(GetTickCount() + EditControl::kCaretBlink);
    Pump();
    EXPECT_EQ(Pixel(e, x, y), ColorToRGB(clWindow)) << "and blinks off";
    FBackend.SetTime(GetTickCount() + EditControl::kCaretBlink);
    Pump();
    EXPECT_EQ(Pixel(e, x, y), ColorToRGB(clWindowText));
    Log.clear();
    SetFocus(other);
    Pump();
    EXPECT_EQ(Pixel(e, x, y), ColorToRGB(clWindow)) << "no caret without the focus";
    EXPECT_EQ(Codes(EN_KILLFOCUS), 1);
    EXPECT_EQ(Codes(EN_SETFOCUS), 1);
}

TEST_F(EditTest, APasswordShowsOneCharacterPerCharacterAndNeverLeavesTheField) {
    HWND secret = Edit(ES_AUTOHSCROLL | ES_PASSWORD, {10, 10, 210, 32});
    EXPECT_EQ(SendMessage(secret, EM_GETPASSWORDCHAR, 0, 0), '*');
    Type("пароль");
    EXPECT_EQ(Text(secret), "пароль") << "the text itself is kept";
    HWND stars = Edit(ES_AUTOHSCROLL, {10, 40, 210, 62}, "******");
    HWND plain = Edit(ES_AUTOHSCROLL, {10, 70, 210, 92}, "пароль");
    SetFocus(nullptr);
    Pump();
    const Bitmap screen = CaptureScreen();
    auto same = [&screen](HWND a, HWND b) {
        TRect ra, rb;
        GetWindowRect(a, &ra);
        GetWindowRect(b, &rb);
        for (int y = 0; y < ra.Height(); ++y)
            for (int x = 0; x < ra.Width(); ++x)
                if (screen.Pixel(ra.Left + x, ra.Top + y) != screen.Pixel(rb.Left + x, rb.Top + y)) return false;
        return true;
    };
    EXPECT_TRUE(same(secret, stars));
    EXPECT_FALSE(same(secret, plain));
    SetFocus(secret);
    Pump();
    SetClipboardText("before");
    SendMessage(secret, EM_SETSEL, 0, -1);
    SendMessage(secret, WM_COPY, 0, 0);
    SendMessage(secret, WM_CUT, 0, 0);
    EXPECT_EQ(GetClipboardText(), "before");
    EXPECT_EQ(Text(secret), "пароль");
    SendMessage(secret, EM_SETPASSWORDCHAR, 0, 0);
    SendMessage(secret, WM_COPY, 0, 0);
    EXPECT_EQ(GetClipboardText(), "пароль");
}
