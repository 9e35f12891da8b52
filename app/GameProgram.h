// The game as a program: the application, its five windows in their order, the message loop.
#pragma once

#include <functional>
#include <string>

// Runs the game until its main window closes; the exit code. The settings file is the one in
// the current folder. A start skin is switched on once the main window has shown with its
// settings, so it wins over them. beforeRun runs once the five windows exist, before the message
// loop shows the main window (where tests attach what they watch).
int RunGame(const std::string& startSkin = {}, const std::function<void()>& beforeRun = {});
