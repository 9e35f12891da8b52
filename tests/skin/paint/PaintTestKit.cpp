// Bitmaps and skins for the painting tests.
#include "tests/skin/paint/PaintTestKit.h"

#include "skin/data/TacSkinConvertor.h"
#include "skin/data/TacSkinLoader.h"
#include "skin/data/TacSkinPacker.h"

#include "platform/gfx/ImageFiles.h"

#include <stdexcept>

Bitmap Solid(int width, int height, TColor color) {
    Bitmap b(width, height);
    b.Fill(color);
    return b;
}

Bitmap Numbered(int width, int height) {
    Bitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            b.SetPixel(x, y,
                       RGB(x * 37 + y * 11, (x * 6 + y * 52) | 1, x * 19 + y * 29 + 7)); // never magenta
    return b;
}

std::vector<std::uint8_t> PackTestSkin(const std::string& options, const Bitmap& master,
                                       const std::vector<std::pair<std::string, Bitmap>>& files) {
    TacSkinPacker packer;
    packer.Add("Options.dat", options);
    packer.Add("MASTER.BMP", EncodeBmp24(master));
    for (const auto& [name, bitmap] : files) packer.Add(name, EncodeBmp24(bitmap));
    return packer.Pack();
}

void LoadTestSkin(TsSkinModel& model, const std::string& options, const Bitmap& master,
                  const std::vector<std::pair<std::string, Bitmap>>& files) {
    const std::vector<std::uint8_t> archive = PackTestSkin(options, master, files);
    TacSkinConvertor convertor;
    convertor.BorrowSource(archive);
    if (!convertor.ReadPackedData()) throw std::runtime_error("test archive unreadable");
    std::vector<std::string> problems;
    BuildSkin(model, TacSkinOptions(convertor.Options()), TacSkinImageSource::FromArchive(&convertor), {},
              &problems);
    if (!problems.empty()) throw std::runtime_error("test skin: " + problems.front());
}
