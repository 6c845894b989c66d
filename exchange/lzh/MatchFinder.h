#pragma once

#include "Lh5Format.h"
#include "Lh5Tuning.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sorvik::lzh {

// A parsed piece of input: a literal byte, or a match as
// kMatchFlag | length << 16 | distance.
using Token = std::uint32_t;
constexpr Token kMatchFlag = 0x80000000u;

// Finds the literals and matches of one segment of the input with hash
// chains over the 8 KiB window and one step of lazy evaluation. The bytes
// before the segment serve as its history, so segments can be searched
// independently (and at the same time) with what the window would hold.
class MatchFinder {
public:
    explicit MatchFinder(const Lh5Tuning& tuning);

    // Parses data[historySize, historySize + size); matches may reach back
    // into the history and end at the segment's end. data must stay readable
    // 8 bytes past the segment.
    void parse(const std::uint8_t* data, std::size_t historySize, std::size_t size, std::vector<Token>& tokens);

private:
    static constexpr int kHashBits = 14;
    static constexpr std::size_t kWindow = std::size_t{1} << lh5::kDictionaryBits;

    // Chains hold 16-bit positions: with an 8 KiB window the distance to a
    // candidate is still exact, and the tables stay in the first-level cache.
    // A stale entry at worst costs a comparison, since every match is checked.
    std::uint16_t insert(std::size_t pos)
    {
        const std::uint8_t* p = data_ + pos;
        const std::uint32_t key = ((p[0] | (p[1] << 8) | (p[2] << 16)) * 0x9E3779B1u) >> (32 - kHashBits);
        const std::uint16_t previous = head_[key];
        prev_[pos & (kWindow - 1)] = previous;
        head_[key] = static_cast<std::uint16_t>(pos);
        return previous;
    }
    int longestMatch(std::size_t pos, std::uint16_t head, int prevLength, int& distance) const;

    Lh5Tuning tuning_;
    std::vector<std::uint16_t> head_;
    std::vector<std::uint16_t> prev_;
    const std::uint8_t* data_ = nullptr;
    std::size_t end_ = 0;
};

} // namespace sorvik::lzh
