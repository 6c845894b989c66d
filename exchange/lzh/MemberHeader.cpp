#include "MemberHeader.h"

#include "Crc16.h"

namespace sorvik::lzh {

namespace {

constexpr std::uint8_t kOsWindowsNt = 'W';  // keeps the case of names in every reader
constexpr std::uint8_t kArchiveAttribute = 0x20;
constexpr std::uint8_t kCommonHeader = 0x00;
constexpr std::uint8_t kNameHeader = 0x01;

void put16(std::vector<std::uint8_t> &out, unsigned value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t> &out, std::uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

void set16(std::vector<std::uint8_t> &out, std::size_t at, unsigned value)
{
    out[at] = static_cast<std::uint8_t>(value);
    out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

}  // namespace

std::vector<std::uint8_t> MemberHeader::encode() const
{
    std::vector<std::uint8_t> h;
    put16(h, 0);  // total length, set below
    h.insert(h.end(), method.begin(), method.begin() + 5);
    put32(h, packedSize);
    put32(h, originalSize);
    put32(h, modified);
    h.push_back(kArchiveAttribute);
    h.push_back(2);  // header level
    put16(h, dataCrc);
    h.push_back(kOsWindowsNt);

    put16(h, 5);  // common header: type, CRC, next size
    h.push_back(kCommonHeader);
    const std::size_t crcAt = h.size();
    put16(h, 0);
    put16(h, static_cast<unsigned>(3 + name.size()));
    h.push_back(kNameHeader);
    h.insert(h.end(), name.begin(), name.end());
    put16(h, 0);

    if ((h.size() & 0xFF) == 0)
        h.push_back(0);
    set16(h, 0, static_cast<unsigned>(h.size()));
    set16(h, crcAt, Crc16::of(h.data(), h.size()));
    return h;
}

}  // namespace sorvik::lzh
