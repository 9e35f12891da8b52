// Where the items of a list box lie for a top index: their rectangles, the item under a point,
// how many fit a page and how far the list can scroll. Heights are one for all items, or each
// item's own for variable-height owner drawing.
#pragma once

#include "platform/controls/ListItems.h"

class ListGeometry {
public:
    ListGeometry(const ListItems& items, TSize client, int itemHeight, bool variable, int top)
        : FItems(items), FClient(client), FItemHeight(itemHeight < 1 ? 1 : itemHeight), FVariable(variable), FTop(top) {}

    int Height(int index) const;
    // In client coordinates; items above the top index lie above the client area.
    TRect ItemRect(int index) const;
    // The item under a client y, or -1 below the last item; the nearest item in nearest.
    int ItemAt(int y, int* nearest = nullptr) const;
    // Items wholly visible from the top index (at least one).
    int PageCount() const;
    // The largest top index that still leaves no room below the last item.
    int MaxTop() const;
    // The top index that shows the item whole, moving as little as possible.
    int TopShowing(int index) const;

private:
    // Items wholly visible when the list ends at the bottom (at least one).
    int CountFitting(int from, int step) const;

    const ListItems& FItems;
    TSize FClient;
    int FItemHeight;
    bool FVariable;
    int FTop;
};
