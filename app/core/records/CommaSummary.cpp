#include "CommaSummary.h"

namespace CommaSummary {

namespace {

bool fits(const QString &text, int maxLength)
{
    return maxLength <= 0 || text.size() <= maxLength;
}

}  // namespace

QString Join(const QStringList &entries, int maxLength)
{
    QString joined;
    for (const QString &entry : entries) {
        if (entry.isEmpty())
            continue;
        const QString longer = joined.isEmpty() ? entry : joined + QLatin1Char(',') + entry;
        if (!fits(longer, maxLength))
            break;
        joined = longer;
    }
    return joined;
}

std::optional<QString> Append(const QString &list, const QString &entry, int maxLength)
{
    const QString longer = list.isEmpty() ? entry : list + QLatin1Char(',') + entry;
    if (!fits(longer, maxLength))
        return std::nullopt;
    return longer;
}

QString TooLongMessage(const QString &caption, int maxLength)
{
    return QStringLiteral("「%1」は%2文字までです。これ以上追加出来ません。").arg(caption).arg(maxLength);
}

}  // namespace CommaSummary
