// The skinned combo box's image: the section over the control, the drop-down button with its
// arrow, and the current item's text in the edit rectangle.
#pragma once

#include "framework/ControlTypes.h"
#include "framework/TCustomComboBox.h"
#include "platform/gfx/Geometry.h"
#include "skin/paint/SkinControlTypes.h"

class TsCommonData;
struct TParentImageInfo;

// What of the combo box the image shows.
struct TacComboLook {
    TComboBoxStyle Style = csDropDown;
    bool OwnerDrawn = false; // an owner-drawn style with OnDrawItem: the owner draws the item
    bool ShowButton = true;
    bool Dropped = false;
    bool Focused = false; // the combo or its edit child has the focus
    bool Enabled = true;
    int State = 0;        // the control state: 1 hot, else 0
    int ItemHeight = 13;  // csSimple: the field's height is this plus 8
    TAlignment Alignment = taLeftJustify;
    TsDisabledKind DisabledKind = DefaultDisabledKind;
};

class TacComboImage {
public:
    TacComboImage(TCustomComboBox& combo, TsCommonData& data) : FCombo(combo), FData(data) {}

    // The button's place: the platform's scroll bar width at the right edge, 2 pixels in (an
    // empty width without the button or in csSimple).
    static TRect ButtonRect(TSize size, const TacComboLook& look);
    // The button's state: 2 while dropped down, else the control state.
    static int ButtonState(const TacComboLook& look) { return look.Dropped ? 2 : look.State; }

    // Paints the whole image into the binding's cache bitmap.
    void Prepare(const TacComboLook& look);

private:
    void PaintButton(const TacComboLook& look, const TRect& button);
    void PaintArrow(const TacComboLook& look, const TRect& button);
    void PaintText(const TacComboLook& look, const TRect& button);

    TCustomComboBox& FCombo;
    TsCommonData& FData;
};
