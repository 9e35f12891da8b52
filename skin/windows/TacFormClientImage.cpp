// Building and showing a skinned form's client image.
#include "skin/windows/TacFormClientImage.h"

#include "skin/paint/BindingPainting.h"
#include "skin/paint/TsCommonData.h"

#include "skin/data/SkinCommands.h"
#include "skin/data/TsSkinManager.h"

#include "framework/TBitmap.h"
#include "framework/TCustomForm.h"
#include "platform/window/PaintApi.h"

void TacFormClientImage::EnsureBuilt() {
    if (!FData.IsSkinned()) return;
    const TBitmap* cache = FData.CacheBitmap();
    const bool sized = cache && cache->Width() == FForm.Width() && cache->Height() == FForm.Height();
    if (!FData.CacheInvalid() && sized) return;
    TBitmap& image = FData.PrepareCacheBitmap();
    const TRect client{0, 0, std::min(FForm.ClientWidth(), image.Width()), std::min(FForm.ClientHeight(), image.Height())};
    if (!client.IsEmpty()) PaintControlBackground(FData, TParentImageInfo{}, 0, image.Image(), {0, 0}, client);
    FData.SetCacheInvalid(false);
}

void TacFormClientImage::BeforeCommand(const TMessage& message) {
    const std::uint16_t code = SkinCmdCode(message.WParam);
    if (code == scGetCacheInfo || code == scMayIPaint) EnsureBuilt();
}

void TacFormClientImage::AfterCommand(const TMessage& message) {
    const std::uint16_t code = SkinCmdCode(message.WParam);
    if ((code != scSetSkin && code != scRemoveSkin) || !FForm.HandleAllocated()) return;
    RedrawWindow(FForm.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool TacFormClientImage::Erase(TMessage& message) {
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    if (message.Msg != WM_ERASEBKGND || !dc || !FData.IsSkinned()) return false;
    EnsureBuilt();
    const TBitmap* cache = FData.CacheBitmap();
    if (!cache || cache->Empty()) return false;
    dc->DrawBitmap(0, 0, cache->Image(), {0, 0, FForm.ClientWidth(), FForm.ClientHeight()});
    message.Result = 1;
    return true;
}
