// The state fields of the standard controls in automation dumps: checked state, track bar
// values, texts, list selections and the active page.
#pragma once

#include "platform/automation/DumpRecord.h"

class TControl;

class TControlStateDump {
public:
    // A TComponentDump state writer: adds the fields of the control's kind, nothing for others.
    static void Write(TControl* control, TDumpRecord& record);
};
