#include "Cp932Text.h"

#include "Cp932.h"

QByteArray Cp932Encode(const QString &text, bool *lossless)
{
    const QByteArray utf8 = text.toUtf8();
    std::u32string unencodable;
    const std::string bytes
        = sorvik::cp932::fromUtf8(std::string_view(utf8.constData(), size_t(utf8.size())), &unencodable);
    if (lossless)
        *lossless = unencodable.empty();
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

QString Cp932Decode(const QByteArray &bytes, bool *valid)
{
    const std::string utf8 = sorvik::cp932::toUtf8(std::string_view(bytes.constData(), size_t(bytes.size())), valid);
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

QString ToCrLf(const QString &text)
{
    QString normal = text;
    normal.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    normal.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return normal;
}
