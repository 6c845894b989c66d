#include "SqlText.h"

namespace {

bool meansNull(const QString &text)
{
    return text.isEmpty() || text == QLatin1String("NULL");
}

}  // namespace

QString SqlQuote(const QString &text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString SqlStrOrNull(const QString &text)
{
    return meansNull(text) ? QStringLiteral("NULL") : SqlQuote(text);
}

QString DigitsOnly(const QString &text)
{
    QString digits;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
    }
    return digits;
}

QString SqlIntOrNull(const QString &text)
{
    if (meansNull(text))
        return QStringLiteral("NULL");
    const QString digits = DigitsOnly(text);
    if (digits.isEmpty())
        return QStringLiteral("NULL");
    bool ok = false;
    const qlonglong value = digits.toLongLong(&ok);
    // More digits than a 64-bit integer holds: pass them as they are and let the
    // database refuse the value with its own message rather than wrap it silently.
    return ok ? QString::number(value) : digits;
}
