#include "MatchFinder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace sorvik::lzh {

namespace {

int matchLength(const std::uint8_t *a, const std::uint8_t *b, int maxLength)
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

Token literal(std::uint8_t byte)
{
    return byte;
}

Token match(int length, int distance)
{
    return kMatchFlag | static_cast<Token>(length) << 16 | static_cast<Token>(distance);
}

// How far back a three-byte match still pays, judged by the order-0 entropy
// of the segment: in text a literal costs five or six bits and three of them
// beat any match; in photos and other dense data literals cost nearly eight
// and even distant three-byte matches win.
int shortMatchReach(const std::uint8_t *data, std::size_t size)
{
    constexpr std::size_t kStep = 4;  // every fourth byte tells the entropy well enough
    std::array<std::uint32_t, 256> counts{};
    std::size_t sampled = 0;
    for (std::size_t i = 0; i < size; i += kStep, ++sampled)
        ++counts[data[i]];
    double bits = 0;
    for (const std::uint32_t c : counts)
        if (c != 0)
            bits -= static_cast<double>(c) * std::log2(static_cast<double>(c) / static_cast<double>(sampled));
    const double perByte = sampled ? bits / static_cast<double>(sampled) : 8.0;
    return perByte < 6.5 ? 0 : perByte < 7.5 ? 4096 : lh5::kMaxDistance;
}

}  // namespace

MatchFinder::MatchFinder(const Lh5Tuning &tuning)
    : tuning_(tuning)
    , head_(std::size_t{1} << kHashBits, 0)
    , prev_(kWindow, 0)
    , short_(std::size_t{1} << kShortHashBits, 0)
{
}

int MatchFinder::longestMatch(std::size_t pos, Candidates candidates, int prevLength, int &distance) const
{
    const std::uint8_t *current = data_ + pos;
    const int maxLength = static_cast<int>(std::min<std::size_t>(lh5::kMaxMatch, end_ - pos));
    const int nice = std::min(tuning_.niceLength, maxLength);
    const int reach = static_cast<int>(std::min<std::size_t>(lh5::kMaxDistance, pos));
    int chain = prevLength >= tuning_.goodLength ? tuning_.maxChain / 4 : tuning_.maxChain;
    int best = prevLength;

    const std::uint16_t here = static_cast<std::uint16_t>(pos);
    std::uint16_t candidate = candidates.chain;
    int lastDistance = 0;
    while (chain-- > 0) {
        const int d = static_cast<std::uint16_t>(here - candidate);
        if (d <= lastDistance || d > reach)
            break;
        lastDistance = d;
        const std::uint8_t *from = current - d;
        if (from[best] == current[best] && from[0] == current[0] && from[1] == current[1]) {
            const int length = matchLength(from, current, maxLength);
            if (length > best) {
                best = length;
                distance = d;
                if (length >= nice)
                    break;
            }
        }
        candidate = prev_[candidate & (kWindow - 1)];
    }
    if (best < lh5::kMinMatch) {
        // No four bytes alike: the latest three-byte match, if it is near enough.
        const int d = static_cast<std::uint16_t>(here - candidates.shortest);
        const std::uint8_t *from = current - d;
        if (d > 0 && d <= std::min(reach, shortReach_) && maxLength >= lh5::kMinMatch && from[0] == current[0]
            && from[1] == current[1] && from[2] == current[2]) {
            best = lh5::kMinMatch;
            distance = d;
        }
    }
    return best;
}

std::size_t MatchFinder::parse(const std::uint8_t *data, std::size_t historySize, std::size_t size,
                               std::vector<Token> &tokens)
{
    data_ = data;
    end_ = historySize + size;
    shortReach_ = shortMatchReach(data + historySize, size);
    std::fill(head_.begin(), head_.end(), 0);
    std::fill(prev_.begin(), prev_.end(), 0);
    std::fill(short_.begin(), short_.end(), 0);
    for (std::size_t p = historySize > kWindow ? historySize - kWindow : 0; p < historySize; ++p)
        insert(p);

    // Every token covers at least one byte, so the segment's size bounds their number.
    if (tokens.size() < size)
        tokens.resize(size);
    Token *out = tokens.data();
    bool pendingLiteral = false;
    int matchLength = lh5::kMinMatch - 1;
    int matchDistance = 0;
    std::size_t pos = historySize;
    while (pos < end_) {
        const bool canMatch = pos + lh5::kMinMatch <= end_;
        const Candidates found = canMatch ? insert(pos) : Candidates{0, 0};
        const int prevLength = matchLength;
        const int prevDistance = matchDistance;
        matchLength = lh5::kMinMatch - 1;
        if (canMatch && prevLength < tuning_.lazyLength && worthSearching(pos, found)) {
            int distance = matchDistance;
            const int length = longestMatch(pos, found, std::max(prevLength, lh5::kMinMatch - 1), distance);
            if (length > prevLength) {
                matchLength = length;
                matchDistance = distance;
                if (length == lh5::kMinMatch && distance > shortReach_)
                    matchLength = lh5::kMinMatch - 1;
            }
        }
        if (prevLength >= lh5::kMinMatch && matchLength <= prevLength) {
            // The match found one position back wins; the byte there was held back for it.
            *out++ = match(prevLength, prevDistance);
            const std::size_t next = pos - 1 + prevLength;
            for (std::size_t p = pos + 1; p < next; ++p)
                if (p + lh5::kMinMatch <= end_)
                    insert(p);
            pos = next;
            pendingLiteral = false;
            matchLength = lh5::kMinMatch - 1;
            continue;
        }
        if (pendingLiteral)
            *out++ = literal(data_[pos - 1]);
        pendingLiteral = true;
        ++pos;
    }
    if (pendingLiteral)
        *out++ = literal(data_[pos - 1]);
    return static_cast<std::size_t>(out - tokens.data());
}

}  // namespace sorvik::lzh
