#pragma once

#include "Lh5Format.h"
#include "Lh5Tuning.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
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
class MatchFinder
{
public:
    explicit MatchFinder(const Lh5Tuning &tuning);

    // Parses data[historySize, historySize + size) into the first tokens of
    // the vector (grown as needed, never shrunk) and returns their number.
    // Matches may reach back into the history and end at the segment's end;
    // data must stay readable 8 bytes past the segment.
    std::size_t parse(const std::uint8_t *data, std::size_t historySize, std::size_t size, std::vector<Token> &tokens);

private:
    static constexpr int kHashBits = 14;
    static constexpr int kShortHashBits = 14;
    static constexpr std::size_t kWindow = std::size_t{1} << lh5::kDictionaryBits;

    // Chains link positions with the same first four bytes, so nearly every
    // candidate on them is a real match; a second table remembers only the
    // latest position of each three-byte start, for the shortest matches.
    // Positions are 16 bits: with an 8 KiB window the distance to a candidate
    // is still exact, and the tables stay small enough for the processor's
    // caches. A stale entry at worst costs a comparison, since every match is
    // checked byte for byte.
    struct Candidates
    {
        std::uint16_t chain;     // latest position with the same four bytes
        std::uint16_t shortest;  // latest position with the same three bytes
    };
    Candidates insert(std::size_t pos)
    {
        std::uint32_t four;
        std::memcpy(&four, data_ + pos, 4);
        const std::uint32_t three = four & 0xFFFFFF;
        std::uint16_t &shortSlot = short_[(three * 0x9E3779B1u) >> (32 - kShortHashBits)];
        std::uint16_t &chainSlot = head_[(four * 0x9E3779B1u) >> (32 - kHashBits)];
        const Candidates previous{chainSlot, shortSlot};
        prev_[pos & (kWindow - 1)] = chainSlot;
        chainSlot = static_cast<std::uint16_t>(pos);
        shortSlot = static_cast<std::uint16_t>(pos);
        return previous;
    }
    // Most positions of dense data have no candidate worth a look; telling
    // that here saves the search its setting up.
    bool worthSearching(std::size_t pos, Candidates candidates) const
    {
        const auto here = static_cast<std::uint16_t>(pos);
        const int reach = pos < lh5::kMaxDistance ? static_cast<int>(pos) : lh5::kMaxDistance;
        const int chain = static_cast<std::uint16_t>(here - candidates.chain);
        const int shortest = static_cast<std::uint16_t>(here - candidates.shortest);
        // In dense data a chain whose latest entry differs in its first four
        // bytes seldom holds a match further down; in text it often does.
        const bool dense = shortReach_ == lh5::kMaxDistance;
        return (chain > 0 && chain <= reach && (!dense || sameStart(pos, chain, 4)))
            || (shortest > 0 && shortest <= reach && shortest <= shortReach_ && sameStart(pos, shortest, 3));
    }
    bool sameStart(std::size_t pos, int distance, int bytes) const
    {
        std::uint32_t a, b;
        std::memcpy(&a, data_ + pos, 4);
        std::memcpy(&b, data_ + pos - distance, 4);
        return ((a ^ b) & (bytes == 4 ? 0xFFFFFFFFu : 0xFFFFFFu)) == 0;
    }
    int longestMatch(std::size_t pos, Candidates candidates, int prevLength, int &distance) const;

    Lh5Tuning tuning_;
    std::vector<std::uint16_t> head_;
    std::vector<std::uint16_t> prev_;
    std::vector<std::uint16_t> short_;
    const std::uint8_t *data_ = nullptr;
    std::size_t end_ = 0;
    int shortReach_ = 0;  // farthest distance worth a three-byte match in this segment
};

}  // namespace sorvik::lzh
