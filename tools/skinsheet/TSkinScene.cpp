// The two windows of the scene: the main window with its board, and the settings dialog.
#include "tools/skinsheet/TSkinScene.h"

#include "tools/skinsheet/TScenePainter.h"

#include "skin/paint/MaskedImage.h"
#include "skin/paint/SectionPainting.h"
#include "skin/paint/WorkBitmap.h"

#include "skin/data/TsSkinManager.h"

#include "platform/text/TextDraw.h"

#include <array>

namespace {

constexpr TColor Desktop = RGB(96, 112, 128);
constexpr TSize MainSize{450, 450};
constexpr TSize DialogSize{336, 278};
constexpr int MainFrame = 4;
constexpr int DialogFrame = 3;
constexpr int Gap = 16;
constexpr int Zoom = 3;
constexpr int StripHeight = 100;
constexpr unsigned LineLeft = DT_SINGLELINE | DT_VCENTER | DT_LEFT;
constexpr unsigned LineCentre = DT_SINGLELINE | DT_VCENTER | DT_CENTER;

// A solved board and the cells shown at the start of the pictured game ('#' given, '.' hidden).
constexpr const char* Solution = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
constexpr const char* Shown = "##..#....#..###....##....#.#...#...##..#.#..##...#...#.#....##....###..#....#..##";

const char* const GlobalImages[] = {"BOXCHECKED", "BOXUNCHECKED", "BOXGRAYED", "RADIOCHECKED", "RADIOUNCHECKED",
                                    "RADIOGRAYED", "SMALLCHECKED", "SMALLUNCHECKED", "SMALLGRAYED", "CHECK",
                                    "TITLEBUTTON", "BICONCLOSE", "BICONMAX", "BICONMIN", "BICONNORM", "BICONHELP",
                                    "SICONCLOSE", "SICONMAX", "SICONMIN", "SICONNORM", "GRIPIMAGE"};

Bitmap Zoomed(const Bitmap& picture, int zoom) {
    Bitmap out(picture.Width() * zoom, picture.Height() * zoom);
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x) out.SetPixel(x, y, picture.Pixel(x / zoom, y / zoom));
    return out;
}

} // namespace

TSkinScene::TSkinScene(TsSkinManager& manager) : FManager(manager) {}

Bitmap TSkinScene::Render() const {
    Bitmap scene(Gap * 3 + MainSize.cx + DialogSize.cx, Gap * 3 + MainSize.cy + StripHeight * Zoom);
    scene.Fill(Desktop);
    Bitmap main = Window(MainSize, MainFrame, "Tavik Sudoku 1.0", true, true);
    TScenePainter mainPainter(FManager, main);
    const TPoint client{MainFrame, MainFrame + CaptionHeight + MenuHeight};
    TopBar(mainPainter, client);
    const int clientWidth = MainSize.cx - 2 * MainFrame, clientHeight = MainSize.cy - client.Y - MainFrame;
    Board(mainPainter, Bounds(client.X + 6, client.Y + 26, clientWidth - 12, clientHeight - 32));
    PutWindow(scene, main, {Gap, Gap});
    Bitmap dialog = Window(DialogSize, DialogFrame, "Настройки программы", false, false);
    TScenePainter dialogPainter(FManager, dialog);
    DialogControls(dialogPainter, {DialogFrame, DialogFrame + CaptionHeight});
    PutWindow(scene, dialog, {Gap * 2 + MainSize.cx, Gap});
    ImageStrip(scene, {Gap, Gap * 2 + MainSize.cy});
    return scene;
}

Bitmap TSkinScene::Window(TSize size, int frame, const std::string& caption, bool active, bool menu) const {
    Bitmap window = CreateWorkBitmap(size.cx, size.cy);
    window.Fill(clKeyColor);
    const std::string form = "FORM";
    PaintSkinSectionByIndex(FManager.Model().SectionIndex(form), form, TParentImageInfo{}, -1, -1, &FManager, &window,
                            {0, 0}, window.BoundsRect(), active ? 1 : 0, true);
    TScenePainter painter(FManager, window);
    painter.Part("FORMTITLE", {0, 0, size.cx, frame + CaptionHeight}, active ? 1 : 0);
    TitleButtons(painter, size.cx, frame, !menu);
    const int buttons = menu ? 3 : 1;
    const int right = size.cx - buttons * (painter.ImageSize("GLOBALINFO", "BICONCLOSE").cx + 1) - 6;
    painter.Text("FORMTITLE", caption, {frame + 20, 0, right, frame + CaptionHeight}, active, {"MS Sans Serif", 8, true},
                 LineLeft | DT_END_ELLIPSIS);
    if (menu) MenuBar(painter, size.cx, frame + CaptionHeight);
    return window;
}

