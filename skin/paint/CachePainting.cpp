// Copying a skinned control's image to the screen.
#include "skin/paint/CachePainting.h"

#include "skin/paint/TacSkinnedControl.h"
#include "skin/paint/TsCommonData.h"

#include "framework/TBitmap.h"

bool PaintFromCache(TacSkinnedControl& control, HDC dc) {
    TsCommonData* data = control.SkinData();
    if (!data || !data->IsSkinned()) return false;
    if (!dc || data->IsPaintSuspended()) return true;
    data->SetCacheInvalid(data->CacheInvalid() || data->UsesParentImage());
    data->SetUsesParentImage(data->DependsOnParentImage());
    if (data->CacheInvalid() && !data->UpdateLocked()) control.PrepareCache();
    if (const TBitmap* cache = data->CacheBitmap(); cache && !cache->Empty())
        dc->DrawBitmap(0, 0, cache->Image(), cache->Image().BoundsRect());
    return true;
}
