// The stored sizes and places of the game's windows (section "global" of the settings file),
// fitted to the desktop they are shown on.
#pragma once

class TControl;
class TIniFile;

// The window at the given bounds, made to fit the work area: on a smaller desktop than the one
// the bounds were stored on (or with a hand-edited file) it stays whole and in reach.
void PlaceOnWorkArea(TControl& window, int left, int top, int width, int height);

// The main window's first showing: with sizes, the chooser's and the records window's sizes;
// with places, the settings dialog's and the records window's places.
void RestoreWindowGeometry(const TIniFile& ini, bool sizes, bool places);
// The main window's closing: with sizes, those of the main window, the chooser and the records
// window; with places, those of the main window, the settings dialog and the records window.
void StoreWindowGeometry(TIniFile& ini, bool sizes, bool places);
