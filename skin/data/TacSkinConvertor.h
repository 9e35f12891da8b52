// Reader of packed skin archives: the options member and the image members, inflated into memory.
#pragma once

#include "skin/data/SkinText.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class TacZlibInflater;

// One archive member other than the options file, in archive order.
struct TacImageItem {
    std::string Name;     // as stored in the archive
    bool IsBitmap = false; // the name's extension is ".BMP" in any letter case
    std::vector<std::uint8_t> Data;
};

// Where a member sat in the archive, for listing tools.
struct TacMemberInfo {
    std::string Name;
    std::size_t Size = 0;       // inflated
    std::size_t PackedSize = 0; // the zlib stream's length
};

// An archive is "ASzf", a member count, then members of name length, name, inflated size and one
// zlib stream each. No compressed lengths are stored: a member starts right behind the previous
// member's stream, so every stream is inflated to find where it ends.
class TacSkinConvertor {
public:
    TacSkinConvertor() = default;
    // The name index refers to the items' own names, so a converter stays where it was made.
    TacSkinConvertor(const TacSkinConvertor&) = delete;
    TacSkinConvertor& operator=(const TacSkinConvertor&) = delete;

    static constexpr std::string_view Magic = "ASzf";
    // No member of a real skin comes near this; it keeps a forged size from exhausting memory.
    static constexpr std::int32_t MaxMemberSize = 64 * 1024 * 1024;
    // All members together, as MemberCost counts them. The internal skins unpack to about 110 KB
    // each and third-party skins with large JPEG backgrounds to some tens of MB, so 128 MiB leaves
    // room for several full-screen images; yet a forged archive (a few MB of zlib streams can
    // declare gigabytes of zeros) is refused before it takes more than this.
    static constexpr std::uint64_t MaxUnpackedSize = 128 * 1024 * 1024;

    // What one member costs toward MaxUnpackedSize: its content with a thousandth more (the
    // allocator rounds large blocks up to whole pages), its name (kept twice, in the member list
    // and with its item) and the records that list and index it, with room for the lists' growth.
    // Counting the records refuses an archive of millions of empty members too.
    static constexpr std::uint64_t MemberRecordCost = 512;
    static constexpr std::uint64_t MemberCost(std::size_t nameLength, std::uint64_t size) {
        return size + size / 1024 + 2 * static_cast<std::uint64_t>(nameLength) + MemberRecordCost;
    }

    // A name that can be written as a file of its own inside a folder, and nothing else.
    static bool IsPlainMemberName(std::string_view name);

    // The source is either owned (a packed skin file read into memory) or borrowed (an internal
    // skin's stored data, which must outlive the reading).
    void AttachSource(std::vector<std::uint8_t> data);
    void BorrowSource(std::span<const std::uint8_t> data);
    void DetachSource();
    bool HasSource() const { return FHasSource; }

    // Reads the attached source from its start. A wrong magic shows the "Warning" message and
    // leaves the converter empty. Damage further on (truncation, a broken or overlong stream, a
    // forged length) shows a warning too; the members read completely before it are kept. An
    // archive whose declared sizes pass MaxUnpackedSize, or that memory cannot hold, is refused
    // with a warning and leaves the converter empty; it never takes more than MaxUnpackedSize.
    // True only when the whole archive was sound.
    bool ReadPackedData();
    // Frees the options, the image items and the source.
    void Clear();

    bool HasOptions() const { return FHasOptions; }
    const std::string& Options() const { return FOptions; }
    const std::vector<TacImageItem>& ImageItems() const { return FImageItems; }
    // The first image item whose name equals the given one, letter case ignored; null if none.
    const TacImageItem* FindImageItem(std::string_view name) const;
    // Every member read, the options member included, in archive order.
    const std::vector<TacMemberInfo>& Members() const { return FMembers; }
    // Names that more than one member carries, letter case ignored: each once, spelt as its first
    // member has it, in the order the repeats appear.
    std::vector<std::string> DuplicateNames() const;
    // Why the last read stopped early; empty after a sound read.
    const std::string& Error() const { return FError; }

private:
    bool ReadMembers();
    // Inflates one member from the start of input and keeps it; returns why it is not sound.
    std::string TakeMember(std::string name, std::size_t size, std::span<const std::uint8_t> input,
                           TacZlibInflater& inflater, std::size_t& consumed);
    void ForgetMembers();
    void IndexImageItems();
    bool Fail(const std::string& reason);
    bool Refuse(const std::string& reason);

    std::vector<std::uint8_t> FOwnedSource;
    std::span<const std::uint8_t> FSource;
    bool FHasSource = false;
    bool FHasOptions = false;
    std::string FOptions;
    std::vector<TacImageItem> FImageItems;
    // Each name's first image item, built once the reading is done.
    std::unordered_map<std::string_view, std::size_t, TCaseBlindHash, TCaseBlindEqual> FFirstItem;
    std::vector<TacMemberInfo> FMembers;
    std::string FError;
};

// Reads a packed skin file into a converter (the given one after Clear(), or a new one). Nothing
// happens when the file does not exist. With freeSource the file's bytes are released after the
// read. Returns whether the file was read.
bool LoadPackedFile(const std::string& fileName, std::unique_ptr<TacSkinConvertor>& convertor, bool freeSource);
