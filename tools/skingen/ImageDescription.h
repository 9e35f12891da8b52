// One image of a skin as its source describes it: the recipe, the cell size and states, and how
// it is stored (in the master bitmap in one of the fixed-width forms, or as a file of its own).
#pragma once

#include "tools/skingen/RecipeParams.h"

#include <array>
#include <string>

enum class ImageForm { ifBorders, ifGlyph, ifTexture, ifSeparate, ifPlainFile };

struct ImageDescription {
    std::string Name;
    std::string Recipe;
    int Width = 0, Height = 0; // of one state
    int States = 1;
    int MaskType = 0;          // 0: magenta key; 1: an alpha band below the image
    ImageForm Form = ImageForm::ifBorders;
    std::string File;          // member name of a separate or plain-file image
    int SeparateType = 0;      // "!" form: 0 borders, 1 texture, 2 glyph
    std::array<int, 4> Frame{}; // WL, WT, WR, WB; all 0 lets the reader compute them
    int DrawMode = 0;
    int BorderWidth = 0;
    RecipeParams Params{"", {}};

    // Whether the image lives in the master bitmap.
    bool InMaster() const { return Form != ImageForm::ifSeparate && Form != ImageForm::ifPlainFile; }
    // Whether the image is drawn as a nine-piece frame, whose corners' key pixels show what lies
    // behind it. (A plain-file image is read as a frame but drawn whole, as the title buttons are.)
    bool IsBorders() const {
        return Form == ImageForm::ifBorders || (Form == ImageForm::ifSeparate && SeparateType == 0);
    }
    int BitmapWidth() const { return Width * States; }
    int BitmapHeight() const { return Height * (MaskType + 1); }
};
