#include "PackageScheme.h"

#include "CommaText.h"

namespace sorvik::package {

QStringList PackageScheme::lines() const
{
    return {version, kind, writeCommaText(columns), writeCommaText(types), imageColumns.join(QLatin1Char(','))};
}

PackageScheme PackageScheme::fromLines(const QStringList &lines)
{
    const auto line = [&](int index) { return index < lines.size() ? lines[index] : QString(); };
    PackageScheme scheme;
    scheme.version = line(0);
    scheme.kind = line(1).trimmed();
    scheme.columns = readCommaText(line(2));
    for (QString &column : scheme.columns)
        column = column.toUpper();
    scheme.types = readCommaText(line(3));
    scheme.imageColumns = readCommaText(line(4));
    for (QString &column : scheme.imageColumns)
        column = column.toUpper();
    return scheme;
}

QString typeLetter(db::Column::Kind kind)
{
    switch (kind) {
    case db::Column::Kind::Text:
    case db::Column::Kind::TextBlob:
        return QStringLiteral("S");
    case db::Column::Kind::Boolean:
        return QStringLiteral("B");
    case db::Column::Kind::Date:
    case db::Column::Kind::Time:
    case db::Column::Kind::Timestamp:
        return QStringLiteral("D");
    default:
        return QStringLiteral("N");
    }
}

}  // namespace sorvik::package
