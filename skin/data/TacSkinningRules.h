// Which kinds of foreign windows the skin manager lets the engine skin.
#pragma once

#include "framework/TSet.h"

enum TacSkinningRule {
    srStdForms,   // forms without a skinning component of their own
    srStdDialogs, // the framework's message forms and platform dialogs
    srThirdParty, // controls named in the ThirdParty class lists
};
using TacSkinningRules = TSet<TacSkinningRule>;

inline constexpr TacSkinningRules AllSkinningRules{srStdForms, srStdDialogs, srThirdParty};
