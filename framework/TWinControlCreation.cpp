// Window creation for framework controls and the window procedure that routes to them.
#include "framework/TWinControlCreation.h"

#include "framework/Exception.h"
#include "framework/TApplication.h"
#include "framework/TWinControl.h"

#include "platform/controls/StandardControls.h"
#include "platform/window/Win.h"

#include <unordered_map>

#include <utility>

namespace {

struct TBinding {
    TWinControl* Control = nullptr;
    WNDPROC Installed; // our procedure's link in the window's chain
};

// Windows of framework controls, UI thread only. A map rather than a window property keeps the
// lookup on every message cheap.
std::unordered_map<HWND, TBinding>& Bindings() {
    static std::unordered_map<HWND, TBinding> bindings;
    return bindings;
}

TWinControl* CreatingControl = nullptr;
HHOOK CreationHookHandle = nullptr;

} // namespace

TWinControl* TWinControlCreation::Find(HWND hwnd) {
    auto it = Bindings().find(hwnd);
    return it == Bindings().end() ? nullptr : it->second.Control;
}

void TWinControlCreation::Unbind(HWND hwnd) {
    auto it = Bindings().find(hwnd);
    if (it == Bindings().end()) return;
    it->second.Control = nullptr;
}

// The standard control classes go first: a wrapper's platform class ("Button", "Edit", ...)
// registered here without its procedure would stay a dead class. Registering is idempotent.
void TWinControlCreation::EnsureClass(const TCreateParams& params) {
    RegisterStandardControls();
    WNDCLASS wc;
    wc.lpszClassName = params.WinClassName;
    wc.style = params.WindowClassStyle;
    wc.hbrBackground = params.WindowClassBackground;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClass(wc); // 0 when it exists already (or is a platform class): that is fine
}

HWND TWinControlCreation::Create(TWinControl* control, const TCreateParams& params) {
    EnsureClass(params);
    TWinControl* outer = CreatingControl;
    CreatingControl = control;
    const bool ownHook = CreationHookHandle == nullptr;
    if (ownHook) CreationHookHandle = SetWindowsHookEx(WH_CBT, CreationHook, nullptr, GetCurrentThreadId());
    HWND hwnd = nullptr;
    try {
        hwnd = CreateWindowEx(params.ExStyle, params.WinClassName, params.Caption, params.Style, params.X, params.Y,
                              params.Width, params.Height, params.WndParent, nullptr, params.Param);
    } catch (...) {
        CreatingControl = outer;
        if (ownHook) UnhookWindowsHookEx(std::exchange(CreationHookHandle, nullptr));
        throw;
    }
    CreatingControl = outer;
    if (ownHook) UnhookWindowsHookEx(std::exchange(CreationHookHandle, nullptr));
    return hwnd;
}

// Binds the first window created while a control asked for one; windows a platform control
// makes for itself inside its creation stay unbound.
LRESULT TWinControlCreation::CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && CreatingControl) {
        HWND hwnd = reinterpret_cast<HWND>(wParam);
        TWinControl* control = std::exchange(CreatingControl, nullptr);
        TBinding& binding = Bindings()[hwnd];
        binding.Control = control;
        binding.Installed = SetWindowProc(hwnd, [hwnd](HWND h, UINT m, WPARAM w, LPARAM l) {
            (void)hwnd;
            return Route(h, m, w, l);
        });
        control->FHandle = hwnd;
        control->FDefWndProc = binding.Installed;
    }
    return CallNextHookEx(CreationHookHandle, code, wParam, lParam);
}

// Errors thrown by handlers stop here: the application reports them and the program goes on.
LRESULT TWinControlCreation::Route(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto it = Bindings().find(hwnd);
    if (it == Bindings().end()) return DefWindowProc(hwnd, msg, wParam, lParam);
    TWinControl* control = it->second.Control;
    WNDPROC below = it->second.Installed;
    if (msg == WM_NCDESTROY) Bindings().erase(it);
    if (!control) return CallWindowProc(below, hwnd, msg, wParam, lParam);
    TMessage message{msg, wParam, lParam, 0};
    TWndMethod proc = control->WindowProc;
    try {
        proc(message);
    } catch (const std::exception& e) {
        if (Application) Application->HandleException(control, &e);
    } catch (...) {
        if (Application) Application->HandleException(control, nullptr);
    }
    return message.Result;
}
