// Reading and merging of a skin's sources.
#include "tools/skingen/SkinSource.h"

#include "skin/data/SkinFiles.h"
#include "skin/data/SkinText.h"
#include "skin/data/TacSkinOptions.h"

#include <algorithm>
#include <stdexcept>

namespace {

std::string ReadText(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(path, bytes)) throw std::runtime_error("cannot read " + path);
    return {bytes.begin(), bytes.end()};
}

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

int ToInt(const std::string& text, const std::string& where) {
    int value = 0;
    if (!TryParseSkinInt(TrimBlanks(text), value)) throw std::runtime_error(where + ": \"" + text + "\" is not a whole number");
    return value;
}

// "24x22" into width and height.
void ReadSize(const std::string& text, int& width, int& height, const std::string& where) {
    std::vector<std::string_view> parts = SplitWords(text, "x ");
    if (parts.size() != 2) throw std::runtime_error(where + ": size \"" + text + "\" is not WIDTHxHEIGHT");
    width = ToInt(std::string(parts[0]), where);
    height = ToInt(std::string(parts[1]), where);
    if (width < 1 || height < 1) throw std::runtime_error(where + ": empty size \"" + text + "\"");
}

ImageForm ReadForm(const std::string& text, const std::string& where) {
    if (text == "^") return ImageForm::ifBorders;
    if (text == "@") return ImageForm::ifGlyph;
    if (text == "~") return ImageForm::ifTexture;
    if (text == "!") return ImageForm::ifSeparate;
    if (text == "file") return ImageForm::ifPlainFile;
    throw std::runtime_error(where + ": form \"" + text + "\" is not one of ^ @ ~ ! file");
}

} // namespace

SkinSource::SkinSource(const std::string& sourcesDir, const std::string& skinDir) : FFolderName(skinDir) {
    std::string skinText = ReadText(sourcesDir + "/" + skinDir + "/Skin.txt");
    TacSkinOptions shared(ReadText(sourcesDir + "/Values.txt"));
    for (const TacOptionsKey& key : shared.Sections().at(0).Keys) FValues.Set(key.Key, key.Value);
    ReadSkinFile(skinText);
    TacSkinOptions images(ReadText(sourcesDir + "/Images.txt"));
    TacSkinOptions own(skinText);
    for (const TacOptionsSection& section : images.Sections()) {
        for (const TacOptionsKey& key : section.Keys) FImages[section.Name][key.Key] = key.Value;
    }
    for (const TacOptionsSection& section : own.Sections()) {
        if (!StartsWith(section.Name, "image ")) continue;
        std::string name = section.Name.substr(6);
        for (const TacOptionsKey& key : section.Keys) FImages[name][key.Key] = key.Value;
    }
    MergeSections(ReadText(sourcesDir + "/Sections.txt"), skinText);
}

void SkinSource::ReadSkinFile(const std::string& text) {
    TacSkinOptions own(text);
    FDisplayName = own.ReadString("skin", "name", FFolderName);
    FPacked = own.ReadString("skin", "output", "asz") != "folder";
    FMasterFile = own.ReadString("skin", "master", FMasterFile);
    for (const TacOptionsSection& section : own.Sections()) {
        if (section.Name == "values") {
            for (const TacOptionsKey& key : section.Keys) FValues.Set(key.Key, key.Value);
        }
    }
    for (const TacOptionsSection& section : own.Sections()) {
        if (!StartsWith(section.Name, "jpeg ")) continue;
        JpegSpec jpeg;
        jpeg.File = section.Name.substr(5);
        std::map<std::string, std::string> keys;
        for (const TacOptionsKey& key : section.Keys) keys[key.Key] = key.Value;
        std::string where = FFolderName + "/Skin.txt [" + section.Name + "]";
        jpeg.Quality = keys.count("quality") ? ToInt(keys["quality"], where) : 85;
        keys.erase("quality");
        jpeg.Image = MakeImage(section.Name, keys);
        jpeg.Width = jpeg.Image.Width;
        jpeg.Height = jpeg.Image.Height;
        FJpegs.push_back(std::move(jpeg));
    }
}

void SkinSource::MergeSections(const std::string& templateText, const std::string& skinText) {
    TacSkinOptions base(templateText);
    TacSkinOptions own(skinText);
    std::vector<TacOptionsSection> merged = base.Sections();
    for (const TacOptionsSection& section : own.Sections()) {
        if (section.Name == "skin" || section.Name == "values" || StartsWith(section.Name, "image ") ||
            StartsWith(section.Name, "jpeg ")) continue;
        auto target = std::find_if(merged.begin(), merged.end(), [&](const auto& s) { return SameTextAscii(s.Name, section.Name); });
        if (target == merged.end()) target = merged.insert(merged.end(), TacOptionsSection{section.Name, {}});
        for (const TacOptionsKey& key : section.Keys) {
            auto old = std::find_if(target->Keys.begin(), target->Keys.end(), [&](const auto& k) { return SameTextAscii(k.Key, key.Key); });
            if (old != target->Keys.end()) old->Value = key.Value;
            else target->Keys.push_back(key);
        }
    }
    for (const TacOptionsSection& section : merged) {
        SourceSection out{section.Name, {}};
        for (const TacOptionsKey& key : section.Keys) {
            if (key.Value.empty()) continue;
            out.Keys.emplace_back(key.Key, FValues.Expand(key.Value, FFolderName + " [" + section.Name + "] " + key.Key));
        }
        FSections.push_back(std::move(out));
    }
}

ImageDescription SkinSource::Image(const std::string& name) const {
    auto found = FImages.find(name);
    if (found == FImages.end()) throw std::runtime_error(FFolderName + ": no image \"" + name + "\" in Images.txt");
    return MakeImage(name, found->second);
}

ImageDescription SkinSource::MakeImage(const std::string& name, const std::map<std::string, std::string>& raw) const {
    std::string where = FFolderName + " image " + name;
    std::map<std::string, std::string> keys;
    for (const auto& [key, value] : raw) keys[key] = FValues.Expand(value, where + " " + key);
    ImageDescription spec;
    spec.Name = name;
    auto take = [&](const std::string& key, const std::string& fallback) {
        auto it = keys.find(key);
        std::string value = it == keys.end() ? fallback : it->second;
        if (it != keys.end()) keys.erase(it);
        return value;
    };
    spec.Recipe = take("recipe", "");
    ReadSize(take("size", ""), spec.Width, spec.Height, where);
    spec.States = ToInt(take("states", "1"), where);
    spec.MaskType = take("mask", "alpha") == "key" ? 0 : 1;
    spec.Form = ReadForm(take("form", "^"), where);
    spec.File = take("file", "");
    spec.SeparateType = ToInt(take("type", "0"), where);
    spec.DrawMode = ToInt(take("mode", "0"), where);
    spec.BorderWidth = ToInt(take("border", "0"), where);
    const std::string frameText = take("frame", "0,0,0,0"); // the words below point into it
    std::vector<std::string_view> frame = SplitWords(frameText, ", ");
    if (frame.size() != 4) throw std::runtime_error(where + ": frame needs four widths (left, top, right, bottom)");
    for (int i = 0; i < 4; ++i) spec.Frame[static_cast<std::size_t>(i)] = ToInt(std::string(frame[static_cast<std::size_t>(i)]), where);
    if (spec.States < 1 || spec.States > 9) throw std::runtime_error(where + ": states must be 1..9");
    spec.Params = RecipeParams(where, std::move(keys));
    return spec;
}
