// What a dialog is made from: its caption, styles, size, font and child controls, written in C++
// instead of a resource file, and the dialog procedure type.
#pragma once

#include "platform/controls/DialogCodes.h"
#include "platform/text/Font.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

struct TDialogItem {
    std::string ClassName;  // "Button", "Static", "Edit", ...
    std::string Text;
    int Id = 0;
    DWORD Style = 0;        // WS_CHILD and WS_VISIBLE are added
    DWORD ExStyle = 0;
    TRect Rect;             // pixels, in the dialog's client area
};

struct TDialogTemplate {
    std::string Caption;
    DWORD Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    DWORD ExStyle = 0;
    // Position (screen; ignored with DS_CENTER) and the client area's size, in pixels.
    TRect Rect;
    std::optional<TLogFont> Font; // none: the message font
    std::vector<TDialogItem> Items;
};

// A dialog procedure: nonzero when it handled the message. For WM_INITDIALOG, TRUE asks the
// dialog to focus its first tab stop; for WM_CTLCOLOR* the value is the answer itself.
using DLGPROC = std::function<INT_PTR(HWND, UINT, WPARAM, LPARAM)>;
