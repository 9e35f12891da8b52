// tabsides: four skinned page controls of three tabs each, one per tab position, the middle tab
// active and the mouse over a neighbour; writes a picture plain and one in each of two internal
// skins. Exits non-zero when a page control does not stand where it should or a picture fails.
#include "skin/controls/TsPageControl.h"
#include "skin/controls/TsTabSheet.h"
#include "skin/data/TsSkinManager.h"

#include "framework/TApplication.h"
#include "framework/TForm.h"

#include "platform/backend/headless/HeadlessDriver.h"
#include "platform/gfx/ImageFiles.h"
#include "resources/InternalSkins.h"

#include <cstdio>
#include <string>

namespace {

class TTabsForm;
TTabsForm* Form = nullptr;
TsSkinManager* Manager = nullptr;
TsPageControl* PageControls[4] = {};

class TTabsForm : public TForm {
public:
    explicit TTabsForm(TComponent* owner) : TForm(owner) {
        SetCaption("Вкладки со всех сторон");
        SetBounds(40, 40, 640, 480);
        static const char* const names[] = {"Сверху", "Снизу", "Слева", "Справа"};
        for (int side = 0; side < 4; ++side) {
            auto* control = new TsPageControl(this);
            control->SetParent(this);
            control->SetBounds(12 + (side % 2) * 306, 12 + (side / 2) * 212, 294, 200);
            control->SetTabPosition(static_cast<TTabPosition>(side));
            for (const char* caption : {"Выбор", "Пометки", names[side]}) {
                auto* sheet = new TsTabSheet(this);
                sheet->SetPageControl(control);
                sheet->SetCaption(caption);
            }
            control->SetActivePageIndex(1);
            PageControls[side] = control;
        }
    }
};

int RunForm() {
    TApplication app;
    app.Initialize();
    app.SetTitle("Tab sides");
    Manager = new TsSkinManager(nullptr);
    Manager->SetActive(false);
    for (const TInternalSkin& skin : InternalSkinArchives())
        Manager->InternalSkins().Add(TsStoredSkin::Borrowing(std::string(skin.Name), skin.Data));
    app.CreateForm(Form);
    app.Run();
    delete Manager;
    return 0;
}

bool Save(HeadlessDriver& driver, const std::string& path) {
    std::string error;
    if (WritePngFile(path, driver.Screenshot(), &error)) return true;
    std::fprintf(stderr, "tabsides: %s: %s\n", path.c_str(), error.c_str());
    return false;
}

// The first internal skin whose name starts with the given word.
std::string SkinNamed(const std::string& word) {
    for (const TInternalSkin& skin : InternalSkinArchives())
        if (std::string(skin.Name).rfind(word, 0) == 0) return std::string(skin.Name);
    return {};
}

} // namespace

int main(int argc, char** argv) {
    const std::string prefix = argc > 1 ? argv[1] : "tabsides";
    HeadlessDriver driver(RunForm, {680, 540});
    driver.WaitIdle();
    bool ok = true;
    driver.RunOnUi([&] {
        for (int side = 0; side < 4; ++side) {
            const TRect display = PageControls[side]->DisplayRect(), tab = PageControls[side]->Geometry().TabRect(0, false);
            const bool besides = side == 0 ? tab.Bottom <= display.Top + 4 : side == 1 ? tab.Top >= display.Bottom
                               : side == 2 ? tab.Right <= display.Left + 4 : tab.Left >= display.Right;
            if (!besides) std::fprintf(stderr, "tabsides: the tabs of control %d are not on its side\n", side);
            ok = ok && besides;
        }
    });
    const std::string looks[] = {"", SkinNamed("HeroesStyle"), SkinNamed("MacOS")};
    const char* const files[] = {"plain", "heroes", "macos"};
    for (int i = 0; i < 3; ++i) {
        driver.RunOnUi([&] {
            if (!looks[i].empty()) Manager->SetSkinName(looks[i]);
            Manager->SetActive(!looks[i].empty());
        });
        driver.WaitIdle();
        ok = Save(driver, prefix + "-" + files[i] + ".png") && ok;
    }
    driver.RunOnUi([] { Form->Close(); });
    driver.Shutdown();
    return ok ? 0 : 1;
}
