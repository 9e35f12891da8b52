// The automation commands that change the look in force: "skin NAME", "skin off", "hue N" and
// "saturation N".
#pragma once

#include <string>

class ScriptRunner;
class TsSkinManager;

// Each takes the rest of its script line and works on the given manager on the UI thread; a bad
// argument throws std::invalid_argument with a one-line reason.
class TSkinScriptCommands {
public:
    explicit TSkinScriptCommands(TsSkinManager& manager) : FManager(manager) {}

    // Adds "skin", "hue" and "saturation" to a script runner, working on the main window's
    // skin manager.
    static void AddTo(ScriptRunner& runner);

    // "off" switches skinning off; any other text, blanks included, is the skin's name (an
    // internal skin, or a folder or ".asz" file in the skins folder) and switches skinning on.
    void Skin(const std::string& rest);
    // A whole number of degrees or of saturation change, as the settings dialog sets them.
    void Hue(const std::string& rest);
    void Saturation(const std::string& rest);

private:
    TsSkinManager& FManager;
};
