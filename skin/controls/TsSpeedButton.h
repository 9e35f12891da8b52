// The skinned speed button (the board's cells and the chooser's mark buttons): the framework's
// speed button drawn entirely from its skin section while a skin is in force.
#pragma once

#include "framework/TChangeLink.h"
#include "framework/TCustomImageList.h"
#include "framework/TSpeedButton.h"
#include "skin/controls/TacButtonLayout.h"
#include "skin/controls/TacGlyphPainter.h"
#include "skin/paint/ControlKinds.h"
#include "skin/paint/SkinControlTypes.h"
#include "skin/paint/TacSkinnedControl.h"
#include "skin/paint/TsCommonData.h"

#include <functional>
#include <memory>

// Skinned, the button keeps its image in SkinData's cached bitmap and rebuilds it only when its
// state, its Down, its glyph count or spacing, or its parent's image changed; a change repaints
// this button alone. Without a skin it is the plain framework button.
//
// Its glyph comes from Images at ImageIndex while Glyph is empty. The plain look draws glyph
// strips only, so without a skin the list's image is copied into Glyph when painting; that copy
// goes again whenever the list, the index or the skin changes.
class TsSpeedButton : public TSpeedButton, public TacSkinnedControl {
public:
    static constexpr int ControlKindCode = ckSpeedButton;

    explicit TsSpeedButton(TComponent* owner);
    std::string ClassName() const override { return "TsSpeedButton"; }

    TsCommonData* SkinData() const override { return FSkinData.get(); }
    TsDisabledKind SkinDisabledKind() const override { return FDisabledKind; }
    TsDisabledKind DisabledKind() const { return FDisabledKind; }
    void SetDisabledKind(TsDisabledKind value);
    TsDisabledGlyphKind DisabledGlyphKind() const { return FDisabledGlyphKind; }
    void SetDisabledGlyphKind(TsDisabledGlyphKind value);
    TacAnimatEvents AnimatEvents() const { return FAnimatEvents; }
    void SetAnimatEvents(TacAnimatEvents value) { FAnimatEvents = value; }
    // Where the block of glyph and caption sits across the button.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    // How the caption's lines align inside the caption rectangle.
    TAlignment TextAlignment() const { return FTextAlignment; }
    void SetTextAlignment(TAlignment value);
    int TextOffset() const { return FTextOffset; }
    void SetTextOffset(int value);
    // Off, the caption is kept aside and the button's text is empty.
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool value);
    // Percent of see-through of the glyph in the normal state, 0..100.
    int Blend() const { return FBlend; }
    void SetBlend(int value);
    bool Grayed() const { return FGrayed; }
    void SetGrayed(bool value);
    // Glyph and caption over the borders mask (true) or under it.
    bool DrawOverBorder() const { return FDrawOverBorder; }
    void SetDrawOverBorder(bool value);
    // The glyph's image list; the button forgets a list that is freed.
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* list);
    // -1 for none; an index outside the list draws no glyph.
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int index);
    // tbsDropDown adds an arrow part ArrowPartWidth wide at the right, widening the button by as
    // much; separators and dividers show no caption or glyph and take no clicks.
    TToolButtonStyle ButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TToolButtonStyle style);
    static constexpr int ArrowPartWidth = 16;
    int ArrowWidth() const { return FButtonStyle == tbsDropDown ? ArrowPartWidth : 0; }
    // Opened below a drop-down button by a press on its arrow part, or anywhere on it when it
    // has no OnClick; the button is held down while the menu is open.
    TPopupMenu* DropdownMenu() const { return FDropdownMenu; }
    void SetDropdownMenu(TPopupMenu* menu);

    // After each rebuild, with the cached bitmap.
    std::function<void(TObject* sender, TBitmap* image)> OnPaint;

    // 2 while pressed or held down, 1 when hot, else 0.
    int CurrentState() const;
    int SkinState() const override { return CurrentState(); }
    TRect GlyphRect() const override;
    TRect CaptionRect() const override;
    void PrepareCache() override;
    // The parent repaints this button and nothing else.
    void RepaintAlone();

protected:
    TRect FaceRect() const override;
    void Paint() override;
    void WndProc(TMessage& message) override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TacButtonLayout SkinLayout() const;
    void PaintSkinned();
    bool NeedsRebuild();
    void DrawContent(TBitmap& cache, int state, const TacButtonLayout& layout);
    void DrawCaption(TBitmap& cache, int state, const TRect& r);
    void DrawGlyph(TBitmap& cache, int state, const TRect& at);
    void DrawListGlyph(TBitmap& cache, const TacGlyphLook& look, const TRect& at);
    // The arrow part of a drop-down button in its own state, with the skin's arrow image.
    void DrawArrowPart(TBitmap& cache, const TParentImageInfo& parent);
    int ArrowPartState() const;
    // Separator and divider: the parent behind, and the divider's line.
    void DrawGap(TBitmap& cache, const TParentImageInfo& parent);
    bool IsGap() const { return FButtonStyle == tbsSeparator || FButtonStyle == tbsDivider; }
    bool OpensMenuAt(int x) const;
    void ShowDropdownMenu();
    void PaintPlain();
    void PaintPlainArrow();
    // The list's image is wanted: no Glyph, a list and an index in it.
    bool UsesListGlyph() const;
    // The glyph's size: Glyph's image, else the list's size while an index is chosen.
    TSize GlyphSize() const;
    void CopyListGlyph();
    void ClearGlyph();
    void ImagesChanged();
    // Skin commands that concern the button beyond the common handling; true when finished.
    bool HandleSkinCommand(TMessage& message);
    void AfterMessage(const TMessage& message);
    // The state is shown again at once.
    void ShowChange();
    void PropertyChanged();
    void FollowSkinOpacity();
    bool Busy() const;

    std::unique_ptr<TsCommonData> FSkinData;
    TsDisabledKind FDisabledKind = DefaultDisabledKind;
    TsDisabledGlyphKind FDisabledGlyphKind = DefaultDisabledGlyphKind;
    TacAnimatEvents FAnimatEvents = DefaultAnimatEvents;
    TAlignment FAlignment = taCenter;
    TAlignment FTextAlignment = taCenter;
    int FTextOffset = 0;
    bool FShowCaption = true;
    std::string FSavedCaption;
    int FBlend = 0;
    bool FGrayed = false;
    bool FDrawOverBorder = true;
    TCustomImageList* FImages = nullptr;
    int FImageIndex = -1;
    TChangeLink FImageLink;
    bool FGlyphFromList = false; // Glyph holds the plain look's copy of the list's image
    bool FCopyingGlyph = false;
    TToolButtonStyle FButtonStyle = tbsButton;
    TPopupMenu* FDropdownMenu = nullptr;
    bool FMenuShown = false;
    // What the last rebuild showed.
    bool FBuiltDown = false;
    int FBuiltState = -1;
    int FBuiltNumGlyphs = 1;
    int FBuiltSpacing = 4;
};
