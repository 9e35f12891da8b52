// The gallery window: a menu bar and one of every standard control, plain and disabled, laid out
// for looking at the classic look in one picture.
#pragma once

#include "platform/window/WinTypes.h"

class GalleryWindow {
public:
    // Registers the controls, creates the window (shown) and returns it.
    static HWND Create();
    // Menu command that opens a message box, for the second picture.
    static constexpr UINT kShowMessageBox = 0x9001;

    // The window and the menus the pictures open.
    struct TMenus {
        HWND Window = nullptr;
        HMENU Bar = nullptr;
        HMENU File = nullptr;
        HMENU Recent = nullptr;
    };
    static const TMenus& Menus();

private:
    static void BuildMenus();
    static void AddButtons(HWND parent);
    static void AddTextControls(HWND parent);
    static void AddLists(HWND parent);
    static void AddRanges(HWND parent);
    static LRESULT Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
};
