// Starting and running the game.
#include "app/GameProgram.h"

#include "app/GameDump.h"
#include "app/SettingsIni.h"
#include "app/TAboutF.h"
#include "app/TForm1.h"
#include "app/TRecordsListF.h"
#include "app/TSetValueF.h"
#include "app/TSettingsF.h"
#include "app/TSkinScriptCommands.h"
#include "framework/TApplication.h"
#include "skin/data/TsSkinManager.h"

namespace {

// The main window's first showing loads the look settings; the start skin follows them, once.
void SwitchOnAfterFirstShow(const std::string& skin) {
    TNotifyEvent shown = Form1->OnShow;
    Form1->OnShow = [shown, skin](TObject* sender) {
        // Putting the handler back frees this one: only copies are used after it.
        const TNotifyEvent original = shown;
        const std::string name = skin;
        Form1->OnShow = original;
        if (original) original(sender);
        TSkinScriptCommands(*Form1->sSkinManager1).Skin(name);
        SettingsF->ShowLookInForce();
    };
}

} // namespace

int RunGame(const std::string& startSkin, const std::function<void()>& beforeRun) {
    TApplication application;
    application.Initialize();
    application.SetTitle(TForm1::CaptionText);
    RegisterGameDump();
    // FormCreate of the main window runs before the other windows exist, its FormShow (from
    // Run) after all five do.
    application.CreateForm(Form1);
    application.CreateForm(SetValueF);
    application.CreateForm(SettingsF);
    application.CreateForm(AboutF);
    application.CreateForm(RecordsListF);
    if (!startSkin.empty()) SwitchOnAfterFirstShow(startSkin);
    if (beforeRun) beforeRun();
    application.Run();
    // The windows go with the application; the next run opens the settings file afresh.
    CloseSettingsIni();
    return 0;
}
