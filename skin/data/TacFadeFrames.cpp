// Mixing two pictures row by row for a cross-fade frame.
#include "skin/data/TacFadeFrames.h"

#include <algorithm>

int TacFadeFrames::OldWeight(int time, int frame) {
    const int steps = time / 8;
    if (steps <= 0) return 0;
    return std::max(0, 255 - frame * (255 / steps));
}

void TacFadeFrames::Mix(const Bitmap& oldPicture, const Bitmap& newPicture, int weight, Bitmap& out) {
    const int width = std::min({oldPicture.Width(), newPicture.Width(), out.Width()});
    const int height = std::min({oldPicture.Height(), newPicture.Height(), out.Height()});
    const int bytes = width * 3;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* o = oldPicture.ScanLine(y);
        const std::uint8_t* n = newPicture.ScanLine(y);
        std::uint8_t* d = out.ScanLine(y);
        for (int i = 0; i < bytes; ++i) {
            const int value = n[i] + weight * (o[i] - n[i]) / 256;
            d[i] = static_cast<std::uint8_t>(std::clamp(value, 0, 255));
        }
    }
}
