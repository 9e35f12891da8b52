// The one entry point that registers every standard control window class ("Button", "Static",
// "Edit", "ScrollBar", and the list, combo, track bar, tab, menu and dialog classes).
#pragma once

// Registers the classes with the running window system. Idempotent: a class already registered
// is left as it is, so every start-up path (the application, a test, a tool) may call it. Call it
// again after the window system was stopped and started.
void RegisterStandardControls();
