// The state of an owner-drawn item (menu, list or combo item) as the framework's draw events get it.
#pragma once

#include "framework/TSet.h"

#include "platform/controls/OwnerDrawCodes.h"

enum TOwnerDrawStateItem {
    odSelected,
    odGrayed,
    odDisabled,
    odChecked,
    odFocused,
    odDefault,
    odHotLight,
    odInactive,
    odNoAccel,
    odNoFocusRect,
    odReserved1,
    odReserved2,
    odComboBoxEdit,
};
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;

// The platform's ODS_* bits of a draw request as a state set.
inline TOwnerDrawState OwnerDrawStateFromBits(UINT bits) {
    static constexpr struct {
        UINT Bit;
        TOwnerDrawStateItem Item;
    } map[] = {{ODS_SELECTED, odSelected},
               {ODS_GRAYED, odGrayed},
               {ODS_DISABLED, odDisabled},
               {ODS_CHECKED, odChecked},
               {ODS_FOCUS, odFocused},
               {ODS_DEFAULT, odDefault},
               {ODS_HOTLIGHT, odHotLight},
               {ODS_INACTIVE, odInactive},
               {ODS_NOACCEL, odNoAccel},
               {ODS_NOFOCUSRECT, odNoFocusRect},
               {ODS_COMBOBOXEDIT, odComboBoxEdit}};
    TOwnerDrawState state;
    for (const auto& entry : map)
        if (bits & entry.Bit) state.Include(entry.Item);
    return state;
}
