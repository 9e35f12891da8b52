// The process-wide set of fading button events.
#include "skin/data/TacBtnEffects.h"

#include "skin/data/TsSkinManager.h"

TacBtnEvents TacBtnEffects::FGlobalEvents = AllBtnEvents;

void TacBtnEffects::SetEvents(TacBtnEvents events) {
    if (FManager && FManager->IsDefault()) FGlobalEvents = events;
}
