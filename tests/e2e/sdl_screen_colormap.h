// Asks the X server which of the screen's mapped top-level windows draw with a colormap other than
// the screen's own, kept apart from the smoke test because the X headers' names clash with ours.
#pragma once

#include <string>
#include <vector>

// The names of mapped top-level windows whose colormap or visual is not the screen's default. A
// screenshot tool reading the window tree draws such a window as a whole rectangle in its own
// colormap, a shaped window with a black box round it. Empty when the display cannot be opened.
std::vector<std::string> WindowsWithOwnColormap();
