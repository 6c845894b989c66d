#pragma once

#include "BitWriter.h"
#include "HuffmanCode.h"
#include "Lh5Format.h"

#include <array>
#include <cstdint>
#include <vector>

namespace sorvik::lzh {

// One static-Huffman block of -lh5- data: collects literals and matches, then
// writes the three code tables and the symbols.
class Lh5Block
{
public:
    explicit Lh5Block(int maxSymbols);

    void addLiteral(std::uint8_t byte)
    {
        symbols_[count_++] = byte;
        ++literalFreq_[byte];
    }

    void addMatch(int length, int distance)
    {
        const int symbol = 256 + length - lh5::kMinMatch;
        const unsigned position = static_cast<unsigned>(distance - 1);
        symbols_[count_++] = static_cast<std::uint16_t>(symbol);
        positions_[matches_++] = static_cast<std::uint16_t>(position);
        ++literalFreq_[symbol];
        ++positionFreq_[positionSymbol(position)];
    }

    bool isFull() const { return count_ >= maxSymbols_; }
    bool isEmpty() const { return count_ == 0; }

    // Writes the block and empties it for the next one.
    void writeTo(BitWriter &bits);

    static int positionSymbol(unsigned position) { return position == 0 ? 0 : 32 - __builtin_clz(position); }

private:
    void writeLiteralLengths(BitWriter &bits, const HuffmanCode &literals);
    static void writeTableLengths(BitWriter &bits, const HuffmanCode &table, int countBits, int specialIndex);
    static void writeSingle(BitWriter &bits, int countBits, int symbol);
    void clear();

    int maxSymbols_;
    int count_ = 0;
    int matches_ = 0;
    std::vector<std::uint16_t> symbols_;
    std::vector<std::uint16_t> positions_;
    std::vector<std::uint32_t> literalFreq_;
    std::vector<std::uint32_t> positionFreq_;
};

}  // namespace sorvik::lzh
