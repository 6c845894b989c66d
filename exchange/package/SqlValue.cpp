#include "SqlValue.h"

#include "db/SqlText.h"
#include "ValueEncoding.h"

#include <QRegularExpression>

namespace sorvik::package {

QString SqlNumberOrNull(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^([+-]?)([0-9]+(\\.[0-9]*)?|\\.[0-9]+)$"));
    const QRegularExpressionMatch match = number.match(text.trimmed());
    if (!match.hasMatch())
        return QStringLiteral("NULL");
    QString digits = match.captured(2);
    if (digits.endsWith(QLatin1Char('.')))
        digits.chop(1);
    if (digits.startsWith(QLatin1Char('.')))
        digits.prepend(QLatin1Char('0'));
    return (match.captured(1) == QLatin1String("-") ? QStringLiteral("-") : QString()) + digits;
}

QString sqlValue(const QString &typeLetter, const QString &value)
{
    const QString letter = typeLetter.trimmed().toUpper();
    if (letter == QLatin1String("S") || letter == QLatin1String("D"))
        return SqlStrOrNull(decodeValue(value));
    return SqlNumberOrNull(value);
}

}  // namespace sorvik::package
