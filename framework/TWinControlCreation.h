// Binds framework controls to platform windows: creates a control's window and routes every
// message of that window to the control's WindowProc.
#pragma once

#include "platform/window/WinTypes.h"

#include <string>

class TWinControl;
struct TCreateParams;

// A framework control's procedure is put in front of its window's class procedure by a creation
// hook, before the window's first message (WM_NCCREATE), so the control sees its whole life; the
// class procedure below it is what DefWndProc calls. The same path serves framework classes
// (registered here, ending at DefWindowProc) and platform control classes that a control wraps.
class TWinControlCreation {
public:
    // Creates the window for control as params say; the window is bound to control on return
    // (control->FHandle and FDefWndProc are set while it is being created). nullptr on failure.
    static HWND Create(TWinControl* control, const TCreateParams& params);
    static TWinControl* Find(HWND hwnd);
    // Stops routing the window's messages to its control (the control is going away).
    static void Unbind(HWND hwnd);

private:
    static void EnsureClass(const TCreateParams& params);
    static LRESULT CreationHook(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT Route(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
};
