// Hint markup layout.
#include "skin/hints/TsHtml.h"

#include "skin/data/SkinText.h"
#include "skin/hints/HtmlColors.h"

#include "framework/SysUtils.h"
#include "framework/TCanvas.h"

#include <algorithm>
#include <optional>

namespace {
constexpr std::string_view kAttributeSeparators = " \r\n\"<=>";
constexpr int kLineGap = 2;
// Sizes past these would only make the canvas draw glyphs no hint can hold.
constexpr int kMinFontSize = 1;
constexpr int kMaxFontSize = 96;

// A name stands at a position (0-based here) when its first occurrence in the tag starts there.
bool NameAt(std::string_view tag, std::string_view name, std::size_t position) {
    return tag.find(name) == position;
}
} // namespace

void TsHtml::Prepare(TBitmap* bitmap, const std::string& text, const TRect& rect) {
    FCanvas = bitmap->Canvas();
    FText = text;
    FUpper = UpperCaseAscii(text);
    FRect = rect;
    FX = rect.Left;
    FY = rect.Top;
    FWidestLine = FLineWidth = FLineHeight = FTotalHeight = 0;
    FAlignment = taLeftJustify;
}

TRect TsHtml::Render() {
    std::size_t runStart = 0;
    std::size_t i = 0;
    while (i < FText.size()) {
        if (FText[i] != '<') {
            ++i;
            continue;
        }
        if (i + 1 < FText.size() && FText[i + 1] == '<') {
            DrawRun(runStart, i);
            runStart = i + 1; // the second "<" starts the next run and is drawn as it stands
            i += 2;
            continue;
        }
        DrawRun(runStart, i);
        const std::size_t close = FUpper.find('>', i);
        if (close == std::string::npos) {
            runStart = i = FText.size(); // an unclosed tag ends the pass here
            break;
        }
        ApplyTag(std::string_view(FUpper).substr(i, close - i + 1));
        runStart = i = close + 1;
    }
    DrawRun(runStart, FText.size());
    FWidestLine = std::max(FWidestLine, FLineWidth);
    FTotalHeight = FY + FLineHeight;
    return {0, 0, FWidestLine, FTotalHeight};
}

void TsHtml::DrawRun(std::size_t from, std::size_t to) {
    std::string run;
    run.reserve(to - from);
    for (std::size_t i = from; i < to; ++i)
        if (FText[i] != '\r' && FText[i] != '\n') run += FText[i];
    if (run.empty()) return;
    FCanvas->TextOut(FX, FY, run);
    FX += FCanvas->TextWidth(run);
    FLineWidth = FX;
    FLineHeight = std::max(FLineHeight, FCanvas->TextHeight("X"));
}

void TsHtml::NewLine() {
    FX = FRect.Left;
    FY += FLineHeight + kLineGap;
    FWidestLine = std::max(FWidestLine, FLineWidth);
    FLineWidth = FLineHeight = 0;
}

void TsHtml::ApplyTag(std::string_view tag) {
    if (NameAt(tag, "/", 1)) {
        ApplyClosingTag(tag);
    } else if (NameAt(tag, "BR", 1)) {
        NewLine();
    } else if (NameAt(tag, "B", 1)) {
        SetStyle(fsBold, true);
    } else if (NameAt(tag, "I", 1)) {
        SetStyle(fsItalic, true);
    } else if (NameAt(tag, "P", 1)) {
        NewLine();
        ReadAlignment(tag);
    } else if (NameAt(tag, "FONT", 1)) {
        PushFont();
        ApplyFontAttributes(tag);
    }
}

void TsHtml::ApplyClosingTag(std::string_view tag) {
    if (NameAt(tag, "B", 2))
        SetStyle(fsBold, false);
    else if (NameAt(tag, "I", 2))
        SetStyle(fsItalic, false);
    else if (NameAt(tag, "FONT", 2))
        PopFont();
}

void TsHtml::SetStyle(TFontStyle style, bool on) {
    TFontStyles styles = FCanvas->Font()->Style();
    if (on)
        styles.Include(style);
    else
        styles.Exclude(style);
    FCanvas->Font()->SetStyle(styles);
}

void TsHtml::PushFont() {
    auto copy = std::make_unique<TFont>();
    copy->Assign(FCanvas->Font());
    FFontStack.push_back(std::move(copy));
}

void TsHtml::PopFont() {
    if (FFontStack.empty()) return;
    FCanvas->Font()->Assign(FFontStack.back().get());
    FFontStack.pop_back();
}

void TsHtml::ApplyFontAttributes(std::string_view tag) {
    const std::vector<std::string_view> words = SplitWords(tag, kAttributeSeparators);
    for (std::size_t i = 0; i < words.size(); ++i) {
        const bool hasValue = i + 1 < words.size();
        if (words[i] == "SIZE" && hasValue)
            ApplyFontSize(words[i + 1]);
        else if (words[i] == "COLOR" && hasValue)
            FCanvas->Font()->SetColor(HtmlColorValue(words[i + 1]));
        else if (words[i] == "FACE")
            ApplyFontFace(tag);
    }
}

// "+n" and "-n" change the size, a plain number sets it; a value that is not a number is ignored.
void TsHtml::ApplyFontSize(std::string_view value) {
    if (value.empty()) return;
    const bool relative = value.front() == '+' || value.front() == '-';
    std::optional<int> number = TryStrToInt(value.front() == '+' ? value.substr(1) : value);
    if (!number) return;
    const long long size = relative ? static_cast<long long>(FCanvas->Font()->Size()) + *number : *number;
    FCanvas->Font()->SetSize(static_cast<int>(std::clamp<long long>(size, kMinFontSize, kMaxFontSize)));
}

void TsHtml::ApplyFontFace(std::string_view tag) {
    const std::size_t word = tag.find("FACE");
    const std::size_t open = tag.find('"', word);
    if (open == std::string_view::npos) return;
    const std::size_t close = tag.find('"', open + 1);
    if (close == std::string_view::npos || close == open + 1) return;
    FCanvas->Font()->SetName(std::string(tag.substr(open + 1, close - open - 1)));
}

// The paragraph's alignment is kept but does not move the text.
void TsHtml::ReadAlignment(std::string_view tag) {
    if (tag.find("CENTER") != std::string_view::npos)
        FAlignment = taCenter;
    else if (tag.find("RIGHT") != std::string_view::npos)
        FAlignment = taRightJustify;
    else if (tag.find("LEFT") != std::string_view::npos)
        FAlignment = taLeftJustify;
}