void TSkinScene::TitleButtons(TScenePainter& painter, int width, int frame, bool dialog) const {
    const int space = FManager.Model().SkinData.BISpace;
    int x = width - frame - space;
    const std::array<const char*, 3> keys{"BICONCLOSE", "BICONMAX", "BICONMIN"};
    for (int i = 0; i < (dialog ? 1 : 3); ++i) {
        const TSize size = painter.ImageSize("GLOBALINFO", keys[static_cast<std::size_t>(i)]);
        const int top = (CaptionHeight + frame - size.cy) / 2 + (size.cy < 16 ? 2 : 0);
        // The main window shows its close button hot, so both looks are seen.
        painter.Image("GLOBALINFO", keys[static_cast<std::size_t>(i)], {x - size.cx, top}, !dialog && i == 0 ? 1 : 0);
        x -= size.cx + space;
    }
}

void TSkinScene::MenuBar(TScenePainter& painter, int width, int top) const {
    // The menu line lies inside the frame's sides, as in a real window.
    painter.Part("MENULINE", {MainFrame, top, width - MainFrame, top + MenuHeight}, 1);
    int x = MainFrame;
    int item = 0;
    for (const char* caption : {"Новая игра", "Настройки", "Рекорды", "О программе"}) {
        const TRect r{x, top, x + painter.TextWidth(caption, {}) + 14, top + MenuHeight};
        const bool hot = item++ == 1;
        painter.Control("MENUITEM", r, hot ? 1 : 0);
        painter.Text("MENULINE", caption, r, hot, {}, LineCentre);
        x = r.Right;
    }
}

void TSkinScene::TopBar(TScenePainter& painter, TPoint client) const {
    const TSceneFont bold{"MS Sans Serif", 8, true};
    auto at = [&](int x, int y, int w, int h) { return Bounds(client.X + x, client.Y + y, w, h); };
    painter.Text("GLOBALINFO", "0:12:34", at(10, 4, 60, 13), false, bold, LineLeft);
    painter.CheckBox(at(104, 3, 46, 17), "трен.", true, 0);
    painter.Text("GLOBALINFO", "Сложность:", at(161, 4, 64, 13), false, {}, LineLeft);
    painter.Text("GLOBALINFO", "5", at(226, 4, 20, 13), false, bold, LineLeft);
    painter.TrackBar(at(249, 0, 190, 24), 5, 1, 10, 0);
}

void TSkinScene::Board(TScenePainter& painter, const TRect& panel) const {
    painter.Control("PANEL", panel, 0);
    constexpr int Sectw = 10;
    const int w = (panel.Width() - 4 * Sectw) / 9, h = (panel.Height() - 4 * Sectw) / 9;
    for (int i = 0; i < 81; ++i) {
        const int c = i % 9, r = i / 9;
        const int left = panel.Left + Sectw + c * w + (c / 3) * Sectw;
        const int top = panel.Top + Sectw + r * h + (r / 3) * Sectw;
        Cell(painter, i, Bounds(left, top, w, h));
    }
}

// Given and solved cells are pressed with their digit; one cell is hot, one is being answered, a
// few carry pencil marks; the rest are empty.
void TSkinScene::Cell(TScenePainter& painter, int index, const TRect& r) const {
    const bool given = Shown[index] == '#';
    const int state = given || index == 22 ? 2 : index == 40 ? 1 : 0;
    painter.Control("SPEEDBUTTON", r, state);
    const int shift = state == 2 ? 1 : 0;
    const TRect text{r.Left + shift, r.Top + shift, r.Right + shift, r.Bottom + shift};
    if (given) {
        const TSceneFont digit{"Times New Roman", (r.Width() + r.Height()) / 4, true};
        painter.Text("SPEEDBUTTON", std::string(1, Solution[index]), text, true, digit, LineCentre);
        return;
    }
    if (index % 7 != 3) return;
    const TSceneFont marks{"Courier New", (r.Width() + r.Height()) / 12, true};
    const std::array<std::string, 3> lines{"1   3", "  5  ", "    9"};
    const int lineHeight = r.Height() / 4;
    for (int line = 0; line < 3; ++line) {
        const int top = text.Top + (r.Height() - 3 * lineHeight) / 2 + line * lineHeight;
        painter.Text("SPEEDBUTTON", lines[static_cast<std::size_t>(line)], {text.Left, top, text.Right, top + lineHeight},
                     state > 0, marks, LineCentre);
    }
}

