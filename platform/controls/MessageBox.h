// The platform's message box: a "#32770" dialog of "Static" and "Button" children, sized to its
// text, modal to its owner.
#pragma once

#include "platform/controls/DialogCodes.h"

#include <string>

// type: MB_OK, MB_OKCANCEL, MB_YESNO, MB_YESNOCANCEL, MB_RETRYCANCEL (and the other MB_* button
// sets), an MB_ICON* flag and MB_DEFBUTTON1-3. Returns the id of the button pressed (IDOK, IDYES,
// ...); Esc and the close box answer IDCANCEL where there is a Cancel button and IDOK for a box
// whose only button is OK; other boxes have neither. An empty caption is shown as "Error".
int MessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);
