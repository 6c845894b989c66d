#include "StoredName.h"

namespace sorvik::lzh {

namespace {

constexpr std::size_t kLevelAt = 20;
constexpr std::uint8_t kNameHeader = 0x01;

unsigned read16(const std::uint8_t *p)
{
    return p[0] | (p[1] << 8);
}

// Extended headers are [size:2 of the next] chains: type, data, next size.
// Returns the name header's text, if any, starting from the first size field.
std::optional<std::string> nameFromExtensions(const std::uint8_t *header, std::size_t size, std::size_t at)
{
    if (at + 2 > size)
        return std::nullopt;
    std::size_t next = read16(header + at);
    at += 2;
    while (next >= 3 && at + next <= size) {
        if (header[at] == kNameHeader)
            return std::string(reinterpret_cast<const char *>(header + at + 1), next - 3);
        const std::size_t following = read16(header + at + next - 2);
        at += next;
        next = following;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> storedName(const std::uint8_t *header, std::size_t size)
{
    if (!header || size <= kLevelAt)
        return std::nullopt;
    switch (header[kLevelAt]) {
    case 0:
    case 1: {
        const std::size_t length = header[21];
        if (22 + length > size)
            return std::nullopt;
        std::string name(reinterpret_cast<const char *>(header + 22), length);
        if (header[kLevelAt] == 1) {
            // Level 1: CRC and OS byte follow the name, then the extended headers.
            if (auto extended = nameFromExtensions(header, size, 22 + length + 3))
                return extended;
        }
        return name;
    }
    case 2:
        return nameFromExtensions(header, size, 24);
    default:
        return std::nullopt;
    }
}

}  // namespace sorvik::lzh
