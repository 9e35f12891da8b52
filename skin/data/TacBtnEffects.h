// Which mouse events of skinned buttons fade between states, chosen on the default skin manager.
#pragma once

#include "framework/TSet.h"

class TsSkinManager;

enum TacBtnEvent { beMouseEnter, beMouseLeave, beMouseDown, beMouseUp };
using TacBtnEvents = TSet<TacBtnEvent>;

inline constexpr TacBtnEvents AllBtnEvents{beMouseEnter, beMouseLeave, beMouseDown, beMouseUp};

// The set is process-wide, because controls that defer to the global choice (aeGlobalDef) must
// not depend on which manager they use: only the default manager changes it, and every
// manager's Events reads it.
class TacBtnEffects {
public:
    explicit TacBtnEffects(const TsSkinManager* manager) : FManager(manager) {}

    TacBtnEvents Events() const { return GlobalEvents(); }
    void SetEvents(TacBtnEvents events);

    static TacBtnEvents GlobalEvents() { return FGlobalEvents; }

private:
    const TsSkinManager* FManager;
    static TacBtnEvents FGlobalEvents;
};
