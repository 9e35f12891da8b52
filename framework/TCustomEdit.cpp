// Edit controls: properties kept in the platform edit, change notification and typing rules.
#include "framework/TCustomEdit.h"

#include "framework/SysUtils.h"

#include "platform/controls/EditCodes.h"
#include "platform/system/CodePage.h"
#include "platform/window/Win.h"

#include <algorithm>

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    FControlStyle = {csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight};
    FWidth = 121;
    FHeight = 21;
    SetTabStop(true);
    SetParentColor(false);
    FColor = clWindow;
}

void TCustomEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WinClassName = "Edit";
    params.Style |= ES_AUTOHSCROLL;
    if (FReadOnly) params.Style |= ES_READONLY;
    if (FBorderStyle == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd() {
    TWinControl::CreateWnd();
    SendMessage(FHandle, EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
    SendMessage(FHandle, EM_SETMODIFY, FModified ? TRUE : FALSE, 0);
    if (FPasswordChar) SendMessage(FHandle, EM_SETPASSWORDCHAR, static_cast<WPARAM>(FPasswordChar), 0);
}

void TCustomEdit::DestroyWnd() {
    if (FHandle) FModified = SendMessage(FHandle, EM_GETMODIFY, 0, 0) != 0;
    TWinControl::DestroyWnd();
}

HWND TCustomEdit::EditHandle() const {
    return const_cast<TCustomEdit*>(this)->Handle();
}

void TCustomEdit::SetMaxLength(int value) {
    value = std::max(0, value);
    if (FMaxLength == value) return;
    FMaxLength = value;
    if (FHandle) SendMessage(FHandle, EM_LIMITTEXT, static_cast<WPARAM>(value), 0);
}

void TCustomEdit::SetReadOnly(bool value) {
    if (FReadOnly == value) return;
    FReadOnly = value;
    if (FHandle) SendMessage(FHandle, EM_SETREADONLY, value ? TRUE : FALSE, 0);
}

bool TCustomEdit::Modified() const {
    return FHandle ? SendMessage(FHandle, EM_GETMODIFY, 0, 0) != 0 : FModified;
}

void TCustomEdit::SetModified(bool value) {
    FModified = value;
    if (FHandle) SendMessage(FHandle, EM_SETMODIFY, value ? TRUE : FALSE, 0);
}

void TCustomEdit::SetPasswordChar(char32_t value) {
    if (FPasswordChar == value) return;
    FPasswordChar = value;
    if (FHandle) SendMessage(FHandle, EM_SETPASSWORDCHAR, static_cast<WPARAM>(value), 0);
}

void TCustomEdit::SetCharCase(TEditCharCase value) {
    if (FCharCase == value) return;
    FCharCase = value;
    SetText(GetText());
}

void TCustomEdit::SetBorderStyle(TBorderStyle value) {
    if (FBorderStyle == value) return;
    FBorderStyle = value;
    RecreateWnd();
}

std::string TCustomEdit::Cased(const std::string& text) const {
    switch (FCharCase) {
    case ecUpperCase: return AnsiUpperCase(text);
    case ecLowerCase: return AnsiLowerCase(text);
    default: return text;
    }
}

// The platform edit would cut text set by program to the limit; only typing is limited here.
void TCustomEdit::SetText(const std::string& text) {
    const bool lift = FHandle && FMaxLength > 0;
    if (lift) SendMessage(FHandle, EM_LIMITTEXT, 0, 0);
    TWinControl::SetText(Cased(text));
    if (lift && FHandle) SendMessage(FHandle, EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
}

// Without a window there is no EN_CHANGE; the change is raised here instead.
void TCustomEdit::CMTextChanged(TMessage& m) {
    TWinControl::CMTextChanged(m);
    if (!FHandle) Change();
}

// --- selection -------------------------------------------------------------------------------

void TCustomEdit::GetSelection(int& start, int& end) const {
    DWORD s = 0, e = 0;
    SendMessage(EditHandle(), EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    start = static_cast<int>(s);
    end = static_cast<int>(e);
}

int TCustomEdit::SelStart() const {
    int start = 0, end = 0;
    GetSelection(start, end);
    return start;
}

void TCustomEdit::SetSelStart(int value) {
    value = std::max(0, value);
    SendMessage(EditHandle(), EM_SETSEL, static_cast<WPARAM>(value), value);
}

int TCustomEdit::SelLength() const {
    int start = 0, end = 0;
    GetSelection(start, end);
    return end - start;
}

void TCustomEdit::SetSelLength(int value) {
    const int start = SelStart();
    SendMessage(EditHandle(), EM_SETSEL, static_cast<WPARAM>(start), start + std::max(0, value));
}

std::string TCustomEdit::SelText() const {
    int start = 0, end = 0;
    GetSelection(start, end);
    const std::string text = GetText();
    // Positions count characters as the platform edit decodes them.
    const size_t from = LeadingChars(text, static_cast<size_t>(start)).size();
    return text.substr(from, LeadingChars(text, static_cast<size_t>(end)).size() - from);
}

void TCustomEdit::SetSelText(const std::string& text) {
    SendMessage(EditHandle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void TCustomEdit::SelectAll() {
    SendMessage(EditHandle(), EM_SETSEL, 0, -1);
}

void TCustomEdit::CutToClipboard() {
    SendMessage(EditHandle(), WM_CUT, 0, 0);
}

void TCustomEdit::CopyToClipboard() {
    SendMessage(EditHandle(), WM_COPY, 0, 0);
}

void TCustomEdit::PasteFromClipboard() {
    SendMessage(EditHandle(), WM_PASTE, 0, 0);
}

void TCustomEdit::Undo() {
    SendMessage(EditHandle(), WM_UNDO, 0, 0);
}

// --- messages --------------------------------------------------------------------------------

void TCustomEdit::Dispatch(TMessage& m) {
    if (m.Msg == CN_COMMAND) {
        CNCommand(m);
        return;
    }
    TWinControl::Dispatch(m);
}

void TCustomEdit::CNCommand(TMessage& m) {
    if (HIWORD(m.WParam) == EN_CHANGE && !FControlState.Contains(csCreating)) Change();
}

void TCustomEdit::Change() {
    if (OnChange) OnChange(this);
}

// A click places the caret itself (the platform handles the press after the focus arrives).
void TCustomEdit::CMEnter(TMessage& m) {
    if (FAutoSelect && FHandle && !(GetWindowLongPtr(FHandle, GWL_STYLE) & ES_MULTILINE)) SelectAll();
    TWinControl::CMEnter(m);
}

void TCustomEdit::KeyPress(char32_t& key) {
    TWinControl::KeyPress(key);
    if (key == 0 || key < 0x20) return;
    if (FCharCase == ecUpperCase) key = UpperChar(key);
    else if (FCharCase == ecLowerCase) key = LowerChar(key);
}
