#include "RecordEncoder.h"

#include "CommaText.h"
#include "PackageText.h"
#include "ValueEncoding.h"

namespace sorvik::package {

namespace {

QString rowName(const ExportRows &rows, const PackageKind &kind, std::size_t row)
{
    QStringList keys;
    for (const QString &key : kind.keyColumns) {
        const qsizetype index = rows.columns.indexOf(key);
        if (index >= 0)
            keys << key + QLatin1Char('=') + rows.rows[row][index];
    }
    return QStringLiteral("%1 の %2 行目 (%3)").arg(kind.table).arg(row + 1).arg(keys.join(QStringLiteral(", ")));
}

void nameUnencodable(const ExportRows &rows, const PackageKind &kind, std::size_t row, QStringList &notes)
{
    const QStringList &values = rows.rows[row];
    for (qsizetype i = 0; i < values.size(); ++i)
        notes << unencodableNotes(rowName(rows, kind, row) + QStringLiteral(" の ") + rows.columns.value(i), values[i]);
}

}  // namespace

RecordEncoder RecordEncoder::encode(const ExportRows &rows, const PackageKind &kind)
{
    RecordEncoder result;
    for (std::size_t row = 0; row < rows.rows.size(); ++row) {
        QStringList items;
        items.reserve(rows.rows[row].size());
        for (const QString &value : rows.rows[row])
            items << encodeValue(value);
        std::u32string bad;
        result.bytes += toPackageBytes(writeCommaText(items), &bad);
        result.bytes += "\r\n";
        if (!bad.empty())
            nameUnencodable(rows, kind, row, result.notes);
    }
    return result;
}

}  // namespace sorvik::package
