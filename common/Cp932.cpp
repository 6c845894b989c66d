#include "Cp932.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace sorvik::cp932 {

namespace {

// One conversion direction; iconv descriptors are cheap enough to open per call.
class Converter
{
public:
    Converter(const char *to, const char *from)
        : m_handle(iconv_open(to, from))
    {
        if (m_handle == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("the C library has no CP932 conversion");
    }
    ~Converter() { iconv_close(m_handle); }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Converts `input`. At a sequence it cannot convert it calls `onBad(output, rest)`, which
    // appends its replacement and returns how many input bytes to skip (at least one).
    template<typename OnBad> std::string run(std::string_view input, OnBad &&onBad)
    {
        std::string output;
        output.reserve(input.size() + input.size() / 2);
        char *in = const_cast<char *>(input.data());
        size_t inLeft = input.size();
        char buffer[4096];
        while (inLeft > 0) {
            char *out = buffer;
            size_t outLeft = sizeof buffer;
            const size_t result = iconv(m_handle, &in, &inLeft, &out, &outLeft);
            output.append(buffer, sizeof buffer - outLeft);
            if (result != size_t(-1) || errno == E2BIG)
                continue;
            // EILSEQ, or EINVAL for a sequence cut off at the end.
            const size_t skip = std::min(std::max<size_t>(onBad(output, std::string_view(in, inLeft)), 1), inLeft);
            in += skip;
            inLeft -= skip;
            iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        }
        return output;
    }

private:
    iconv_t m_handle;
};

// The character at the start of `utf8` and its length in bytes; a broken sequence is one
// byte long and decodes as U+FFFD.
std::pair<char32_t, size_t> firstCharacter(std::string_view utf8)
{
    const auto b = static_cast<unsigned char>(utf8[0]);
    const size_t length = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || length > utf8.size())
        return {U'\uFFFD', 1};
    char32_t c = length == 1 ? b : b & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(utf8[i]);
        if ((next & 0xC0) != 0x80)
            return {U'\uFFFD', 1};
        c = (c << 6) | (next & 0x3F);
    }
    return {c, length};
}

}  // namespace

std::string fromUtf8(std::string_view utf8, std::u32string *unencodable)
{
    Converter converter("CP932", "UTF-8");
    return converter.run(utf8, [&](std::string &out, std::string_view rest) {
        out.push_back('?');
        const auto [c, length] = firstCharacter(rest);
        if (unencodable)
            unencodable->push_back(c);
        return length;
    });
}

std::optional<std::string> fromUtf8Exact(std::string_view utf8)
{
    std::u32string bad;
    std::string result = fromUtf8(utf8, &bad);
    if (!bad.empty())
        return std::nullopt;
    return result;
}

std::string toUtf8(std::string_view bytes, bool *valid)
{
    bool clean = true;
    Converter converter("UTF-8", "CP932");
    std::string result = converter.run(bytes, [&](std::string &out, std::string_view) {
        out.append("\xEF\xBF\xBD");
        clean = false;
        return size_t(1);
    });
    if (valid)
        *valid = clean;
    return result;
}

std::optional<std::string> toUtf8Exact(std::string_view bytes)
{
    bool valid = true;
    std::string result = toUtf8(bytes, &valid);
    if (!valid)
        return std::nullopt;
    return result;
}

bool isLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

}  // namespace sorvik::cp932
