// Font properties mapped onto the platform's logical font.
#include "framework/TFont.h"

TFont::TFont() {
    FLogFont.FaceName = "MS Sans Serif";
    FLogFont.Height = PointsToHeight(8);
}

void TFont::Changed() {
    FHandle = nullptr;
    TGraphicsObject::Changed();
}

void TFont::SetLogFont(const TLogFont& logFont) {
    if (logFont == FLogFont) return;
    FLogFont = logFont;
    Changed();
}

void TFont::SetName(const std::string& name) {
    TLogFont logFont = FLogFont;
    logFont.FaceName = name;
    SetLogFont(logFont);
}

void TFont::SetSize(int points) {
    SetHeight(PointsToHeight(points));
}

void TFont::SetHeight(int height) {
    TLogFont logFont = FLogFont;
    logFont.Height = height;
    SetLogFont(logFont);
}

void TFont::SetColor(TColor color) {
    if (color == FColor) return;
    FColor = color;
    Changed();
}

TFontStyles TFont::Style() const {
    TFontStyles style;
    if (FLogFont.Weight >= FW_BOLD) style.Include(fsBold);
    if (FLogFont.Italic) style.Include(fsItalic);
    if (FLogFont.Underline) style.Include(fsUnderline);
    if (FLogFont.StrikeOut) style.Include(fsStrikeOut);
    return style;
}

void TFont::SetStyle(TFontStyles style) {
    TLogFont logFont = FLogFont;
    logFont.Weight = style.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    logFont.Italic = style.Contains(fsItalic);
    logFont.Underline = style.Contains(fsUnderline);
    logFont.StrikeOut = style.Contains(fsStrikeOut);
    SetLogFont(logFont);
}

void TFont::SetCharset(int charset) {
    TLogFont logFont = FLogFont;
    logFont.CharSet = charset;
    SetLogFont(logFont);
}

void TFont::SetOrientation(int tenths) {
    TLogFont logFont = FLogFont;
    logFont.Escapement = tenths;
    logFont.Orientation = tenths;
    SetLogFont(logFont);
}

void TFont::SetPitch(TFontPitch pitch) {
    if (pitch == FPitch) return;
    FPitch = pitch;
    Changed();
}

const Font* TFont::Handle() const {
    if (!FHandle) FHandle = Font::Get(FLogFont);
    return FHandle;
}

void TFont::Assign(const TPersistent* source) {
    const auto* font = dynamic_cast<const TFont*>(source);
    if (!font) {
        TGraphicsObject::Assign(source);
        return;
    }
    if (font->FLogFont == FLogFont && font->FColor == FColor && font->FPitch == FPitch) return;
    FLogFont = font->FLogFont;
    FColor = font->FColor;
    FPitch = font->FPitch;
    Changed();
}
