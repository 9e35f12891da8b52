// The in-memory string list: storage, sorted insertion and change events.
#include "framework/TStringList.h"

#include "framework/Consts.h"
#include "framework/Exception.h"
#include "framework/SysUtils.h"

#include <algorithm>
#include <numeric>

void TStringList::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) IndexError(index);
}

void TStringList::Changing() {
    if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::Changed() {
    if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::SetUpdateState(bool updating) {
    // The update count is not zero yet (or any more) here, so the events are raised directly.
    if (updating) {
        if (OnChanging) OnChanging(this);
    } else {
        if (OnChange) OnChange(this);
    }
}

std::string TStringList::Get(int index) const {
    CheckIndex(index);
    return FList[static_cast<std::size_t>(index)].String;
}

TObject* TStringList::GetObject(int index) const {
    CheckIndex(index);
    return FList[static_cast<std::size_t>(index)].Object;
}

void TStringList::Put(int index, const std::string& text) {
    if (FSorted) throw EListError(SSortedListError);
    CheckIndex(index);
    Changing();
    FList[static_cast<std::size_t>(index)].String = text;
    Changed();
}

void TStringList::PutObject(int index, TObject* object) {
    CheckIndex(index);
    Changing();
    FList[static_cast<std::size_t>(index)].Object = object;
    Changed();
}

int TStringList::Add(const std::string& text) {
    if (!FSorted) {
        InsertItem(Count(), text);
        return Count() - 1;
    }
    int index = 0;
    if (Find(text, index)) {
        if (FDuplicates == dupIgnore) return index;
        if (FDuplicates == dupError) throw EListError(SDuplicateString);
    }
    InsertItem(index, text);
    return index;
}

void TStringList::Insert(int index, const std::string& text) {
    if (FSorted) throw EListError(SSortedListError);
    if (index < 0 || index > Count()) IndexError(index);
    InsertItem(index, text);
}

void TStringList::InsertItem(int index, const std::string& text) {
    Changing();
    FList.insert(FList.begin() + index, TStringItem{text, nullptr});
    Changed();
}

void TStringList::Delete(int index) {
    CheckIndex(index);
    Changing();
    FList.erase(FList.begin() + index);
    Changed();
}

void TStringList::Clear() {
    if (FList.empty()) return;
    Changing();
    FList.clear();
    Changed();
}

void TStringList::Exchange(int index1, int index2) {
    if (FSorted) throw EListError(SSortedListError);
    CheckIndex(index1);
    CheckIndex(index2);
    Changing();
    std::swap(FList[static_cast<std::size_t>(index1)], FList[static_cast<std::size_t>(index2)]);
    Changed();
}

int TStringList::CompareStrings(const std::string& a, const std::string& b) const {
    return FCaseSensitive ? AnsiCompareStr(a, b) : AnsiCompareText(a, b);
}

// With duplicates accepted the search ends on the first of equal strings.
bool TStringList::Find(const std::string& text, int& index) const {
    bool found = false;
    int low = 0;
    int high = Count() - 1;
    while (low <= high) {
        const int middle = (low + high) / 2;
        const int c = CompareStrings(FList[static_cast<std::size_t>(middle)].String, text);
        if (c < 0) {
            low = middle + 1;
        } else {
            high = middle - 1;
            if (c == 0) {
                found = true;
                if (FDuplicates != dupAccept) low = middle;
            }
        }
    }
    index = low;
    return found;
}

int TStringList::IndexOf(const std::string& text) const {
    if (!FSorted) return TStrings::IndexOf(text);
    int index = 0;
    return Find(text, index) ? index : -1;
}

void TStringList::Sort() {
    CustomSort([](const TStringList& list, int a, int b) {
        return list.CompareStrings(list.FList[static_cast<std::size_t>(a)].String,
                                   list.FList[static_cast<std::size_t>(b)].String);
    });
}

// Stable, so equal strings keep their order and every run sorts alike.
void TStringList::CustomSort(const TStringListSortCompare& compare) {
    if (FList.size() < 2) return;
    Changing();
    std::vector<int> order(FList.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(*this, a, b) < 0; });
    std::vector<TStringItem> sorted;
    sorted.reserve(FList.size());
    for (int i : order) sorted.push_back(std::move(FList[static_cast<std::size_t>(i)]));
    FList = std::move(sorted);
    Changed();
}

void TStringList::SetSorted(bool sorted) {
    if (sorted == FSorted) return;
    if (sorted) Sort();
    FSorted = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive) {
    if (caseSensitive == FCaseSensitive) return;
    FCaseSensitive = caseSensitive;
    if (FSorted) Sort();
}

// The rules come first (the old strings are cleared before any is added), so the strings are
// added under the source's order and comparison.
void TStringList::Assign(const TPersistent* source) {
    if (const auto* list = dynamic_cast<const TStringList*>(source); list && list != this) {
        FCaseSensitive = list->FCaseSensitive;
        FDuplicates = list->FDuplicates;
        FSorted = list->FSorted;
    }
    TStrings::Assign(source);
}
