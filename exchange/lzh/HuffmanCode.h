#pragma once

#include <cstdint>
#include <vector>

namespace sorvik::lzh {

// Canonical Huffman code as LHA's static blocks use it: shorter codes first,
// equal lengths in symbol order, no code longer than 16 bits.
class HuffmanCode
{
public:
    static constexpr int kMaxBits = 16;

    // Symbols with frequency 0 get length 0. When fewer than two symbols occur,
    // every length stays 0 and singleSymbol() names the one the block must
    // announce (the format sends such a table as "all codes are this symbol").
    explicit HuffmanCode(const std::vector<std::uint32_t> &frequencies);

    int length(int symbol) const { return lengths_[symbol]; }
    std::uint16_t code(int symbol) const { return codes_[symbol]; }
    const std::vector<std::uint8_t> &lengths() const { return lengths_; }
    bool isSingleSymbol() const { return single_ >= 0; }
    int singleSymbol() const { return single_; }

private:
    void buildLengths(const std::vector<std::uint32_t> &frequencies);
    void assignCodes();

    std::vector<std::uint8_t> lengths_;
    std::vector<std::uint16_t> codes_;
    int single_ = -1;
};

}  // namespace sorvik::lzh