void TSkinScene::DialogControls(TScenePainter& painter, TPoint client) const {
    auto at = [&](int x, int y, int w, int h) { return Bounds(client.X + x, client.Y + y, w, h); };
    painter.CheckBox(at(8, 7, 123, 17), "Использовать скин:", true, 1);
    const TRect combo = at(8, 26, 169, 21);
    painter.Control("COMBOBOX", combo, 0);
    const TRect button{combo.Right - 18, combo.Top + 2, combo.Right - 2, combo.Bottom - 2};
    painter.Control("COMBOBTN", button, 0);
    const TSize glyph = painter.ImageSize("COMBOBOX", "GLYPHMASK");
    painter.Image("COMBOBOX", "GLYPHMASK", {button.Left + (button.Width() - glyph.cx) / 2, button.Top + (button.Height() - glyph.cy) / 2}, 0);
    painter.Text("EDIT", "Wood (internal)", {combo.Left + 4, combo.Top, button.Left, combo.Bottom}, false, {}, LineLeft);
    painter.Text("GLOBALINFO", "Цветовой сдвиг:", at(8, 50, 120, 13), false, {}, LineLeft);
    painter.TrackBar(at(0, 64, 326, 25), 18, 0, 36, 1);
    painter.Text("GLOBALINFO", "Яркость:", at(8, 90, 120, 13), false, {}, LineLeft);
    painter.TrackBar(at(0, 104, 326, 25), 10, 0, 20, 2);
    painter.Text("GLOBALINFO", "Ширина между блоками:", at(8, 140, 128, 13), false, {}, LineLeft);
    const TRect edit = at(136, 136, 41, 21);
    painter.Control("EDIT", edit, 1);
    painter.Text("EDIT", "10", {edit.Left + 4, edit.Top, edit.Right, edit.Bottom}, true, {}, LineLeft);
    painter.CheckBox(at(192, 138, 23, 17), " ", false, 0);
    painter.Control("SPEEDBUTTON", at(224, 136, 23, 22), 0);
    painter.Control("SPEEDBUTTON", at(256, 136, 23, 22), 1);
    painter.CheckBox(at(8, 160, 201, 17), "Сохранять размеры окон", true, 0);
    painter.CheckBox(at(8, 176, 249, 17), "Сохранять положение окон программы", false, 2);
    painter.CheckBox(at(8, 192, 249, 17), "Сохранять сложность и режим тренировки", false, 0);
    const std::array<std::pair<TRect, const char*>, 3> buttons{{{at(8, 215, 105, 25), "Сделать как было"},
                                                                {at(164, 215, 75, 25), "Сохранить"},
                                                                {at(244, 215, 75, 25), "Отмена"}}};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const int state = static_cast<int>(i);
        painter.Control("BUTTON", buttons[i].first, state);
        TRect text = buttons[i].first;
        if (state == 2) text = {text.Left + 1, text.Top + 1, text.Right + 1, text.Bottom + 1};
        painter.Text("BUTTON", buttons[i].second, text, state > 0, {}, LineCentre);
    }
}

void TSkinScene::ImageStrip(Bitmap& scene, TPoint at) const {
    Bitmap strip = CreateWorkBitmap((scene.Width() - 2 * Gap) / Zoom, StripHeight);
    strip.Fill(FManager.Model().GeneralData.empty() ? clWhite : FManager.Model().GeneralData.front().Color);
    TScenePainter painter(FManager, strip);
    int x = 2, y = 2, rowHeight = 0;
    for (const char* key : GlobalImages) {
        const TSize size = painter.ImageSize("GLOBALINFO", key);
        if (size.cx == 0) continue;
        for (int state = 0; state < 3; ++state) {
            if (x + size.cx + 2 > strip.Width()) {
                x = 2;
                y += rowHeight + 3;
                rowHeight = 0;
            }
            painter.Image("GLOBALINFO", key, {x, y}, state);
            x += size.cx + 2;
            rowHeight = std::max(rowHeight, size.cy);
        }
        x += 5;
    }
    const Bitmap zoomed = Zoomed(strip, Zoom);
    const int fit = std::min(zoomed.Height(), scene.Height() - at.Y);
    scene.CopyRect(at.X, at.Y, zoomed, {0, 0, std::min(zoomed.Width(), scene.Width() - at.X), fit});
}

void TSkinScene::PutWindow(Bitmap& desktop, const Bitmap& window, TPoint at) {
    for (int y = 0; y < window.Height(); ++y)
        for (int x = 0; x < window.Width(); ++x)
            if (window.Pixel(x, y) != clKeyColor) desktop.SetPixel(at.X + x, at.Y + y, window.Pixel(x, y));
}
