#include "ExportRows.h"

#include "PackageScheme.h"
#include "data/DataSet.h"
#include "db/Field.h"

namespace sorvik::package {

namespace {

// Decimals are held as doubles; their text is fixed-point at the column's scale, so that a
// value never turns into an exponent form such as 1e+06.
QString decimalText(const QVariant &value, int scale)
{
    QString text = QString::number(value.toDouble(), 'f', scale < 0 ? -scale : 6);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString valueText(const db::Column &column, const QVariant &value)
{
    if (value.isNull())
        return {};
    if ((column.kind == db::Column::Kind::Decimal || column.kind == db::Column::Kind::Float)
        && value.typeId() == QMetaType::Double)
        return decimalText(value, column.scale);
    return db::Field(column.name, value).asString();
}

}  // namespace

ExportRows ExportRows::of(DataSet &dataSet, bool currentRecordOnly)
{
    ExportRows result;
    const int fields = dataSet.FieldCount();
    for (int i = 0; i < fields; ++i) {
        result.columns << dataSet.FieldInfo(i).name.toUpper();
        result.types << typeLetter(dataSet.FieldInfo(i).kind);
    }
    const int first = currentRecordOnly ? dataSet.RecNo() : 0;
    const int last = currentRecordOnly ? dataSet.RecNo() : dataSet.RecordCount() - 1;
    for (int row = std::max(first, 0); first >= 0 && row <= last; ++row) {
        QStringList values;
        values.reserve(fields);
        for (int field = 0; field < fields; ++field)
            values << valueText(dataSet.FieldInfo(field), dataSet.RowValue(row, field));
        result.rows.push_back(std::move(values));
    }
    return result;
}

}  // namespace sorvik::package
