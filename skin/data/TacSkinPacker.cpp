// Packing members into an archive: magic, count, then name, size and zlib stream per member.
#include "skin/data/TacSkinPacker.h"

#include "skin/data/SkinText.h"
#include "skin/data/TacSkinConvertor.h"

#include <zlib.h>

#include <stdexcept>
#include <utility>

namespace {

void PutInt32(std::vector<std::uint8_t>& out, std::int32_t value) {
    auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
}

void PutCompressed(std::vector<std::uint8_t>& out, const std::vector<std::uint8_t>& data) {
    uLongf length = compressBound(static_cast<uLong>(data.size()));
    std::size_t start = out.size();
    out.resize(start + length);
    int status = compress2(out.data() + start, &length, data.data(), static_cast<uLong>(data.size()),
                           Z_DEFAULT_COMPRESSION);
    if (status != Z_OK) throw std::runtime_error("zlib could not compress a skin member");
    out.resize(start + length);
}

} // namespace

std::string TacSkinPacker::Refusal(std::string_view name, std::uint64_t size) const {
    if (!TacSkinConvertor::IsPlainMemberName(name)) return "its name is not a plain file name";
    if (FUpperNames.contains(UpperCaseAscii(name)))
        return "a member of that name (letter case ignored) is already packed";
    if (size > static_cast<std::uint64_t>(TacSkinConvertor::MaxMemberSize)) {
        return "it is larger than " + std::to_string(TacSkinConvertor::MaxMemberSize >> 20) + " MiB";
    }
    if (FUnpackedSize + TacSkinConvertor::MemberCost(name.size(), size) > TacSkinConvertor::MaxUnpackedSize) {
        return "the members would unpack to more than " +
               std::to_string(TacSkinConvertor::MaxUnpackedSize >> 20) + " MiB";
    }
    return {};
}

void TacSkinPacker::Plan(std::string_view name, std::uint64_t size) {
    FUpperNames.insert(UpperCaseAscii(name));
    FUnpackedSize += TacSkinConvertor::MemberCost(name.size(), size);
}

void TacSkinPacker::Add(std::string name, std::vector<std::uint8_t> data) {
    Plan(name, data.size());
    TacPackMember member{std::move(name), std::move(data)};
    if (SameTextAscii(member.Name, "Options.dat")) {
        FMembers.insert(FMembers.begin(), std::move(member));
    } else {
        FMembers.push_back(std::move(member));
    }
}

void TacSkinPacker::Add(std::string name, const std::string& text) {
    Add(std::move(name), std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::vector<std::uint8_t> TacSkinPacker::Pack() const {
    std::vector<std::uint8_t> out{'A', 'S', 'z', 'f'};
    PutInt32(out, static_cast<std::int32_t>(FMembers.size()));
    for (const TacPackMember& member : FMembers) {
        PutInt32(out, static_cast<std::int32_t>(member.Name.size()));
        out.insert(out.end(), member.Name.begin(), member.Name.end());
        PutInt32(out, static_cast<std::int32_t>(member.Data.size()));
        PutCompressed(out, member.Data);
    }
    return out;
}
