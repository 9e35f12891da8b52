// Reading named skin images from an unpacked archive or from a skin folder.
#include "skin/data/TacSkinImageSource.h"

#include "skin/data/SkinFiles.h"
#include "skin/data/SkinPaths.h"
#include "skin/data/TacSkinConvertor.h"

#include "platform/gfx/ImageFiles.h"

#include <utility>

TacSkinImageSource TacSkinImageSource::FromArchive(const TacSkinConvertor* convertor) {
    TacSkinImageSource source;
    source.FConvertor = convertor;
    return source;
}

TacSkinImageSource TacSkinImageSource::FromFolder(std::string folderPath) {
    TacSkinImageSource source;
    source.FFolderPath = std::move(folderPath);
    return source;
}

std::string TacSkinImageSource::FilePath(std::string_view name) const {
    std::string path = NormalizeSkinPath(name);
    return FindFileIgnoringCase(IsAbsoluteSkinPath(path) ? path : FFolderPath + path);
}

bool TacSkinImageSource::Read(std::string_view name, std::vector<std::uint8_t>& out) const {
    out.clear();
    if (name.empty()) return false;
    if (FConvertor) {
        const TacImageItem* item = FConvertor->FindImageItem(name);
        if (!item) return false;
        out = item->Data;
        return true;
    }
    return ReadWholeFile(FilePath(name), out);
}

bool TacSkinImageSource::Bytes(std::string_view name, std::vector<std::uint8_t>& storage,
                               std::span<const std::uint8_t>& bytes) const {
    if (FConvertor) {
        const TacImageItem* item = name.empty() ? nullptr : FConvertor->FindImageItem(name);
        if (item) bytes = item->Data;
        return item != nullptr;
    }
    if (!Read(name, storage)) return false;
    bytes = storage;
    return true;
}

bool TacSkinImageSource::ReadBitmap(std::string_view name, Bitmap& out, std::string& error) const {
    std::vector<std::uint8_t> storage;
    std::span<const std::uint8_t> bytes;
    if (!Bytes(name, storage, bytes)) {
        error = "\"" + std::string(name) + "\" is missing";
        return false;
    }
    if (!::ReadBmp(bytes, out, &error)) {
        error = "\"" + std::string(name) + "\" is not a readable bitmap (" + error + ")";
        return false;
    }
    return true;
}

bool TacSkinImageSource::ReadJpeg(std::string_view name, Bitmap& out, std::string& error) const {
    std::vector<std::uint8_t> storage;
    std::span<const std::uint8_t> bytes;
    if (!Bytes(name, storage, bytes)) {
        error = "\"" + std::string(name) + "\" is missing";
        return false;
    }
    if (!::ReadJpeg(bytes, out, &error)) {
        error = "\"" + std::string(name) + "\" is not a readable JPEG image (" + error + ")";
        return false;
    }
    return true;
}
