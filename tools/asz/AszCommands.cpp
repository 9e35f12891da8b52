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

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <span>
#include <unordered_set>

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

bool WriteAll(int fd, std::span<const std::uint8_t> data) {
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data = data.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// A symbolic link standing where a member goes could point anywhere; the file is opened so that
// such a link is refused rather than followed, even one made after any earlier test.
bool WriteMemberFile(const fs::path& path, std::span<const std::uint8_t> data, std::ostream& err) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) {
        err << "asz: " << path.string()
            << (errno == ELOOP ? " is a symbolic link; not written through" : " cannot be written") << "\n";
        return false;
    }
    bool written = WriteAll(fd, data);
    written = ::close(fd) == 0 && written;
    if (!written) err << "asz: cannot write " << path.string() << "\n";
    return written;
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

std::string SharedNameText(const std::string& name) {
    return "more than one member is named \"" + name + "\" (letter case ignored)";
}

// Unless forced, an archive whose members share names is not unpacked: which file a folder skin
// would then use depends on letter case and listing order.
bool MayUnpack(const TacSkinConvertor& convertor, bool force, std::ostream& err) {
    const std::vector<std::string> shared = convertor.DuplicateNames();
    for (const std::string& name : shared) err << "asz: " << SharedNameText(name) << "\n";
    if (shared.empty() || force) return true;
    err << "asz: nothing unpacked; with --force each name gets the member the skin uses\n";
    return false;
}

bool MakeFolder(const std::string& folder, std::ostream& err) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (fs::is_directory(folder, error)) return true;
    err << "asz: cannot create " << folder << "\n";
    return false;
}

// Writes the options the skin takes (the last options member) and, of image members sharing a
// name, the first, which is the one the skin finds.
bool WriteMembers(const TacSkinConvertor& convertor, const fs::path& folder, std::ostream& out,
                  std::ostream& err) {
    bool allWritten = true;
    auto write = [&](const std::string& name, std::span<const std::uint8_t> data) {
        if (!TacSkinConvertor::IsPlainMemberName(name)) {
            err << "asz: member \"" << name << "\" is not a plain file name; skipped\n";
            allWritten = false;
        } else if (WriteMemberFile(folder / name, data, err)) {
            out << name << "\n";
        } else {
            allWritten = false;
        }
    };
    if (convertor.HasOptions()) {
        const std::string& options = convertor.Options();
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(options.data());
        write(OptionsMemberName(convertor), {bytes, options.size()});
    }
    std::unordered_set<std::string_view, TCaseBlindHash, TCaseBlindEqual> written;
    for (const TacImageItem& item : convertor.ImageItems()) {
        if (written.insert(item.Name).second) write(item.Name, item.Data);
    }
    return allWritten;
}

// The folder's regular files in name order. Symbolic links are skipped, and so is the archive
// being written when it lies in the folder: packing a previous run's output into the new one
// would make every run larger than the last.
bool ListFilesToPack(const std::string& folder, const std::string& archive, std::vector<fs::path>& files,
                     std::ostream& err) {
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        if (it->is_symlink(ignored)) {
            err << "asz: skipping symbolic link " << it->path().string() << "\n";
        } else if (fs::equivalent(it->path(), archive, ignored)) {
            err << "asz: skipping " << it->path().string() << ", the archive being written\n";
        } else if (it->is_regular_file(ignored)) {
            files.push_back(it->path());
        }
    }
    if (error) err << "asz: cannot list " << folder << "\n";
    std::sort(files.begin(), files.end());
    return !error;
}

struct TPackFile {
    fs::path Path;
    std::string Name;
    std::uintmax_t Size = 0;
};

// Every file's name and size are weighed before any is read, so a refusal costs no reading.
bool PlanPack(const std::vector<fs::path>& paths, std::vector<TPackFile>& files, std::ostream& err) {
    TacSkinPacker plan;
    for (const fs::path& path : paths) {
        std::error_code error;
        TPackFile file{path, path.filename().string(), fs::file_size(path, error)};
        std::string refusal = error ? "its size cannot be read" : plan.Refusal(file.Name, file.Size);
        if (!refusal.empty()) {
            err << "asz: cannot pack " << path.string() << ": " << refusal << "\n";
            return false;
        }
        plan.Plan(file.Name, file.Size);
        files.push_back(std::move(file));
    }
    return true;
}

// A file that grew after planning is refused here all the same.
bool AddFileToPack(TacSkinPacker& packer, const TPackFile& file, std::ostream& err) {
    std::vector<std::uint8_t> bytes;
    std::string refusal = ReadWholeFile(file.Path.string(), bytes) ? packer.Refusal(file.Name, bytes.size())
                                                                   : "it cannot be read";
    if (!refusal.empty()) {
        err << "asz: cannot pack " << file.Path.string() << ": " << refusal << "\n";
        return false;
    }
    packer.Add(file.Name, std::move(bytes));
    return true;
}

void AddArchiveProblems(const TacSkinConvertor& convertor, std::vector<std::string>& problems) {
    if (!convertor.Error().empty()) problems.push_back("archive: " + convertor.Error());
    if (!convertor.HasOptions()) problems.push_back("archive: no Options.dat member");
    for (const std::string& name : convertor.DuplicateNames())
        problems.push_back("archive: " + SharedNameText(name));
    for (const TacMemberInfo& member : convertor.Members()) {
        if (!TacSkinConvertor::IsPlainMemberName(member.Name)) {
            problems.push_back("archive: member name \"" + member.Name + "\" is not a plain file name");
        }
    }
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

int AszUnpack(const std::string& archive, const std::string& folder, std::ostream& out, std::ostream& err,
              bool force) {
    TacSkinConvertor convertor;
    if (!ReadArchive(archive, convertor, err)) return 2;
    if (!MayUnpack(convertor, force, err) || !MakeFolder(folder, err)) return 2;
    const bool allWritten = WriteMembers(convertor, folder, out, err);
    return allWritten && convertor.Error().empty() ? 0 : 2;
}

int AszPack(const std::string& folder, const std::string& archive, std::ostream& out, std::ostream& err) {
    std::vector<fs::path> paths;
    std::vector<TPackFile> files;
    if (!ListFilesToPack(folder, archive, paths, err) || !PlanPack(paths, files, err)) return 2;
    TacSkinPacker packer;
    bool hasOptions = false;
    for (const TPackFile& file : files) {
        if (!AddFileToPack(packer, file, err)) return 2;
        hasOptions = hasOptions || SameTextAscii(file.Name, "Options.dat");
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
        AddArchiveProblems(convertor, problems);
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
