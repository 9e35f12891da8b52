// pagedemo: a form with two skinned page controls whose single row of tabs does not fit (tabs and
// flat buttons) on the headless screen. For each internal skin named on the command line it
// writes PREFIX-SKIN.png, then PREFIX-SKIN-scrolled.png after two clicks on each scroller's right
// arrow and a change of page. Exits non-zero when a scroller is missing or does not scroll.
#include "skin/controls/TsButton.h"
#include "skin/controls/TsPageControl.h"
#include "skin/controls/TsTabSheet.h"
#include "skin/controls/TsUpDown.h"
#include "skin/data/TsSkinManager.h"

#include "framework/TApplication.h"
#include "framework/TForm.h"
#include "platform/backend/headless/HeadlessDriver.h"
#include "platform/gfx/ImageFiles.h"
#include "platform/window/ScrollCodes.h"
#include "platform/window/Win.h"
#include "resources/InternalSkins.h"

#include <cstdio>
#include <string>

namespace {

TForm* Demo = nullptr;
TsSkinManager* Manager = nullptr;
TsPageControl* Row[2] = {nullptr, nullptr};

const char* const Captions[] = {"Выбор", "Пометки", "Рекорды", "Настройки", "Скины", "Оттенок", "Справка"};

TsPageControl* MakeRow(TTabStyle style, int top) {
    auto* control = new TsPageControl(Demo);
    control->SetParent(Demo);
    control->SetStyle(style);
    control->SetBounds(10, top, 300, 120);
    for (const char* caption : Captions) {
        auto* sheet = new TsTabSheet(Demo);
        sheet->SetPageControl(control);
        sheet->SetCaption(caption);
        auto* button = new TsButton(Demo);
        button->SetParent(sheet);
        button->SetBounds(12, 12, 150, 28);
        button->SetCaption(std::string("Страница «") + caption + "»");
    }
    control->SetActivePageIndex(0);
    return control;
}

int RunDemo() {
    TApplication app;
    app.Initialize();
    app.CreateForm(Demo);
    Demo->SetCaption("Page demo");
    Demo->SetBounds(20, 20, 340, 320);
    Manager = new TsSkinManager(Demo);
    Manager->SetActive(false);
    for (const TInternalSkin& skin : InternalSkinArchives())
        Manager->InternalSkins().Add(TsStoredSkin::Borrowing(std::string(skin.Name), skin.Data));
    Row[0] = MakeRow(tsTabs, 10);
    Row[1] = MakeRow(tsFlatButtons, 150);
    app.Run();
    return 0;
}

bool Save(HeadlessDriver& driver, const std::string& path) {
    std::string error;
    if (WritePngFile(path, driver.Screenshot(), &error)) return true;
    std::fprintf(stderr, "pagedemo: %s: %s\n", path.c_str(), error.c_str());
    return false;
}

// Two steps right on each row's scroller, then the third tab chosen on the top row.
bool ScrollRows(HeadlessDriver& driver) {
    bool ok = true;
    for (TsPageControl* control : Row) {
        TPoint arrow{-1, -1};
        driver.RunOnUi([&] {
            if (TsUpDown* scroller = control->Scroller()) {
                const TRect r = scroller->ArrowRect(1);
                arrow = scroller->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
            }
        });
        if (arrow.X < 0) {
            std::fprintf(stderr, "pagedemo: a row that does not fit has no scroller\n");
            ok = false;
            continue;
        }
        driver.Click(arrow.X, arrow.Y);
        driver.Advance(600);
        driver.Click(arrow.X, arrow.Y);
        driver.Advance(600);
        int position = 0;
        driver.RunOnUi([&] { position = control->Scroller() ? control->Scroller()->Position() : 0; });
        if (position != 2) std::fprintf(stderr, "pagedemo: the scroller stands at %d after two steps\n", position);
        ok = ok && position == 2;
    }
    TPoint third;
    driver.RunOnUi([&] {
        const TRect r = Row[0]->Geometry().TabRect(2, false);
        third = Row[0]->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
    });
    driver.Click(third.X, third.Y);
    driver.Advance(600);
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: pagedemo PREFIX SKIN...   (internal skins, as \"Wood\")\n");
        return 2;
    }
    HeadlessDriver driver(RunDemo, {360, 360});
    driver.WaitIdle();
    bool ok = true;
    for (int i = 2; i < argc; ++i) {
        const std::string skin = argv[i];
        driver.RunOnUi([&] {
            for (TsPageControl* control : Row) {
                control->SetActivePageIndex(0);
                SendMessage(control->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
            }
            Manager->SetSkinName(skin + " (internal)");
            Manager->SetActive(true);
        });
        driver.Advance(600);
        ok = Save(driver, std::string(argv[1]) + "-" + skin + ".png") && ok;
        ok = ScrollRows(driver) && ok;
        ok = Save(driver, std::string(argv[1]) + "-" + skin + "-scrolled.png") && ok;
    }
    driver.Shutdown();
    return ok ? 0 : 1;
}
