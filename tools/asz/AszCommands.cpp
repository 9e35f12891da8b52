// list, unpack, pack and check on top of the skin data library.
#include "tools/asz/AszCommands.h"
#include "tools/asz/AszSources.h"

#include "skin/data/SkinFiles.h"
#include "skin/data/SkinText.h"
#include "skin/data/SkinWarning.h"
#include "skin/data/TacSectionBuilder.h"
#include "skin/data/TacSkinConvertor.h"
#include "skin/data/TacSkinLoader.h"
#include "skin/data/TacSkinPacker.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// Reads an archive; damage is reported on err by the warning handler in force.
bool ReadArchive(const std::string& path, TacSkinConvertor& convertor, std::ostream& err) {
    std::vector<std::uint8_t> bytes;
    if (!ReadArchiveBytes(path, bytes)) {
        err << "asz: cannot read " << path << "\n";
        return false;
    }
    convertor.AttachSource(std::move(bytes));
    bool sound = convertor.ReadPackedData();
    convertor.DetachSource();
    return sound || !convertor.Members().empty();
}

bool WriteBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes, std::ostream& err) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (file) return true;
    err << "asz: cannot write " << path.string() << "\n";
    return false;
}

// A member name is written only as a plain file name inside the target folder.
bool SafeMemberName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\") == std::string::npos &&
           name.find('\0') == std::string::npos;
}

// The stored name of the options member that was taken (the last one, in any letter case).
std::string OptionsMemberName(const TacSkinConvertor& convertor) {
    std::string name = "Options.dat";
    for (const TacMemberInfo& member : convertor.Members()) {
        if (SameTextAscii(member.Name, name)) name = member.Name;
    }
    return name;
}

int Report(const std::vector<std::string>& problems, std::ostream& out) {
    for (const std::string& problem : problems) out << problem << "\n";
    out << (problems.empty() ? "no problems found" : std::to_string(problems.size()) + " problem(s)") << "\n";
    return problems.empty() ? 0 : 1;
}

} // namespace

int AszList(const std::string& archive, std::ostream& out, std::ostream& err) {
    TacSkinConvertor convertor;
    if (!ReadArchive(archive, convertor, err)) return 2;
    for (const TacMemberInfo& member : convertor.Members()) {
        out << member.Name << "\t" << member.Size << "\t(" << member.PackedSize << " packed)\n";
    }
    return convertor.Error().empty() ? 0 : 2;
}

int AszUnpack(const std::string& archive, const std::string& folder, std::ostream& out, std::ostream& err) {
    TacSkinConvertor convertor;
    if (!ReadArchive(archive, convertor, err)) return 2;
    std::error_code error;
    fs::create_directories(folder, error);
    if (!fs::is_directory(folder, error)) {
        err << "asz: cannot create " << folder << "\n";
        return 2;
    }
    int result = convertor.Error().empty() ? 0 : 2;
    auto write = [&](const std::string& name, const std::vector<std::uint8_t>& data) {
        if (!SafeMemberName(name)) {
            err << "asz: member \"" << name << "\" is not a plain file name; skipped\n";
            result = 2;
        } else if (WriteBytes(fs::path(folder) / name, data, err)) {
            out << name << "\n";
        } else {
            result = 2;
        }
    };
    if (convertor.HasOptions()) write(OptionsMemberName(convertor), {convertor.Options().begin(), convertor.Options().end()});
    for (const TacImageItem& item : convertor.ImageItems()) write(item.Name, item.Data);
    return result;
}

int AszPack(const std::string& folder, const std::string& archive, std::ostream& out, std::ostream& err) {
    std::error_code error;
    std::vector<fs::path> files;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (it->is_regular_file(error)) files.push_back(it->path());
    }
    if (error) {
        err << "asz: cannot list " << folder << "\n";
        return 2;
    }
    std::sort(files.begin(), files.end());
    TacSkinPacker packer;
    bool hasOptions = false;
    for (const fs::path& file : files) {
        std::vector<std::uint8_t> bytes;
        if (!ReadWholeFile(file.string(), bytes)) {
            err << "asz: cannot read " << file.string() << "\n";
            return 2;
        }
        std::string name = file.filename().string();
        hasOptions = hasOptions || SameTextAscii(name, "Options.dat");
        packer.Add(name, std::move(bytes));
    }
    if (!hasOptions) err << "asz: warning: " << folder << " has no Options.dat\n";
    if (!WriteBytes(archive, packer.Pack(), err)) return 2;
    out << archive << ": " << packer.Count() << " member(s)\n";
    return 0;
}

int AszCheck(const std::string& archiveOrFolder, std::ostream& out, std::ostream& err) {
    std::vector<std::string> problems;
    TacSkinConvertor convertor;
    std::string optionsText;
    TacSkinImageSource images;
    std::string folderPath;
    if (fs::is_directory(archiveOrFolder)) {
        folderPath = (fs::path(archiveOrFolder) / "").string();
        std::vector<std::uint8_t> bytes;
        if (!ReadWholeFile(FindFileIgnoringCase(folderPath + "Options.dat"), bytes)) {
            err << "asz: " << archiveOrFolder << " has no readable Options.dat\n";
            return 2;
        }
        optionsText.assign(bytes.begin(), bytes.end());
        images = TacSkinImageSource::FromFolder(folderPath);
    } else {
        if (!ReadArchive(archiveOrFolder, convertor, err)) return 2;
        if (!convertor.Error().empty()) problems.push_back("archive: " + convertor.Error());
        if (!convertor.HasOptions()) problems.push_back("archive: no Options.dat member");
        optionsText = convertor.Options();
        images = TacSkinImageSource::FromArchive(&convertor);
    }
    TacSkinOptions options(optionsText);
    TsSkinModel model;
    TacSkinBuildSettings settings;
    settings.SkinPath = folderPath;
    BuildSkin(model, options, images, settings, &problems);
    for (const std::string& loop : TacSectionBuilder::ParentLoops(options)) problems.push_back("PARENTCLASS loop: " + loop);
    out << model.GeneralData.size() << " section(s), " << model.Masks.size() << " image(s), " << model.Patterns.size()
        << " pattern(s)\n";
    return Report(problems, out);
}
