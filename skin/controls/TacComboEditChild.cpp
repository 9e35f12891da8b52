// The skinned combo box's edit child.
#include "skin/controls/TacComboEditChild.h"

#include "skin/controls/TsComboBox.h"
#include "skin/paint/CachePainting.h"
#include "skin/paint/PaintCycle.h"

#include "framework/TApplication.h"
#include "framework/TBitmap.h"
#include "platform/controls/ComboBoxCodes.h"
#include "platform/window/VirtualKeys.h"

void TacComboEditChild::Hook() {
    COMBOBOXINFO info;
    SendMessage(FCombo.Handle(), CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
    if (!info.hwndItem || info.hwndItem == FCombo.Handle()) return;
    std::shared_ptr<bool> live = FLive;
    std::shared_ptr<WNDPROC> below = FBelow;
    *below = SetWindowProc(info.hwndItem, [this, live, below](HWND h, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
        if (!*live) return CallWindowProc(*below, h, msg, w, l);
        try {
            return Message(h, msg, w, l);
        } catch (const std::exception& e) {
            if (Application) Application->HandleException(&FCombo, &e);
        } catch (...) {
            if (Application) Application->HandleException(&FCombo, nullptr);
        }
        return 0;
    });
}

bool TacComboEditChild::ShowsImage() const {
    return FCombo.SkinData()->IsSkinned() && (!FCombo.HasFocusWithin() || !FCombo.Enabled() || FCombo.ReadOnly());
}

LRESULT TacComboEditChild::Message(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        if (!ShowsImage()) break;
        PaintImage(edit);
        return 0;
    case WM_ERASEBKGND:
        if (ShowsImage()) return 1;
        break;
    case WM_KEYDOWN: // the dialog keys still move on
        if (FCombo.ReadOnly() && wParam != VK_TAB && wParam != VK_RETURN && wParam != VK_ESCAPE) return 0;
        break;
    case WM_CHAR:
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
        if (FCombo.ReadOnly()) return 0;
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        const LRESULT result = CallWindowProc(*FBelow, edit, msg, wParam, lParam);
        FCombo.RepaintSkinned();
        return result;
    }
    default: break;
    }
    return CallWindowProc(*FBelow, edit, msg, wParam, lParam);
}

// The part of the combo's image under the child.
void TacComboEditChild::PaintImage(HWND edit) {
    PaintInCycle(edit, nullptr, [this, edit](HDC dc) {
        const TBitmap* cache = dc && !FCombo.SkinData()->UpdateLocked() ? ReadyCache(FCombo) : nullptr;
        if (!cache) return;
        TPoint origin{0, 0};
        MapWindowPoints(edit, FCombo.Handle(), &origin, 1);
        dc->DrawBitmap(-origin.X, -origin.Y, cache->Image(), cache->Image().BoundsRect());
    });
}
