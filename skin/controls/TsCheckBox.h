// The skinned check box (training mode, the settings' switches): the platform's check box with
// every pixel drawn from the skin's CHECKBOX section and the check images of GLOBALINFO while a
// skin is in force.
#pragma once

#include "framework/TChangeLink.h"
#include "framework/TCheckBox.h"
#include "framework/TCustomImageList.h"
#include "skin/paint/ControlKinds.h"
#include "skin/paint/SkinControlTypes.h"
#include "skin/paint/TacSkinnedControl.h"
#include "skin/paint/TacWindowPainting.h"
#include "skin/paint/TsCommonData.h"

#include <memory>

class TBitmap;
class TCanvas;
struct TsMaskData;

// While skinned the control presses and toggles itself: the state changes on the release of the
// mouse button over the control or of the space bar, never when the press moved away first.
class TsCheckBox : public TCheckBox, public TacSkinnedControl {
public:
    static constexpr int ControlKindCode = ckCheckBox;
    // The check rectangle when the skin has no BOXCHECKED image.
    static constexpr int DefaultCheckSize = 16;

    explicit TsCheckBox(TComponent* owner);
    std::string ClassName() const override { return "TsCheckBox"; }

    TsCommonData* SkinData() const override { return FSkinData.get(); }
    TsDisabledKind SkinDisabledKind() const override { return FDisabledKind; }
    TsDisabledKind DisabledKind() const { return FDisabledKind; }
    void SetDisabledKind(TsDisabledKind value);
    TacAnimatEvents AnimatEvents() const { return FAnimatEvents; }
    void SetAnimatEvents(TacAnimatEvents value) { FAnimatEvents = value; }
    // The dotted frame around the caption of the focused box.
    bool ShowFocus() const { return FShowFocus; }
    void SetShowFocus(bool value);
    // Between the edge and the check image, and above and below the caption.
    int Margin() const { return FMargin; }
    void SetMargin(int value);
    // Extra room between the check image and the caption.
    int TextIndent() const { return FTextIndent; }
    void SetTextIndent(int value);
    // The user cannot change the state; the box never looks hot or pressed.
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    // Own check images in place of the skin's: three states side by side, each image over its
    // alpha mask (black shows the image). The checked one also gives the check rectangle's size.
    TBitmap* GlyphChecked() const { return FGlyphChecked.get(); }
    void SetGlyphChecked(const TBitmap* glyph);
    TBitmap* GlyphUnChecked() const { return FGlyphUnChecked.get(); }
    void SetGlyphUnChecked(const TBitmap* glyph);
    // Check images from an image list, laid out as the own glyphs are, used only when both
    // indices are 0 or more (and GlyphChecked is empty); the box forgets a list that is freed.
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* list);
    int ImgChecked() const { return FImgChecked; }
    void SetImgChecked(int index);
    int ImgUnchecked() const { return FImgUnchecked; }
    void SetImgUnchecked(int index);
    // Skinned, the box takes the size of its check image and caption.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);

    // Where the check image goes.
    TRect CheckRect() const;
    // The state image shown: 2 pressed, 1 hot, 0 normal.
    int CheckState() const;
    int SkinState() const override;
    void PrepareCache() override;
    // Skinned and AutoSize: the size of check image and caption.
    void AdjustSize();

protected:
    void WndProc(TMessage& message) override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    const TsMaskData* CheckImageMask(TCheckBoxState state) const;
    void PaintCaption(TCanvas& canvas);
    void DrawCheck(Bitmap& image);
    // Three state images side by side over their alpha masks, as own glyphs and list images are.
    void DrawOwnCheck(Bitmap& image, const Bitmap& glyph);
    bool UsesListImages() const { return FImages && FImgChecked >= 0 && FImgUnchecked >= 0; }
    void ImagesChanged();
    void SkinCommand(TMessage& message);
    bool UserInput(TMessage& message);
    void AfterSkinned(const TMessage& message);
    void PaintSkinned(HDC dc);
    void Release(bool toggle);
    void RefreshImage();
    bool CaptionOnRight() const;

    std::unique_ptr<TsCommonData> FSkinData;
    TacWindowPainting FPainting;
    std::unique_ptr<TBitmap> FGlyphChecked;
    std::unique_ptr<TBitmap> FGlyphUnChecked;
    TCustomImageList* FImages = nullptr;
    int FImgChecked = -1;
    int FImgUnchecked = -1;
    TChangeLink FImageLink;
    TsDisabledKind FDisabledKind = DefaultDisabledKind;
    TacAnimatEvents FAnimatEvents = DefaultAnimatEvents;
    bool FShowFocus = true;
    int FMargin = 2;
    int FTextIndent = 0;
    bool FReadOnly = false;
    bool FAutoSize = true;
    bool FPressed = false;
};
