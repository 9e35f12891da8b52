// Builds a message box as a dialog template (text measured and word-broken to at most two
// thirds of the screen, icon, the button row) and answers its dialog messages.
#pragma once

#include "platform/controls/DialogTemplate.h"

#include <vector>

class MessageBoxDialog {
public:
    static constexpr int kIconId = 0x14;
    static constexpr int kTextId = 0xFFFF;

    MessageBoxDialog(const std::string& text, const std::string& caption, UINT type);
    TDialogTemplate Template() const;
    INT_PTR Proc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);

    // The buttons of a MB_* type, in order.
    static std::vector<int> Buttons(UINT type);
    static const char* ButtonText(int id);

private:
    // What Esc and the close box answer; 0 when they do nothing.
    int EscapeResult() const;
    int DefaultButton() const;
    TSize MeasureText(int maxWidth) const;

    std::string FText;
    std::string FCaption;
    UINT FType;
    std::vector<int> FButtons;
};
