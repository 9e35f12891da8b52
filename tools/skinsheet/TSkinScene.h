// The game's main window and its settings dialog drawn from a skin, at the game's own sizes and
// places, on a desktop; with every image of GLOBALINFO in each state, enlarged, below them.
#pragma once

#include "platform/gfx/Bitmap.h"

#include <string>

class TsSkinManager;
class TScenePainter;

class TSkinScene {
public:
    explicit TSkinScene(TsSkinManager& manager);

    Bitmap Render() const;

private:
    static constexpr int CaptionHeight = 19;
    static constexpr int MenuHeight = 18;

    // A window of that size with its frame, title and (when asked) menu bar; the region cut
    // from its corners shows the desktop.
    Bitmap Window(TSize size, int frame, const std::string& caption, bool active, bool menu) const;
    void TitleButtons(TScenePainter& painter, int width, int frame, bool dialog) const;
    void MenuBar(TScenePainter& painter, int width, int top) const;
    void TopBar(TScenePainter& painter, TPoint client) const;
    void Board(TScenePainter& painter, const TRect& panel) const;
    void Cell(TScenePainter& painter, int index, const TRect& r) const;
    void DialogControls(TScenePainter& painter, TPoint client) const;
    void ImageStrip(Bitmap& scene, TPoint at) const;
    static void PutWindow(Bitmap& desktop, const Bitmap& window, TPoint at);

    TsSkinManager& FManager;
};
