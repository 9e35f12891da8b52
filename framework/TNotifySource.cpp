// Finding the child window behind a parent notification.
#include "framework/TNotifySource.h"

#include "platform/window/Win.h"

HWND TNotifySource::ChildOf(HWND parent, UINT msg, LPARAM lParam) {
    switch (msg) {
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        return header ? header->hwndFrom : nullptr;
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return item ? item->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
        // Measure requests name the child only by its id.
        const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        return item && parent ? GetDlgItem(parent, static_cast<int>(item->CtlID)) : nullptr;
    }
    default: return reinterpret_cast<HWND>(lParam);
    }
}
