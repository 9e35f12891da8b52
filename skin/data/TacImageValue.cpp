// Reading the fixed-width, "!"-separated, plain and legacy image forms.
#include "skin/data/TacImageValue.h"

#include "skin/data/SkinText.h"

#include <algorithm>

namespace {

// The integer at 1-based character positions [first, first + length).
bool FieldAt(std::string_view value, std::size_t first, std::size_t length, int& out, std::string& error) {
    if (!error.empty()) return false;
    std::string_view text = first - 1 < value.size() ? value.substr(first - 1, length) : std::string_view();
    if (text.size() == length && TryParseSkinInt(text, out)) return true;
    error = "characters " + std::to_string(first) + "-" + std::to_string(first + length - 1) + " are not a number";
    return false;
}

bool WordNumber(const std::vector<std::string_view>& words, std::size_t index, int& out, std::string& error) {
    if (!error.empty()) return false;
    if (index < words.size() && TryParseSkinInt(words[index], out)) return true;
    error = "field " + std::to_string(index + 1) + " is missing or not a number";
    return false;
}

// Such a rectangle shows nothing, but the entry stands: a lookup of its key finds it rather than
// falling through to a parent's image.
void CheckRect(TacImageValue& image) {
    const TRect& r = image.Mask.R;
    if (!image.Error.empty()) return;
    if (r.Right <= r.Left || r.Bottom <= r.Top) {
        image.Flaw = "the rectangle is empty or inverted";
    } else if (r.Left < 0 || r.Top < 0) {
        image.Flaw = "the rectangle starts left of or above the master bitmap";
    }
}

void ReadBorders(std::string_view value, TacImageValue& image) {
    TsMaskData& m = image.Mask;
    std::string& e = image.Error;
    FieldAt(value, 2, 4, m.R.Left, e); FieldAt(value, 7, 4, m.R.Top, e);
    FieldAt(value, 12, 4, m.R.Right, e); FieldAt(value, 17, 4, m.R.Bottom, e);
    FieldAt(value, 22, 4, m.WL, e); FieldAt(value, 27, 4, m.WT, e);
    FieldAt(value, 32, 4, m.WR, e); FieldAt(value, 37, 4, m.WB, e);
    FieldAt(value, 42, 1, m.ImageCount, e); FieldAt(value, 44, 1, m.MaskType, e);
    FieldAt(value, 46, 1, m.DrawMode, e); FieldAt(value, 48, 1, m.BorderWidth, e);
    m.ImgType = itisaBorder;
}

void ReadGlyph(std::string_view value, TacImageValue& image) {
    TsMaskData& m = image.Mask;
    std::string& e = image.Error;
    FieldAt(value, 2, 4, m.R.Left, e); FieldAt(value, 7, 4, m.R.Top, e);
    FieldAt(value, 12, 4, m.R.Right, e); FieldAt(value, 17, 4, m.R.Bottom, e);
    FieldAt(value, 22, 1, m.ImageCount, e); FieldAt(value, 24, 1, m.MaskType, e);
    m.ImgType = itisaGlyph;
}

void ReadTexture(std::string_view value, TacImageValue& image) {
    TsMaskData& m = image.Mask;
    std::string& e = image.Error;
    FieldAt(value, 2, 4, m.R.Left, e); FieldAt(value, 7, 4, m.R.Top, e);
    FieldAt(value, 12, 4, m.R.Right, e); FieldAt(value, 17, 4, m.R.Bottom, e);
    FieldAt(value, 22, 2, m.DrawMode, e);
    m.MaskType = 0;
    if (value.size() >= 25) FieldAt(value, 25, 1, m.MaskType, e);
    m.ImageCount = 1;
    m.ImgType = itisaTexture;
}

void ReadSeparate(std::string_view value, TacImageValue& image) {
    std::vector<std::string_view> words = SplitWords(value, "!");
    TsMaskData& m = image.Mask;
    if (words.empty() || words[0].find(".BMP") == std::string_view::npos) {
        image.Error = "the file name does not contain \".BMP\" in capitals";
        return;
    }
    image.FileName = std::string(words[0]);
    int type = 0;
    WordNumber(words, 1, m.ImageCount, image.Error); WordNumber(words, 2, m.MaskType, image.Error);
    WordNumber(words, 3, type, image.Error);
    if (image.Error.empty() && (type < itisaBorder || type > itisaGlyph)) image.Error = "the image type is not 0, 1 or 2";
    m.ImgType = static_cast<TacImgType>(type);
    m.DrawMode = 4;
    if (words.size() >= 5) {
        image.ExplicitWidths = true;
        int* widths[] = {&m.WL, &m.WT, &m.WR, &m.WB};
        for (std::size_t i = 0; i < 4; ++i) {
            if (4 + i < words.size()) WordNumber(words, 4 + i, *widths[i], image.Error);
        }
    }
}

// "name (l, t, r, b) (count, mask type, border width, draw mode)" with words split at blanks and
// brackets and numbers at blanks and commas.
void ReadLegacy(std::string_view key, std::string_view value, TacImageValue& image) {
    std::vector<std::string_view> words = SplitWords(value, " ()");
    TsMaskData& m = image.Mask;
    std::vector<std::string_view> rect = words.size() > 1 ? SplitWords(words[1], " ,") : std::vector<std::string_view>();
    std::vector<std::string_view> counts = words.size() > 2 ? SplitWords(words[2], " ,") : std::vector<std::string_view>();
    WordNumber(rect, 0, m.R.Left, image.Error); WordNumber(rect, 1, m.R.Top, image.Error);
    WordNumber(rect, 2, m.R.Right, image.Error); WordNumber(rect, 3, m.R.Bottom, image.Error);
    WordNumber(counts, 0, m.ImageCount, image.Error); WordNumber(counts, 1, m.MaskType, image.Error);
    if (!image.Error.empty()) return;
    m.MaskType = std::max(m.MaskType, 0);
    if (counts.size() < 3 || !TryParseSkinInt(counts[2], m.BorderWidth)) m.BorderWidth = 0;
    m.BorderWidth = std::max(m.BorderWidth, 0);
    std::string upperKey = UpperCaseAscii(key);
    if (upperKey == "PATTERN" || upperKey == "HOTPATTERN") {
        m.ImgType = itisaTexture;
        m.DrawMode = 0;
    } else {
        m.ImgType = itisaBorder;
        if (counts.size() < 4 || !TryParseSkinInt(counts[3], m.DrawMode)) m.DrawMode = 1;
    }
    ComputeFrameWidths(m);
}

void SetNames(TacImageValue& image, std::string_view section, std::string_view key, bool upper) {
    image.Mask.SectionName = upper ? UpperCaseAscii(section) : std::string(section);
    image.Mask.PropertyName = upper ? UpperCaseAscii(key) : std::string(key);
}

} // namespace

