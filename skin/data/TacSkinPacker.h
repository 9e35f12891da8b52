// Writer of packed skin archives, the inverse of TacSkinConvertor.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

struct TacPackMember {
    std::string Name;
    std::vector<std::uint8_t> Data;
};

class TacSkinPacker {
public:
    // Members are written in the order added, except that the options member (any letter case)
    // always goes first, as every shipped archive has it.
    void Add(std::string name, std::vector<std::uint8_t> data);
    void Add(std::string name, const std::string& text);
    std::size_t Count() const { return FMembers.size(); }

    // Why adding this member would make an archive the reader, or unpacking it, refuses: a name
    // that is no plain file name or that a member already has (letter case ignored), a member
    // past the reader's size limit, or members past its limit together. Empty when it may be added.
    std::string Refusal(std::string_view name, std::uint64_t size) const;
    // Counts a member toward those limits as Add does, without keeping it: a packer used only for
    // planning finds every refusal before any file is read.
    void Plan(std::string_view name, std::uint64_t size);

    // The archive bytes; every member is one zlib stream at the default level (header 78 9C).
    std::vector<std::uint8_t> Pack() const;

private:
    std::vector<TacPackMember> FMembers;
    std::unordered_set<std::string> FUpperNames;
    std::uint64_t FUnpackedSize = 0; // as the reader counts it
};
