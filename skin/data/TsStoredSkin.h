// An internal skin: a name and a whole packed skin archive carried by the program.
#pragma once

#include "platform/gfx/Color.h"

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

// Only Name and Data are used; the other published values are kept for stored data that has
// them. The collection form (sections and images instead of Data) is not supported.
class TsStoredSkin {
public:
    TsStoredSkin() = default;
    TsStoredSkin(std::string name, std::vector<std::uint8_t> data) : Name(std::move(name)) { SetData(std::move(data)); }
    // An item over archive bytes that outlive it (the program's embedded archives), not copied.
    static TsStoredSkin Borrowing(std::string name, std::span<const std::uint8_t> data) {
        TsStoredSkin skin;
        skin.Name = std::move(name);
        skin.BorrowData(data);
        return skin;
    }

    std::string Name; // " (internal)" is part of the name and nothing else
    TColor Shadow1Color = 0;
    int Shadow1Offset = 0;
    int Shadow1Blur = -1;
    int Shadow1Transparency = 0;
    TColor BorderColor = clFuchsia;
    double Version = 0;
    std::string Author;
    std::string Description;

    // The packed archive. The program's embedded archives are borrowed, not copied: they are
    // static and outlive every item. Archives made at run time are owned by the item.
    std::span<const std::uint8_t> Data() const { return FOwnsData ? std::span<const std::uint8_t>(FOwnedData) : FBorrowedData; }
    void SetData(std::vector<std::uint8_t> bytes) {
        FOwnedData = std::move(bytes);
        FBorrowedData = {};
        FOwnsData = true;
    }
    void BorrowData(std::span<const std::uint8_t> bytes) {
        FOwnedData.clear();
        FBorrowedData = bytes;
        FOwnsData = false;
    }

private:
    std::vector<std::uint8_t> FOwnedData;
    std::span<const std::uint8_t> FBorrowedData;
    bool FOwnsData = false;
};
