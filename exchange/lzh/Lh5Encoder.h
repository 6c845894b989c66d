#pragma once

#include "BitWriter.h"
#include "Lh5Block.h"
#include "Lh5Tuning.h"
#include "MatchFinder.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sorvik::lzh {

// Streaming -lh5- compressor. Input is cut into segments that are searched
// and coded side by side, one per processor: each segment is searched with
// the 8 KiB before it as history (so it finds what one pass would, bar the
// lazy step at a cut) and coded into its own static-Huffman blocks, whose
// bits are then joined in order. Feed data with write(), end with finish();
// compressed bytes collect in output() for the caller to drain.
class Lh5Encoder
{
public:
    explicit Lh5Encoder(const Lh5Tuning &tuning = {});

    void write(const std::uint8_t *data, std::size_t size);
    void finish();
    // Starts a new stream, keeping the buffers (one encoder serves a whole archive).
    void reset();

    std::vector<std::uint8_t> &output() { return out_; }

private:
    static constexpr std::size_t kSegment = std::size_t{1} << 18;
    static constexpr std::size_t kWindow = std::size_t{1} << lh5::kDictionaryBits;
    static constexpr std::size_t kPadding = 8;

    struct Segment
    {
        MatchFinder finder;
        Lh5Block block;
        std::vector<Token> tokens;
        std::vector<std::uint8_t> bytes;
        std::uint64_t bits = 0;
    };

    // Compresses everything after the history, keeping the last window's
    // worth of bytes as history for what follows.
    void compressBuffered();
    void compressSegment(Segment &segment, std::size_t start, std::size_t size);

    std::vector<Segment> segments_;
    std::vector<std::uint8_t> buffer_;
    std::size_t history_ = 0;
    std::size_t filled_ = 0;

    std::vector<std::uint8_t> out_;
    BitWriter bits_;
};

}  // namespace sorvik::lzh
