// Feeds arbitrary bytes to the bitmap and JPEG loaders and draws whatever loads, so the JPEG
// header walk and the decoding on first use both meet damaged data.
#include "framework/Exception.h"
#include "framework/TBitmap.h"
#include "framework/TCanvas.h"
#include "framework/TJPEGImage.h"
#include "framework/TMemoryStream.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const bool jpeg = (data[0] & 1) != 0;
    TMemoryStream stream(std::vector<std::uint8_t>(data + 1, data + size));
    TBitmap target(16, 16);
    try {
        if (jpeg) {
            TJPEGImage image;
            image.LoadFromStream(stream);
            target.Canvas()->StretchDraw({0, 0, 16, 16}, &image);
        } else {
            TBitmap image;
            image.LoadFromStream(stream);
            image.SetTransparent(true);
            target.Canvas()->StretchDraw({0, 0, 16, 16}, &image);
        }
    } catch (const Exception&) {
        // Refusing bad data is the expected outcome; anything else is a finding.
    }
    return 0;
}
