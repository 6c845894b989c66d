#include "ByteWriter.h"

#include <cstring>

namespace strilux {

void ByteWriter::u16(std::uint16_t v)
{
    u8(v & 0xFF);
    u8(v >> 8);
}

void ByteWriter::u32(std::uint32_t v)
{
    u16(v & 0xFFFF);
    u16(v >> 16);
}

void ByteWriter::f32(float v)
{
    std::uint32_t bits;
    std::memcpy(&bits, &v, 4);
    u32(bits);
}

void ByteWriter::u32At(std::size_t offset, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        m_bytes[offset + i] = (v >> (8 * i)) & 0xFF;
}

void ByteWriter::bytes(const void *data, std::size_t n)
{
    const auto *p = static_cast<const std::uint8_t *>(data);
    m_bytes.insert(m_bytes.end(), p, p + n);
}

void ByteWriter::padTo4()
{
    while (m_bytes.size() % 4)
        u8(0);
}

std::u16string utf8ToUtf16(const std::string &s)
{
    std::u16string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        char32_t cp = b;
        int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
        if (extra)
            cp = b & (0x3F >> extra);
        ++i;
        for (; extra > 0 && i < s.size(); --extra, ++i)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += char16_t(0xD800 + (cp >> 10));
            out += char16_t(0xDC00 + (cp & 0x3FF));
        } else {
            out += char16_t(cp);
        }
    }
    return out;
}

}  // namespace strilux
