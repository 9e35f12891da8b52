// The paint messages and the held paint of the skinned controls that paint their whole window.
#include "skin/paint/TacWindowPainting.h"

#include "skin/paint/PaintCycle.h"
#include "skin/paint/TacSkinnedControl.h"
#include "skin/paint/TsCommonData.h"

#include "skin/data/SkinCommands.h"

#include "framework/TWinControl.h"
#include "platform/window/PaintApi.h"

#include <utility>

TacWindowPainting::TacWindowPainting(TWinControl& control, TacSkinnedControl& skinned, TPaintTo paintTo)
    : FControl(control), FSkinned(skinned), FPaintTo(std::move(paintTo)) {}

bool TacWindowPainting::MayPaint() {
    FHeld = FSkinned.SkinData()->IsPaintSuspended();
    return !FHeld;
}

bool TacWindowPainting::PaintMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_PAINT: PaintInCycle(FControl.Handle(), reinterpret_cast<HDC>(message.WParam), FPaintTo); return true;
    case WM_PRINTCLIENT: FPaintTo(reinterpret_cast<HDC>(message.WParam)); return true;
    case WM_ERASEBKGND: message.Result = 1; return true;
    default: return false;
    }
}

bool TacWindowPainting::Command(const TMessage& message) {
    TsCommonData& data = *FSkinned.SkinData();
    const std::uint16_t code = SkinCmdCode(message.WParam);
    if (code == scPrepareImage) {
        if (data.IsSkinned()) FSkinned.PrepareCache();
        return true;
    }
    if (code == scParentRepainted && FHeld) {
        FHeld = false;
        if (data.IsSkinned() && FControl.HandleAllocated()) {
            data.SetCacheInvalid(true);
            InvalidateRect(FControl.Handle(), nullptr, FALSE);
        }
    }
    return false;
}
