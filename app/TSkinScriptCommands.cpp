// Setting the skin manager from script lines.
#include "app/TSkinScriptCommands.h"

#include "app/TForm1.h"
#include "app/TSettingsF.h"
#include "platform/automation/ScriptCall.h"
#include "platform/automation/ScriptError.h"
#include "platform/automation/ScriptRunner.h"
#include "platform/system/IntegerText.h"
#include "skin/data/TsSkinManager.h"

#include <optional>
#include <stdexcept>

namespace {

std::int32_t Number(const std::string& text, const char* what) {
    std::optional<std::int32_t> value = ParseInteger(text);
    if (!value) throw std::invalid_argument(std::string(what) + " needs a whole number, not '" + text + "'");
    return *value;
}

using TSkinCommand = void (TSkinScriptCommands::*)(const std::string& rest);

ScriptRunner::TCommand OnMainWindowManager(TSkinCommand command) {
    return [command](const ScriptCall& call) {
        if (!Form1) throw ScriptError("the main window is not there");
        (TSkinScriptCommands(*Form1->sSkinManager1).*command)(call.Rest());
        if (SettingsF) SettingsF->ShowLookInForce();
    };
}

} // namespace

void TSkinScriptCommands::AddTo(ScriptRunner& runner) {
    runner.AddCommand("skin", OnMainWindowManager(&TSkinScriptCommands::Skin));
    runner.AddCommand("hue", OnMainWindowManager(&TSkinScriptCommands::Hue));
    runner.AddCommand("saturation", OnMainWindowManager(&TSkinScriptCommands::Saturation));
}

void TSkinScriptCommands::Skin(const std::string& rest) {
    if (rest.empty()) throw std::invalid_argument("skin needs a skin name or off");
    if (rest == "off") {
        FManager.SetActive(false);
        return;
    }
    // Inactive, the name is only stored and switching on loads it; active, the name loads at once.
    FManager.SetSkinName(rest);
    FManager.SetActive(true);
}

void TSkinScriptCommands::Hue(const std::string& rest) { FManager.SetHueOffset(Number(rest, "hue")); }

void TSkinScriptCommands::Saturation(const std::string& rest) { FManager.SetSaturation(Number(rest, "saturation")); }
