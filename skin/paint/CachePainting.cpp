// Copying a skinned control's image to the screen.
#include "skin/paint/CachePainting.h"

#include "skin/paint/TacSkinnedControl.h"
#include "skin/paint/TsCommonData.h"

#include "framework/TBitmap.h"

TBitmap* ReadyCache(TacSkinnedControl& control) {
    TsCommonData* data = control.SkinData();
    if (!data || !data->IsSkinned() || data->IsPaintSuspended()) return nullptr;
    data->SetCacheInvalid(data->CacheInvalid() || data->UsesParentImage());
    data->SetUsesParentImage(data->DependsOnParentImage());
    if (data->CacheInvalid() && !data->UpdateLocked()) control.PrepareCache();
    TBitmap* cache = data->CacheBitmap();
    return cache && !cache->Empty() ? cache : nullptr;
}

bool PaintFromCache(TacSkinnedControl& control, HDC dc) {
    TsCommonData* data = control.SkinData();
    if (!data || !data->IsSkinned()) return false;
    if (!dc) return true;
    if (const TBitmap* cache = ReadyCache(control)) dc->DrawBitmap(0, 0, cache->Image(), cache->Image().BoundsRect());
    return true;
}
