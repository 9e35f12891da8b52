// The skinned combo box (the skin list): its face, drop-down button and arrow painted from the
// "COMBOBOX" section, its list in the section's colours, and a read-only mode.
#pragma once

#include "framework/TComboBox.h"
#include "skin/controls/TacComboEditChild.h"
#include "skin/controls/TacComboImage.h"
#include "skin/controls/TsBoundLabel.h"
#include "skin/paint/ControlKinds.h"
#include "skin/paint/SkinControlTypes.h"
#include "skin/paint/TacSkinnedControl.h"
#include "skin/paint/TsCommonData.h"

#include <memory>

class TsComboBox : public TComboBox, public TacSkinnedControl {
public:
    static constexpr int ControlKindCode = ckEdit;

    explicit TsComboBox(TComponent* owner);
    std::string ClassName() const override { return "TsComboBox"; }

    TsCommonData* SkinData() const override { return FSkinData.get(); }
    TsDisabledKind SkinDisabledKind() const override { return FDisabledKind; }
    TsDisabledKind DisabledKind() const { return FDisabledKind; }
    void SetDisabledKind(TsDisabledKind value);
    // The caption label kept beside the control; inactive unless switched on.
    TsBoundLabel* BoundLabel() const { return FBoundLabel.get(); }
    // Of the text in the face.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    // The user can focus it but neither type, pick nor open the list.
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    bool ShowButton() const { return FShowButton; }
    void SetShowButton(bool value);
    // Between the list's drop-down and close-up.
    bool DroppedState() const { return FDroppedState; }

    // The face, the button, the arrow and the item's text, with the disabled look.
    void PrepareCache() override;
    int SkinState() const override;
    // The combo or its edit child holds the focus.
    bool HasFocusWithin() const;
    TacComboLook Look() const;
    // The image is rebuilt; the control and its edit child repaint.
    void RepaintSkinned();

protected:
    void WndProc(TMessage& message) override;
    void Loaded() override;
    void CreateWnd() override;
    void DropDown() override;
    void CloseUp() override;
    void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;

private:
    bool Skinned() const { return FSkinData->IsSkinned(); }
    bool Updating() const { return FSkinData->UpdateLocked() || FSkinData->IsPaintSuspended(); }
    void SkinChanged(std::uint16_t code);
    bool BeforeSkinned(TMessage& message);
    void AfterSkinned(const TMessage& message);
    bool ReadOnlySwallows(TMessage& message);
    void Paint(TMessage& message);
    void PaintImage(HDC dc);
    void DrawFieldItem(HDC dc, const TacComboLook& look);

    std::unique_ptr<TsCommonData> FSkinData;
    std::unique_ptr<TsBoundLabel> FBoundLabel;
    TsDisabledKind FDisabledKind = DefaultDisabledKind;
    TAlignment FAlignment = taLeftJustify;
    bool FReadOnly = false;
    bool FShowButton = true;
    bool FDroppedState = false;
    TacComboEditChild FEditChild{*this};
};
