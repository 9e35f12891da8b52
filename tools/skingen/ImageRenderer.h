// Draws an image's states with its recipe and lays them out as the skin reader expects: states
// side by side, magenta where nothing is drawn, and for alpha images a grey mask band below
// (black shows the image, white keeps what lies under it).
#pragma once

#include "tools/skingen/ImageSpec.h"

#include "platform/gfx/Bitmap.h"

#include <vector>

class ImageRenderer {
public:
    static Bitmap Render(const ImageSpec& spec);

private:
    static std::vector<bool> Outside(const ImageSpec& spec, const std::uint8_t* argb, int stride);
    static void PutState(Bitmap& out, const ImageSpec& spec, int state, const std::uint8_t* argb, int stride);
};
