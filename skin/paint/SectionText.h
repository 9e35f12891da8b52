// Caption text in a section's font colours, with its one-pixel contours.
#pragma once

#include "skin/data/TsGeneralData.h"

#include "framework/TCanvas.h"

#include <array>
#include <string_view>

class TsSkinManager;

// A contour colour of -1 draws no contour on that side.
constexpr TColor NoContour = -1;

struct TacTextColors {
    TColor Main = clBlack;
    std::array<TColor, 4> Contours{NoContour, NoContour, NoContour, NoContour}; // left, top, right, bottom
};

// Enabled: the main and contour colours of the normal variant, or of the hot one. Disabled: 40
// percent of FONTCOLOR and 60 of COLOR (normal variants), without contours.
TacTextColors SectionTextColors(const TsGeneralData& section, bool enabled, bool hot);

// The text in r with the DrawText flags, in the canvas font and without a background: first each
// contour one pixel out toward its side, then the text in the main colour. The canvas's brush
// style and font colour are as before afterwards.
void DrawContouredText(TCanvas& canvas, std::string_view text, const TacTextColors& colors, unsigned format,
                       const TRect& r);

// Caption text of a section for windows without a binding, in the canvas's font as it is set,
// unclipped. Without a valid section the text is drawn in the canvas font's own colour.
void DrawSectionText(TCanvas& canvas, std::string_view text, bool enabled, TsSkinManager* manager, bool hot,
                     int sectionIndex, unsigned format, const TRect& r);
