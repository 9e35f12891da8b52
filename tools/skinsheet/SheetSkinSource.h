// Finding the skin a contact sheet is asked for: an archive, a skin folder or an internal skin.
#pragma once

#include "skin/data/TacSkinSource.h"
#include "skin/data/TsStoredSkins.h"

#include <string>

// The internal skins the tool can draw by name. The tools link no internal skin archives, so the
// collection is empty and only archives and folders are found; this is the one place that fills it.
void AddToolInternalSkins(TsStoredSkins& skins);

// A path to an ".asz" archive, a folder holding "Options.dat", or an internal skin's name;
// Kind skNone when it is none of these.
TacSkinSource SheetSkinSource(const std::string& skin, const TsStoredSkins& internalSkins);
