#pragma once

#include "BitWriter.h"
#include "Lh5Block.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sorvik::lzh {

// How hard the match finder looks; the defaults balance ratio and speed.
struct Lh5Tuning {
    int maxChain = 48;       // candidates tried per position
    int goodLength = 16;     // a previous match this long quarters the search
    int lazyLength = 48;     // a previous match this long is taken without looking further
    int niceLength = 128;    // a match this long ends the search
    int farDistance = 2048;  // 3-byte matches further back cost more than three literals
    int skipAfter = 64;      // literals in a row before positions start being skipped
    int blockSymbols = 0xFFFF;
};

// Streaming -lh5- compressor: hash chains over the 8 KiB window with one step
// of lazy evaluation. Feed data with write(), end with finish(); compressed
// bytes collect in output() for the caller to drain.
class Lh5Encoder {
public:
    explicit Lh5Encoder(const Lh5Tuning& tuning = {});

    void write(const std::uint8_t* data, std::size_t size);
    void finish();

    std::vector<std::uint8_t>& output() { return out_; }

private:
    static constexpr int kHashBits = 14;
    static constexpr std::size_t kChunk = 1 << 18;
    static constexpr std::size_t kWindow = 1 << lh5::kDictionaryBits;
    static constexpr std::size_t kPadding = 8;

    void parse(std::uint64_t limit);
    void skipLiterals(std::uint64_t limit);
    void slide();
    // Chains hold 16-bit positions: with an 8 KiB window the distance to a
    // candidate is still exact, and the tables stay in the first-level cache.
    // A stale entry at worst costs a comparison, since every match is checked.
    std::uint16_t insert(std::uint64_t pos)
    {
        const std::uint8_t* p = at(pos);
        const std::uint32_t key = ((p[0] | (p[1] << 8) | (p[2] << 16)) * 0x9E3779B1u) >> (32 - kHashBits);
        const std::uint16_t previous = head_[key];
        prev_[pos & (kWindow - 1)] = previous;
        head_[key] = static_cast<std::uint16_t>(pos);
        return previous;
    }
    int longestMatch(std::uint64_t pos, std::uint16_t head, int prevLength, int& distance) const;
    void emitLiteral(std::uint8_t byte)
    {
        block_.addLiteral(byte);
        if (block_.isFull())
            block_.writeTo(bits_);
    }
    void emitMatch(int length, int distance)
    {
        block_.addMatch(length, distance);
        if (block_.isFull())
            block_.writeTo(bits_);
    }
    const std::uint8_t* at(std::uint64_t pos) const { return buffer_.data() + (pos - base_); }
    std::uint64_t bufferEnd() const { return base_ + filled_; }

    Lh5Tuning tuning_;
    std::vector<std::uint8_t> buffer_;
    std::uint64_t base_ = 0;   // stream position of buffer_[0]
    std::size_t filled_ = 0;
    std::uint64_t pos_ = 0;    // next position the parser looks at
    std::vector<std::uint16_t> head_;
    std::vector<std::uint16_t> prev_;
    bool pendingLiteral_ = false;
    int matchLength_ = lh5::kMinMatch - 1;
    int matchDistance_ = 0;
    int literalRun_ = 0;

    std::vector<std::uint8_t> out_;
    BitWriter bits_;
    Lh5Block block_;
};

} // namespace sorvik::lzh
