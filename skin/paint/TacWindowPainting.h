// The paint plumbing of the skinned controls that copy their whole image to their own window
// (push button, check box, track bar): the paint messages and the paint held back for the parent.
#pragma once

#include "framework/Messages.h"
#include "platform/window/WinTypes.h"

#include <functional>

class TWinControl;
class TacSkinnedControl;

// A paint that comes while the binding's painting is suspended (the parent's image is not ready
// yet) draws nothing and is remembered; when the parent says it has repainted, the control's image
// is rebuilt and the window painted again, so nothing stays stale behind a skin change. The
// prepare-image command rebuilds the image without painting (a fade starts from it).
class TacWindowPainting {
public:
    // Copies the control's image to a device; it begins with MayPaint.
    using TPaintTo = std::function<void(HDC)>;

    TacWindowPainting(TWinControl& control, TacSkinnedControl& skinned, TPaintTo paintTo);

    // At the start of every paint: false, and the paint is held, while painting is suspended.
    bool MayPaint();
    // Paint, print-client and erase-background of the skinned control: true when handled here.
    bool PaintMessage(TMessage& message);
    // The skin commands that come before the binding's handling: true when finished here.
    bool Command(const TMessage& message);

private:
    TWinControl& FControl;
    TacSkinnedControl& FSkinned;
    TPaintTo FPaintTo;
    bool FHeld = false;
};
