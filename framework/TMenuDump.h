// Records of menu items for automation dumps: the items of each form's main menu and popup menus
// with caption, enabled, checked and visible, and the screen place of the items in a menu bar.
#pragma once

#include "platform/automation/DumpRecord.h"

#include <vector>

class TMenu;
class TMenuItem;

class TMenuDump {
public:
    // Registers the provider with the dump writer once.
    static void Register();
    static void AddRecords(std::vector<TDumpRecord>& records);

private:
    // bar: the window whose menu bar shows the items of parent, nullptr when none does.
    static void AddItems(const TMenu* menu, TMenuItem* parent, HWND bar, std::vector<TDumpRecord>& records);
};
