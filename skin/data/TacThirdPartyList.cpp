// The default class lists and the conversion between property texts and lists.
#include "skin/data/TacThirdPartyList.h"

#include "skin/data/SkinText.h"

#include <algorithm>

namespace {

struct TKindDefaults {
    const char* Property;
    const char* Names;
};

constexpr TKindDefaults Defaults[TacThirdPartyList::KindCount] = {
    {"ThirdEdits", "TEdit\nTMemo\nTMaskEdit\nTLabeledEdit\nTHotKey\nTListBox\nTCheckListBox\nTDBListBox\nTRichEdit\n"
                   "TDBMemo\nTSynEdit\nTSynMemo\nTDBSynEdit\nTDBLookupListBox\nTDBRichEdit\nTDBCtrlGrid\n"
                   "TDateTimePicker\nTDBEdit"},
    {"ThirdButtons", "TButton"},
    {"ThirdBitBtns", "TBitBtn"},
    {"ThirdCheckBoxes", "TCheckBox\nTRadioButton\nTDBCheckBox\nTDBCheckBoxEh\nTGroupButton"},
    {"ThirdComboBoxes", "TComboBox\nTColorBox\nTDBComboBox"},
    {"ThirdGrids", "TStringGrid\nTDrawGrid\nTRichView\nTDBRichViewEdit\nTRichViewEdit\nTDBRichView\nTwwDBGrid\n"
                   "TAdvStringGrid\nTDBAdvGrid\nTValueListEditor\nTDBGrid"},
    {"ThirdGroupBoxes", "TGroupBox\nTDBRadioGroup\nTRadioGroup"},
    {"ThirdListViews", "TListView"},
    {"ThirdPanels", "TPanel\nTDBCtrlPanel"},
    {"ThirdTreeViews", "TTreeView\nTRzTreeView\nTDBTreeView"},
    {"ThirdWWEdits", "TDBLookupComboBox\nTwwDBComboBox\nTwwDBCustomCombo\nTwwDBCustomLookupCombo"},
    {"ThirdGridEh", "TDBGridEh"},
    {"ThirdVirtualTrees", "TVirtualStringTree\nTVirtualStringTreeDB\nTEasyListview\nTVirtualExplorerListview\n"
                          "TVirtualExplorerTreeview\nTVirtualExplorerTree\nTVirtualDrawTree"},
    {"ThirdPageControl", "TPageControl"},
    {"ThirdTabControl", "TTabControl"},
    {"ThirdToolBar", "TToolBar"},
    {"ThirdStatusBar", "TStatusBar"},
};

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty()) text += '\n';
        text += line;
    }
    return text;
}

} // namespace

TacThirdPartyList::TacThirdPartyList() { FillLists(); }

const char* TacThirdPartyList::PropertyName(int kind) { return Defaults[kind].Property; }

const char* TacThirdPartyList::DefaultText(int kind) { return Defaults[kind].Names; }

void TacThirdPartyList::FillLists() {
    for (int kind = 0; kind < KindCount; ++kind) {
        std::string& text = FTexts[static_cast<std::size_t>(kind)];
        if (text.empty()) text = DefaultText(kind);
        std::vector<std::string>& list = FLists[static_cast<std::size_t>(kind)];
        list.clear();
        for (std::string_view name : SplitWords(text, "\r\n")) list.emplace_back(name);
    }
}

void TacThirdPartyList::StoreLists() {
    for (std::size_t kind = 0; kind < FLists.size(); ++kind) FTexts[kind] = JoinLines(FLists[kind]);
}

int TacThirdPartyList::KindOf(std::string_view className) const {
    for (std::size_t kind = 0; kind < FLists.size(); ++kind) {
        const std::vector<std::string>& list = FLists[kind];
        if (std::find(list.begin(), list.end(), className) != list.end()) return static_cast<int>(kind);
    }
    return -1;
}
