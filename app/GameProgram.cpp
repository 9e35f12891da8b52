// Starting and running the game.
#include "app/GameProgram.h"

#include "app/GameDump.h"
#include "app/SettingsIni.h"
#include "app/TAboutF.h"
#include "app/TForm1.h"
#include "app/TRecordsListF.h"
#include "app/TSetValueF.h"
#include "app/TSettingsF.h"
#include "framework/TApplication.h"

int RunGame() {
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
    application.Run();
    // The windows go with the application; the next run opens the settings file afresh.
    CloseSettingsIni();
    return 0;
}
