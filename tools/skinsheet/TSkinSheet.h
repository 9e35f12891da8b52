// A contact sheet of every section of a loaded skin: each state, enabled and disabled, on a light
// and a dark parent, with the section's name beside it and a caption in its font colours.
#pragma once

#include "platform/gfx/Bitmap.h"

#include <string>

class TsSkinManager;

class TSkinSheet {
public:
    TSkinSheet(TsSkinManager& manager, std::string caption, TSize cell);

    Bitmap Render(const std::string& title) const;

private:
    static constexpr int Margin = 6; // parent shown around each element
    static constexpr int NameWidth = 190;
    static constexpr int HeaderHeight = 64;
    static constexpr int Columns = 12; // 2 parents x (enabled, disabled) x 3 states

    int CellBoxWidth() const { return FCell.cx + 2 * Margin; }
    int CellBoxHeight() const { return FCell.cy + 2 * Margin; }
    // Left edge of a column, with gaps between the enabled and disabled groups and the parents.
    int ColumnX(int column) const;
    void DrawHeader(Bitmap& sheet, const std::string& title) const;
    void DrawSectionRow(Bitmap& sheet, int sectionIndex) const;
    Bitmap Cell(int sectionIndex, int state, bool enabled, bool dark) const;

    TsSkinManager& FManager;
    std::string FCaption;
    TSize FCell;
};
