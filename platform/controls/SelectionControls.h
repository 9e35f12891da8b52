// Registration of the controls that pick a value or an item: track bar, tab control, list box
// and combo box (with its drop-down list).
#pragma once

// Registers "msctls_trackbar32", "SysTabControl32", "ListBox", "ComboBox" and "ComboLBox" with
// the running window system; calling it again does nothing.
void RegisterSelectionControls();
