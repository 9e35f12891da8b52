// Choosing a skin's source and reading its options text and images from it.
#include "skin/data/TacSkinSource.h"

#include "skin/data/SkinFiles.h"
#include "skin/data/SkinPaths.h"
#include "skin/data/SkinWarning.h"
#include "skin/data/TacSkinConvertor.h"

#include "platform/system/Paths.h"

#include <memory>
#include <new>
#include <utility>

namespace {

bool BuildFromConvertor(TsSkinModel& model, const TacSkinConvertor& convertor, const TacSkinBuildSettings& settings,
                        std::vector<std::string>* problems) {
    if (!convertor.HasOptions()) {
        model.Clear();
        return false;
    }
    TacSkinOptions options(convertor.Options());
    BuildSkin(model, options, TacSkinImageSource::FromArchive(&convertor), settings, problems);
    return true;
}

} // namespace

TacSkinSource FindSkinSource(std::string_view skinName, std::string_view skinDirectory, const TsStoredSkins& internalSkins,
                             std::string_view programDirectory) {
    TacSkinSource source;
    source.SkinName = std::string(skinName);
    std::string packed = WithTrailingBackslash(skinDirectory) + source.SkinName + ".asz";
    if (SkinFileExists(packed)) {
        source.Kind = skPackedFile;
        source.PackedFile = packed;
        return source;
    }
    std::string folder = ResolveSkinDirectory(skinDirectory, programDirectory) + source.SkinName + PathDelim;
    std::string options = FindFileIgnoringCase(folder + "Options.dat");
    if (!source.SkinName.empty() && SkinFileExists(options)) {
        source.Kind = skFolder;
        source.OptionsFile = options;
        source.FolderPath = folder;
        return source;
    }
    source.InternalIndex = internalSkins.IndexOf(skinName);
    if (source.InternalIndex < 0 && !internalSkins.Empty()) {
        source.InternalIndex = 0;
        source.SkinName = internalSkins[0].Name;
    }
    if (source.InternalIndex >= 0) source.Kind = skInternal;
    return source;
}

namespace {

bool LoadFrom(TsSkinModel& model, const TacSkinSource& source, const TsStoredSkins& internalSkins,
              TacSkinBuildSettings settings, std::vector<std::string>* problems) {
    settings.SkinPath = source.FolderPath;
    std::unique_ptr<TacSkinConvertor> convertor;
    switch (source.Kind) {
    case skPackedFile:
        if (!LoadPackedFile(source.PackedFile, convertor, true)) break;
        return BuildFromConvertor(model, *convertor, settings, problems);
    case skFolder: {
        std::vector<std::uint8_t> text;
        if (!ReadWholeFile(source.OptionsFile, text)) break;
        TacSkinOptions options(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
        BuildSkin(model, options, TacSkinImageSource::FromFolder(source.FolderPath), settings, problems);
        return true;
    }
    case skInternal: {
        if (source.InternalIndex < 0 || source.InternalIndex >= internalSkins.Count()) break;
        std::span<const std::uint8_t> data = internalSkins[source.InternalIndex].Data();
        if (data.empty()) break;
        convertor = std::make_unique<TacSkinConvertor>();
        // The stored data stays the skin's; the converter only borrows it while reading.
        convertor->BorrowSource(data);
        convertor->ReadPackedData();
        convertor->DetachSource();
        return BuildFromConvertor(model, *convertor, settings, problems);
    }
    case skNone: break;
    }
    model.Clear();
    return false;
}

} // namespace

bool LoadSkinFromSource(TsSkinModel& model, const TacSkinSource& source, const TsStoredSkins& internalSkins,
                        TacSkinBuildSettings settings, std::vector<std::string>* problems) {
    try {
        return LoadFrom(model, source, internalSkins, std::move(settings), problems);
    } catch (const std::bad_alloc&) {
        // A small file can name huge images (a 1-bit bitmap of 16384 x 16384 pixels is 32 MB
        // and decodes to 768 MB); running out of memory for them ends this load, not the program.
        model.Clear();
        ShowSkinWarning("Warning", "The skin \"" + source.SkinName +
                                       "\" cannot be loaded: there is not enough memory "
                                       "for its images.");
        return false;
    }
}

std::optional<std::string> LoadNamedSkin(TsSkinModel& model, const TacSkinRequest& request, std::vector<std::string>* problems) {
    static const TsStoredSkins noSkins;
    const TsStoredSkins& internal = request.InternalSkins ? *request.InternalSkins : noSkins;
    TacSkinSource source = FindSkinSource(request.SkinName, request.SkinDirectory, internal);
    if (LoadSkinFromSource(model, source, internal, request.Settings, problems)) return source.SkinName;
    const bool firstFailed = source.Kind == skInternal && source.InternalIndex == 0;
    if (internal.Empty() || firstFailed) return std::nullopt;
    TacSkinSource first;
    first.Kind = skInternal;
    first.InternalIndex = 0;
    first.SkinName = internal[0].Name;
    if (LoadSkinFromSource(model, first, internal, request.Settings, problems)) return first.SkinName;
    return std::nullopt;
}
