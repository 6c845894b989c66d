#include "CraftedMembers.h"

#include "Crc16.h"
#include "MemberHeader.h"

#include <cstdint>

namespace sorvik::lzh::test {

namespace {

std::uint16_t crcOf(const std::string &data)
{
    return Crc16::of(reinterpret_cast<const std::uint8_t *>(data.data()), data.size());
}

}  // namespace

std::string levelTwoMember(const std::string &storedName, const std::string &data, const std::string &method)
{
    MemberHeader header;
    header.method = method;
    header.name = storedName;
    header.packedSize = static_cast<std::uint32_t>(data.size());
    header.originalSize = static_cast<std::uint32_t>(data.size());
    header.dataCrc = crcOf(data);
    const auto bytes = header.encode();
    return std::string(bytes.begin(), bytes.end()) + data;
}

std::string levelZeroMember(const std::string &storedName, const std::string &data)
{
    std::string body = "-lh0-";
    for (const std::uint32_t v :
         {static_cast<std::uint32_t>(data.size()), static_cast<std::uint32_t>(data.size()), 0x5A210000u})
        for (int i = 0; i < 4; ++i)
            body += static_cast<char>((v >> (8 * i)) & 0xFF);
    body += '\x20';
    body += '\x00';
    body += static_cast<char>(storedName.size());
    body += storedName;
    const std::uint16_t crc = crcOf(data);
    body += static_cast<char>(crc & 0xFF);
    body += static_cast<char>(crc >> 8);
    unsigned sum = 0;
    for (const char c : body)
        sum += static_cast<unsigned char>(c);
    return std::string(1, static_cast<char>(body.size())) + static_cast<char>(sum & 0xFF) + body + data;
}

}  // namespace sorvik::lzh::test
