// Showing and tracking popup menus.
#include "framework/TPopupMenu.h"

#include "framework/TPopupList.h"

#include "platform/controls/MenuApi.h"

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {
    TPopupList::Add(this);
}

TPopupMenu::~TPopupMenu() {
    TPopupList::Remove(this);
}

void TPopupMenu::SetPopupComponent(TComponent* component) {
    if (FPopupComponent == component) return;
    if (FPopupComponent) FPopupComponent->RemoveFreeNotification(this);
    FPopupComponent = component;
    if (component) component->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
    TMenu::Notification(component, operation);
    if (operation == opRemove && component == FPopupComponent) FPopupComponent = nullptr;
}

void TPopupMenu::DoPopup() {
    if (OnPopup) OnPopup(this);
}

void TPopupMenu::Popup(int x, int y) {
    static constexpr UINT alignments[] = {TPM_LEFTALIGN, TPM_RIGHTALIGN, TPM_CENTERALIGN};
    FPopupPoint = {x, y};
    DoPopup();
    HMENU menu = Handle();
    if (GetMenuItemCount(menu) <= 0) return;
    UINT flags = alignments[FAlignment] | (FTrackButton == tbRightButton ? TPM_RIGHTBUTTON : TPM_LEFTBUTTON);
    if (FMenuAnimation.Contains(maNone)) flags |= TPM_NOANIMATION;
    TrackPopupMenu(menu, flags, x, y, 0, TPopupList::Window(), nullptr);
}
