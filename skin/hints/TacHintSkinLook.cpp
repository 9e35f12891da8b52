// The skin look of hints.
#include "skin/hints/TacHintSkinLook.h"

#include "skin/hints/TsHintManager.h"
#include "skin/paint/BordersMask.h"
#include "skin/paint/SectionPainting.h"
#include "skin/paint/SectionText.h"
#include "skin/paint/WorkBitmap.h"

#include "skin/data/TsSkinManager.h"

#include "platform/text/TextDraw.h"

#include <algorithm>

namespace {
constexpr unsigned kTextFlags = DT_WORDBREAK | DT_CENTER | DT_NOPREFIX;
} // namespace

TacHintSkinLook::TacHintSkinLook(TsSkinManager& skins, int section, std::string name)
    : FSkins(&skins), FSection(section), FName(std::move(name)),
      FBorders(skins.MaskIndexExact(FName, "BORDERSMASK")),
      FPattern(skins.TextureIndex(section, FName, "PATTERN")) {}

std::optional<TacHintSkinLook> TacHintSkinLook::Find(const TsHintManager& hints) {
    TsSkinManager* skins = TsSkinManager::DefaultManager();
    if (!hints.UseSkinData() || !skins) return std::nullopt;
    const int section = skins->SectionIndex(hints.SkinSection());
    if (section < 0) return std::nullopt;
    return TacHintSkinLook(*skins, section, hints.SkinSection());
}

TRect TacHintSkinLook::FrameWidths() const {
    if (FBorders < 0) return {};
    return {FSkins->BorderLeft(FBorders), FSkins->BorderTop(FBorders), FSkins->BorderRight(FBorders),
            FSkins->BorderBottom(FBorders)};
}

int TacHintSkinLook::Transparency() const {
    return std::clamp(FSkins->Model().GeneralData[static_cast<std::size_t>(FSection)].Transparency, 0, 100);
}

TColor TacHintSkinLook::FontColor() const {
    return FSkins->Model().GeneralData[static_cast<std::size_t>(FSection)].FontColor[0];
}

void TacHintSkinLook::PaintBody(Bitmap& body) const {
    PaintSkinSectionByIndex(FSection, FName, {}, -1, FPattern, FSkins, &body, {0, 0}, body.BoundsRect(), 0, true);
}

void TacHintSkinLook::PaintText(TCanvas& canvas, const std::string& text, const TRect& r) const {
    DrawSectionText(canvas, text, true, FSkins, false, FSection, kTextFlags, r);
}

// The frame alone over the key colour: what its pieces leave in the key colour is outside. A
// frame not drawn in the normal state leaves the whole rectangle.
Bitmap TacHintSkinLook::Mask(TSize size, int level) const {
    TsMaskData* borders = FBorders >= 0 ? &FSkins->Model().Masks[static_cast<std::size_t>(FBorders)] : nullptr;
    const bool framed = borders && !(borders->DrawMode & dmNotInNormal);
    Bitmap frame = CreateWorkBitmap(size.cx, size.cy);
    frame.Fill(framed ? clKeyColor : clBlack);
    if (framed) {
        PaintBordersMask(frame, {0, 0, size.cx, size.cy}, false, false, 0, *borders, {});
        const TRect w = FrameWidths();
        FillSolidRect(frame, {w.Left, w.Top, size.cx - w.Right, size.cy - w.Bottom}, clBlack);
    }
    Bitmap mask = CreateWorkBitmap(size.cx, size.cy);
    mask.Fill(RGB(level, level, level));
    for (int y = 0; y < size.cy; ++y)
        for (int x = 0; x < size.cx; ++x)
            if (frame.Pixel(x, y) == clKeyColor) mask.SetPixel(x, y, clWhite);
    return mask;
}
