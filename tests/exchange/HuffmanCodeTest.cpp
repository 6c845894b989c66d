#include "HuffmanCode.h"

#include <gtest/gtest.h>

#include <set>

using sorvik::lzh::HuffmanCode;

namespace {

// Sum of 2^-length over the used symbols, scaled to 2^16: a complete prefix code gives exactly 2^16.
std::uint32_t kraftSum(const HuffmanCode &code, std::size_t symbols)
{
    std::uint32_t sum = 0;
    for (std::size_t s = 0; s < symbols; ++s)
        if (code.length(static_cast<int>(s)) != 0)
            sum += 1u << (HuffmanCode::kMaxBits - code.length(static_cast<int>(s)));
    return sum;
}

}  // namespace

TEST(HuffmanCode, SkewedFrequenciesStayWithinSixteenBitsAndComplete)
{
    // Fibonacci weights would need codes of 30 bits without the limit.
    std::vector<std::uint32_t> freq(40, 0);
    std::uint32_t a = 1, b = 1;
    for (auto &f : freq) {
        f = a;
        const std::uint32_t next = a + b;
        a = b;
        b = next;
    }
    const HuffmanCode code(freq);
    for (std::size_t s = 0; s < freq.size(); ++s) {
        EXPECT_GE(code.length(static_cast<int>(s)), 1);
        EXPECT_LE(code.length(static_cast<int>(s)), HuffmanCode::kMaxBits);
    }
    EXPECT_EQ(kraftSum(code, freq.size()), 1u << 16);
    EXPECT_LE(code.length(39), code.length(0));  // the most frequent gets the shortest code
}

TEST(HuffmanCode, CodesArePrefixFreeAndCanonical)
{
    std::vector<std::uint32_t> freq{5, 0, 9, 12, 13, 16, 45, 0, 1};
    const HuffmanCode code(freq);
    std::set<std::string> words;
    for (std::size_t s = 0; s < freq.size(); ++s) {
        const int len = code.length(static_cast<int>(s));
        EXPECT_EQ(len == 0, freq[s] == 0);
        if (len == 0)
            continue;
        std::string bits;
        for (int i = len - 1; i >= 0; --i)
            bits += ((code.code(static_cast<int>(s)) >> i) & 1) ? '1' : '0';
        words.insert(bits);
    }
    for (const auto &w : words) {
        for (const auto &v : words) {
            if (w != v) {
                EXPECT_FALSE(v.starts_with(w)) << w << " prefixes " << v;
            }
        }
    }
    EXPECT_EQ(kraftSum(code, freq.size()), 1u << 16);
}

TEST(HuffmanCode, NoneOrOneUsedSymbolIsAnnouncedAsSingle)
{
    const HuffmanCode none(std::vector<std::uint32_t>(14, 0));
    EXPECT_TRUE(none.isSingleSymbol());
    EXPECT_EQ(none.singleSymbol(), 0);

    std::vector<std::uint32_t> one(510, 0);
    one[300] = 77;
    const HuffmanCode single(one);
    EXPECT_TRUE(single.isSingleSymbol());
    EXPECT_EQ(single.singleSymbol(), 300);
    EXPECT_EQ(single.length(300), 0);  // costs no bits in the block
}
