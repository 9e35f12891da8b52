// Reading packed skin archives member by member with zlib's streaming inflater.
#include "skin/data/TacSkinConvertor.h"

#include "skin/data/SkinFiles.h"
#include "skin/data/SkinText.h"
#include "skin/data/SkinWarning.h"
#include "skin/data/TacZlibInflater.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

namespace {

// Deflate cannot expand data more than about 1032 times; a member claiming more than that for the
// bytes left in the archive is forged, and is refused before anything is allocated.
constexpr std::uint64_t MaxInflateRatio = 1032;

class ByteCursor {
public:
    explicit ByteCursor(std::span<const std::uint8_t> data) : FData(data) {}

    std::size_t Remaining() const { return FData.size() - FPos; }
    std::span<const std::uint8_t> Rest() const { return FData.subspan(FPos); }
    void Skip(std::size_t count) { FPos += std::min(count, Remaining()); }

    bool ReadInt32(std::int32_t& value) {
        if (Remaining() < 4) return false;
        const std::uint8_t* p = FData.data() + FPos;
        auto bits = static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
                    static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
        value = static_cast<std::int32_t>(bits);
        FPos += 4;
        return true;
    }

    bool ReadText(std::size_t count, std::string& text) {
        if (Remaining() < count) return false;
        text.assign(reinterpret_cast<const char*>(FData.data() + FPos), count);
        FPos += count;
        return true;
    }

private:
    std::span<const std::uint8_t> FData;
    std::size_t FPos = 0;
};

struct TMemberHeader {
    std::string Name;
    std::int32_t Size = 0;
};

// Name length, name and stated size; an error text, empty when they are there and plausible.
std::string ReadMemberHeader(ByteCursor& cursor, int index, TMemberHeader& header) {
    std::int32_t nameLength = 0;
    if (!cursor.ReadInt32(nameLength) || nameLength < 0 ||
        !cursor.ReadText(static_cast<std::size_t>(nameLength), header.Name)) {
        return "member " + std::to_string(index + 1) + " has no valid name";
    }
    if (!cursor.ReadInt32(header.Size) || header.Size < 0 || header.Size > TacSkinConvertor::MaxMemberSize ||
        static_cast<std::uint64_t>(header.Size) > cursor.Remaining() * MaxInflateRatio) {
        return "member \"" + header.Name + "\" has an impossible size";
    }
    return {};
}

std::span<std::uint8_t> AsBytes(std::string& text) {
    return {reinterpret_cast<std::uint8_t*>(text.data()), text.size()};
}

bool IsOptionsName(std::string_view name) { return SameTextAscii(name, "Options.dat"); }

bool HasBitmapExtension(std::string_view name) {
    std::size_t dot = name.rfind('.');
    return dot != std::string_view::npos && SameTextAscii(name.substr(dot), ".BMP");
}

} // namespace

void TacSkinConvertor::AttachSource(std::vector<std::uint8_t> data) {
    FOwnedSource = std::move(data);
    FSource = FOwnedSource;
    FHasSource = true;
}

void TacSkinConvertor::BorrowSource(std::span<const std::uint8_t> data) {
    FOwnedSource.clear();
    FSource = data;
    FHasSource = true;
}

void TacSkinConvertor::DetachSource() {
    FOwnedSource = {};
    FSource = {};
    FHasSource = false;
}

bool TacSkinConvertor::IsPlainMemberName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

void TacSkinConvertor::ForgetMembers() {
    FFirstItem.clear();
    FImageItems.clear();
    FMembers.clear();
    FOptions.clear();
    FHasOptions = false;
    FError.clear();
}

void TacSkinConvertor::Clear() {
    ForgetMembers();
    DetachSource();
}

void TacSkinConvertor::IndexImageItems() {
    FFirstItem.clear();
    FFirstItem.reserve(FImageItems.size());
    for (std::size_t i = 0; i < FImageItems.size(); ++i) FFirstItem.try_emplace(FImageItems[i].Name, i);
}

const TacImageItem* TacSkinConvertor::FindImageItem(std::string_view name) const {
    auto found = FFirstItem.find(name);
    return found == FFirstItem.end() ? nullptr : &FImageItems[found->second];
}

