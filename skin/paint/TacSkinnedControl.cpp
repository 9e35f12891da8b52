// The plain image of a skinned control: its section in its state.
#include "skin/paint/TacSkinnedControl.h"

#include "skin/paint/BindingPainting.h"
#include "skin/paint/TsCommonData.h"

#include "framework/TBitmap.h"
#include "framework/TControl.h"

void TacSkinnedControl::PrepareCache() {
    TsCommonData* data = SkinData();
    TControl* owner = data ? data->OwnerControl() : nullptr;
    if (!owner) return;
    TBitmap& cache = data->PrepareCacheBitmap();
    const TParentImageInfo parent = data->GetParentCacheInfo();
    if (parent.Ready && (!parent.Bmp || parent.Bmp->Width() == 0)) return; // the parent has not painted yet
    PaintSkinSection(*data, parent, true, SkinState(), cache.Image().BoundsRect(), {owner->Left(), owner->Top()},
                     &cache.Image(), false);
    if (!owner->Enabled()) ApplyControlDisabledLook(*data, SkinDisabledKind(), parent);
    data->SetCacheInvalid(false);
}

int TacSkinnedControl::SkinState() const {
    const TsCommonData* data = SkinData();
    return data && data->IsHot() ? 1 : 0;
}

TacSkinnedControl* TacSkinnedControl::Of(TControl* control) {
    return dynamic_cast<TacSkinnedControl*>(control);
}
