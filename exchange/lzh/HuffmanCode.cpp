#include "HuffmanCode.h"

#include <algorithm>
#include <array>
#include <queue>

namespace sorvik::lzh {

HuffmanCode::HuffmanCode(const std::vector<std::uint32_t> &frequencies)
    : lengths_(frequencies.size(), 0)
    , codes_(frequencies.size(), 0)
{
    buildLengths(frequencies);
    if (!isSingleSymbol())
        assignCodes();
}

void HuffmanCode::buildLengths(const std::vector<std::uint32_t> &frequencies)
{
    std::vector<int> used;
    for (int s = 0; s < static_cast<int>(frequencies.size()); ++s)
        if (frequencies[s] > 0)
            used.push_back(s);
    if (used.size() < 2) {
        single_ = used.empty() ? 0 : used.front();
        return;
    }

    // Plain Huffman tree over the used symbols; nodes beyond the leaves are inner.
    const int leaves = static_cast<int>(used.size());
    std::vector<std::uint64_t> weight(2 * leaves);
    std::vector<int> parent(2 * leaves, -1);
    using Entry = std::pair<std::uint64_t, int>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> queue;
    for (int i = 0; i < leaves; ++i) {
        weight[i] = frequencies[used[i]];
        queue.emplace(weight[i], i);
    }
    int next = leaves;
    while (queue.size() > 1) {
        const auto [wa, a] = queue.top();
        queue.pop();
        const auto [wb, b] = queue.top();
        queue.pop();
        weight[next] = wa + wb;
        parent[a] = parent[b] = next;
        queue.emplace(weight[next], next);
        ++next;
    }

    // Count leaves per depth, folding anything deeper than the limit into it,
    // then repair the Kraft sum the way LHA does: each round drops one code of
    // the longest length and splits one shorter code into two.
    std::vector<int> depth(next, 0);
    std::array<int, kMaxBits + 1> count{};
    for (int node = next - 2; node >= 0; --node)
        depth[node] = depth[parent[node]] + 1;
    for (int i = 0; i < leaves; ++i)
        ++count[std::min(depth[i], kMaxBits)];
    std::uint32_t kraft = 0;
    for (int bits = 1; bits <= kMaxBits; ++bits)
        kraft += static_cast<std::uint32_t>(count[bits]) << (kMaxBits - bits);
    while (kraft != (1u << kMaxBits)) {
        --count[kMaxBits];
        for (int bits = kMaxBits - 1; bits > 0; --bits) {
            if (count[bits] != 0) {
                --count[bits];
                count[bits + 1] += 2;
                break;
            }
        }
        --kraft;
    }

    // The most frequent symbols take the shortest codes.
    std::vector<int> order(used);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return frequencies[a] > frequencies[b]; });
    auto symbol = order.begin();
    for (int bits = 1; bits <= kMaxBits; ++bits)
        for (int k = 0; k < count[bits]; ++k)
            lengths_[*symbol++] = static_cast<std::uint8_t>(bits);
}

void HuffmanCode::assignCodes()
{
    std::array<int, kMaxBits + 2> count{};
    for (const auto len : lengths_)
        ++count[len];
    count[0] = 0;
    std::array<std::uint32_t, kMaxBits + 2> start{};
    for (int bits = 1; bits <= kMaxBits; ++bits)
        start[bits + 1] = (start[bits] + count[bits]) << 1;
    for (std::size_t s = 0; s < lengths_.size(); ++s)
        if (lengths_[s] != 0)
            codes_[s] = static_cast<std::uint16_t>(start[lengths_[s]]++);
}

}  // namespace sorvik::lzh
