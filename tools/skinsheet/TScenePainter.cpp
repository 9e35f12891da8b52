// Scene elements from the painting routines, in the order the skinned controls use them.
#include "tools/skinsheet/TScenePainter.h"

#include "skin/paint/BordersMask.h"
#include "skin/paint/DisabledLook.h"
#include "skin/paint/MaskedImage.h"
#include "skin/paint/SectionPainting.h"
#include "skin/paint/SectionText.h"
#include "skin/paint/TacMaskView.h"
#include "skin/paint/WorkBitmap.h"

#include "skin/data/TsSkinManager.h"

#include "framework/TCanvas.h"
#include "platform/text/TextDraw.h"

#include <cmath>
#include <memory>

namespace {

// The game's track bars: thumb length 15 and the platform's layout for a bar 24 or 25 high.
constexpr int ThumbLength = 15;
constexpr int ThumbWidth = ThumbLength / 2;
constexpr int ChannelInset = 8;
constexpr int ChannelThickness = 6;
constexpr int TickGap = 2;

void UseFont(TCanvas& canvas, const TSceneFont& font) {
    canvas.Font()->SetName(font.Name);
    canvas.Font()->SetSize(font.Size);
    canvas.Font()->SetStyle(font.Bold ? TFontStyles{fsBold} : TFontStyles{});
}

} // namespace

TScenePainter::TScenePainter(TsSkinManager& manager, Bitmap& scene) : FManager(manager), FScene(scene) {}

TsSkinModel& TScenePainter::Model() const { return FManager.Model(); }

int TScenePainter::MaskOf(const std::string& section, const std::string& key) const {
    return Model().MaskIndex(Model().SectionIndex(section), section, key);
}

void TScenePainter::Background(Bitmap& element, const std::string& section, TPoint pos, int state) {
    const TParentImageInfo behind{&FScene, 0, 0, true};
    PaintSectionBackground(Model().SectionIndex(section), section, behind, clKeyColor, -1, -1, &FManager, &element,
                           pos, element.BoundsRect(), state);
}

void TScenePainter::Borders(Bitmap& element, const std::string& section, const std::string& key, const TRect& r,
                            TPoint pos, int state) {
    const int mask = MaskOf(section, key);
    if (mask < 0) return;
    const TParentImageInfo behind{&FScene, pos.X, pos.Y, true};
    PaintBordersMask(element, r, true, true, state, Model().Masks[static_cast<std::size_t>(mask)], behind);
}

void TScenePainter::Corners(Bitmap& element, const std::string& section, int state) {
    struct TCorner {
        const char* Key;
        bool Right, Bottom;
    };
    static constexpr TCorner corners[] = {
        {"IMGTOPLEFT", false, false}, {"IMGTOPRIGHT", true, false}, {"IMGBTMLEFT", false, true}, {"IMGBTMRIGHT", true, true}};
    for (const TCorner& corner : corners) {
        const int index = MaskOf(section, corner.Key);
        if (index < 0) continue;
        const TsMaskData& mask = Model().Masks[static_cast<std::size_t>(index)];
        const TacMaskView view(mask);
        const TPoint at{corner.Right ? element.Width() - view.StateWidth() : 0,
                        corner.Bottom ? element.Height() - view.StateHeight() : 0};
        DrawSkinImage(element, at, state, mask, 1);
    }
}

void TScenePainter::Control(const std::string& section, const TRect& r, int state, bool enabled) {
    if (Model().SectionIndex(section) < 0 || r.Width() <= 0 || r.Height() <= 0) return;
    Bitmap element = CreateWorkBitmap(r.Width(), r.Height());
    Background(element, section, r.TopLeft(), state);
    Borders(element, section, "BORDERSMASK", element.BoundsRect(), r.TopLeft(), state);
    Corners(element, section, state);
    if (!enabled) {
        const TParentImageInfo behind{&FScene, 0, 0, true};
        ApplyDisabledLook(element, false, true, FScene.Pixel(r.Left, r.Top), r.TopLeft(), behind);
    }
    FScene.CopyRect(r.Left, r.Top, element, element.BoundsRect());
}

void TScenePainter::Part(const std::string& section, const TRect& r, int state) {
    const int index = Model().SectionIndex(section);
    if (index < 0 || r.Width() <= 0 || r.Height() <= 0) return;
    Bitmap element = CreateWorkBitmap(r.Width(), r.Height());
    const TParentImageInfo behind{&FScene, 0, 0, true};
    PaintSkinSectionByIndex(index, section, behind, -1, -1, &FManager, &element, r.TopLeft(), element.BoundsRect(),
                            state, true);
    FScene.CopyRect(r.Left, r.Top, element, element.BoundsRect());
}

