// The text of an edit control as code points, with the selection, the length limit and one
// step of undo. Positions count code points everywhere (a "\r\n" line break is two).
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

class EditBuffer {
public:
    const std::u32string& Text() const { return FText; }
    int Length() const { return static_cast<int>(FText.size()); }
    // Replaces everything; the undo step and the selection are dropped.
    void SetText(std::u32string text);

    // The selection: Anchor stays where it began, Caret is the end that moves.
    int Anchor() const { return FAnchor; }
    int Caret() const { return FCaret; }
    int SelStart() const { return std::min(FAnchor, FCaret); }
    int SelEnd() const { return std::max(FAnchor, FCaret); }
    bool HasSelection() const { return FAnchor != FCaret; }
    std::u32string Selected() const { return FText.substr(SelStart(), SelEnd() - SelStart()); }
    // Both clamped to the text; extend keeps the anchor.
    void Select(int anchor, int caret);
    void MoveCaret(int caret, bool extend);

    // Replaces the selection, cut to what the limit leaves room for; false when something had to
    // be cut. typing merges consecutive typed characters into one undo step.
    bool ReplaceSelection(std::u32string_view with, bool canUndo, bool typing = false);
    int Limit() const { return FLimit; }
    void SetLimit(int limit) { FLimit = limit; }

    bool CanUndo() const { return FCanUndo; }
    // Puts back the text before the last change; undoing again redoes it.
    bool Undo();
    void EmptyUndo() { FCanUndo = false; FTypingRun = false; }
    void EndTypingRun() { FTypingRun = false; }

    // Word boundaries for Ctrl+arrows and double clicks.
    int WordLeft(int pos) const;
    int WordRight(int pos) const;
    int WordEnd(int pos) const;

private:
    static bool IsWordChar(char32_t c);
    int Clamp(int pos) const { return std::max(0, std::min(pos, Length())); }

    std::u32string FText;
    int FAnchor = 0;
    int FCaret = 0;
    int FLimit = 30000;
    std::u32string FUndoText;
    int FUndoAnchor = 0;
    int FUndoCaret = 0;
    bool FCanUndo = false;
    bool FTypingRun = false;
};
