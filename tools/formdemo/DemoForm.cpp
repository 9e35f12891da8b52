// The demo form, built in code.
#include "tools/formdemo/DemoForm.h"

#include "framework/TLabel.h"
#include "framework/TMainMenu.h"
#include "framework/TPanel.h"
#include "framework/TPopupMenu.h"

#include "platform/window/VirtualKeys.h"

TDemoForm::TDemoForm(TComponent* owner) : TForm(owner) {
    SetName("DemoF");
    SetCaption("Framework menus and dialogs");
    SetBounds(80, 60, 520, 360);
    BoardP = new TPanel(this);
    BoardP->SetName("BoardP");
    BoardP->SetParent(this);
    BoardP->SetBounds(20, 20, 300, 200);
    BoardP->SetCaption("Right-click for the popup menu");
    BuildMenu();
    BuildPopup();
}

TMenuItem* TDemoForm::Item(TMenuItem* parent, const std::string& name, const std::string& caption) {
    auto* item = new TMenuItem(this);
    item->SetName(name);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
}

void TDemoForm::BuildMenu() {
    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName("MainMenu1");
    GameMI = Item(MainMenu1->Items(), "GameMI", "&Game");
    Item(GameMI, "NewGameMI", "&New game")->SetShortCut(ShortCut(VK_F5, {}));
    Item(GameMI, "OpenMI", "&Open...")->SetShortCut(ShortCut('O', {ssCtrl}));
    Item(GameMI, "Line1MI", "-");
    LevelMI = Item(GameMI, "LevelMI", "&Level");
    for (const char* level : {"&Easy", "&Normal", "&Hard"}) {
        TMenuItem* item = Item(LevelMI, "", level);
        item->SetRadioItem(true);
        item->SetAutoCheck(true);
    }
    LevelMI->Items(1)->SetChecked(true);
    Item(GameMI, "SoundMI", "&Sound")->SetChecked(true);
    Item(GameMI, "SaveMI", "Sa&ve")->SetEnabled(false);
    Item(GameMI, "Line2MI", "-");
    Item(GameMI, "ExitMI", "E&xit")->OnClick = [this](TObject*) { Close(); };
    Item(MainMenu1->Items(), "SettingsMI", "&Settings");
    Item(MainMenu1->Items(), "RecordsMI", "&Records");
    Item(MainMenu1->Items(), "AboutMI", "&About");
    SetMenu(MainMenu1);
}

void TDemoForm::BuildPopup() {
    BoardPM = new TPopupMenu(this);
    BoardPM->SetName("BoardPM");
    Item(BoardPM->Items(), "MarkMI", "&Mark cell");
    Item(BoardPM->Items(), "ClearMI", "&Clear marks");
    Item(BoardPM->Items(), "Line3MI", "-");
    Item(BoardPM->Items(), "HintMI", "Show a &hint")->SetDefault(true);
    BoardP->SetPopupMenu(BoardPM);
}
