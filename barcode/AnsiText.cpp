#include "AnsiText.h"

namespace strilux {

namespace {
constexpr char32_t kYen = 0xA5;
constexpr char32_t kHalfwidthFirst = 0xFF61;  // half-width katakana block, bytes 0xA1-0xDF
constexpr char32_t kHalfwidthLast = 0xFF9F;

char32_t nextCodePoint(std::string_view s, std::size_t &i)
{
    const auto b = static_cast<unsigned char>(s[i++]);
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    if (b >= 0x80 && b < 0xC0)
        return 0xFFFD;
    char32_t cp = extra == 0 ? b : b & (0x3F >> extra);
    for (; extra > 0; --extra) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
            return 0xFFFD;
        cp = (cp << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    return cp;
}

void appendUtf8(std::string &out, char32_t cp)
{
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}
}  // namespace

std::string utf8ToSymbolBytes(std::string_view utf8)
{
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t cp = nextCodePoint(utf8, i);
        if (cp < 0x80)
            out += char(cp);
        else if (cp == kYen)
            out += '\x5C';
        else if (cp >= kHalfwidthFirst && cp <= kHalfwidthLast)
            out += char(0xA1 + (cp - kHalfwidthFirst));
        else
            out += char(kForeignByte);
    }
    return out;
}

std::string symbolBytesToUtf8(std::string_view bytes)
{
    std::string out;
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80)
            out += c;
        else if (b >= 0xA1 && b <= 0xDF)
            appendUtf8(out, kHalfwidthFirst + (b - 0xA1));
        else
            appendUtf8(out, 0xFFFD);
    }
    return out;
}

}  // namespace strilux
