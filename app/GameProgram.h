// The game as a program: the application, its five windows in their order, the message loop.
#pragma once

// Runs the game until its main window closes; the exit code. The settings file is the one in
// the current folder.
int RunGame();
