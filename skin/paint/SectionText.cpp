// Section font colours, contours, and drawing them without a text background.
#include "skin/paint/SectionText.h"

#include "skin/paint/ColorBlend.h"
#include "skin/paint/SectionPainting.h"

#include "skin/data/TsSkinModel.h"

namespace {

// Keeps the canvas's brush style and font colour across the drawing of one caption.
class TCanvasTextState {
public:
    explicit TCanvasTextState(TCanvas& canvas)
        : FCanvas(canvas), FStyle(canvas.Brush()->Style()), FColor(canvas.Font()->Color()) {
        canvas.Brush()->SetStyle(bsClear);
    }
    ~TCanvasTextState() {
        FCanvas.Font()->SetColor(FColor);
        FCanvas.Brush()->SetStyle(FStyle);
    }
    TCanvasTextState(const TCanvasTextState&) = delete;
    TCanvasTextState& operator=(const TCanvasTextState&) = delete;

private:
    TCanvas& FCanvas;
    TBrushStyle FStyle;
    TColor FColor;
};

void DrawIn(TCanvas& canvas, std::string_view text, TColor color, unsigned format, TRect r) {
    canvas.Font()->SetColor(color);
    canvas.TextRect(r, text, format);
}

} // namespace

TacTextColors SectionTextColors(const TsGeneralData& section, bool enabled, bool hot) {
    TacTextColors colors;
    if (!enabled) {
        colors.Main = MixColors(section.FontColor[0], section.Color, 0.4);
        return colors;
    }
    const TsFontColors& variant = hot ? section.HotFontColor : section.FontColor;
    colors.Main = variant[0];
    for (std::size_t side = 0; side < colors.Contours.size(); ++side)
        colors.Contours[side] = variant[side + 1];
    return colors;
}

void DrawContouredText(TCanvas& canvas, std::string_view text, const TacTextColors& colors, unsigned format,
                       const TRect& r) {
    const TCanvasTextState keep(canvas);
    static constexpr TPoint outward[] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
    for (std::size_t side = 0; side < colors.Contours.size(); ++side) {
        if (colors.Contours[side] == NoContour) continue;
        DrawIn(canvas, text, colors.Contours[side], format, r.Offset(outward[side].X, outward[side].Y));
    }
    DrawIn(canvas, text, colors.Main, format, r);
}

void DrawSectionText(TCanvas& canvas, std::string_view text, bool enabled, TsSkinManager* manager, bool hot,
                     int sectionIndex, unsigned format, const TRect& r) {
    const TsSkinModel* skin = SkinOf(manager);
    if (skin && sectionIndex >= 0 && sectionIndex < static_cast<int>(skin->GeneralData.size()))
        return DrawContouredText(
            canvas, text,
            SectionTextColors(skin->GeneralData[static_cast<std::size_t>(sectionIndex)], enabled, hot),
            format, r);
    const TCanvasTextState keep(canvas);
    TRect area = r;
    canvas.TextRect(area, text, format);
}
