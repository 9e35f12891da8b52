// A font description with change notification; Handle() gives the platform font it names.
#pragma once

#include "framework/TGraphicsObject.h"
#include "framework/TSet.h"

#include "platform/gfx/Color.h"
#include "platform/text/Font.h"

#include <string>

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };

// Size is in points and Height in pixels (negative: the character height), two views of one
// value at 96 pixels per inch. The default is the platform's GUI font: "MS Sans Serif", 8 points,
// clWindowText. Pitch is kept for callers but does not change the platform font: fontconfig picks
// the family by name.
class TFont : public TGraphicsObject {
public:
    static constexpr int PixelsPerInch = 96;

    TFont();
    std::string ClassName() const override { return "TFont"; }

    const std::string& Name() const { return FLogFont.FaceName; }
    void SetName(const std::string& name);
    int Size() const { return HeightToPoints(FLogFont.Height); }
    void SetSize(int points);
    int Height() const { return FLogFont.Height; }
    void SetHeight(int height);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    TFontStyles Style() const;
    void SetStyle(TFontStyles style);
    int Charset() const { return FLogFont.CharSet; }
    void SetCharset(int charset);
    // The angle of the baseline in tenths of a degree, counter-clockwise; the glyphs turn with
    // it. Text is drawn at the nearest quarter turn.
    int Orientation() const { return FLogFont.Escapement; }
    void SetOrientation(int tenths);
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch pitch);

    // The platform font for the current description, looked up again only after a change.
    const Font* Handle() const;
    const TLogFont& LogFont() const { return FLogFont; }

    void Assign(const TPersistent* source) override;

protected:
    void Changed() override;

private:
    void SetLogFont(const TLogFont& logFont);

    TLogFont FLogFont;
    TColor FColor = clWindowText;
    TFontPitch FPitch = fpDefault;
    mutable const Font* FHandle = nullptr;
};
