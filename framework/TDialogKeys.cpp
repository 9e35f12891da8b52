// Navigation keys and what controls say about them.
#include "framework/TDialogKeys.h"

#include "framework/TControl.h"

#include "platform/window/InputApi.h"

bool TDialogKeys::IsNavigationKey(WORD key) {
    switch (key) {
    case VK_TAB:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_CANCEL:
    case VK_PRIOR:
    case VK_NEXT: return true;
    default: return false;
    }
}

bool TDialogKeys::Wants(TControl* control, WORD key) {
    if (control->Perform(CM_WANTSPECIALKEY, key, 0) != 0) return true;
    const LRESULT code = control->Perform(WM_GETDLGCODE, 0, 0);
    if (code & DLGC_WANTALLKEYS) return true;
    switch (key) {
    case VK_TAB: return (code & DLGC_WANTTAB) != 0;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: return (code & DLGC_WANTARROWS) != 0;
    default: return false;
    }
}

bool TDialogKeys::WantsChars(TControl* control) {
    return (control->Perform(WM_GETDLGCODE, 0, 0) & (DLGC_WANTCHARS | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0;
}

char32_t TDialogKeys::TranslatedChar(WORD key) {
    switch (key) {
    case VK_TAB: return 9;
    case VK_RETURN: return 13;
    case VK_ESCAPE: return 27;
    case VK_BACK: return 8;
    default:
        if (key >= 'A' && key <= 'Z' && GetKeyState(VK_CONTROL) < 0) return key & 0x1F;
        return 0;
    }
}
