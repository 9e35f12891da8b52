// Dump records of framework controls: window records gain the component's name and class,
// window-less controls get records of their own with screen bounds and state.
#include "FormTestFixture.h"

#include "framework/TComponentDump.h"
#include "framework/TLabel.h"
#include "framework/TPanel.h"
#include "framework/TSpeedButton.h"
#include "platform/automation/DumpWriter.h"

namespace {
const TDumpRecord* Named(const std::vector<TDumpRecord>& records, const std::string& name) {
    for (const TDumpRecord& r : records)
        if (const TDumpValue* v = r.Get("component"); v && TDumpRecord::ToText(*v) == name) return &r;
    return nullptr;
}
std::string Field(const TDumpRecord* r, const std::string& key) {
    const TDumpValue* v = r ? r->Get(key) : nullptr;
    return v ? TDumpRecord::ToText(*v) : "<none>";
}
}

TEST_F(FormTest, DumpRecordsNameFrameworkControlsWithAndWithoutWindows) {
    auto form = ShownForm(30, 40, 300, 200);
    form->SetName("MainF");
    auto* panel = new TPanel(form.get());
    panel->SetName("BoardP");
    panel->SetParent(form.get());
    panel->SetBounds(10, 10, 200, 100);
    auto* cell = new TSpeedButton(form.get());
    cell->SetName("CellB");
    cell->SetParent(panel);
    cell->SetBounds(5, 6, 30, 30);
    cell->SetCaption("7");
    cell->SetGroupIndex(3);
    cell->SetDown(true);
    auto* second = new TSpeedButton(form.get());
    second->SetName("CellC");
    second->SetParent(panel);
    auto* label = new TLabel(form.get());
    label->SetName("TimeL");
    label->SetParent(form.get());
    label->SetCaption("0:00:00");
    label->SetVisible(false);

    std::vector<TDumpRecord> records = DumpWriter::Collect();
    TComponentDump::AddRecords(records);
    const TDumpRecord* formRecord = Named(records, "MainF");
    ASSERT_NE(formRecord, nullptr);
    EXPECT_EQ(formRecord->Window, form->Handle());
    EXPECT_EQ(Field(formRecord, "framework_class"), "TForm");
    EXPECT_EQ(Field(Named(records, "BoardP"), "class"), "TPanel");
    const TDumpRecord* cellRecord = Named(records, "CellB");
    ASSERT_NE(cellRecord, nullptr);
    EXPECT_EQ(cellRecord->Window, nullptr);
    EXPECT_EQ(Field(cellRecord, "class"), "TSpeedButton");
    EXPECT_EQ(Field(cellRecord, "text"), "7");
    EXPECT_EQ(Field(cellRecord, "down"), "true");
    EXPECT_EQ(Field(cellRecord, "left"), std::to_string(At(*panel, 5, 6).X));
    EXPECT_EQ(Field(cellRecord, "width"), "30");
    EXPECT_EQ(Field(Named(records, "TimeL"), "visible"), "false");
    // The cells' records follow their panel's, in z-order.
    const auto panelAt = std::find_if(records.begin(), records.end(), [](const TDumpRecord& r) { return Field(&r, "component") == "BoardP"; });
    ASSERT_NE(panelAt, records.end());
    ASSERT_LT(panelAt + 2, records.end());
    EXPECT_EQ(Field(&*(panelAt + 1), "component"), "CellB");
    EXPECT_EQ(Field(&*(panelAt + 2), "component"), "CellC");
}
