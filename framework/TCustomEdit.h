// The text-entry control over the platform's "Edit": text, length limit, read-only mode,
// selection, the modified flag, letter case and OnChange; the base of TEdit and TMemo.
#pragma once

#include "framework/TWinControl.h"

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// Positions (SelStart, SelLength) count characters (code points), not bytes. OnChange follows
// every change of the text, typed or set by program, except the one of the window's creation.
// Typed characters pass OnKeyPress first: a handler that sets the key to 0 keeps it out.
class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* owner);
    std::string ClassName() const override { return "TCustomEdit"; }

    // 0: no limit. Limits typing and pasting, not text set by program.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    // Set by typing and pasting; setting Text clears it.
    bool Modified() const;
    void SetModified(bool value);
    // Selects the whole text when the control is entered by keyboard or program.
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool value) { FAutoSelect = value; }
    TEditCharCase CharCase() const { return FCharCase; }
    // Converts the text now and every character typed from then on.
    void SetCharCase(TEditCharCase value);
    // 0: the text shows as it is; otherwise this character shows once per character, and the
    // text cannot be copied or cut out of the field (single-line edits).
    char32_t PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char32_t value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);

    int SelStart() const;
    void SetSelStart(int value);
    int SelLength() const;
    void SetSelLength(int value);
    std::string SelText() const;
    // Replaces the selection (typing's way: it can be undone and sets Modified).
    void SetSelText(const std::string& text);
    void SelectAll();
    void ClearSelection() { SetSelText(""); }
    void Clear() { SetText(""); }
    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();
    void Undo();

    void SetText(const std::string& text) override;

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void Dispatch(TMessage& message) override;
    virtual void CNCommand(TMessage& message);
    void CMEnter(TMessage& message) override;
    void CMTextChanged(TMessage& message) override;
    void KeyPress(char32_t& key) override;
    virtual void Change();
    // The window, made when needed for the selection messages.
    HWND EditHandle() const;

private:
    std::string Cased(const std::string& text) const;
    void GetSelection(int& start, int& end) const;

    int FMaxLength = 0;
    bool FReadOnly = false;
    bool FAutoSelect = true;
    bool FModified = false; // kept while the window is recreated
    TEditCharCase FCharCase = ecNormal;
    TBorderStyle FBorderStyle = bsSingle;
    char32_t FPasswordChar = 0;
};
