// Edit text, selection and undo.
#include "platform/controls/EditBuffer.h"

#include <algorithm>

void EditBuffer::SetText(std::u32string text) {
    FText = std::move(text);
    FAnchor = FCaret = 0;
    EmptyUndo();
}

void EditBuffer::Select(int anchor, int caret) {
    FAnchor = Clamp(anchor);
    FCaret = Clamp(caret);
    FTypingRun = false;
}

void EditBuffer::MoveCaret(int caret, bool extend) {
    FCaret = Clamp(caret);
    if (!extend) FAnchor = FCaret;
    FTypingRun = false;
}

bool EditBuffer::ReplaceSelection(std::u32string_view with, bool canUndo, bool typing) {
    int start = SelStart(), end = SelEnd();
    int room = std::max(0, FLimit - (Length() - (end - start)));
    bool fits = static_cast<int>(with.size()) <= room;
    std::u32string_view kept = with.substr(0, static_cast<std::size_t>(std::min<int>(room, static_cast<int>(with.size()))));
    if (kept.empty() && start == end) return fits;
    bool continues = typing && FTypingRun && start == end;
    if (canUndo && !continues) {
        FUndoText = FText;
        FUndoAnchor = FAnchor;
        FUndoCaret = FCaret;
        FCanUndo = true;
    } else if (!canUndo) {
        FCanUndo = false;
    }
    FText.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start), kept);
    FAnchor = FCaret = start + static_cast<int>(kept.size());
    FTypingRun = typing && canUndo;
    return fits;
}

bool EditBuffer::Undo() {
    if (!FCanUndo) return false;
    std::swap(FText, FUndoText);
    std::swap(FAnchor, FUndoAnchor);
    std::swap(FCaret, FUndoCaret);
    FTypingRun = false;
    return true;
}

bool EditBuffer::IsWordChar(char32_t c) {
    return !(c == U' ' || c == U'\t' || c == U'\r' || c == U'\n');
}

int EditBuffer::WordLeft(int pos) const {
    pos = Clamp(pos);
    while (pos > 0 && !IsWordChar(FText[pos - 1])) --pos;
    while (pos > 0 && IsWordChar(FText[pos - 1])) --pos;
    return pos;
}

int EditBuffer::WordRight(int pos) const {
    pos = Clamp(pos);
    while (pos < Length() && IsWordChar(FText[pos])) ++pos;
    while (pos < Length() && !IsWordChar(FText[pos])) ++pos;
    return pos;
}

int EditBuffer::WordEnd(int pos) const {
    pos = Clamp(pos);
    while (pos < Length() && IsWordChar(FText[pos])) ++pos;
    return pos;
}
