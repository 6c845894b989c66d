#include "Cp932.h"

#include <iconv.h>

namespace sorvik::lzh::cp932 {

namespace {

std::optional<std::string> convert(const char *to, const char *from, std::string_view text)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string out(text.size() * 4 + 4, '\0');
    char *in = const_cast<char *>(text.data());
    std::size_t inLeft = text.size();
    char *dst = out.data();
    std::size_t outLeft = out.size();
    const std::size_t rc = iconv(cd, &in, &inLeft, &dst, &outLeft);
    const bool flushed = iconv(cd, nullptr, nullptr, &dst, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1) || inLeft != 0 || !flushed)
        return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace

std::optional<std::string> fromUtf8(std::string_view utf8)
{
    return convert("CP932", "UTF-8", utf8);
}

std::optional<std::string> toUtf8(std::string_view bytes)
{
    return convert("UTF-8", "CP932", bytes);
}

bool isLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

}  // namespace sorvik::lzh::cp932
