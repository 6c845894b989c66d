#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sorvik::lzh {

// What a level-2 member header records. The name is stored as given (CP932
// bytes, no folder part).
struct MemberHeader
{
    std::string method = "-lh5-";
    std::uint32_t packedSize = 0;
    std::uint32_t originalSize = 0;
    std::uint32_t modified = 0;  // Unix time
    std::uint16_t dataCrc = 0;
    std::string name;

    // Level-2 encoding: base header, a common header carrying the header CRC,
    // the file name header, and the end mark. Its length never ends in a zero
    // low byte, which readers would take for the end of the archive.
    std::vector<std::uint8_t> encode() const;
};

}  // namespace sorvik::lzh
