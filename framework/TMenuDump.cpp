// The menus' dump provider.
#include "framework/TMenuDump.h"

#include "framework/TCustomForm.h"
#include "framework/TMainMenu.h"
#include "framework/TPopupMenu.h"
#include "framework/TScreen.h"

#include "platform/automation/DumpWriter.h"
#include "platform/controls/MenuApi.h"
#include "platform/window/Win.h"

void TMenuDump::Register() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    DumpWriter::AddProvider(AddRecords);
}

void TMenuDump::AddRecords(std::vector<TDumpRecord>& records) {
    if (!Screen) return;
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* form = Screen->Forms(i);
        if (TMainMenu* menu = form->Menu()) {
            HWND bar = form->HandleAllocated() && GetMenu(form->Handle()) == menu->Handle() ? form->Handle()
                                                                                            : nullptr;
            AddItems(menu, menu->Items(), bar, records);
        }
        for (int c = 0; c < form->ComponentCount(); ++c)
            if (auto* popup = dynamic_cast<TPopupMenu*>(form->Components(c)))
                AddItems(popup, popup->Items(), nullptr, records);
    }
}

void TMenuDump::AddItems(const TMenu* menu, TMenuItem* parent, HWND bar, std::vector<TDumpRecord>& records) {
    int position = 0; // among the items the platform menu shows
    for (int i = 0; i < parent->Count(); ++i) {
        TMenuItem* item = parent->Items(i);
        TDumpRecord record;
        record.Set("class", item->ClassName());
        record.Set("component", item->Name());
        record.Set("text", item->Caption());
        record.Set("menu", menu->Name());
        record.Set("parent", parent == menu->Items() ? std::string() : parent->Name());
        record.Set("enabled", item->Enabled());
        record.Set("checked", item->Checked());
        record.Set("visible", item->Visible());
        TRect rect;
        if (bar && item->Visible() &&
            GetMenuItemRect(bar, menu->Handle(), static_cast<UINT>(position), &rect)) {
            record.Set("left", static_cast<std::int64_t>(rect.Left));
            record.Set("top", static_cast<std::int64_t>(rect.Top));
            record.Set("width", static_cast<std::int64_t>(rect.Width()));
            record.Set("height", static_cast<std::int64_t>(rect.Height()));
        }
        if (item->Visible()) ++position;
        records.push_back(std::move(record));
        AddItems(menu, item, nullptr, records);
    }
}
