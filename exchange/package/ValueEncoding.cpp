#include "ValueEncoding.h"

namespace sorvik::package {

namespace {

constexpr QChar kFormFeed = QChar(0x0C);

bool isKeptControl(char16_t c)
{
    return c == u'\t' || c == u'\n' || c == u'\r' || c == 0x0C;
}

}  // namespace

QString encodeValue(const QString &value)
{
    QString text;
    text.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char16_t c = value[i].unicode();
        if (c == u'\r') {
            if (i + 1 < value.size() && value[i + 1] == QLatin1Char('\n'))
                ++i;
            text += kFormFeed;
        } else if (c == u'\n') {
            text += kFormFeed;
        } else if (c >= 0x20 || isKeptControl(c)) {
            text += QChar(c);
        }
    }
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].unicode() <= 0x20)
        --end;
    text.truncate(end);
    return text;
}

QString decodeValue(const QString &value)
{
    if (!value.contains(kFormFeed))
        return value;
    QString text = value;
    text.replace(kFormFeed, QStringLiteral("\r\n"));
    return text;
}

}  // namespace sorvik::package