void TScenePainter::Text(const std::string& section, const std::string& text, const TRect& r, bool hot,
                         const TSceneFont& font, unsigned format, bool enabled) {
    TCanvas canvas;
    canvas.SetHandle(std::make_unique<DeviceContext>(&FScene));
    canvas.Brush()->SetStyle(bsClear);
    UseFont(canvas, font);
    DrawSectionText(canvas, text, enabled, &FManager, hot, Model().SectionIndex(section), format | DT_NOPREFIX, r);
}

void TScenePainter::Image(const std::string& section, const std::string& key, TPoint at, int state) {
    const int index = MaskOf(section, key);
    if (index >= 0) DrawSkinImage(FScene, at, state, Model().Masks[static_cast<std::size_t>(index)], 1);
}

TSize TScenePainter::ImageSize(const std::string& section, const std::string& key) const {
    const int index = MaskOf(section, key);
    if (index < 0) return {0, 0};
    const TacMaskView view(Model().Masks[static_cast<std::size_t>(index)]);
    return {view.StateWidth(), view.StateHeight()};
}

int TScenePainter::TextWidth(const std::string& text, const TSceneFont& font) const {
    TCanvas canvas;
    canvas.SetHandle(std::make_unique<DeviceContext>(&FScene));
    UseFont(canvas, font);
    return canvas.TextWidth(text);
}

void TScenePainter::TrackTicks(Bitmap& element, const TRect& channel, int thumbWidth, int count, int state) {
    const int index = MaskOf("TRACKBAR", "TICKHORZ");
    const double step = static_cast<double>(channel.Width() - thumbWidth) / (count - 1);
    const int y = channel.Bottom + (ThumbLength - channel.Height()) / 2 + TickGap;
    for (int i = 0; i < count; ++i) {
        const int x = static_cast<int>(std::nearbyint(i * step + channel.Left + thumbWidth / 2));
        if (index < 0) {
            element.FillRect({x, y, x + 1, y + 3}, RGB(128, 128, 128));
            continue;
        }
        const TsMaskData& mask = Model().Masks[static_cast<std::size_t>(index)];
        DrawSkinImage(element, {x - mask.R.Width() / (2 * std::max<int>(1, mask.ImageCount)), y}, state, mask, 1);
    }
}

void TScenePainter::TrackBar(const TRect& r, int position, int min, int max, int state) {
    Bitmap element = CreateWorkBitmap(r.Width(), r.Height());
    Background(element, "TRACKBAR", r.TopLeft(), state);
    const int thumbTop = std::max(2, (r.Height() - ThumbLength - TickGap - 4) / 2);
    const TRect channel{ChannelInset, thumbTop + (ThumbLength - ChannelThickness) / 2, r.Width() - ChannelInset,
                        thumbTop + (ThumbLength - ChannelThickness) / 2 + ChannelThickness};
    const int channelMask = MaskOf("TRACKBAR", "SLIDERCHANNEL");
    if (channelMask >= 0) {
        const TacMaskView view(Model().Masks[static_cast<std::size_t>(channelMask)]);
        const int top = channel.Top + (channel.Height() - view.StateHeight() + 1) / 2;
        const TRect drawn{channel.Left, top, channel.Right, top + view.StateHeight() - 1};
        const TParentImageInfo self{&element, 0, 0, true};
        PaintBordersMask(element, drawn, true, true, state > 0 ? 1 : 0,
                         Model().Masks[static_cast<std::size_t>(channelMask)], self);
    }
    TrackTicks(element, channel, ThumbWidth, max - min + 1, state);
    const int travel = channel.Width() - ThumbWidth;
    const int thumbLeft = channel.Left + (position - min) * travel / std::max(1, max - min);
    const TSize thumb = ImageSize("TRACKBAR", "SLIDERMASK");
    const int index = MaskOf("TRACKBAR", "SLIDERMASK");
    if (index >= 0) {
        DrawSkinImage(element, {thumbLeft + (ThumbWidth - thumb.cx) / 2, thumbTop + (ThumbLength - thumb.cy) / 2},
                      state, Model().Masks[static_cast<std::size_t>(index)], 1);
    }
    FScene.CopyRect(r.Left, r.Top, element, element.BoundsRect());
}

void TScenePainter::CheckBox(const TRect& r, const std::string& caption, bool checked, int state) {
    Control("CHECKBOX", r, state > 0 ? 1 : 0);
    const std::string key = checked ? "BOXCHECKED" : "BOXUNCHECKED";
    const TSize box = ImageSize("GLOBALINFO", key);
    constexpr int Margin = 2;
    Image("GLOBALINFO", key, {r.Left + Margin, r.Top + (r.Height() - box.cy) / 2}, state);
    const TRect text{r.Left + Margin + box.cx + 4, r.Top - 1, r.Right, r.Bottom - 1};
    Text("CHECKBOX", caption, text, state > 0, {}, DT_SINGLELINE | DT_VCENTER);
}
