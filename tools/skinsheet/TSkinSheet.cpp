// Painting each section into cells over checkered parents and laying the cells out with labels.
#include "tools/skinsheet/TSkinSheet.h"

#include "skin/paint/DisabledLook.h"
#include "skin/paint/SectionPainting.h"
#include "skin/paint/SectionText.h"
#include "skin/paint/WorkBitmap.h"

#include "skin/data/TsSkinManager.h"

#include "framework/TCanvas.h"
#include "platform/text/TextDraw.h"

#include <memory>

namespace {

const char* const StateNames[] = {"normal", "hot", "pressed"};
constexpr unsigned CaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;

// A checkerboard, so that see-through parts of an element show as such.
Bitmap CheckeredParent(int width, int height, bool dark) {
    Bitmap parent(width, height);
    const TColor a = dark ? RGB(52, 52, 56) : RGB(238, 238, 234);
    const TColor b = dark ? RGB(32, 32, 36) : RGB(214, 214, 210);
    for (int y = 0; y < height; y += 6)
        for (int x = 0; x < width; x += 6) parent.FillRect(Bounds(x, y, 6, 6), ((x + y) / 6) % 2 ? b : a);
    return parent;
}

void Label(TCanvas& canvas, const std::string& text, TRect r, TColor color, unsigned format = DT_SINGLELINE) {
    canvas.Font()->SetColor(color);
    canvas.TextRect(r, text, format | DT_NOPREFIX);
}

} // namespace

TSkinSheet::TSkinSheet(TsSkinManager& manager, std::string caption, TSize cell)
    : FManager(manager), FCaption(std::move(caption)), FCell(cell) {}

int TSkinSheet::ColumnX(int column) const {
    // 8 pixels between groups of three states, 24 more between the two parents.
    return NameWidth + column * CellBoxWidth() + (column / 3) * 8 + (column / 6) * 24;
}

Bitmap TSkinSheet::Render(const std::string& title) const {
    const int sections = static_cast<int>(FManager.Model().GeneralData.size());
    Bitmap sheet(ColumnX(Columns - 1) + CellBoxWidth() + 8,
                 HeaderHeight + sections * (CellBoxHeight() + 2) + 8);
    sheet.Fill(clWhite);
    DrawHeader(sheet, title);
    for (int i = 0; i < sections; ++i) DrawSectionRow(sheet, i);
    return sheet;
}

void TSkinSheet::DrawHeader(Bitmap& sheet, const std::string& title) const {
    TCanvas canvas;
    canvas.SetHandle(std::make_unique<DeviceContext>(&sheet));
    canvas.Brush()->SetStyle(bsClear);
    canvas.Font()->SetStyle({fsBold});
    Label(canvas, title, {6, 4, NameWidth + 400, 20}, clBlack);
    for (int group = 0; group < 2; ++group)
        Label(canvas, group == 0 ? "light parent" : "dark parent",
              {ColumnX(group * 6), 4, ColumnX(group * 6 + 5) + CellBoxWidth(), 20}, clNavy,
              DT_SINGLELINE | DT_CENTER);
    canvas.Font()->SetStyle({});
    for (int column = 0; column < Columns; column += 3)
        Label(canvas, (column / 3) % 2 ? "disabled" : "enabled",
              {ColumnX(column), 24, ColumnX(column + 2) + CellBoxWidth(), 40}, clGray,
              DT_SINGLELINE | DT_CENTER);
    for (int column = 0; column < Columns; ++column)
        Label(canvas, StateNames[column % 3], {ColumnX(column), 42, ColumnX(column) + CellBoxWidth(), 58},
              clGray, DT_SINGLELINE | DT_CENTER);
}

void TSkinSheet::DrawSectionRow(Bitmap& sheet, int sectionIndex) const {
    const TsGeneralData& section = FManager.Model().GeneralData[static_cast<std::size_t>(sectionIndex)];
    const int top = HeaderHeight + sectionIndex * (CellBoxHeight() + 2);
    TCanvas canvas;
    canvas.SetHandle(std::make_unique<DeviceContext>(&sheet));
    canvas.Brush()->SetStyle(bsClear);
    Label(canvas, section.SectionName, {6, top + 2, NameWidth - 4, top + 18}, clBlack);
    if (!section.ParentClass.empty())
        Label(canvas, "from " + section.ParentClass, {6, top + 18, NameWidth - 4, top + 34}, clGray);
    for (int column = 0; column < Columns; ++column) {
        const Bitmap cell = Cell(sectionIndex, column % 3, (column % 6) < 3, column >= 6);
        sheet.CopyRect(ColumnX(column), top, cell, cell.BoundsRect());
    }
}

Bitmap TSkinSheet::Cell(int sectionIndex, int state, bool enabled, bool dark) const {
    Bitmap parent = CheckeredParent(CellBoxWidth(), CellBoxHeight(), dark);
    Bitmap element = CreateWorkBitmap(FCell.cx, FCell.cy);
    const TParentImageInfo behind{&parent, 0, 0, true};
    const TPoint pos{Margin, Margin};
    const std::string& name =
        FManager.Model().GeneralData[static_cast<std::size_t>(sectionIndex)].SectionName;
    PaintSkinSectionByIndex(sectionIndex, name, behind, -1, -1, &FManager, &element, pos,
                            element.BoundsRect(), state, true);
    TCanvas canvas;
    canvas.SetHandle(std::make_unique<DeviceContext>(&element));
    DrawSectionText(canvas, FCaption, enabled, &FManager, state > 0, sectionIndex, CaptionFormat,
                    element.BoundsRect());
    if (!enabled) ApplyDisabledLook(element, false, true, parent.Pixel(0, 0), pos, behind);
    parent.CopyRect(Margin, Margin, element, element.BoundsRect());
    return parent;
}
