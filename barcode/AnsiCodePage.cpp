#include "AnsiCodePage.h"

#include <cerrno>
#include <iconv.h>

namespace strilux {

namespace {
std::string convert(const std::string &in, const char *from, const char *to)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return in;
    std::string out;
    char *src = const_cast<char *>(in.data());
    std::size_t srcLeft = in.size();
    char buffer[256];
    while (srcLeft > 0) {
        char *dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        const std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer, sizeof buffer - dstLeft);
        if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // An unconvertible or broken sequence: one byte becomes "?".
            out += '?';
            ++src;
            --srcLeft;
        }
    }
    iconv_close(cd);
    return out;
}
}  // namespace

std::string ansiToUtf8(const std::string &cp932)
{
    return convert(cp932, "CP932", "UTF-8");
}

std::string utf8ToAnsi(const std::string &utf8)
{
    return convert(utf8, "UTF-8", "CP932");
}

}  // namespace strilux
