// Following a skin manager's destruction.
#include "skin/paint/TacManagerLink.h"

#include "skin/data/TsSkinManager.h"

TacManagerLink::~TacManagerLink() {
    SetManager(nullptr);
}

void TacManagerLink::SetManager(TsSkinManager* manager) {
    if (manager == FManager) return;
    if (FManager) FManager->RemoveFreeNotification(this);
    FManager = manager;
    if (FManager) FManager->FreeNotification(this);
}

void TacManagerLink::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FManager) FManager = nullptr;
}
