#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace strilux {

// Little-endian binary output for the metafile and image writers.
class ByteWriter
{
public:
    void u8(std::uint8_t v) { m_bytes.push_back(v); }
    void u16(std::uint16_t v);
    void u32(std::uint32_t v);
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void f32(float v);
    void u32At(std::size_t offset, std::uint32_t v);
    void bytes(const void *data, std::size_t n);
    void padTo4();

    std::size_t size() const { return m_bytes.size(); }
    const std::vector<std::uint8_t> &data() const { return m_bytes; }
    std::vector<std::uint8_t> take() { return std::move(m_bytes); }

private:
    std::vector<std::uint8_t> m_bytes;
};

std::u16string utf8ToUtf16(const std::string &utf8);

}  // namespace strilux
