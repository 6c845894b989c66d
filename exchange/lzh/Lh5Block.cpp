#include "Lh5Block.h"

namespace sorvik::lzh {

namespace {

int usedLength(const std::vector<std::uint8_t> &lengths)
{
    int n = static_cast<int>(lengths.size());
    while (n > 0 && lengths[n - 1] == 0)
        --n;
    return n;
}

// The literal/length table's code lengths travel run-length coded: runs of
// zero lengths become symbols 0-2 (with extra bits), a length k becomes k + 2.
template<typename Emit> void forEachLengthSymbol(const std::vector<std::uint8_t> &lengths, int n, Emit emit)
{
    int i = 0;
    while (i < n) {
        const int k = lengths[i++];
        if (k != 0) {
            emit(k + 2, 0, 0);
            continue;
        }
        int run = 1;
        while (i < n && lengths[i] == 0) {
            ++i;
            ++run;
        }
        if (run <= 2) {
            for (int r = 0; r < run; ++r)
                emit(0, 0, 0);
        } else if (run <= 18) {
            emit(1, 4, run - 3);
        } else if (run == 19) {
            emit(0, 0, 0);
            emit(1, 4, 15);
        } else {
            emit(2, lh5::kLiteralCountBits, run - 20);
        }
    }
}

}  // namespace

Lh5Block::Lh5Block(int maxSymbols)
    : maxSymbols_(maxSymbols)
    , literalFreq_(lh5::kLiteralLengthSymbols, 0)
    , positionFreq_(lh5::kPositionSymbols, 0)
{
    symbols_.resize(maxSymbols);
    positions_.resize(maxSymbols);
}

void Lh5Block::writeTo(BitWriter &bits)
{
    const HuffmanCode literals(literalFreq_);
    const HuffmanCode positions(positionFreq_);

    bits.put(16, static_cast<std::uint32_t>(count_));
    if (literals.isSingleSymbol()) {
        writeSingle(bits, lh5::kLengthCountBits, 0);
        writeSingle(bits, lh5::kLiteralCountBits, literals.singleSymbol());
    } else {
        writeLiteralLengths(bits, literals);
    }
    if (positions.isSingleSymbol())
        writeSingle(bits, lh5::kPositionCountBits, positions.singleSymbol());
    else
        writeTableLengths(bits, positions, lh5::kPositionCountBits, -1);

    // Each position goes out as its code and extra bits in one piece.
    std::array<std::uint32_t, lh5::kPositionSymbols> positionCode{};
    for (int p = 0; p < lh5::kPositionSymbols; ++p)
        positionCode[p] = static_cast<std::uint32_t>(positions.code(p)) << (p > 1 ? p - 1 : 0);
    auto position = positions_.begin();
    for (int i = 0; i < count_; ++i) {
        const int symbol = symbols_[i];
        bits.put(literals.length(symbol), literals.code(symbol));
        if (symbol < 256)
            continue;
        const unsigned value = *position++;
        const int p = positionSymbol(value);
        const int extra = p > 1 ? p - 1 : 0;
        bits.put(positions.length(p) + extra, positionCode[p] | (value & ((1u << extra) - 1)));
    }
    clear();
}

void Lh5Block::writeLiteralLengths(BitWriter &bits, const HuffmanCode &literals)
{
    const auto &lengths = literals.lengths();
    const int n = usedLength(lengths);
    std::vector<std::uint32_t> freq(lh5::kLengthSymbols, 0);
    forEachLengthSymbol(lengths, n, [&](int symbol, int, int) { ++freq[symbol]; });
    const HuffmanCode table(freq);
    if (table.isSingleSymbol())
        writeSingle(bits, lh5::kLengthCountBits, table.singleSymbol());
    else
        writeTableLengths(bits, table, lh5::kLengthCountBits, 3);

    bits.put(lh5::kLiteralCountBits, static_cast<std::uint32_t>(n));
    forEachLengthSymbol(lengths, n, [&](int symbol, int extraBits, int extra) {
        bits.put(table.length(symbol), table.code(symbol));
        bits.put(extraBits, static_cast<std::uint32_t>(extra));
    });
}

void Lh5Block::writeTableLengths(BitWriter &bits, const HuffmanCode &table, int countBits, int specialIndex)
{
    const auto &lengths = table.lengths();
    const int n = usedLength(lengths);
    bits.put(countBits, static_cast<std::uint32_t>(n));
    int i = 0;
    while (i < n) {
        const int k = lengths[i++];
        if (k <= 6)
            bits.put(3, static_cast<std::uint32_t>(k));
        else
            bits.put(k - 3, (1u << (k - 3)) - 2);  // 7 as "111", then one 1-bit per step, then 0
        if (i == specialIndex) {
            // After the third length, two bits say how many of the next three are zero.
            while (i < 6 && i < static_cast<int>(lengths.size()) && lengths[i] == 0)
                ++i;
            bits.put(2, static_cast<std::uint32_t>(i - 3));
        }
    }
}

void Lh5Block::writeSingle(BitWriter &bits, int countBits, int symbol)
{
    bits.put(countBits, 0);
    bits.put(countBits, static_cast<std::uint32_t>(symbol));
}

void Lh5Block::clear()
{
    count_ = 0;
    matches_ = 0;
    std::fill(literalFreq_.begin(), literalFreq_.end(), 0);
    std::fill(positionFreq_.begin(), positionFreq_.end(), 0);
}

}  // namespace sorvik::lzh
