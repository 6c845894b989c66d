#pragma once

#include <cstdint>
#include <vector>

namespace sorvik::lzh {

// Bits go out most significant first, as LHA's decoders read them.
class BitWriter
{
public:
    explicit BitWriter(std::vector<std::uint8_t> &out)
        : out_(out)
    {
    }

    // count may be 0 (a one-symbol Huffman table costs no bits) up to 31.
    void put(int count, std::uint32_t bits)
    {
        acc_ = (acc_ << count) | (bits & ((1u << count) - 1));
        pending_ += count;
        if (pending_ >= 32) {
            pending_ -= 32;
            const auto word = static_cast<std::uint32_t>(acc_ >> pending_);
            const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(word >> 24), static_cast<std::uint8_t>(word >> 16),
                                           static_cast<std::uint8_t>(word >> 8), static_cast<std::uint8_t>(word)};
            out_.insert(out_.end(), bytes, bytes + 4);
        }
    }

    // Forgets held bits, for a new stream into the (emptied) output.
    void reset()
    {
        acc_ = 0;
        pending_ = 0;
    }

    // Bits written so far, the ones still held included.
    std::uint64_t bitCount() const { return out_.size() * 8 + static_cast<std::uint64_t>(pending_); }

    // Appends the first count bits of another writer's output.
    void append(const std::vector<std::uint8_t> &bytes, std::uint64_t count)
    {
        std::size_t i = 0;
        for (; count >= 16; count -= 16, i += 2)
            put(16, static_cast<std::uint32_t>(bytes[i] << 8 | bytes[i + 1]));
        for (; count >= 8; count -= 8, ++i)
            put(8, bytes[i]);
        if (count > 0)
            put(static_cast<int>(count), static_cast<std::uint32_t>(bytes[i] >> (8 - count)));
    }

    // Writes out the bits still held, padding the last byte with zero bits.
    void flush()
    {
        put((8 - pending_ % 8) % 8, 0);
        while (pending_ >= 8) {
            pending_ -= 8;
            out_.push_back(static_cast<std::uint8_t>(acc_ >> pending_));
        }
    }

private:
    std::vector<std::uint8_t> &out_;
    std::uint64_t acc_ = 0;
    int pending_ = 0;
};

}  // namespace sorvik::lzh
