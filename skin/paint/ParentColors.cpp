// Storage of the parent colours.
#include "skin/paint/ParentColors.h"

TColor ParentFillColor = clKeyColor;
TColor ParentKeyColor = clKeyColor;

void ResetParentColors() {
    ParentFillColor = clKeyColor;
    ParentKeyColor = clKeyColor;
}
