// Main menus and the forms that show them.
#include "framework/TMainMenu.h"

#include "framework/TCustomForm.h"
#include "framework/TScreen.h"

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {
    TCustomForm::MenuHandleOf = [](TMainMenu* menu) { return menu->Handle(); };
}

// Forms let go of the menu before its platform menus are destroyed with the items.
TMainMenu::~TMainMenu() {
    for (TCustomForm* form : Forms()) form->SetMenu(nullptr);
}

std::vector<TCustomForm*> TMainMenu::Forms() const {
    std::vector<TCustomForm*> forms;
    if (!Screen) return forms;
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (Screen->Forms(i)->Menu() == this) forms.push_back(Screen->Forms(i));
    return forms;
}

HWND TMainMenu::WindowHandle() const {
    for (TCustomForm* form : Forms())
        if (form->HandleAllocated()) return form->Handle();
    return nullptr;
}

void TMainMenu::MenuChanged(TMenuItem*) {
    if (IsDestroying()) return;
    for (TCustomForm* form : Forms()) form->MenuChanged();
}
