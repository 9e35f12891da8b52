// Hint composition.
#include "skin/hints/TacHintComposer.h"

#include <algorithm>

namespace {
bool IsWhite(const std::uint8_t* p) {
    return p[0] == 255 && p[1] == 255 && p[2] == 255;
}
} // namespace

Bitmap TacHintComposer::LayeredImage(const Bitmap& body, const Bitmap& mask, const Bitmap& work) {
    Bitmap image(body.Width(), body.Height(), TPixelFormat::pf32bit);
    const int height = std::min({body.Height(), mask.Height(), work.Height()});
    const int width = std::min({body.Width(), mask.Width(), work.Width()});
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* b = body.ScanLine(y);
        const std::uint8_t* m = mask.ScanLine(y);
        const std::uint8_t* w = work.ScanLine(y);
        std::uint8_t* out = image.ScanLine(y);
        for (int x = 0; x < width; ++x, b += 3, m += 3, w += 3, out += 4) {
            if (IsWhite(m)) {
                out[0] = out[1] = out[2] = 0;
                out[3] = static_cast<std::uint8_t>(255 - w[0]);
            } else {
                out[0] = b[0];
                out[1] = b[1];
                out[2] = b[2];
                out[3] = 255;
            }
        }
    }
    return image;
}

void TacHintComposer::Combine(Bitmap& work, const Bitmap& body, const Bitmap& mask) {
    const int height = std::min({body.Height(), mask.Height(), work.Height()});
    const int bytes = 3 * std::min({body.Width(), mask.Width(), work.Width()});
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* b = body.ScanLine(y);
        const std::uint8_t* m = mask.ScanLine(y);
        std::uint8_t* w = work.ScanLine(y);
        for (int i = 0; i < bytes; ++i) w[i] = static_cast<std::uint8_t>((m[i] * (w[i] - b[i]) + b[i] * 256) / 256);
    }
}
