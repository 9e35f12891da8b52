// A JPEG picture: kept as its compressed bytes and decoded to a bitmap when first drawn.
#pragma once

#include "framework/TGraphic.h"

#include <cstdint>
#include <memory>
#include <vector>

class TBitmap;

// Loading reads the image's header only, so Width and Height are known and data that is not a
// JPEG image is refused at once (EInvalidGraphic); the pixels are decoded on first use. Damage
// past the header is found then, and also throws EInvalidGraphic. The size is fixed by the data:
// SetWidth and SetHeight do nothing.
class TJPEGImage : public TGraphic {
public:
    TJPEGImage();
    ~TJPEGImage() override;
    std::string ClassName() const override { return "TJPEGImage"; }

    int Width() const override { return FWidth; }
    void SetWidth(int) override {}
    int Height() const override { return FHeight; }
    void SetHeight(int) override {}
    bool Empty() const override { return FData.empty(); }

    // The decoded picture (decoding now if not yet done).
    const TBitmap& Decoded() const;
    bool IsDecoded() const { return FDecoded != nullptr; }

    void Draw(TCanvas& canvas, const TRect& rect) const override;
    void LoadFromStream(TStream& stream) override;
    // Writes the compressed bytes as they were loaded.
    void SaveToStream(TStream& stream) const override;
    std::unique_ptr<TGraphic> Clone() const override;
    // From another TJPEGImage, or nullptr for an empty image.
    void Assign(const TPersistent* source) override;

protected:
    void AssignTo(TPersistent* destination) const override;

private:
    std::vector<std::uint8_t> FData;
    int FWidth = 0;
    int FHeight = 0;
    mutable std::unique_ptr<TBitmap> FDecoded;
};
