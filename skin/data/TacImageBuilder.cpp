// Master bitmap and image entries: dispatching values, loading their bitmaps, skipping bad ones.
#include "skin/data/TacImageBuilder.h"

#include "skin/data/SkinText.h"

#include <memory>
#include <unordered_set>
#include <utility>

TacImageBuilder::TacImageBuilder(TsSkinModel& model, std::vector<std::string>* problems)
    : FModel(model), FProblems(problems) {}

void TacImageBuilder::Problem(const std::string& section, const std::string& key, const std::string& text) {
    if (FProblems) FProblems->push_back("[" + section + "] " + key + ": " + text);
}

void TacImageBuilder::LoadMaster(const TacSkinOptions& options, const TacSkinImageSource& images) {
    FModel.Masks.clear();
    FModel.MasterBitmap = Bitmap();
    const std::string* name = options.FindValue("GLOBALINFO", "MASTERBITMAP");
    if (!name || name->empty()) return;
    std::string error;
    Bitmap master;
    if (!images.ReadBitmap(*name, master, error)) {
        Problem("GLOBALINFO", "MASTERBITMAP", error);
        return;
    }
    master.SetFormat(TPixelFormat::pf24bit);
    FModel.MasterBitmap = std::move(master);
}

void TacImageBuilder::AddImages(const TacSkinOptions& options, const TacSkinImageSource& images, bool commonSections) {
    for (int s = 0; s < static_cast<int>(options.Sections().size()); ++s) {
        const TacOptionsSection& section = options.Sections()[static_cast<std::size_t>(s)];
        // Only the first section of a name and the first key of a name count.
        if (options.FindSection(section.Name) != s) continue;
        bool global = SameTextAscii(section.Name, "GLOBALINFO");
        if (global && commonSections) continue;
        std::unordered_set<std::string_view> seen;
        for (const TacOptionsKey& key : section.Keys) {
            if (!seen.insert(key.KeyUpper).second) continue;
            if (global && key.KeyUpper == "MASTERBITMAP") continue;
            if (key.Value.empty()) continue;
            AddValue(section.Name, key.Key, key.Value, images, commonSections);
        }
    }
}

void TacImageBuilder::AddValue(const std::string& section, const std::string& key, const std::string& value,
                               const TacSkinImageSource& images, bool commonSections) {
    TacImageValue image = ParseImageValue(section, key, value);
    if (image.Form == ifNone) return;
    if (!image.Error.empty()) return Problem(section, key, "\"" + value + "\" makes no image: " + image.Error);
    if (commonSections && image.Form == ifLegacy && FModel.MasterBitmap.Empty()) return;
    if (!image.Flaw.empty()) Problem(section, key, "\"" + value + "\": " + image.Flaw);
    if (image.UsesMaster() && !FitsMaster(image.Mask)) {
        Problem(section, key,
                "\"" + value + "\" reaches past the " + std::to_string(FModel.MasterBitmap.Width()) + " x " +
                    std::to_string(FModel.MasterBitmap.Height()) + " master bitmap");
    }
    if ((image.Form == ifSeparate || image.Form == ifPlainFile) && !LoadOwnBitmap(image, images)) return;
    image.Mask.Manager = &FModel;
    FModel.Masks.push_back(std::move(image.Mask));
}

bool TacImageBuilder::LoadOwnBitmap(TacImageValue& image, const TacSkinImageSource& images) {
    auto bitmap = std::make_unique<Bitmap>();
    std::string error;
    if (!images.ReadBitmap(image.FileName, *bitmap, error) || bitmap->Width() == 0) {
        Problem(image.Mask.SectionName, image.Mask.PropertyName, error.empty() ? "the bitmap is empty" : error);
        return false;
    }
    if (image.Form == ifPlainFile || image.Mask.ImgType != itisaTexture) bitmap->SetFormat(TPixelFormat::pf24bit);
    FitImageToBitmap(image, bitmap->Width(), bitmap->Height());
    image.Mask.Bmp = std::move(bitmap);
    return true;
}

bool TacImageBuilder::FitsMaster(const TsMaskData& mask) const {
    const TRect& r = mask.R;
    return r.Right <= FModel.MasterBitmap.Width() && r.Bottom <= FModel.MasterBitmap.Height();
}