std::vector<std::string> TacSkinConvertor::DuplicateNames() const {
    std::unordered_map<std::string_view, std::pair<int, std::size_t>, TCaseBlindHash, TCaseBlindEqual> seen;
    seen.reserve(FMembers.size());
    std::vector<std::string> names;
    for (std::size_t i = 0; i < FMembers.size(); ++i) {
        auto& [count, first] = seen.try_emplace(FMembers[i].Name, 0, i).first->second; // count, first member
        if (++count == 2) names.push_back(FMembers[first].Name);
    }
    return names;
}

bool TacSkinConvertor::ReadPackedData() {
    ForgetMembers();
    if (FSource.size() < Magic.size() || std::memcmp(FSource.data(), Magic.data(), Magic.size()) != 0) {
        Clear();
        FError = "not a packed skin file";
        ShowSkinWarning("Warning", "Loaded data is not a packed skin file");
        return false;
    }
    try {
        const bool sound = ReadMembers();
        IndexImageItems();
        return sound;
    } catch (const std::bad_alloc&) {
        return Refuse("there is not enough memory to unpack it");
    }
}

bool TacSkinConvertor::ReadMembers() {
    ByteCursor cursor(FSource);
    cursor.Skip(Magic.size());
    std::int32_t count = 0;
    if (!cursor.ReadInt32(count) || count < 0) return Fail("the member count is missing or negative");
    TacZlibInflater inflater;
    std::uint64_t unpacked = 0;
    // A forged count needs no check of its own: every member takes bytes, so the loop ends at the
    // end of the data.
    for (std::int32_t i = 0; i < count; ++i) {
        TMemberHeader header;
        if (std::string error = ReadMemberHeader(cursor, i, header); !error.empty()) return Fail(error);
        // Sizes are added up before anything is allocated for them, so a refused archive never
        // holds more than the cap.
        unpacked += MemberCost(header.Name.size(), static_cast<std::uint64_t>(header.Size));
        if (unpacked > MaxUnpackedSize) {
            return Refuse("its members unpack to more than " + std::to_string(MaxUnpackedSize >> 20) +
                          " MiB");
        }
        std::string name = header.Name;
        std::size_t consumed = 0;
        std::string error = TakeMember(std::move(header.Name), static_cast<std::size_t>(header.Size),
                                       cursor.Rest(), inflater, consumed);
        if (!error.empty()) return Fail("member \"" + name + "\" " + error);
        cursor.Skip(consumed);
    }
    return true;
}

std::string TacSkinConvertor::TakeMember(std::string name, std::size_t size,
                                         std::span<const std::uint8_t> input, TacZlibInflater& inflater,
                                         std::size_t& consumed) {
    if (IsOptionsName(name)) {
        // Inflated straight into a text: a copy would hold the options twice.
        std::string text(size, '\0');
        std::string error = inflater.Inflate(input, AsBytes(text), consumed);
        if (!error.empty()) return error;
        FMembers.push_back({std::move(name), size, consumed});
        FOptions = std::move(text);
        FHasOptions = true;
        return {};
    }
    std::vector<std::uint8_t> data(size);
    std::string error = inflater.Inflate(input, data, consumed);
    if (!error.empty()) return error;
    FMembers.push_back({name, size, consumed});
    bool isBitmap = HasBitmapExtension(name);
    FImageItems.push_back({std::move(name), isBitmap, std::move(data)});
    return {};
}

bool TacSkinConvertor::Fail(const std::string& reason) {
    FError = reason;
    ShowSkinWarning("Warning", "The packed skin file is damaged: " + reason + ".");
    return false;
}

bool TacSkinConvertor::Refuse(const std::string& reason) {
    ForgetMembers();
    FError = reason;
    ShowSkinWarning("Warning", "The packed skin file cannot be loaded: " + reason + ".");
    return false;
}

bool LoadPackedFile(const std::string& fileName, std::unique_ptr<TacSkinConvertor>& convertor, bool freeSource) {
    if (!SkinFileExists(fileName)) return false;
    std::vector<std::uint8_t> bytes;
    // The file may vanish between the test and the read; then nothing is read.
    if (!ReadWholeFile(fileName, bytes)) return false;
    if (convertor) convertor->Clear();
    else convertor = std::make_unique<TacSkinConvertor>();
    convertor->AttachSource(std::move(bytes));
    convertor->ReadPackedData();
    if (freeSource) convertor->DetachSource();
    return true;
}
