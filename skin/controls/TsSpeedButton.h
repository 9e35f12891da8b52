// The skinned speed button (the board's cells and the chooser's mark buttons): the framework's
// speed button drawn entirely from its skin section while a skin is in force.
#pragma once

#include "framework/TSpeedButton.h"
#include "skin/controls/TacButtonLayout.h"
#include "skin/paint/ControlKinds.h"
#include "skin/paint/SkinControlTypes.h"
#include "skin/paint/TacSkinnedControl.h"
#include "skin/paint/TsCommonData.h"

#include <functional>
#include <memory>

// Skinned, the button keeps its image in SkinData's cached bitmap and rebuilds it only when its
// state, its Down, its glyph count or spacing, or its parent's image changed; a change repaints
// this button alone. Without a skin it is the plain framework button.
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
    void Paint() override;
    void WndProc(TMessage& message) override;
    void Loaded() override;

private:
    TacButtonLayout SkinLayout() const;
    void PaintSkinned();
    bool NeedsRebuild();
    void DrawContent(TBitmap& cache, int state, const TacButtonLayout& layout);
    void DrawCaption(TBitmap& cache, int state, const TRect& r);
    void DrawGlyph(TBitmap& cache, int state, const TRect& at);
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
    // What the last rebuild showed.
    bool FBuiltDown = false;
    int FBuiltState = -1;
    int FBuiltNumGlyphs = 1;
    int FBuiltSpacing = 4;
};
