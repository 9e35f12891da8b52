// Dump fields of the standard controls.
#include "framework/TControlStateDump.h"

#include "framework/TButton.h"
#include "framework/TCheckBox.h"
#include "framework/TCustomComboBox.h"
#include "framework/TCustomEdit.h"
#include "framework/TListBox.h"
#include "framework/TPageControl.h"
#include "framework/TRadioButton.h"
#include "framework/TTrackBar.h"

namespace {

std::int64_t Int(int value) {
    return static_cast<std::int64_t>(value);
}

const char* StateName(TCheckBoxState state) {
    switch (state) {
    case cbChecked: return "cbChecked";
    case cbGrayed: return "cbGrayed";
    default: return "cbUnchecked";
    }
}

} // namespace

void TControlStateDump::Write(TControl* control, TDumpRecord& record) {
    if (auto* box = dynamic_cast<TCheckBox*>(control)) {
        record.Set("checked", box->Checked());
        record.Set("state", StateName(box->State()));
    } else if (auto* radio = dynamic_cast<TRadioButton*>(control)) {
        record.Set("checked", radio->Checked());
    } else if (auto* button = dynamic_cast<TButton*>(control)) {
        record.Set("default", button->Default());
        record.Set("modal_result", Int(button->ModalResult()));
    } else if (auto* bar = dynamic_cast<TTrackBar*>(control)) {
        record.Set("position", Int(bar->Position()));
        record.Set("min", Int(bar->Min()));
        record.Set("max", Int(bar->Max()));
    } else if (auto* edit = dynamic_cast<TCustomEdit*>(control)) {
        record.Set("text", edit->Text());
    } else if (auto* combo = dynamic_cast<TCustomComboBox*>(control)) {
        record.Set("text", combo->Text());
        record.Set("item_index", Int(combo->ItemIndex()));
        record.Set("items_count", Int(combo->Items()->Count()));
    } else if (auto* list = dynamic_cast<TListBox*>(control)) {
        record.Set("item_index", Int(list->ItemIndex()));
        record.Set("items_count", Int(list->Items()->Count()));
    } else if (auto* pages = dynamic_cast<TPageControl*>(control)) {
        record.Set("active_page_index", Int(pages->ActivePageIndex()));
        record.Set("page_count", Int(pages->PageCount()));
    }
}
