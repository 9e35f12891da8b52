// The skinned edit's image, painting and message route.
#include "skin/controls/TsEdit.h"

#include "skin/paint/BindingPainting.h"

#include "framework/TBitmap.h"
#include "platform/system/Utf8.h"
#include "platform/text/TextDraw.h"

TsEdit::TsEdit(TComponent* owner)
    : TEdit(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)),
      FBoundLabel(std::make_unique<TsBoundLabel>(this)), FSkin(*this, *this, true) {
    FSkinData->ApplySkin();
}

void TsEdit::SetDisabledKind(TsDisabledKind value) {
    if (FDisabledKind == value) return;
    FDisabledKind = value;
    FSkin.RepaintAll();
}

std::string TsEdit::ShownText() const {
    const std::string text = GetText();
    if (!PasswordChar()) return text;
    return EncodeUtf8(std::u32string(DecodeUtf8(text).size(), PasswordChar()));
}

void TsEdit::PrepareCache() {
    TBitmap& cache = FSkinData->PrepareCacheBitmap();
    const TParentImageInfo parent = FSkinData->GetParentCacheInfo();
    const int state = SkinState();
    PaintSkinSection(*FSkinData, parent, true, state, cache.Image().BoundsRect(), {Left(), Top()}, &cache.Image(),
                     false);
    const int a = BorderStyle() == bsSingle ? 2 : 0;
    const TRect textRect{a + 1, a + 1, Width() - a, Height() - a};
    DrawSkinText(*cache.Canvas(), ShownText(), Enabled(), state == 1, *FSkinData, DT_SINGLELINE | DT_NOPREFIX,
                 textRect);
    if (!Enabled()) ApplyControlDisabledLook(*FSkinData, FDisabledKind, parent);
    FSkinData->SetCacheInvalid(false);
}

// The bound label follows the control's moves, sizes, visibility and enabling.
void TsEdit::WndProc(TMessage& message) {
    if (FSkin.Before(message)) return;
    const int stateBefore = SkinState();
    std::weak_ptr<int> alive = AliveToken();
    FSkinData->RouteMessage(message, [this](TMessage& m) { TEdit::WndProc(m); });
    if (alive.expired()) return;
    FSkin.After(message, stateBefore);
    FBoundLabel->Follow(message);
}

void TsEdit::Loaded() {
    TEdit::Loaded();
    FSkinData->ApplySkin();
}
