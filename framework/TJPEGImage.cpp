// JPEG pictures: header reading at load, decoding on first use through the platform's reader.
#include "framework/TJPEGImage.h"

#include "framework/Consts.h"
#include "framework/Exception.h"
#include "framework/TBitmap.h"
#include "framework/TStream.h"

#include "platform/gfx/ImageFiles.h"

namespace {

bool IsStartOfFrame(std::uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Walks the marker segments up to the frame header and reads the picture's size from it.
bool ReadJpegSize(const std::vector<std::uint8_t>& data, int& width, int& height) {
    if (data.size() < 4 || data[0] != 0xFF || data[1] != 0xD8) return false;
    std::size_t pos = 2;
    while (pos + 4 <= data.size()) {
        if (data[pos] != 0xFF) return false;
        const std::uint8_t marker = data[pos + 1];
        if (marker == 0xFF) { // fill byte
            ++pos;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) { // markers without a segment
            pos += 2;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA) return false; // image end or scan before any frame
        const std::size_t length = static_cast<std::size_t>(data[pos + 2]) << 8 | data[pos + 3];
        if (length < 2 || pos + 2 + length > data.size()) return false;
        if (IsStartOfFrame(marker)) {
            if (length < 7) return false;
            height = data[pos + 5] << 8 | data[pos + 6];
            width = data[pos + 7] << 8 | data[pos + 8];
            return width > 0 && height > 0;
        }
        pos += 2 + length;
    }
    return false;
}

} // namespace

TJPEGImage::TJPEGImage() = default;

TJPEGImage::~TJPEGImage() = default;

const TBitmap& TJPEGImage::Decoded() const {
    if (!FDecoded) {
        auto bitmap = std::make_unique<TBitmap>();
        if (!FData.empty()) {
            ::Bitmap image;
            if (!ReadJpeg(FData, image)) throw EInvalidGraphic(SInvalidJpeg);
            bitmap->SetImage(std::move(image));
        }
        FDecoded = std::move(bitmap);
    }
    return *FDecoded;
}

void TJPEGImage::Draw(TCanvas& canvas, const TRect& rect) const {
    if (Empty()) return;
    Decoded().Draw(canvas, rect);
}

void TJPEGImage::LoadFromStream(TStream& stream) {
    std::vector<std::uint8_t> data = stream.ReadRemaining();
    int width = 0, height = 0;
    if (!ReadJpegSize(data, width, height)) throw EInvalidGraphic(SInvalidJpeg);
    FData = std::move(data);
    FWidth = width;
    FHeight = height;
    FDecoded.reset();
    Changed();
}

void TJPEGImage::SaveToStream(TStream& stream) const {
    stream.WriteBuffer(FData.data(), FData.size());
}

std::unique_ptr<TGraphic> TJPEGImage::Clone() const {
    auto copy = std::make_unique<TJPEGImage>();
    copy->Assign(this);
    return copy;
}

void TJPEGImage::Assign(const TPersistent* source) {
    if (source == this) return;
    if (!source) {
        FData.clear();
        FWidth = FHeight = 0;
    } else if (const auto* jpeg = dynamic_cast<const TJPEGImage*>(source)) {
        FData = jpeg->FData;
        FWidth = jpeg->FWidth;
        FHeight = jpeg->FHeight;
    } else {
        TGraphic::Assign(source);
        return;
    }
    FDecoded.reset();
    Changed();
}

void TJPEGImage::AssignTo(TPersistent* destination) const {
    if (auto* bitmap = dynamic_cast<TBitmap*>(destination)) {
        bitmap->Assign(this);
        return;
    }
    TGraphic::AssignTo(destination);
}
