// Draws an image's states with its recipe and lays them out as the skin reader expects: states
// side by side, magenta where nothing is drawn, and for alpha images a grey mask band below
// (black shows the image, white keeps what lies under it).
#pragma once

#include "tools/skingen/ImageDescription.h"

#include "platform/gfx/Bitmap.h"

#include <vector>

class ImageRenderer {
public:
    static Bitmap Render(const ImageDescription& spec);

private:
    static std::vector<bool> Outside(const ImageDescription& spec, const std::uint8_t* argb, int stride);
    static void PutState(Bitmap& out, const ImageDescription& spec, int state, const std::uint8_t* argb, int stride);
};
