// Where a skin's image files come from: the archive's image items or files in the skin folder.
#pragma once

#include "platform/gfx/Bitmap.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TacSkinConvertor;

class TacSkinImageSource {
public:
    // Images from a converter's items (found by name, letter case ignored), or from files in a
    // folder path ending in a separator (a relative name is completed with it; "" = as given).
    static TacSkinImageSource FromArchive(const TacSkinConvertor* convertor);
    static TacSkinImageSource FromFolder(std::string folderPath);

    bool IsArchive() const { return FConvertor != nullptr; }
    const std::string& FolderPath() const { return FFolderPath; }

    // The bytes of the named image; false when it is not there.
    bool Read(std::string_view name, std::vector<std::uint8_t>& out) const;
    // The named bitmap or JPEG decoded; false with a reason when it is missing or not an image.
    bool ReadBitmap(std::string_view name, Bitmap& out, std::string& error) const;
    bool ReadJpeg(std::string_view name, Bitmap& out, std::string& error) const;

private:
    std::string FilePath(std::string_view name) const;
    // The image's bytes, in the archive itself or read from its file into storage.
    bool Bytes(std::string_view name, std::vector<std::uint8_t>& storage, std::span<const std::uint8_t>& bytes) const;

    const TacSkinConvertor* FConvertor = nullptr;
    std::string FFolderPath;
};
