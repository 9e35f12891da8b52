// The framework's dump provider.
#include "framework/TComponentDump.h"

#include "framework/TControlStateDump.h"
#include "framework/TCustomForm.h"
#include "framework/TScreen.h"
#include "framework/TSpeedButton.h"
#include "platform/automation/DumpWriter.h"

#include <algorithm>

namespace {

std::vector<TComponentDump::TStateWriter>& Writers() {
    static std::vector<TComponentDump::TStateWriter> writers{[](TControl* control, TDumpRecord& record) {
        if (auto* button = dynamic_cast<TSpeedButton*>(control)) record.Set("down", button->Down());
    }, TControlStateDump::Write};
    return writers;
}

size_t FindWindowRecord(const std::vector<TDumpRecord>& records, HWND hwnd) {
    for (size_t i = 0; i < records.size(); ++i)
        if (records[i].Window == hwnd) return i;
    return records.size();
}

} // namespace

void TComponentDump::Register() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    DumpWriter::AddProvider(AddRecords);
}

void TComponentDump::AddStateWriter(TStateWriter writer) {
    Writers().push_back(std::move(writer));
}

void TComponentDump::AddRecords(std::vector<TDumpRecord>& records) {
    if (!Screen) return;
    for (int i = 0; i < Screen->FormCount(); ++i) AddControl(Screen->Forms(i), records, records.size());
}

void TComponentDump::Describe(TControl* control, TDumpRecord& record) {
    record.Set("component", control->Name());
    record.Set("framework_class", control->ClassName());
    for (const auto& writer : Writers()) writer(control, record);
}

// Graphic children go right behind their parent's record, in z-order; windowed ones already
// have their window's record, which gains the control's fields.
void TComponentDump::AddControl(TControl* control, std::vector<TDumpRecord>& records, size_t parentRecord) {
    size_t index = records.size();
    auto* win = dynamic_cast<TWinControl*>(control);
    if (win && win->HandleAllocated()) {
        index = FindWindowRecord(records, win->Handle());
        if (index < records.size()) Describe(control, records[index]);
    } else if (!win) {
        const size_t at = std::min(parentRecord, records.size());
        records.insert(records.begin() + static_cast<std::ptrdiff_t>(at), GraphicRecord(control));
        return;
    }
    if (!win) return;
    size_t next = index + 1;
    for (int i = 0; i < win->ControlCount(); ++i) {
        TControl* child = win->Controls(i);
        AddControl(child, records, next);
        if (!dynamic_cast<TWinControl*>(child)) ++next;
    }
}

TDumpRecord TComponentDump::GraphicRecord(TControl* control) {
    TDumpRecord record;
    const TPoint origin = control->ClientOrigin();
    record.Set("class", control->ClassName());
    record.Set("text", control->Caption());
    record.Set("left", static_cast<std::int64_t>(origin.X));
    record.Set("top", static_cast<std::int64_t>(origin.Y));
    record.Set("width", static_cast<std::int64_t>(control->Width()));
    record.Set("height", static_cast<std::int64_t>(control->Height()));
    record.Set("visible", control->Showing());
    record.Set("enabled", control->Enabled());
    Describe(control, record);
    return record;
}
