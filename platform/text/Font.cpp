// The process-wide font table: one Font object per description, created on first request.
#include "platform/text/Font.h"

#include "platform/text/FontFace.h"
#include "platform/text/FontMatcher.h"

#include <cmath>
#include <memory>
#include <vector>

namespace {

// Fonts live until the program ends (pointers to them are compared and kept everywhere), so the
// table is never destroyed; the UI thread is its only user.
std::vector<std::unique_ptr<Font>>& FontTable() {
    static auto* table = new std::vector<std::unique_ptr<Font>>();
    return *table;
}

} // namespace

int PointsToHeight(int points) { return -static_cast<int>(std::lround(points * 96.0 / 72.0)); }

int HeightToPoints(int height) { return static_cast<int>(std::lround(std::abs(height) * 72.0 / 96.0)); }

const Font* Font::Get(const TLogFont& logFont) {
    auto& table = FontTable();
    for (const auto& font : table)
        if (font->FLogFont == logFont) return font.get();
    const int pixels = logFont.Height != 0 ? std::abs(logFont.Height) : -PointsToHeight(8);
    auto face = std::make_unique<FontFace>(FontMatcher::Match(logFont, pixels), logFont);
    table.push_back(std::make_unique<Font>(logFont, std::move(face)));
    return table.back().get();
}

const Font* Font::Default() {
    static const Font* font = Get(TLogFont{});
    return font;
}

Font::Font(const TLogFont& logFont, std::unique_ptr<FontFace> face) : FLogFont(logFont), FFace(std::move(face)) {}

Font::~Font() = default;

const std::string& Font::MatchedFamily() const { return FFace->Family(); }

const TTextMetric& Font::Metrics() const { return FFace->Metrics(); }
