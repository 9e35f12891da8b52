// The class names of foreign controls that skinned forms put skinning wrappers on, by kind.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

enum TacThirdPartyKind {
    tpEdits, tpButtons, tpBitBtns, tpCheckBoxes, tpComboBoxes, tpGrids, tpGroupBoxes, tpListViews, tpPanels,
    tpTreeViews, tpWWEdits, tpGridEh, tpVirtualTrees, tpPageControl, tpTabControl, tpToolBar, tpStatusBar,
};

// Each kind is stored as one text of names separated by line breaks (the property, named
// ThirdEdits, ThirdButtons, ...) and used as a list. FillLists makes the lists from the texts,
// an empty text first taking its default; StoreLists writes the lists back into the texts.
class TacThirdPartyList {
public:
    static constexpr int KindCount = tpStatusBar + 1;

    TacThirdPartyList();

    static const char* PropertyName(int kind);
    static const char* DefaultText(int kind);

    const std::string& Text(int kind) const { return FTexts.at(static_cast<std::size_t>(kind)); }
    void SetText(int kind, std::string text) { FTexts.at(static_cast<std::size_t>(kind)) = std::move(text); }
    std::vector<std::string>& List(int kind) { return FLists.at(static_cast<std::size_t>(kind)); }
    const std::vector<std::string>& List(int kind) const { return FLists.at(static_cast<std::size_t>(kind)); }

    void FillLists();
    void StoreLists();
    // The first kind whose list holds exactly this class name (letter case counts), -1 if none.
    int KindOf(std::string_view className) const;

private:
    std::array<std::string, KindCount> FTexts;
    std::array<std::vector<std::string>, KindCount> FLists;
};
