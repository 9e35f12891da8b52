// The look a hint takes from a section of the skin in force: the section painted over the whole
// window with its frame, the text in the section's font colours, the section's transparency, and
// the outline the frame's see-through pixels leave.
#pragma once

#include "framework/TCanvas.h"

#include "platform/gfx/Bitmap.h"

#include <optional>
#include <string>

class TsHintManager;
class TsSkinManager;

class TacHintSkinLook {
public:
    // The look is in use when the hint manager takes the skin data, a default skin manager
    // exists and its skin has the manager's section.
    static std::optional<TacHintSkinLook> Find(const TsHintManager& hints);

    // The frame's piece widths (left, top, right, bottom); 0 without a borders mask.
    TRect FrameWidths() const;
    // The section's transparency, limited to 0..100.
    int Transparency() const;
    // The section's main font colour (markup starts with it).
    TColor FontColor() const;
    // The section over the whole bitmap in the normal state: pattern, gradient, colour, frame.
    void PaintBody(Bitmap& body) const;
    // The text centred and word-wrapped in r in the canvas's font and the section's colours.
    void PaintText(TCanvas& canvas, const std::string& text, const TRect& r) const;
    // White where the window shows nothing (the see-through pixels of the frame's pieces), the
    // grey level elsewhere.
    Bitmap Mask(TSize size, int level) const;

private:
    TacHintSkinLook(TsSkinManager& skins, int section, std::string name);

    TsSkinManager* FSkins;
    int FSection;
    std::string FName;
    int FBorders;
    int FPattern;
};
