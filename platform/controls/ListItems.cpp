// The items of a list box.
#include "platform/controls/ListItems.h"
#include "platform/controls/ItemText.h"

#include <algorithm>

int ListItems::SortedPlace(const std::string& text) const {
    auto at = std::upper_bound(FItems.begin(), FItems.end(), text,
                               [](const std::string& t, const TItem& item) { return ItemText::Compare(t, item.Text) < 0; });
    return static_cast<int>(at - FItems.begin());
}

int ListItems::Insert(int index, TItem item) {
    if (index < 0 || index > Count()) index = Count();
    FItems.insert(FItems.begin() + index, std::move(item));
    return index;
}

int ListItems::Find(int start, const std::function<bool(const TItem&)>& test) const {
    int n = Count();
    if (n == 0) return -1;
    start = ((start % n) + n) % n;
    for (int k = 0; k < n; ++k) {
        int i = (start + k) % n;
        if (test(FItems[i])) return i;
    }
    return -1;
}

int ListItems::FirstSelected() const {
    auto it = std::find_if(FItems.begin(), FItems.end(), [](const TItem& item) { return item.Selected; });
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

int ListItems::SelectedCount() const {
    return static_cast<int>(std::count_if(FItems.begin(), FItems.end(), [](const TItem& item) { return item.Selected; }));
}

bool ListItems::SelectOnly(int first, int last) {
    if (first > last) std::swap(first, last);
    bool changed = false;
    for (int i = 0; i < Count(); ++i) {
        bool want = first >= 0 && i >= first && i <= last;
        if (FItems[i].Selected != want) {
            FItems[i].Selected = want;
            changed = true;
        }
    }
    return changed;
}

bool ListItems::SelectRange(int first, int last, bool select) {
    if (first > last) std::swap(first, last);
    bool changed = false;
    for (int i = std::max(0, first); i <= std::min(last, Count() - 1); ++i) {
        if (FItems[i].Selected != select) {
            FItems[i].Selected = select;
            changed = true;
        }
    }
    return changed;
}
