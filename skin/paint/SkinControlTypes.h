// The small types the skinned controls share: disabled looks and the mouse events that fade.
#pragma once

#include "framework/TSet.h"

enum TsDisabledKindItem { dkBlended, dkGrayed };
using TsDisabledKind = TSet<TsDisabledKindItem>;

enum TsDisabledGlyphKindItem { dgBlended, dgGrayed };
using TsDisabledGlyphKind = TSet<TsDisabledGlyphKindItem>;

// aeGlobalDef adds the skin manager's process-wide choice to the events named here.
enum TacAnimatEventItem { aeMouseEnter, aeMouseLeave, aeMouseDown, aeMouseUp, aeGlobalDef };
using TacAnimatEvents = TSet<TacAnimatEventItem>;

inline constexpr TsDisabledKind DefaultDisabledKind{dkBlended};
inline constexpr TsDisabledGlyphKind DefaultDisabledGlyphKind{dgBlended};
inline constexpr TacAnimatEvents DefaultAnimatEvents{aeGlobalDef};
