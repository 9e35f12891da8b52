// Generation of one skin's archive members from its sources.
#include "tools/skingen/SkinGenerator.h"

#include "tools/skingen/AtlasPacker.h"
#include "tools/skingen/ImageRenderer.h"
#include "tools/skingen/PaletteQuantizer.h"

#include "platform/gfx/BmpWriter.h"
#include "platform/gfx/JpegWriter.h"
#include "skin/data/SkinText.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace {

constexpr int MasterWidth = 320;
constexpr const char* ImageRef = "{img:";

std::string Fixed(const char* format, std::initializer_list<int> values) {
    std::string out;
    char buffer[16];
    for (int value : values) {
        std::snprintf(buffer, sizeof buffer, format, value);
        out += buffer;
    }
    return out;
}

void CheckDigit(int value, const ImageDescription& spec, const char* what) {
    if (value < 0 || value > 9) throw std::runtime_error("image " + spec.Name + ": " + what + " must be 0..9 in this form");
}

void CopyInto(Bitmap& target, const Bitmap& image, int left, int top) {
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) target.SetPixel(left + x, top + y, image.Pixel(x, y));
    }
}

Bitmap Flatten(const ImageDescription& jpeg) {
    ImageDescription spec = jpeg;
    spec.States = 1;
    spec.MaskType = 0;
    return ImageRenderer::Render(spec);
}

} // namespace

GeneratedSkin SkinGenerator::Generate(const SkinSource& source) {
    GeneratedSkin skin;
    skin.DisplayName = source.DisplayName();
    std::vector<std::string> names = ReferencedImages(source);
    std::vector<ImageDescription> specs;
    std::vector<Bitmap> bitmaps;
    std::vector<TSize> masterSizes;
    for (const std::string& name : names) {
        specs.push_back(source.Image(name));
        bitmaps.push_back(ImageRenderer::Render(specs.back()));
        if (specs.back().InMaster()) masterSizes.push_back(bitmaps.back().Size());
    }
    AtlasPacker packer(MasterWidth);
    std::vector<TRect> places = packer.Place(masterSizes);
    Bitmap master(packer.Width(), packer.Height());
    master.Fill(RGB(255, 0, 255));
    std::vector<std::string> values;
    std::vector<TacPackMember> separate;
    for (std::size_t i = 0, inMaster = 0; i < specs.size(); ++i) {
        TRect place = bitmaps[i].BoundsRect();
        if (specs[i].InMaster()) {
            place = places[inMaster++];
            CopyInto(master, bitmaps[i], place.Left, place.Top);
        } else if (std::none_of(separate.begin(), separate.end(), [&](const auto& m) { return m.Name == specs[i].File; })) {
            separate.push_back({specs[i].File, EncodeBitmap(bitmaps[i], specs[i].File)});
            skin.Pictures.emplace_back(specs[i].File, bitmaps[i]);
        }
        values.push_back(ValueText(specs[i], place));
    }
    std::string options = OptionsText(source, names, values);
    skin.Members.push_back({"Options.dat", {options.begin(), options.end()}});
    std::sort(separate.begin(), separate.end(), [](const auto& a, const auto& b) { return UpperCaseAscii(a.Name) < UpperCaseAscii(b.Name); });
    for (auto& member : separate) skin.Members.push_back(std::move(member));
    skin.Members.push_back({source.MasterFile(), EncodeBitmap(master, source.MasterFile())});
    skin.Pictures.emplace_back(source.MasterFile(), master);
    for (const JpegSpec& jpeg : source.Jpegs()) {
        Bitmap picture = Flatten(jpeg.Image);
        skin.Members.push_back({jpeg.File, JpegWriter::Encode(picture, jpeg.Quality)});
        skin.Pictures.emplace_back(jpeg.File, std::move(picture));
    }
    return skin;
}

std::vector<std::string> SkinGenerator::ReferencedImages(const SkinSource& source) {
    std::vector<std::string> names;
    for (const SourceSection& section : source.Sections()) {
        for (const auto& [key, value] : section.Keys) {
            for (std::size_t at = value.find(ImageRef); at != std::string::npos; at = value.find(ImageRef, at + 1)) {
                std::size_t end = value.find('}', at);
                std::string name = value.substr(at + 5, end - at - 5);
                if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
            }
        }
    }
    return names;
}

std::string SkinGenerator::ValueText(const ImageDescription& spec, const TRect& r) {
    CheckDigit(spec.States, spec, "states");
    CheckDigit(spec.MaskType, spec, "mask");
    switch (spec.Form) {
    case ImageForm::ifBorders:
        CheckDigit(spec.DrawMode, spec, "mode");
        CheckDigit(spec.BorderWidth, spec, "border");
        return Fixed("^%04d", {r.Left, r.Top, r.Right, r.Bottom, spec.Frame[0], spec.Frame[1], spec.Frame[2], spec.Frame[3]}) +
               Fixed("^%d", {spec.States, spec.MaskType, spec.DrawMode, spec.BorderWidth});
    case ImageForm::ifGlyph:
        return Fixed("@%04d", {r.Left, r.Top, r.Right, r.Bottom}) + Fixed("@%d", {spec.States, spec.MaskType});
    case ImageForm::ifTexture:
        if (spec.DrawMode < 0 || spec.DrawMode > 99) throw std::runtime_error("image " + spec.Name + ": mode must be 0..99");
        return Fixed("~%04d", {r.Left, r.Top, r.Right, r.Bottom}) + Fixed("~%02d", {spec.DrawMode}) + Fixed("~%d", {spec.MaskType});
    case ImageForm::ifSeparate: {
        std::string text = "!" + UpperCaseAscii(spec.File) + Fixed("!%d", {spec.States, spec.MaskType, spec.SeparateType});
        if (spec.Frame != std::array<int, 4>{}) text += Fixed("!%04d", {spec.Frame[0], spec.Frame[1], spec.Frame[2], spec.Frame[3]});
        return text;
    }
    case ImageForm::ifPlainFile:
        if (spec.States != 3 || spec.MaskType != 1) throw std::runtime_error("image " + spec.Name + ": a plain file image has 3 states and an alpha mask");
        return spec.File;
    }
    return {};
}

std::string SkinGenerator::OptionsText(const SkinSource& source, const std::vector<std::string>& names,
                                       const std::vector<std::string>& values) {
    std::string text = "; " + source.DisplayName() + ": generated by skingen from resources/skins/" + source.FolderName() + "\r\n";
    for (const SourceSection& section : source.Sections()) {
        text += "\r\n[" + section.Name + "]\r\n";
        for (auto [key, value] : section.Keys) {
            for (std::size_t i = 0; i < names.size(); ++i) {
                std::string token = ImageRef + names[i] + "}";
                for (std::size_t at = value.find(token); at != std::string::npos; at = value.find(token)) value.replace(at, token.size(), values[i]);
            }
            text += key + "=" + value + "\r\n";
        }
    }
    return text;
}

std::vector<std::uint8_t> SkinGenerator::EncodeBitmap(Bitmap bitmap, const std::string& what) {
    PaletteQuantizer::ForSkins().Reduce(bitmap);
    std::vector<std::uint8_t> bytes = BmpWriter::Encode8(bitmap);
    if (bytes.empty()) throw std::runtime_error(what + ": could not be written as an 8-bit bitmap");
    return bytes;
}
