// Writer of packed skin archives, the inverse of TacSkinConvertor.
#pragma once

#include <cstdint>
#include <string>
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

    // The archive bytes; every member is one zlib stream at the default level (header 78 9C).
    std::vector<std::uint8_t> Pack() const;

private:
    std::vector<TacPackMember> FMembers;
};
