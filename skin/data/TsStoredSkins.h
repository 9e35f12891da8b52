// The manager's collection of internal skins; the first one is the fallback skin.
#pragma once

#include "skin/data/TsStoredSkin.h"

#include <string_view>
#include <vector>

class TsStoredSkins {
public:
    void Add(TsStoredSkin skin) { FItems.push_back(std::move(skin)); }
    void Clear() { FItems.clear(); }
    int Count() const { return static_cast<int>(FItems.size()); }
    bool Empty() const { return FItems.empty(); }
    const TsStoredSkin& operator[](int index) const { return FItems[static_cast<std::size_t>(index)]; }
    const std::vector<TsStoredSkin>& Items() const { return FItems; }

    // Position of the item with exactly this name (letter case included), -1 when none.
    int IndexOf(std::string_view name) const {
        for (std::size_t i = 0; i < FItems.size(); ++i) {
            if (FItems[i].Name == name) return static_cast<int>(i);
        }
        return -1;
    }

private:
    std::vector<TsStoredSkin> FItems;
};
