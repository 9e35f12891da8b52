// Creation and destruction of windows with their message sequences and the CBT hook.
#pragma once

#include "platform/window/WinTypes.h"

class Window;

class WindowLifecycle {
public:
    static HWND Create(CREATESTRUCT& cs);
    static BOOL Destroy(HWND hwnd);

private:
    static bool PlaceNew(Window* w, const CREATESTRUCT& cs);
    static bool RunCreateMessages(HWND hwnd, CREATESTRUCT& cs);
    static void SendDestroy(HWND hwnd);
    static void Free(HWND hwnd);
};
