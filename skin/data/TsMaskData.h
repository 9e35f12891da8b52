// One image entry of a skin: a rectangle of the master bitmap or a bitmap of its own.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Geometry.h"

#include <memory>
#include <string>
#include <vector>

class TsSkinModel;

enum TacImgType { itisaBorder, itisaTexture, itisaGlyph };

struct TsMaskData {
    std::unique_ptr<Bitmap> Bmp; // owned; null when R lies in the master bitmap
    std::string SectionName;
    std::string PropertyName;
    TRect R;                // an empty R with Bmp set means the whole bitmap
    int ImageCount = 1;     // states laid side by side
    int MaskType = 0;       // 0: magenta key colour; n: n + 1 bands, image on top, alpha below
    int BorderWidth = 0;
    int DrawMode = 0;
    TacImgType ImgType = itisaBorder;
    const TsSkinModel* Manager = nullptr; // through which the master bitmap is reached
    int WL = 0;
    int WT = 0;
    int WR = 0;
    int WB = 0;

    // Widths of the frame pieces: the explicit width, else BorderWidth, else a third of one
    // state's width (or of one band's height).
    int BorderLeft();
    int BorderRight() const;
    int BorderTop() const;
    int BorderBottom() const;
    // The size of one state image.
    TSize MaskCellSize() const;
};

using TsMaskArray = std::vector<TsMaskData>;
