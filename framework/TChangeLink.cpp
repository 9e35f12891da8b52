// Change links between an image list and its users.
#include "framework/TChangeLink.h"

#include "framework/TCustomImageList.h"

TChangeLink::~TChangeLink() {
    if (FSender) FSender->UnRegisterChanges(this);
}

void TChangeLink::Change() {
    if (OnChange) OnChange(FSender);
}
