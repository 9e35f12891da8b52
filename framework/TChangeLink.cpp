// Change links between an image list and its users.
#include "framework/TChangeLink.h"

#include "framework/TCustomImageList.h"

TChangeLink::~TChangeLink() {
    if (FSender) FSender->UnRegisterChanges(this);
}

void TChangeLink::Follow(TCustomImageList* list, TComponent* user) {
    if (FSender == list) return;
    if (TCustomImageList* old = FSender) {
        old->UnRegisterChanges(this); // clears FSender
        old->RemoveFreeNotification(user);
    }
    if (!list) return;
    list->RegisterChanges(this);
    list->FreeNotification(user);
}

void TChangeLink::Change() {
    if (OnChange) OnChange(FSender);
}
