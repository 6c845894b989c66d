#pragma once

#include <cstddef>
#include <cstdint>

namespace sorvik::lzh {

// The CRC every LHA tool stores for member data and level-2 headers
// (polynomial 0x8005 reflected, start value 0).
class Crc16
{
public:
    void update(const std::uint8_t *data, std::size_t size);
    std::uint16_t value() const { return value_; }

    static std::uint16_t of(const std::uint8_t *data, std::size_t size);

private:
    std::uint16_t value_ = 0;
};

}  // namespace sorvik::lzh
