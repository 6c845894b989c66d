#include "Cp932.h"

#include <QList>

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace {

// One conversion direction; iconv descriptors are cheap enough to open per call.
class Converter
{
public:
    Converter(const char *to, const char *from)
        : m_handle(iconv_open(to, from))
    {
        if (m_handle == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv has no CP932 conversion");
    }
    ~Converter() { iconv_close(m_handle); }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Converts `input`; on an unconvertible sequence of `step` bytes calls `onBad` with the
    // output so far and skips it.
    template<typename OnBad> QByteArray run(const QByteArray &input, qsizetype step, OnBad &&onBad)
    {
        QByteArray output;
        char *in = const_cast<char *>(input.constData());
        size_t inLeft = size_t(input.size());
        char buffer[4096];
        while (inLeft > 0) {
            char *out = buffer;
            size_t outLeft = sizeof buffer;
            const size_t result = iconv(m_handle, &in, &inLeft, &out, &outLeft);
            output.append(buffer, int(sizeof buffer - outLeft));
            if (result != size_t(-1) || errno == E2BIG)
                continue;
            // EILSEQ or EINVAL (a truncated sequence at the end): replace and move on.
            onBad(output);
            const size_t skip = qMin(size_t(step), inLeft);
            in += skip;
            inLeft -= skip;
            iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        }
        return output;
    }

private:
    iconv_t m_handle;
};

}  // namespace

QByteArray Cp932Encode(const QString &text, bool *lossless)
{
    // UTF-32 input lets one bad character be skipped as exactly four bytes.
    QByteArray utf32;
    utf32.reserve(text.size() * 4);
    for (const char32_t c : text.toUcs4()) {
        for (int shift = 0; shift < 32; shift += 8)
            utf32.append(char((c >> shift) & 0xFF));
    }
    bool clean = true;
    Converter converter("CP932", "UTF-32LE");
    const QByteArray result = converter.run(utf32, 4, [&](QByteArray &out) {
        out.append('?');
        clean = false;
    });
    if (lossless)
        *lossless = clean;
    return result;
}

QString Cp932Decode(const QByteArray &bytes)
{
    Converter converter("UTF-8", "CP932");
    const QByteArray utf8 = converter.run(bytes, 1, [](QByteArray &out) { out.append("\xEF\xBF\xBD"); });
    return QString::fromUtf8(utf8);
}

QString ToCrLf(const QString &text)
{
    QString normal = text;
    normal.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    normal.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return normal;
}
