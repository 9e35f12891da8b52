// A picture held as a 24- or 32-bit device-independent bitmap, with a canvas to draw on it.
#pragma once

#include "framework/TGraphic.h"

#include "platform/gfx/Bitmap.h"

#include <cstdint>
#include <memory>

constexpr TPixelFormat pf24bit = TPixelFormat::pf24bit;
constexpr TPixelFormat pf32bit = TPixelFormat::pf32bit;

enum TTransparentMode { tmAuto, tmFixed };

// Width and Height may be set one at a time: the pixels exist once both are above 0, and a
// resize keeps the pixels that stay inside (new ones are black). Drawing through Canvas fires
// OnChange; writing through ScanLine does not (call Modified-aware code yourself).
//
// A transparent bitmap is drawn without its pixels of TransparentColor, which in tmAuto is the
// colour of the bottom-left pixel at the time of drawing.
class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(int width, int height, TPixelFormat format = pf24bit);
    ~TBitmap() override;
    std::string ClassName() const override { return "TBitmap"; }

    int Width() const override { return FWidth; }
    void SetWidth(int width) override { SetSize(width, FHeight); }
    int Height() const override { return FHeight; }
    void SetHeight(int height) override { SetSize(FWidth, height); }
    void SetSize(int width, int height);
    bool Empty() const override { return FImage.Empty(); }

    TPixelFormat PixelFormat() const { return FImage.Format(); }
    void SetPixelFormat(TPixelFormat format);
    // Row y, top row 0; EInvalidGraphicOperation "Scan line index out of range" outside.
    std::uint8_t* ScanLine(int y);
    const std::uint8_t* ScanLine(int y) const;

    TCanvas* Canvas();

    TColor TransparentColor() const;
    // clDefault goes back to tmAuto; any other colour fixes it (tmFixed).
    void SetTransparentColor(TColor color);
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode mode);

    // The pixels themselves, for the platform's drawing and blending routines.
    const ::Bitmap& Image() const { return FImage; }
    ::Bitmap& Image() { return FImage; }
    // Takes the pixels over, with their size and format.
    void SetImage(::Bitmap image);

    void Draw(TCanvas& canvas, const TRect& rect) const override;
    // BMP files of 1, 4, 8, 24 or 32 bits; saved as 24 bits.
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) const override;
    std::unique_ptr<TGraphic> Clone() const override;
    // From another TBitmap, from a TJPEGImage (decoded), or nullptr for an empty bitmap.
    void Assign(const TPersistent* source) override;

private:
    void ImageReplaced();
    void DrawTransparent(TCanvas& canvas, const TRect& rect) const;

    ::Bitmap FImage;
    int FWidth = 0;
    int FHeight = 0;
    TColor FTransparentColor = clDefault;
    TTransparentMode FTransparentMode = tmAuto;
    std::unique_ptr<TCanvas> FCanvas;
};
