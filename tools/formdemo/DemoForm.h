// The demo's main form: a main menu with a submenu, radio items, a checked item, a shortcut and a
// disabled item; a panel with a popup menu; buttons that open the framework's dialogs.
#pragma once

#include "framework/TForm.h"

class TMainMenu;
class TMenuItem;
class TPanel;
class TPopupMenu;

class TDemoForm : public TForm {
public:
    explicit TDemoForm(TComponent* owner);

    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* GameMI = nullptr;
    TMenuItem* LevelMI = nullptr;
    TPanel* BoardP = nullptr;
    TPopupMenu* BoardPM = nullptr;

private:
    TMenuItem* Item(TMenuItem* parent, const std::string& name, const std::string& caption);
    void BuildMenu();
    void BuildPopup();
};
