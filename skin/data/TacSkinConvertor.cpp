// Reading packed skin archives member by member with zlib's streaming inflater.
#include "skin/data/TacSkinConvertor.h"

#include "skin/data/SkinFiles.h"
#include "skin/data/SkinText.h"
#include "skin/data/SkinWarning.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <utility>

namespace {

// Deflate cannot expand data more than about 1032 times; a member claiming more than that for the
// bytes left in the archive is forged, and is refused before anything is allocated.
constexpr std::uint64_t MaxInflateRatio = 1032;
constexpr std::size_t InflateChunk = 65536;

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

// Inflates the zlib stream at the start of input into exactly size bytes. consumed is the
// stream's length, Adler-32 trailer included. Returns an error text, empty on success.
std::string InflateMember(std::span<const std::uint8_t> input, std::size_t size, std::vector<std::uint8_t>& out,
                          std::size_t& consumed) {
    z_stream z{};
    if (inflateInit(&z) != Z_OK) return "the inflater could not start";
    z.next_in = const_cast<Bytef*>(input.data());
    z.avail_in = static_cast<uInt>(std::min<std::size_t>(input.size(), UINT_MAX));
    // One byte beyond the stated size is room to notice a stream that inflates past it.
    const std::size_t limit = size + 1;
    out.resize(std::min(limit, InflateChunk));
    std::size_t produced = 0;
    std::string error;
    for (;;) {
        z.next_out = out.data() + produced;
        z.avail_out = static_cast<uInt>(out.size() - produced);
        int status = inflate(&z, Z_NO_FLUSH);
        produced = out.size() - z.avail_out;
        if (produced > size) { error = "inflates past its stated size"; break; }
        if (status == Z_STREAM_END) {
            if (produced != size) error = "inflates to fewer bytes than its stated size";
            break;
        }
        if (status != Z_OK && status != Z_BUF_ERROR) { error = "holds a broken zlib stream"; break; }
        if (z.avail_out == 0) {
            out.resize(std::min(limit, out.size() * 2));
        } else if (z.avail_in == 0 || status == Z_BUF_ERROR) {
            error = "is cut short";
            break;
        }
    }
    consumed = z.total_in;
    inflateEnd(&z);
    out.resize(std::min(produced, size));
    return error;
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

void TacSkinConvertor::Clear() {
    FImageItems.clear();
    FMembers.clear();
    FOptions.clear();
    FHasOptions = false;
    FError.clear();
    DetachSource();
}

const TacImageItem* TacSkinConvertor::FindImageItem(std::string_view name) const {
    for (const TacImageItem& item : FImageItems) {
        if (SameTextAscii(item.Name, name)) return &item;
    }
    return nullptr;
}

bool TacSkinConvertor::ReadPackedData() {
    FImageItems.clear();
    FMembers.clear();
    FOptions.clear();
    FHasOptions = false;
    FError.clear();
    if (FSource.size() < Magic.size() || std::memcmp(FSource.data(), Magic.data(), Magic.size()) != 0) {
        Clear();
        FError = "not a packed skin file";
        ShowSkinWarning("Warning", "Loaded data is not a packed skin file");
        return false;
    }
    return ReadMembers();
}

bool TacSkinConvertor::ReadMembers() {
    ByteCursor cursor(FSource);
    cursor.Skip(Magic.size());
    std::int32_t count = 0;
    if (!cursor.ReadInt32(count) || count < 0) return Fail("the member count is missing or negative");
    // A forged count needs no check of its own: every member takes bytes, so the loop ends at the
    // end of the data.
    for (std::int32_t i = 0; i < count; ++i) {
        std::int32_t nameLength = 0;
        std::string name;
        if (!cursor.ReadInt32(nameLength) || nameLength < 0 ||
            !cursor.ReadText(static_cast<std::size_t>(nameLength), name)) {
            return Fail("member " + std::to_string(i + 1) + " has no valid name");
        }
        std::int32_t size = 0;
        if (!cursor.ReadInt32(size) || size < 0 || size > MaxMemberSize ||
            static_cast<std::uint64_t>(size) > cursor.Remaining() * MaxInflateRatio) {
            return Fail("member \"" + name + "\" has an impossible size");
        }
        std::vector<std::uint8_t> data;
        std::size_t consumed = 0;
        std::string error = InflateMember(cursor.Rest(), static_cast<std::size_t>(size), data, consumed);
        if (!error.empty()) return Fail("member \"" + name + "\" " + error);
        cursor.Skip(consumed);
        FMembers.push_back({name, data.size(), consumed});
        if (IsOptionsName(name)) {
            FOptions.assign(data.begin(), data.end());
            FHasOptions = true;
        } else {
            bool isBitmap = HasBitmapExtension(name);
            FImageItems.push_back({std::move(name), isBitmap, std::move(data)});
        }
    }
    return true;
}

bool TacSkinConvertor::Fail(const std::string& reason) {
    FError = reason;
    ShowSkinWarning("Warning", "The packed skin file is damaged: " + reason + ".");
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
