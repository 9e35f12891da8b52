// Keyboard focus, the active window, mouse capture and the application's activation.
#pragma once

#include "platform/window/WinTypes.h"

class WindowSystem;

class FocusManager {
public:
    explicit FocusManager(WindowSystem& ws) : FWs(ws) {}

    // HCBT_ACTIVATE (a hook may refuse), WM_NCACTIVATE and WM_ACTIVATE(WA_INACTIVE) to the old
    // window, WM_ACTIVATEAPP when the application was inactive, the window raised, then
    // WM_NCACTIVATE and WM_ACTIVATE to the new one, whose default handling moves the focus
    // (WM_KILLFOCUS to the old focus, WM_SETFOCUS to the new). Disabled, hidden and child
    // windows are not activated. Returns the previously active window, nullptr on refusal.
    HWND Activate(HWND hwnd, int state, bool mouse = false);
    HWND Active() const { return FActive; }
    // The active top-level window was hidden, minimised or destroyed: another takes over.
    void WindowGone(HWND hwnd);
    // A child was hidden or destroyed: focus inside it moves to its parent.
    void ChildHidden(HWND hwnd);
    // The desktop took the focus away from the whole application, or gave it back.
    void SetAppActive(bool active);
    bool AppActive() const { return FAppActive; }

    HWND SetFocus(HWND hwnd);
    HWND Focus() const { return FFocus; }

    HWND SetCapture(HWND hwnd);
    bool ReleaseCapture();
    HWND Capture() const { return FCapture; }

private:
    void Deactivate(HWND old, HWND next, bool dropFocus);
    // Takes the focus away (WM_KILLFOCUS) when it lies in the top-level window top.
    void DropFocusIn(HWND top);
    void SendActivateApp(bool active, HWND except);
    HWND PickNext(HWND leaving) const;

    WindowSystem& FWs;
    HWND FActive = nullptr;
    HWND FFocus = nullptr;
    HWND FCapture = nullptr;
    HWND FLastActive = nullptr; // restored when the application is activated again
    bool FAppActive = false;
};
