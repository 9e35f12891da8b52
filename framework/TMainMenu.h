// The menu bar of a form: a form whose Menu is this menu shows its items in its window's bar and
// hands it the commands and owner-draw requests that come from the bar.
#pragma once

#include "framework/TMenu.h"

#include <vector>

class TCustomForm;

class TMainMenu : public TMenu {
public:
    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;
    std::string ClassName() const override { return "TMainMenu"; }

    bool IsBar() const override { return true; }
    // The forms whose Menu is this menu.
    std::vector<TCustomForm*> Forms() const;
    // The window of the first of them that has one, nullptr when none.
    HWND WindowHandle() const;
    // Each form puts the platform menu on its window again and hears CM_MENUCHANGED.
    void MenuChanged(TMenuItem* source) override;
};
