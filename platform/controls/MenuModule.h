// Puts the menu module in place: the "#32768" popup window class and the menu hooks of the
// default window procedure (menu bar height, painting, mouse and keyboard entry, system menu).
#pragma once

// Idempotent; call after the window system has started (it forgets its classes when it stops).
void RegisterMenuControls();
