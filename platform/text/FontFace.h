// The rasteriser's side of a font: a FreeType face at one size, its metrics and a glyph cache.
#pragma once

#include "platform/text/Font.h"
#include "platform/text/FontMatcher.h"

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

// An antialiased glyph: 8-bit coverage, placed relative to the pen on the baseline.
struct TGlyph {
    int Advance = 0;
    int Left = 0;   // from the pen to the first column
    int Top = 0;    // from the baseline up to the first row
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Coverage; // Width x Height, top row first
};

// A line drawn under or through text: its top relative to the baseline (down is positive).
struct TTextLine {
    int Offset = 0;
    int Thickness = 1;
};

class FontFace {
public:
    // Throws std::runtime_error when the file cannot be opened or sized.
    FontFace(const TFontMatch& match, const TLogFont& logFont);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    const std::string& Family() const { return FMatch.Family; }
    const TTextMetric& Metrics() const { return FMetrics; }
    TTextLine Underline() const { return FUnderline; }
    TTextLine StrikeOut() const { return FStrikeOut; }

    // Rasterised on first use and kept; the reference stays valid while the face lives.
    const TGlyph& Glyph(char32_t code);
    int Advance(char32_t code) { return Glyph(code).Advance; }
    // How many glyphs this face has rasterised so far: a cache hit adds nothing.
    std::uint64_t RasterCount() const { return FRasterCount; }

private:
    struct Impl;
    void ComputeMetrics(const TLogFont& logFont);
    TGlyph Rasterise(char32_t code);

    TFontMatch FMatch;
    std::unique_ptr<Impl> FImpl;
    TTextMetric FMetrics;
    TTextLine FUnderline;
    TTextLine FStrikeOut;
    std::vector<std::unique_ptr<TGlyph>> FCommon; // Latin and Cyrillic, indexed by code
    std::unordered_map<char32_t, std::unique_ptr<TGlyph>> FOther;
    std::uint64_t FRasterCount = 0;
};
