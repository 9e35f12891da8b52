// List box geometry.
#include "platform/controls/ListGeometry.h"

#include <algorithm>

int ListGeometry::Height(int index) const {
    if (!FVariable || !FItems.Valid(index)) return FItemHeight;
    return std::max(1, FItems[index].Height);
}

TRect ListGeometry::ItemRect(int index) const {
    int y = 0;
    if (!FVariable) {
        y = (index - FTop) * FItemHeight;
    } else if (index >= FTop) {
        for (int i = FTop; i < index; ++i) y += Height(i);
    } else {
        for (int i = index; i < FTop; ++i) y -= Height(i);
    }
    return {0, y, FClient.cx, y + Height(index)};
}

int ListGeometry::ItemAt(int y, int* nearest) const {
    int n = FItems.Count();
    int index = FTop;
    if (!FVariable) {
        index = FTop + (y >= 0 ? y / FItemHeight : -((-y + FItemHeight - 1) / FItemHeight));
    } else if (y >= 0) {
        for (int bottom = Height(index); index < n && bottom <= y; bottom += Height(++index)) {}
    } else {
        for (int top = 0; index > 0 && top > y; top -= Height(--index)) {}
    }
    if (nearest) *nearest = n == 0 ? -1 : std::clamp(index, 0, n - 1);
    return FItems.Valid(index) ? index : -1;
}

int ListGeometry::CountFitting(int from, int step) const {
    int used = 0, count = 0;
    for (int i = from; FItems.Valid(i); i += step) {
        used += Height(i);
        if (used > FClient.cy) break;
        ++count;
    }
    return std::max(1, count);
}

int ListGeometry::PageCount() const {
    if (!FVariable) return std::max(1, FClient.cy / FItemHeight);
    return CountFitting(FTop, 1);
}

int ListGeometry::MaxTop() const {
    int n = FItems.Count();
    if (n == 0) return 0;
    int fit = FVariable ? CountFitting(n - 1, -1) : std::max(1, FClient.cy / FItemHeight);
    return std::max(0, n - fit);
}

int ListGeometry::TopShowing(int index) const {
    if (index < FTop) return std::max(0, index);
    int fit = FVariable ? CountFitting(index, -1) : std::max(1, FClient.cy / FItemHeight);
    return std::max(FTop, index - fit + 1);
}
