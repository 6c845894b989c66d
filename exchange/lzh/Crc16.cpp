#include "Crc16.h"

#include <array>

namespace sorvik::lzh {

namespace {

// Eight tables so the CRC advances a byte per table lookup in parallel
// ("slicing by 8"); a byte-wise loop cost a tenth of the encoder's time.
using Tables = std::array<std::array<std::uint16_t, 256>, 8>;

constexpr Tables makeTables()
{
    Tables t{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned r = i;
        for (int bit = 0; bit < 8; ++bit)
            r = (r & 1) ? (r >> 1) ^ 0xA001u : r >> 1;
        t[0][i] = static_cast<std::uint16_t>(r);
    }
    for (unsigned i = 0; i < 256; ++i)
        for (int k = 1; k < 8; ++k)
            t[k][i] = static_cast<std::uint16_t>((t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF]);
    return t;
}

constexpr Tables kTables = makeTables();

}  // namespace

void Crc16::update(const std::uint8_t *data, std::size_t size)
{
    unsigned crc = value_;
    while (size >= 8) {
        const unsigned a = (data[0] | (data[1] << 8)) ^ crc;
        crc = kTables[7][a & 0xFF] ^ kTables[6][a >> 8] ^ kTables[5][data[2]] ^ kTables[4][data[3]]
            ^ kTables[3][data[4]] ^ kTables[2][data[5]] ^ kTables[1][data[6]] ^ kTables[0][data[7]];
        data += 8;
        size -= 8;
    }
    while (size-- > 0)
        crc = kTables[0][(crc ^ *data++) & 0xFF] ^ (crc >> 8);
    value_ = static_cast<std::uint16_t>(crc);
}

std::uint16_t Crc16::of(const std::uint8_t *data, std::size_t size)
{
    Crc16 crc;
    crc.update(data, size);
    return crc.value();
}

}  // namespace sorvik::lzh
