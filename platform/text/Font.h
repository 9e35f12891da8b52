// Fonts by family, size, style and character set; matched through fontconfig, cached for good.
#pragma once

#include <memory>
#include <string>

// Character sets and weights, with the Win32 numbers.
enum : int { ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, SYMBOL_CHARSET = 2, RUSSIAN_CHARSET = 204, OEM_CHARSET = 255 };
enum : int { FW_NORMAL = 400, FW_BOLD = 700 };

// What a caller asks for. Height < 0 is the character height in pixels (the usual form, from a
// point size); Height > 0 is the cell height (character height plus internal leading).
// Escapement turns the baseline counter-clockwise in tenths of a degree, to the nearest quarter
// turn; the glyphs turn with it whatever Orientation says, which is kept for callers only.
struct TLogFont {
    std::string FaceName = "MS Sans Serif";
    int Height = -11;
    int Weight = FW_NORMAL;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    int CharSet = DEFAULT_CHARSET;
    int Escapement = 0;
    int Orientation = 0;

    friend bool operator==(const TLogFont&, const TLogFont&) = default;
};

// The height for a point size on a 96 DPI screen (negative: character height).
int PointsToHeight(int points);
// The point size of a height, the inverse of PointsToHeight.
int HeightToPoints(int height);

struct TTextMetric {
    int tmHeight = 0;
    int tmAscent = 0;
    int tmDescent = 0;
    int tmInternalLeading = 0;
    int tmExternalLeading = 0;
    int tmAveCharWidth = 0;
    int tmMaxCharWidth = 0;
    int tmWeight = FW_NORMAL;
};

class FontFace; // the rasteriser's side: FreeType face, glyph cache

// A font is immutable and lives until the program ends; Font::Get returns the same object for the
// same description, so comparing pointers compares fonts.
class Font {
public:
    static const Font* Get(const TLogFont& logFont);
    // The default GUI font ("MS Sans Serif", 8 points).
    static const Font* Default();

    const TLogFont& LogFont() const { return FLogFont; }
    // The installed family that answered the request (for example "Liberation Serif").
    const std::string& MatchedFamily() const;
    const TTextMetric& Metrics() const;
    FontFace& Face() const { return *FFace; }

    Font(const TLogFont& logFont, std::unique_ptr<FontFace> face);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

private:
    TLogFont FLogFont;
    std::unique_ptr<FontFace> FFace;
};

using HFONT = const Font*;
