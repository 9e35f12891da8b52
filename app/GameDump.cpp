// Dump fields of the board cells and the main window.
#include "app/GameDump.h"

#include "app/TForm1.h"
#include "app/TMyButton.h"
#include "framework/TComponentDump.h"
#include "skin/controls/TsColorSelect.h"
#include "skin/controls/TsPanel.h"
#include "skin/data/TsSkinManager.h"

namespace {

void WriteGameState(TControl* control, TDumpRecord& record) {
    if (auto* cell = dynamic_cast<TMyButton*>(control)) {
        record.Set("CellIndex", std::int64_t{cell->CellIndex});
        record.Set("Value", std::int64_t{cell->Value});
        record.Set("Marks", std::int64_t{cell->Marks});
        record.Set("Opened", cell->Opened);
        record.Set("Down", cell->Down());
        record.Set("FontColor", std::int64_t{static_cast<std::int32_t>(cell->Font()->Color())});
    } else if (auto* swatch = dynamic_cast<TsColorSelect*>(control)) {
        record.Set("ColorValue", std::int64_t{static_cast<std::int32_t>(swatch->ColorValue())});
    } else if (auto* panel = dynamic_cast<TsPanel*>(control)) {
        // Colours as the settings file stores them: signed, system colours negative.
        record.Set("Color", std::int64_t{static_cast<std::int32_t>(panel->Color())});
        record.Set("CustomColor", panel->SkinData()->CustomColor());
    } else if (auto* form = dynamic_cast<TForm1*>(control)) {
        record.Set("Difficulty", std::int64_t{form->Difficulty});
        record.Set("Training", form->Training);
        record.Set("Errors", std::int64_t{form->Errors});
        record.Set("Seconds", std::int64_t{form->Seconds});
        record.Set("Sectw", std::int64_t{form->Sectw});
        // The look in force, so that scripts can check the skin commands.
        const TsSkinManager& skins = *form->sSkinManager1;
        record.Set("SkinActive", skins.Active());
        record.Set("SkinName", skins.SkinName());
        record.Set("SkinInfo", skins.SkinInfo());
        record.Set("HueOffset", std::int64_t{skins.HueOffset()});
        record.Set("Saturation", std::int64_t{skins.Saturation()});
    }
}

} // namespace

void RegisterGameDump() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    TComponentDump::Register();
    TComponentDump::AddStateWriter(WriteGameState);
}
