// Skin elements painted into a scene the way the skinned controls lay them out: each element over
// what is already painted beneath it, at the sizes and places the game's windows give them.
#pragma once

#include "platform/gfx/Bitmap.h"

#include <string>

class TsSkinManager;
class TsSkinModel;
class TCanvas;

struct TSceneFont {
    std::string Name = "MS Sans Serif";
    int Size = 8;
    bool Bold = false;
};

class TScenePainter {
public:
    TScenePainter(TsSkinManager& manager, Bitmap& scene);

    // A control's element: background, borders mask, then corner images; the disabled look last.
    void Control(const std::string& section, const TRect& r, int state, bool enabled = true);
    // A window part without a binding: background, corner images, then the borders mask.
    void Part(const std::string& section, const TRect& r, int state);
    // Text in a section's font colours, in r with DrawText flags.
    void Text(const std::string& section, const std::string& text, const TRect& r, bool hot, const TSceneFont& font,
              unsigned format, bool enabled = true);
    // One state of an image entry of a section (GLOBALINFO's check marks, title buttons) at a point.
    void Image(const std::string& section, const std::string& key, TPoint at, int state);
    TSize ImageSize(const std::string& section, const std::string& key) const;
    int TextWidth(const std::string& text, const TSceneFont& font) const;
    // A horizontal track bar of the game: thumb length 15, ticks below, position in min..max.
    void TrackBar(const TRect& r, int position, int min, int max, int state);
    // A check box of the game's height with its caption on the right.
    void CheckBox(const TRect& r, const std::string& caption, bool checked, int state);

    Bitmap& Scene() { return FScene; }

private:
    TsSkinModel& Model() const;
    int MaskOf(const std::string& section, const std::string& key) const;
    void Borders(Bitmap& element, const std::string& section, const std::string& key, const TRect& r, TPoint pos,
                 int state);
    void Corners(Bitmap& element, const std::string& section, int state);
    void Background(Bitmap& element, const std::string& section, TPoint pos, int state);
    void TrackTicks(Bitmap& element, const TRect& channel, int thumbWidth, int count, int state);

    TsSkinManager& FManager;
    Bitmap& FScene;
};
