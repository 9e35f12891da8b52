// Ties a control's typed state object to its window: made at WM_NCCREATE, found again for every
// message through a window property, dropped at WM_NCDESTROY.
#pragma once

#include "platform/window/WindowApi.h"

#include <memory>

// T needs a constructor taking the HWND and `LRESULT Handle(UINT, WPARAM, LPARAM)`. The object is
// held by shared_ptr and every call keeps its own reference, so a handler whose notification
// destroys the window (a dialog closing on BN_CLICKED) still returns through a live object.
template <class T>
class ControlInstance {
public:
    static std::shared_ptr<T> Find(HWND hwnd) {
        auto* holder = reinterpret_cast<std::shared_ptr<T>*>(GetProp(hwnd, kProp));
        return holder ? *holder : nullptr;
    }

    // The class procedure of T's window class.
    static LRESULT Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_NCCREATE && !GetProp(hwnd, kProp)) {
            auto* holder = new std::shared_ptr<T>(std::make_shared<T>(hwnd));
            SetProp(hwnd, kProp, reinterpret_cast<std::uintptr_t>(holder));
        }
        std::shared_ptr<T> control = Find(hwnd);
        if (!control) return DefWindowProc(hwnd, msg, wParam, lParam);
        if (msg == WM_NCDESTROY) delete reinterpret_cast<std::shared_ptr<T>*>(RemoveProp(hwnd, kProp));
        return control->Handle(msg, wParam, lParam);
    }

private:
    static constexpr const char* kProp = "#TavikControl";
};
