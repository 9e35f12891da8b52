// Turns a skin's sources into the members of its archive: the options text with every image
// reference replaced by its stored form, the master bitmap, separate bitmaps and JPEG images.
#pragma once

#include "tools/skingen/ImageDescription.h"
#include "tools/skingen/SkinSource.h"

#include "platform/gfx/Bitmap.h"
#include "skin/data/TacSkinPacker.h"

#include <string>
#include <vector>

struct GeneratedSkin {
    std::string DisplayName;
    std::vector<TacPackMember> Members; // "Options.dat" first
    std::vector<std::pair<std::string, Bitmap>> Pictures; // every bitmap drawn, for previews
};

class SkinGenerator {
public:
    static GeneratedSkin Generate(const SkinSource& source);

private:
    // The images the sections refer to, in order of first reference.
    static std::vector<std::string> ReferencedImages(const SkinSource& source);
    // The value text of an image placed at "place" (in the master bitmap or its own file).
    static std::string ValueText(const ImageDescription& spec, const TRect& place);
    static std::string OptionsText(const SkinSource& source, const std::vector<std::string>& names,
                                   const std::vector<std::string>& values);
    static std::vector<std::uint8_t> EncodeBitmap(Bitmap bitmap, const std::string& what);
};
