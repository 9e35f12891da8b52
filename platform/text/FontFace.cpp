// FreeType faces: sizing by the request's height, classic text metrics, glyph rasterising.
#include "platform/text/FontFace.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

// Glyphs below this code are kept in a vector: ASCII, Latin-1 and Cyrillic.
constexpr char32_t kCommonCodes = 0x500;
// Height 0 asks for the default size: 8 points.
constexpr int kDefaultPixels = 11;

// One library for the process: faces are made and used on the UI thread only, and fonts live
// until the program ends, so it is never released.
FT_Library Library() {
    static FT_Library library = [] {
        FT_Library l = nullptr;
        if (FT_Init_FreeType(&l) != 0) throw std::runtime_error("FreeType cannot start");
        return l;
    }();
    return library;
}

int Scale(long units, int ppem, int unitsPerEm) {
    return static_cast<int>(std::lround(static_cast<double>(units) * ppem / unitsPerEm));
}

} // namespace

struct FontFace::Impl {
    FT_Face Face = nullptr;
    int Ppem = kDefaultPixels;
};

FontFace::FontFace(const TFontMatch& match, const TLogFont& logFont) : FMatch(match), FImpl(std::make_unique<Impl>()) {
    if (FT_New_Face(Library(), match.File.c_str(), match.Index, &FImpl->Face) != 0)
        throw std::runtime_error("cannot open font file " + match.File);
    FT_Face face = FImpl->Face;
    if (logFont.Height < 0) {
        FImpl->Ppem = -logFont.Height;
    } else if (logFont.Height > 0) {
        // A cell height: the character height is what remains after the internal leading.
        const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
        const long cell = (os2 && os2->usWinAscent + os2->usWinDescent > 0)
                              ? long{os2->usWinAscent} + os2->usWinDescent
                              : long{face->ascender} - face->descender;
        FImpl->Ppem = std::max(1, Scale(logFont.Height, face->units_per_EM, static_cast<int>(cell)));
    }
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(FImpl->Ppem)) != 0)
        throw std::runtime_error("cannot size font file " + match.File);
    if (match.Slant) {
        FT_Matrix shear{0x10000, 0x3800, 0, 0x10000}; // about 12 degrees
        FT_Set_Transform(face, &shear, nullptr);
    }
    ComputeMetrics(logFont);
}

FontFace::~FontFace() {
    if (FImpl && FImpl->Face) FT_Done_Face(FImpl->Face);
}

void FontFace::ComputeMetrics(const TLogFont& logFont) {
    FT_Face face = FImpl->Face;
    const int ppem = FImpl->Ppem;
    const int upem = face->units_per_EM;
    const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const TT_HoriHeader* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    const bool win = os2 && os2->usWinAscent + os2->usWinDescent > 0;
    const long ascent = win ? long{os2->usWinAscent} : long{face->ascender};
    const long descent = win ? long{os2->usWinDescent} : -long{face->descender};
    TTextMetric& m = FMetrics;
    m.tmAscent = Scale(ascent, ppem, upem);
    m.tmDescent = Scale(descent, ppem, upem);
    m.tmHeight = m.tmAscent + m.tmDescent;
    m.tmInternalLeading = std::max(0, m.tmHeight - ppem);
    if (hhea) {
        const long gap = long{hhea->Line_Gap} - ((ascent + descent) - (long{hhea->Ascender} - hhea->Descender));
        m.tmExternalLeading = std::max(0, Scale(gap, ppem, upem));
    }
    m.tmAveCharWidth = (os2 && os2->xAvgCharWidth > 0) ? Scale(os2->xAvgCharWidth, ppem, upem) : Advance(U'x');
    m.tmMaxCharWidth = Scale(face->max_advance_width, ppem, upem);
    m.tmWeight = logFont.Weight;

    const int thickness = std::max(1, Scale(face->underline_thickness, ppem, upem));
    FUnderline = {std::clamp(Scale(-face->underline_position, ppem, upem) - thickness / 2, 1,
                             std::max(1, m.tmDescent - thickness)),
                  thickness};
    const int strikeSize = os2 && os2->yStrikeoutSize > 0 ? std::max(1, Scale(os2->yStrikeoutSize, ppem, upem)) : thickness;
    const int strikePos = os2 && os2->yStrikeoutPosition > 0 ? Scale(os2->yStrikeoutPosition, ppem, upem) : ppem / 3;
    FStrikeOut = {-strikePos, strikeSize};
}

const TGlyph& FontFace::Glyph(char32_t code) {
    if (code < kCommonCodes) {
        if (FCommon.empty()) FCommon.resize(kCommonCodes);
        auto& slot = FCommon[code];
        if (!slot) slot = std::make_unique<TGlyph>(Rasterise(code));
        return *slot;
    }
    auto& slot = FOther[code];
    if (!slot) slot = std::make_unique<TGlyph>(Rasterise(code));
    return *slot;
}

TGlyph FontFace::Rasterise(char32_t code) {
    TGlyph glyph;
    if (code < 0x20) return glyph; // control characters take no room and show nothing
    FT_Face face = FImpl->Face;
    const FT_UInt index = FT_Get_Char_Index(face, code);
    if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0) return glyph;
    if (FMatch.Embolden) FT_GlyphSlot_Embolden(face->glyph);
    if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) return glyph;
    ++FRasterCount;
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.Advance = static_cast<int>((slot->advance.x + 32) >> 6);
    glyph.Left = slot->bitmap_left;
    glyph.Top = slot->bitmap_top;
    glyph.Width = static_cast<int>(bitmap.width);
    glyph.Height = static_cast<int>(bitmap.rows);
    glyph.Coverage.resize(static_cast<std::size_t>(glyph.Width) * glyph.Height);
    for (int y = 0; y < glyph.Height; ++y) {
        const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
        std::copy(row, row + glyph.Width, glyph.Coverage.begin() + static_cast<std::ptrdiff_t>(y) * glyph.Width);
    }
    return glyph;
}
