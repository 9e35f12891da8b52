// The dialog manager's keyboard: Tab order over WS_TABSTOP controls, arrow keys inside WS_GROUP
// groups (moving onto an automatic radio button checks it), Enter for the default button, Esc
// for Cancel, and mnemonic letters with or without Alt.
#pragma once

#include "platform/window/WinTypes.h"

class DialogKeys {
public:
    // True when the message was a dialog key and has been acted on.
    static bool Handle(HWND dlg, const MSG& msg);
    static HWND NextTabItem(HWND dlg, HWND ctl, bool previous);
    static HWND NextGroupItem(HWND dlg, HWND ctl, bool previous);

private:
    static bool KeyDown(HWND dlg, const MSG& msg);
    static bool Arrow(HWND dlg, bool previous);
    static void Enter(HWND dlg);
    static bool Mnemonic(HWND dlg, char32_t c);
    static bool Usable(HWND ctl);
};
