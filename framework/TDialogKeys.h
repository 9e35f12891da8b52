// Which keys navigate a form (Tab, arrows, Enter, Esc, ...), whether a control keeps them for
// itself, and the character a key press makes.
#pragma once

#include "platform/window/WinTypes.h"

class TControl;

class TDialogKeys {
public:
    static bool IsNavigationKey(WORD key);
    // The control asks for the key (CM_WANTSPECIALKEY) or its WM_GETDLGCODE answer wants it.
    static bool Wants(TControl* control, WORD key);
    // The control takes typed characters (an edit, a list, a combo box).
    static bool WantsChars(TControl* control);
    // The WM_CHAR that TranslateMessage makes of a key press, 0 for none.
    static char32_t TranslatedChar(WORD key);
};
