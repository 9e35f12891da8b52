// The popup menus' message window.
#include "framework/TPopupList.h"

#include "framework/TApplication.h"
#include "framework/TPopupMenu.h"

#include "platform/window/Win.h"

#include <algorithm>

std::vector<TPopupMenu*> TPopupList::FMenus;
HWND TPopupList::FWindow = nullptr;

namespace {
constexpr const char* kClassName = "TPUtilWindow";
}

void TPopupList::Add(TPopupMenu* menu) {
    FMenus.push_back(menu);
}

void TPopupList::Remove(TPopupMenu* menu) {
    FMenus.erase(std::remove(FMenus.begin(), FMenus.end(), menu), FMenus.end());
    if (FMenus.empty() && FWindow) {
        DestroyWindow(FWindow);
        FWindow = nullptr;
    }
}

HWND TPopupList::Window() {
    if (FWindow && IsWindow(FWindow)) return FWindow;
    WNDCLASS wc;
    wc.lpszClassName = kClassName;
    wc.lpfnWndProc = WndProc;
    RegisterClass(wc); // 0 when already registered: fine
    FWindow = CreateWindowEx(0, kClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr);
    return FWindow;
}

// Errors of the items' handlers end here, as they do in a control's window procedure.
LRESULT TPopupList::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    try {
        if (Dispatch(msg, wParam, lParam)) return msg == WM_MEASUREITEM || msg == WM_DRAWITEM ? TRUE : 0;
    } catch (const std::exception& e) {
        if (Application) Application->HandleException(nullptr, &e);
        return 0;
    } catch (...) {
        if (Application) Application->HandleException(nullptr, nullptr);
        return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

// A handler may free menus on the way, so the list is copied and each menu checked before use.
bool TPopupList::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    const std::vector<TPopupMenu*> menus = FMenus;
    for (TPopupMenu* menu : menus) {
        if (std::find(FMenus.begin(), FMenus.end(), menu) == FMenus.end()) continue;
        switch (msg) {
        case WM_COMMAND:
            if (lParam == 0 && menu->DispatchCommand(LOWORD(wParam))) return true;
            break;
        case WM_INITMENUPOPUP:
            if (menu->DispatchPopup(reinterpret_cast<HMENU>(wParam))) return true;
            break;
        case WM_MEASUREITEM:
            if (lParam && menu->MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return true;
            break;
        case WM_DRAWITEM:
            if (lParam && menu->DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return true;
            break;
        default:
            return false;
        }
    }
    return false;
}
