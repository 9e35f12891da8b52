// What the smoke test asks of the X server straight, kept apart from it because the X headers'
// names clash with ours.
#pragma once

#include <string>
#include <vector>

// The names of mapped top-level windows whose colormap or visual is not the screen's default. A
// screenshot tool reading the window tree draws such a window as a whole rectangle in its own
// colormap, a shaped window with a black box round it. Empty when the display cannot be opened.
std::vector<std::string> WindowsWithOwnColormap();

// Sends an event to a window that has just been destroyed and waits for the server's answer:
// the error it gives must not end the program. False when the display cannot be opened.
bool SendToGoneWindow();
