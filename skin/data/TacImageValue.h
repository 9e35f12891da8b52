// Recognising the image forms of option values and reading their fields.
#pragma once

#include "skin/data/TsMaskData.h"

#include <string>
#include <string_view>

enum TacImageForm {
    ifNone,      // not an image value (numbers, TRUE, N/A, JPEG names, ...)
    ifBorders,   // "^" borders mask in the master bitmap
    ifGlyph,     // "@" glyph in the master bitmap
    ifTexture,   // "~" texture in the master bitmap
    ifSeparate,  // "!" a bitmap file of its own with counts and type
    ifPlainFile, // a bitmap file name: a three-state borders mask
    ifLegacy,    // the old "#" form with bracketed numbers
};

struct TacImageValue {
    TacImageForm Form = ifNone;
    TsMaskData Mask;         // every field the value gives; R of the file forms comes from the bitmap
    std::string FileName;    // the bitmap to load for the file forms
    bool ExplicitWidths = false; // the "!" form gave WL, WT, WR, WB
    std::string Error;       // why a value of an image form makes no entry; empty when it is sound
    std::string Flaw;        // what is wrong with a value that makes an entry all the same

    bool Usable() const { return Form != ifNone && Error.empty(); }
    bool UsesMaster() const { return Form == ifBorders || Form == ifGlyph || Form == ifTexture || Form == ifLegacy; }
};

// Dispatches on the first character and reads the fields. An ImageCount below 1 becomes 1, so no
// width computation divides by zero.
TacImageValue ParseImageValue(std::string_view section, std::string_view key, std::string_view value);

// Gives a file form's entry the bitmap's size as R and its frame widths.
void FitImageToBitmap(TacImageValue& image, int width, int height);

// Frame widths when none are given: BorderWidth when it is not 0, else a third of one state's
// width and of one band's height.
void ComputeFrameWidths(TsMaskData& mask);
