// The standard controls' state in automation dumps: what a script's expect compares.
#include "FormTestFixture.h"

#include "framework/TCheckBox.h"
#include "framework/TComboBox.h"
#include "framework/TComponentDump.h"
#include "framework/TEdit.h"
#include "framework/TPageControl.h"
#include "framework/TTabSheet.h"
#include "framework/TTrackBar.h"
#include "platform/automation/DumpWriter.h"

namespace {
std::string Field(const std::vector<TDumpRecord>& records, const std::string& name, const std::string& key) {
    for (const TDumpRecord& r : records)
        if (const TDumpValue* v = r.Get("component"); v && TDumpRecord::ToText(*v) == name) {
            const TDumpValue* field = r.Get(key);
            return field ? TDumpRecord::ToText(*field) : "<none>";
        }
    return "<no record>";
}

template <class T>
T* Make(TForm* form, const std::string& name, int top) {
    auto* c = new T(form);
    c->SetName(name);
    c->SetParent(form);
    c->SetTop(top);
    return c;
}
}

TEST_F(FormTest, DumpRecordsCarryTheStateOfTheStandardControls) {
    auto form = ShownForm(30, 40, 400, 300);
    auto* box = Make<TCheckBox>(form.get(), "TreningChb", 0);
    box->SetState(cbGrayed);
    auto* bar = Make<TTrackBar>(form.get(), "DifficultTB", 20);
    bar->SetRange(1, 10);
    bar->SetPosition(7);
    Make<TEdit>(form.get(), "SectwE", 70)->SetText("25");
    auto* combo = Make<TComboBox>(form.get(), "SkinNameCb", 100);
    combo->Items()->SetCommaText("a,b,c");
    combo->SetItemIndex(2);
    auto* pages = Make<TPageControl>(form.get(), "PageControl", 130);
    for (int i = 0; i < 2; ++i) (new TTabSheet(form.get()))->SetPageControl(pages);
    pages->SetActivePageIndex(1);

    std::vector<TDumpRecord> records = DumpWriter::Collect();
    TComponentDump::AddRecords(records);
    EXPECT_EQ(Field(records, "TreningChb", "state"), "cbGrayed");
    EXPECT_EQ(Field(records, "TreningChb", "checked"), "false");
    EXPECT_EQ(Field(records, "DifficultTB", "position"), "7");
    EXPECT_EQ(Field(records, "DifficultTB", "min"), "1");
    EXPECT_EQ(Field(records, "DifficultTB", "max"), "10");
    EXPECT_EQ(Field(records, "SectwE", "text"), "25");
    EXPECT_EQ(Field(records, "SkinNameCb", "item_index"), "2");
    EXPECT_EQ(Field(records, "SkinNameCb", "items_count"), "3");
    EXPECT_EQ(Field(records, "SkinNameCb", "text"), "c");
    EXPECT_EQ(Field(records, "PageControl", "active_page_index"), "1");
}
