// The main window shown until the game's own windows exist: a captioned, sizeable empty window.
#pragma once

#include "platform/window/WinTypes.h"

class PlaceholderWindow {
public:
    static constexpr const char* kCaption = "Tavik Sudoku 1.0";

    // Creates and shows the window, centred on the work area; closing it ends the message loop.
    static HWND Create();
    // Runs the message loop until WM_QUIT; its exit code.
    static int Run();
};
