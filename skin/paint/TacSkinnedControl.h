// What every skinned control offers the skin engine: its binding and the rebuilding of its image.
#pragma once

#include "skin/paint/SkinControlTypes.h"

class TsCommonData;
class TControl;

// A skinned control derives from its framework class and from this. Its pattern:
//   - construction: the binding (SkinData) is made with the control's kind, then ApplySkin;
//     Loaded runs ApplySkin again;
//   - WndProc: skin commands and the binding's platform messages through the binding
//     (TsCommonData::RouteMessage, or the control's own switch around HandleSkinMessage);
//   - PrepareCache: rebuilds SkinData()->CacheBitmap() for the current state: the section
//     (PaintSkinSection), then the content, then the disabled look; clears CacheInvalid;
//   - the paint handler copies the image (PaintFromCache); a control that paints its whole
//     window from it leaves the paint messages and the held paint to TacWindowPainting.
class TacSkinnedControl {
public:
    virtual ~TacSkinnedControl() = default;

    virtual TsCommonData* SkinData() const = 0;
    // The image as the section alone paints it in the control's state, with the disabled look
    // for a disabled control; controls with content override it.
    virtual void PrepareCache();
    // The state index the control shows: 1 when hot, else 0.
    virtual int SkinState() const;
    // The disabled look of the control's image.
    virtual TsDisabledKind SkinDisabledKind() const { return DefaultDisabledKind; }

    // The control a skinned control is, or nullptr when it is none.
    static TacSkinnedControl* Of(TControl* control);
};