void ComputeFrameWidths(TsMaskData& mask) {
    if (mask.WL != 0 || mask.WT != 0 || mask.WR != 0 || mask.WB != 0) return;
    if (mask.BorderWidth != 0) {
        mask.WL = mask.WT = mask.WR = mask.WB = mask.BorderWidth;
        return;
    }
    mask.WL = mask.WR = mask.R.Width() / (std::max(mask.ImageCount, 1) * 3);
    mask.WT = mask.WB = mask.R.Height() / ((std::max(mask.MaskType, 0) + 1) * 3);
}

TacImageValue ParseImageValue(std::string_view section, std::string_view key, std::string_view value) {
    TacImageValue image;
    if (value.empty()) return image;
    switch (value.front()) {
    case '^': image.Form = ifBorders; ReadBorders(value, image); break;
    case '@': image.Form = ifGlyph; ReadGlyph(value, image); break;
    case '~': image.Form = ifTexture; ReadTexture(value, image); break;
    case '!': image.Form = ifSeparate; ReadSeparate(value, image); break;
    default:
        if (value.find('#') == std::string_view::npos) {
            if (UpperCaseAscii(value).find(".BMP") == std::string::npos) return image;
            image.Form = ifPlainFile;
            image.FileName = UpperCaseAscii(value);
        } else if (value != "#") {
            image.Form = ifLegacy;
            ReadLegacy(key, value, image);
        }
    }
    image.Mask.ImageCount = std::max(image.Mask.ImageCount, 1);
    if (image.Mask.MaskType < 0 && image.Error.empty()) image.Error = "the mask type is negative";
    if (image.Form == ifBorders) ComputeFrameWidths(image.Mask);
    if (image.UsesMaster()) CheckRect(image);
    bool upper = image.Form == ifPlainFile || image.Form == ifLegacy;
    SetNames(image, section, key, upper);
    return image;
}

void FitImageToBitmap(TacImageValue& image, int width, int height) {
    TsMaskData& m = image.Mask;
    m.R = {0, 0, width, height};
    if (image.Form == ifPlainFile) {
        m.ImageCount = 3;
        m.MaskType = 1;
        m.ImgType = itisaBorder;
    }
    if (!image.ExplicitWidths) ComputeFrameWidths(m);
}
