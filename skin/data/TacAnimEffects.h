// The skin manager's animation options: button fading and the four window animations.
#pragma once

#include "skin/data/TacBtnEffects.h"
#include "skin/data/TacFormAnimation.h"

struct TacAnimEffects {
    explicit TacAnimEffects(const TsSkinManager* manager) : Buttons(manager) {}

    TacBtnEffects Buttons;
    TacFormAnimation DialogShow{true, 100};
    TacFormAnimation FormShow{true, 0};
    TacFormAnimation PageChange{true, 0};
    TacFormAnimation SkinChanging{true, 100}; // the cross-fade of a skin change
};
