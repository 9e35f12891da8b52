// The order of building a skin model.
#include "skin/data/TacSkinLoader.h"

#include "skin/data/TacImageBuilder.h"
#include "skin/data/TacPatternBuilder.h"
#include "skin/data/TacSectionBuilder.h"
#include "skin/data/TacSkinRecolor.h"

void BuildSkin(TsSkinModel& model, const TacSkinOptions& options, const TacSkinImageSource& images,
               const TacSkinBuildSettings& settings, std::vector<std::string>* problems) {
    // Files named by common sections always come from the skin folder, never from an archive.
    TacSkinImageSource commonFiles = TacSkinImageSource::FromFolder(settings.SkinPath);
    const TacSkinOptions* common = settings.CommonSections;

    TacImageBuilder images1(model, problems);
    images1.LoadMaster(options, images);
    images1.AddImages(options, images);
    if (common) images1.AddImages(*common, commonFiles, true);

    TacPatternBuilder patterns(model, problems);
    patterns.Clear();
    patterns.AddJpegs(options, images);
    if (common) patterns.AddJpegs(*common, commonFiles, true);

    TacSectionBuilder sections(options, model, problems);
    sections.ReadSkinData();
    model.SkinData.SkinPath = settings.SkinPath;
    sections.BuildSections();
    if (common) sections.MergeCommonSections(*common);

    RecolorSkin(model, settings.HueOffset, settings.Saturation);
}
