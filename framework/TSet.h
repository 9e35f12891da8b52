// Sets of a small enumeration with set algebra (font styles, shift states, anchors, border icons, ...).
#pragma once

#include <cassert>
#include <cstdint>
#include <initializer_list>

// Members are enumeration values 0..63, kept as bits. A set is a plain value: copy, compare,
// combine.
template <class E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> members) {
        for (E member : members) FBits |= Bit(member);
    }

    constexpr bool Contains(E member) const { return (FBits & Bit(member)) != 0; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr TSet& Include(E member) {
        FBits |= Bit(member);
        return *this;
    }
    constexpr TSet& Exclude(E member) {
        FBits &= ~Bit(member);
        return *this;
    }
    // True when every member of other is also a member of this set.
    constexpr bool ContainsAll(TSet other) const { return (other.FBits & ~FBits) == 0; }

    constexpr TSet& operator+=(TSet other) {
        FBits |= other.FBits;
        return *this;
    }
    constexpr TSet& operator-=(TSet other) {
        FBits &= ~other.FBits;
        return *this;
    }
    constexpr TSet& operator*=(TSet other) {
        FBits &= other.FBits;
        return *this;
    }
    friend constexpr TSet operator+(TSet a, TSet b) { return a += b; }
    friend constexpr TSet operator-(TSet a, TSet b) { return a -= b; }
    friend constexpr TSet operator*(TSet a, TSet b) { return a *= b; }
    friend constexpr bool operator==(TSet, TSet) = default;

    // The raw bits, for storing a set as a number (bit n stands for member n).
    constexpr std::uint64_t Bits() const { return FBits; }
    static constexpr TSet FromBits(std::uint64_t bits) {
        TSet set;
        set.FBits = bits;
        return set;
    }

private:
    static constexpr std::uint64_t Bit(E member) {
        const auto index = static_cast<unsigned>(member);
        assert(index < 64 && "a set member must be an enumeration value below 64");
        return std::uint64_t{1} << (index & 63);
    }

    std::uint64_t FBits = 0;
};
