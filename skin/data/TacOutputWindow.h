// A borderless window that covers a form and shows a picture in its place, for animations.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/window/WinTypes.h"

// It sits just above the form (owned by it, top-most when the form is), never takes the
// activation and never erases: it shows only the pictures it is given.
class TacOutputWindow {
public:
    static constexpr const char* Caption = "SkinOutputWindow";

    // bounds are in screen coordinates; shaped gives the window the form's window region.
    TacOutputWindow(HWND form, const TRect& bounds, bool shaped);
    ~TacOutputWindow();
    TacOutputWindow(const TacOutputWindow&) = delete;
    TacOutputWindow& operator=(const TacOutputWindow&) = delete;

    // Draws the picture now; the first call also shows the window. The picture must stay alive
    // while it is shown.
    void Show(Bitmap& picture);
    HWND Handle() const { return FWindow; }

private:
    LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Draw(HDC dc);

    HWND FWindow = nullptr;
    WNDPROC FBelow;
    Bitmap* FPicture = nullptr;
};
