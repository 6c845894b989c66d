#include "Lh5Encoder.h"

#include <algorithm>
#include <cstring>

namespace sorvik::lzh {

namespace {

int matchLength(const std::uint8_t* a, const std::uint8_t* b, int maxLength)
{
    int length = 0;
    while (length + 8 <= maxLength) {
        std::uint64_t x, y;
        std::memcpy(&x, a + length, 8);
        std::memcpy(&y, b + length, 8);
        if (const std::uint64_t diff = x ^ y)
            return length + __builtin_ctzll(diff) / 8;
        length += 8;
    }
    while (length < maxLength && a[length] == b[length])
        ++length;
    return length;
}

} // namespace

Lh5Encoder::Lh5Encoder(const Lh5Tuning& tuning)
    : tuning_(tuning),
      buffer_(kWindow + kChunk + kPadding, 0),
      head_(std::size_t{1} << kHashBits, 0),
      prev_(kWindow, 0),
      bits_(out_),
      block_(std::clamp(tuning.blockSymbols, 1, lh5::kMaxBlockSymbols))
{
}

void Lh5Encoder::write(const std::uint8_t* data, std::size_t size)
{
    while (size > 0) {
        const std::size_t room = buffer_.size() - kPadding - filled_;
        if (room == 0) {
            // Keep a full match (and the lazy step's look-ahead) in the buffer.
            parse(bufferEnd() - lh5::kMaxMatch - 1);
            slide();
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
    parse(bufferEnd());
    if (pendingLiteral_)
        emitLiteral(*at(pos_ - 1));
    pendingLiteral_ = false;
    if (!block_.isEmpty())
        block_.writeTo(bits_);
    bits_.flush();
}

void Lh5Encoder::slide()
{
    const std::uint64_t keepFrom = std::max<std::uint64_t>(base_, pos_ > kWindow ? pos_ - kWindow : 0);
    const std::size_t kept = static_cast<std::size_t>(bufferEnd() - keepFrom);
    std::memmove(buffer_.data(), at(keepFrom), kept);
    base_ = keepFrom;
    filled_ = kept;
}

int Lh5Encoder::longestMatch(std::uint64_t pos, std::uint16_t head, int prevLength,
                             int& distance) const
{
    const std::uint8_t* current = at(pos);
    const int maxLength = static_cast<int>(std::min<std::uint64_t>(lh5::kMaxMatch, bufferEnd() - pos));
    const int nice = std::min(tuning_.niceLength, maxLength);
    // Nothing before the stream start or the buffer's first byte is a candidate.
    const int reach = static_cast<int>(std::min<std::uint64_t>(lh5::kMaxDistance, pos - base_));
    int chain = prevLength >= tuning_.goodLength ? tuning_.maxChain / 4 : tuning_.maxChain;
    int best = prevLength;

    const std::uint16_t here = static_cast<std::uint16_t>(pos);
    std::uint16_t candidate = head;
    int lastDistance = 0;
    while (chain-- > 0) {
        const int d = static_cast<std::uint16_t>(here - candidate);
        if (d <= lastDistance || d > reach)
            break;
        lastDistance = d;
        const std::uint8_t* match = current - d;
        if (match[best] == current[best] && match[0] == current[0] && match[1] == current[1]) {
            const int length = matchLength(match, current, maxLength);
            if (length > best) {
                best = length;
                distance = d;
                if (length >= nice)
                    break;
            }
        }
        candidate = prev_[candidate & (kWindow - 1)];
    }
    return best;
}

void Lh5Encoder::parse(std::uint64_t limit)
{
    const std::uint64_t end = bufferEnd();
    while (pos_ < limit) {
        const bool canMatch = pos_ + lh5::kMinMatch <= end;
        const std::uint16_t head = canMatch ? insert(pos_) : 0;
        const int prevLength = matchLength_;
        const int prevDistance = matchDistance_;
        matchLength_ = lh5::kMinMatch - 1;
        if (canMatch && prevLength < tuning_.lazyLength) {
            int distance = matchDistance_;
            const int length = longestMatch(pos_, head, std::max(prevLength, lh5::kMinMatch - 1), distance);
            if (length > prevLength) {
                matchLength_ = length;
                matchDistance_ = distance;
                if (length == lh5::kMinMatch && distance > tuning_.farDistance)
                    matchLength_ = lh5::kMinMatch - 1;
            }
        }
        if (prevLength >= lh5::kMinMatch && matchLength_ <= prevLength) {
            // The match found one position back wins; the byte there was held back for it.
            emitMatch(prevLength, prevDistance);
            const std::uint64_t next = pos_ - 1 + prevLength;
            for (std::uint64_t p = pos_ + 1; p < next; ++p)
                if (p + lh5::kMinMatch <= end)
                    insert(p);
            pos_ = next;
            pendingLiteral_ = false;
            matchLength_ = lh5::kMinMatch - 1;
            literalRun_ = 0;
        } else {
            if (pendingLiteral_)
                emitLiteral(*at(pos_ - 1));
            pendingLiteral_ = true;
            ++pos_;
            if (matchLength_ < lh5::kMinMatch && ++literalRun_ > tuning_.skipAfter)
                skipLiterals(limit);
        }
    }
}

void Lh5Encoder::skipLiterals(std::uint64_t limit)
{
    // Long stretches without a match (photos, compressed blobs) are passed as
    // literals with ever fewer positions searched; matches there are rare and
    // short, and the search would cost most of the time.
    const int step = std::min(1 + ((literalRun_ - tuning_.skipAfter) >> 5), 8);
    for (int k = 1; k < step && pos_ < limit; ++k) {
        emitLiteral(*at(pos_ - 1));
        ++pos_;
    }
}

} // namespace sorvik::lzh
