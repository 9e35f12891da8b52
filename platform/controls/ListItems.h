// The items of a list box: text, the caller's data, the height of each (for variable-height
// owner drawing) and whether it is selected; kept in order, optionally sorted by text.
#pragma once

#include "platform/window/WinTypes.h"

#include <functional>
#include <string>
#include <vector>

class ListItems {
public:
    struct TItem {
        std::string Text;
        UINT_PTR Data = 0;
        int Height = 0;
        bool Selected = false;
    };

    int Count() const { return static_cast<int>(FItems.size()); }
    bool Valid(LONG_PTR index) const { return index >= 0 && index < static_cast<LONG_PTR>(FItems.size()); }
    const TItem& operator[](int index) const { return FItems[index]; }
    TItem& operator[](int index) { return FItems[index]; }

    // Where a text goes in a sorted list: after the items it sorts with or after.
    int SortedPlace(const std::string& text) const;
    // index -1 (or past the end) appends; returns the index used.
    int Insert(int index, TItem item);
    void Delete(int index) { FItems.erase(FItems.begin() + index); }
    void Clear() { FItems.clear(); }

    // The first item from start on (wrapping round to start - 1) that satisfies test; -1 none.
    int Find(int start, const std::function<bool(const TItem&)>& test) const;

    // Selection marks.
    int FirstSelected() const;
    int SelectedCount() const;
    // Marks exactly the items first..last (either order; none for -1); true when any mark changed.
    bool SelectOnly(int first, int last);
    bool SelectOnly(int index) { return SelectOnly(index, index); }
    // Marks or clears the items first..last (either order); true when any mark changed.
    bool SelectRange(int first, int last, bool select);

private:
    std::vector<TItem> FItems;
};
