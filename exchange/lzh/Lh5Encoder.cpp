#include "Lh5Encoder.h"

#include <algorithm>
#include <cstring>
#include <system_error>
#include <thread>

namespace sorvik::lzh {

namespace {

std::size_t threadCount(const Lh5Tuning &tuning)
{
    const int wanted = tuning.threads > 0 ? tuning.threads : static_cast<int>(std::thread::hardware_concurrency());
    return static_cast<std::size_t>(std::clamp(wanted, 1, 4));
}

}  // namespace

Lh5Encoder::Lh5Encoder(const Lh5Tuning &tuning)
    : bits_(out_)
{
    const std::size_t count = threadCount(tuning);
    const int blockSymbols = std::clamp(tuning.blockSymbols, 1, lh5::kMaxBlockSymbols);
    segments_.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        segments_.push_back({MatchFinder(tuning), Lh5Block(blockSymbols), {}, {}, 0});
    buffer_.resize(kWindow + count * kSegment + kPadding);
}

void Lh5Encoder::write(const std::uint8_t *data, std::size_t size)
{
    while (size > 0) {
        const std::size_t room = buffer_.size() - kPadding - filled_;
        if (room == 0) {
            compressBuffered();
            continue;
        }
        const std::size_t n = std::min(room, size);
        std::memcpy(buffer_.data() + filled_, data, n);
        filled_ += n;
        data += n;
        size -= n;
    }
}

void Lh5Encoder::finish()
{
    compressBuffered();
    bits_.flush();
}

void Lh5Encoder::reset()
{
    history_ = 0;
    filled_ = 0;
    out_.clear();
    bits_.reset();
}

void Lh5Encoder::compressBuffered()
{
    const std::size_t pending = filled_ - history_;
    if (pending == 0)
        return;
    const std::size_t used = std::min(segments_.size(), (pending + kSegment - 1) / kSegment);
    const std::size_t length = (pending + used - 1) / used;
    auto compress = [&](std::size_t i) {
        const std::size_t start = history_ + i * length;
        compressSegment(segments_[i], start, std::min(length, filled_ - start));
    };
    std::vector<std::thread> helpers;
    std::size_t firstInline = used;
    for (std::size_t i = 1; i < used && firstInline == used; ++i) {
        try {
            helpers.emplace_back(compress, i);
        } catch (const std::system_error &) {
            firstInline = i;  // no thread to be had: do the rest here
        }
    }
    compress(0);
    for (std::size_t i = firstInline; i < used; ++i)
        compress(i);
    for (auto &helper : helpers)
        helper.join();
    for (std::size_t i = 0; i < used; ++i)
        bits_.append(segments_[i].bytes, segments_[i].bits);

    const std::size_t keep = std::min(kWindow, filled_);
    std::memmove(buffer_.data(), buffer_.data() + filled_ - keep, keep);
    history_ = keep;
    filled_ = keep;
}

void Lh5Encoder::compressSegment(Segment &segment, std::size_t start, std::size_t size)
{
    const std::size_t history = std::min(start, kWindow);
    const std::size_t count = segment.finder.parse(buffer_.data() + start - history, history, size, segment.tokens);

    segment.bytes.clear();
    BitWriter bits(segment.bytes);
    for (std::size_t i = 0; i < count; ++i) {
        const Token token = segment.tokens[i];
        if (token & kMatchFlag)
            segment.block.addMatch(static_cast<int>((token >> 16) & 0x1FF), static_cast<int>(token & 0xFFFF));
        else
            segment.block.addLiteral(static_cast<std::uint8_t>(token));
        if (segment.block.isFull())
            segment.block.writeTo(bits);
    }
    if (!segment.block.isEmpty())
        segment.block.writeTo(bits);
    segment.bits = bits.bitCount();
    bits.flush();
}

}  // namespace sorvik::lzh
