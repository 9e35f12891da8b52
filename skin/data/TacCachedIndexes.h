// Section and image indexes the check box, combo box, tab and scroll bar painting keep at hand.
#pragma once

class TsSkinModel;

// A section with the images painters ask of it; -1 wherever something is absent.
struct TacSectionImages {
    int Section = -1;
    int BordersMask = -1;
    int GlyphMask = -1;
    int Pattern = -1;
    int HotPattern = -1;
};

// Computed when a skin is applied; Reset() makes every index -1 (no skin).
struct TacCachedIndexes {
    int GlobalInfo = -1;
    int BoxChecked = -1, BoxUnchecked = -1, BoxGrayed = -1;
    int RadioChecked = -1, RadioUnchecked = -1, RadioGrayed = -1;
    int SmallChecked = -1, SmallUnchecked = -1, SmallGrayed = -1;
    TacSectionImages ComboBtn; // BordersMask exact; patterns as textures
    int ComboGlyph = -1;       // COMBOBOX's GLYPHMASK, exact
    TacSectionImages TabTop, TabBottom, TabLeft, TabRight;
    TacSectionImages ScrollBtnTop, ScrollBtnBottom, ScrollBtnLeft, ScrollBtnRight;
    TacSectionImages ScrollSliderV, ScrollSliderH;
    TacSectionImages ScrollBar1H, ScrollBar1V, ScrollBar2H, ScrollBar2V;

    void Compute(const TsSkinModel& model);
    void Reset() { *this = TacCachedIndexes(); }
};
