// Records of the framework's controls for automation dumps: class, name, text, screen bounds,
// visibility, enabled and state properties, also for controls without a window.
#pragma once

#include "platform/automation/DumpRecord.h"

#include <functional>
#include <vector>

class TControl;

// A windowed control's fields go into its window's record; a graphic control gets a record of
// its own (Window nullptr) right after its parent's, in z-order. Controls are found through Screen's forms.
class TComponentDump {
public:
    // Adds fields of a control's own state ("down", "checked", "position", ...) to its record.
    using TStateWriter = std::function<void(TControl* control, TDumpRecord& record)>;

    // Registers the provider with the dump writer once.
    static void Register();
    // Control classes that have state to show add a writer; every writer sees every control.
    static void AddStateWriter(TStateWriter writer);
    static void AddRecords(std::vector<TDumpRecord>& records);

private:
    // parentRecord: where a graphic control's own record goes.
    static void AddControl(TControl* control, std::vector<TDumpRecord>& records, size_t parentRecord);
    static TDumpRecord GraphicRecord(TControl* control);
    static void Describe(TControl* control, TDumpRecord& record);
};
