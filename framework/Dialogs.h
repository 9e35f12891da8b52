// The framework's standard dialogs: message boxes, message dialogs with a chosen set of buttons,
// the text input box, and where dialogs go on the screen.
#pragma once

#include "framework/ControlTypes.h"
#include "framework/DialogTypes.h"

#include <string>

class TCustomForm;
class TMessageForm;

// A modal message with an OK button, captioned with the application's title.
void ShowMessage(const std::string& text);
// A modal message dialog; returns the modal result of the button pressed (mrCancel for Esc and
// the close box). The program has no help viewer: helpContext is not used, and a help button
// closes nothing.
int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext);
// The same with the dialog's top-left corner at (x, y); -1, -1 centres it as MessageDlg does.
int MessageDlgPos(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext, int x,
                  int y);
// The dialog MessageDlg shows, not yet shown; the caller shows and frees it.
TMessageForm* CreateMessageDialog(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons);

// A modal box with the prompt (several lines when it has line breaks), an edit holding value and
// OK and Cancel. Enter is OK, Esc and the close box Cancel. True with the edited text in value on
// OK; false with value unchanged otherwise.
bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value);
// The text entered, or defaultValue when the box is cancelled.
std::string InputBox(const std::string& caption, const std::string& prompt, const std::string& defaultValue);

// Centres a dialog over the active form, or the screen when no form is active, keeping it inside
// the work area.
void PlaceDialog(TCustomForm* dialog);
