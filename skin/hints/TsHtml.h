// Lays out hint markup on a canvas: bold, italic, font changes and line breaks, drawing each run
// at a moving pen; the same pass measures the text and draws it.
#pragma once

#include "framework/ControlTypes.h"
#include "framework/TBitmap.h"
#include "framework/TFont.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TsHtml {
public:
    // Starts a pass on the bitmap's canvas (its font is the current font; its brush, as the
    // caller set it, is the text background). The pen starts at the rectangle's top-left.
    void Prepare(TBitmap* bitmap, const std::string& text, const TRect& rect);
    // Draws the text and returns (0, 0, right end of the widest line, bottom of the last line),
    // both in the canvas's coordinates.
    TRect Render();

private:
    void DrawRun(std::size_t from, std::size_t to);
    void NewLine();
    void ApplyTag(std::string_view tag);
    void ApplyClosingTag(std::string_view tag);
    void SetStyle(TFontStyle style, bool on);
    void PushFont();
    void PopFont();
    void ApplyFontAttributes(std::string_view tag);
    void ApplyFontSize(std::string_view value);
    void ApplyFontFace(std::string_view tag);
    void ReadAlignment(std::string_view tag);

    TCanvas* FCanvas = nullptr;
    std::string FText;
    std::string FUpper; // tags are found and read here; same byte positions as FText
    TRect FRect;
    int FX = 0;
    int FY = 0;
    int FWidestLine = 0;
    int FLineWidth = 0;
    int FLineHeight = 0;
    int FTotalHeight = 0;
    TAlignment FAlignment = taLeftJustify;
    std::vector<std::unique_ptr<TFont>> FFontStack;
};
