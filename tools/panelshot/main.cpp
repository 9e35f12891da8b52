// panelshot: draws a form holding a drag bar and two colour grids, unskinned and then in each
// internal skin, and writes each look to OUTDIR/panels-<look>.png, ZOOM times enlarged (default
// 1), and all of them side by side to OUTDIR/panels-all.png.
#include "skin/controls/TsColorsPanel.h"
#include "skin/controls/TsDragBar.h"
#include "skin/data/TsSkinManager.h"
#include "skin/data/TsStoredSkin.h"
#include "skin/windows/TsSkinProvider.h"

#include "resources/InternalSkins.h"

#include "framework/TApplication.h"
#include "framework/TForm.h"
#include "framework/TStringList.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/gfx/ImageFiles.h"
#include "platform/window/PaintApi.h"
#include "platform/window/WindowSystem.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// The colour dialog's custom colours: a few chosen, the rest empty white slots, the chosen one
// white, where a ring is hardest to see.
void FillCustomColours(TsColorsPanel& grid) {
    TStringList colours;
    for (const char* c : {"FF8000", "008080", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}) colours.Add(c);
    for (int i = 0; i < 8; ++i) colours.Add("FFFFFF");
    grid.SetColors(&colours);
    grid.SetRowCount(2);
    grid.SetBounds(8, 210, grid.Width(), 2 + grid.ItemMargin() + 2 * (grid.ItemHeight() + grid.ItemMargin()));
    grid.SetItemIndex(3);
}

TForm* BuildForm() {
    auto* form = new TForm(Application);
    form->SetCaption("Палитра");
    form->SetBounds(40, 40, 260, 330);
    new TsSkinProvider(form);
    auto* bar = new TsDragBar(form);
    bar->SetParent(form);
    auto* main = new TsColorsPanel(form);
    main->SetParent(form);
    main->SetBounds(8, 30, main->Width(), main->Height());
    main->SetItemIndex(28);
    auto* custom = new TsColorsPanel(form);
    custom->SetParent(form);
    FillCustomColours(*custom);
    form->Show();
    main->SetFocus();
    return form;
}

// The form's pixels on the screen, each a zoom × zoom square.
Bitmap Shot(const TForm& form, int zoom) {
    Application->ProcessMessages();
    const Bitmap screen = CaptureScreen();
    const TRect r = form.BoundsRect();
    Bitmap out(r.Width() * zoom, r.Height() * zoom);
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x) out.SetPixel(x, y, screen.Pixel(r.Left + x / zoom, r.Top + y / zoom));
    return out;
}

void Place(Bitmap& sheet, const Bitmap& shot, int index) {
    const int left = index * shot.Width();
    for (int y = 0; y < shot.Height(); ++y)
        for (int x = 0; x < shot.Width(); ++x) sheet.SetPixel(left + x, y, shot.Pixel(x, y));
}

bool Save(const Bitmap& image, const std::string& path) {
    std::string error;
    if (WritePngFile(path, image, &error)) return true;
    std::fprintf(stderr, "panelshot: %s: %s\n", path.c_str(), error.c_str());
    return false;
}

// "Desert (internal)" is written as "desert".
std::string LookName(std::string_view skin) {
    std::string name(skin.substr(0, skin.find(' ')));
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

int Run(const std::string& dir, int zoom) {
    auto* manager = new TsSkinManager(Application);
    manager->SetActive(false);
    for (const TInternalSkin& skin : InternalSkinArchives())
        manager->InternalSkins().Add(TsStoredSkin::Borrowing(std::string(skin.Name), skin.Data));
    const TForm* form = BuildForm();
    const auto skins = InternalSkinArchives();
    const int looks = static_cast<int>(skins.size()) + 1;
    Bitmap sheet(form->Width() * looks, form->Height());
    Place(sheet, Shot(*form, 1), 0);
    bool ok = Save(Shot(*form, zoom), dir + "/panels-plain.png");
    for (std::size_t i = 0; i < skins.size(); ++i) {
        manager->SetSkinName(std::string(skins[i].Name));
        manager->SetActive(true);
        Place(sheet, Shot(*form, 1), static_cast<int>(i) + 1);
        ok = Save(Shot(*form, zoom), dir + "/panels-" + LookName(skins[i].Name) + ".png") && ok;
    }
    return Save(sheet, dir + "/panels-all.png") && ok ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const int zoom = argc == 3 ? std::atoi(argv[2]) : 1;
    if (argc < 2 || argc > 3 || zoom < 1 || zoom > 8) {
        std::fprintf(stderr, "usage: panelshot OUTDIR [ZOOM 1..8]\n");
        return 2;
    }
    std::filesystem::create_directories(argv[1]);
    HeadlessBackend backend;
    WindowSystem::Start(backend);
    int result = 0;
    {
        TApplication application;
        result = Run(argv[1], zoom);
    }
    WindowSystem::Stop();
    return result;
}
