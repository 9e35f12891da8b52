// A user's subscription to an image list's changes; it forgets the list when either side goes.
#pragma once

#include "framework/Events.h"

class TComponent;
class TCustomImageList;

// The user owns the link and gives it to the list (RegisterChanges); the list calls Change() on
// every change. Destroying the link leaves the list; destroying the list clears Sender.
class TChangeLink {
public:
    TChangeLink() = default;
    TChangeLink(const TChangeLink&) = delete;
    TChangeLink& operator=(const TChangeLink&) = delete;
    ~TChangeLink();

    TCustomImageList* Sender() const { return FSender; }
    void SetSender(TCustomImageList* sender) { FSender = sender; }
    // Leaves the list it follows for list (nullptr: none), moving user's free notification
    // along, so that user learns when the list it now refers to is freed.
    void Follow(TCustomImageList* list, TComponent* user);
    void Change();

    TNotifyEvent OnChange;

private:
    TCustomImageList* FSender = nullptr;
};
