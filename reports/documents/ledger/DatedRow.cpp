#include "DatedRow.h"

#include "db/Query.h"
#include "db/SqlText.h"

namespace sorvik::documents {

std::optional<DatedRow> DatedRow::Read(db::Transaction &transaction, const QString &select, const QString &dateText)
{
    db::Query query(transaction);
    for (const QString &condition : {QStringLiteral(" and APDT <= ") + SqlQuote(dateText), QString()}) {
        query.setSql(select + condition + QStringLiteral(" order by APDT DESC"));
        query.open();
        if (query.eof())
            continue;
        DatedRow row;
        for (int column = 0; column < query.fieldCount(); ++column) {
            const db::Field field = query.field(column);
            row.m_values.insert(field.name().toUpper(), field.value());
        }
        return row;
    }
    return std::nullopt;
}

std::optional<DatedRow> DatedRow::Project(db::Transaction &transaction, const QString &kojiCode,
                                          const QString &dateText)
{
    return Read(transaction, QStringLiteral("Select * from KOJI where KJCD = ") + SqlIntOrNull(kojiCode), dateText);
}

std::optional<DatedRow> DatedRow::Contractor(db::Transaction &transaction, const QString &kojiCode,
                                             const QString &gyoCode, const QString &dateText)
{
    return Read(transaction,
                QStringLiteral("Select * from GYOSYA where KJCD = %1 and GYOCD = %2")
                    .arg(SqlIntOrNull(kojiCode), SqlIntOrNull(gyoCode)),
                dateText);
}

std::optional<DatedRow> DatedRow::PrimeContractor(db::Transaction &transaction, const QString &kojiCode,
                                                  const QString &dateText)
{
    const QString project = SqlIntOrNull(kojiCode);
    // "first 1": a construction system damaged into two tops still prints from one of them.
    return Read(transaction,
                QStringLiteral("Select * from GYOSYA where KJCD = %1 and GYOCD = "
                               "(Select first 1 GYOCD from TAISEI where KJCD = %1 and HTYCD = 0 order by GYOCD)")
                    .arg(project),
                dateText);
}

QString DatedRow::text(const QString &column) const
{
    const QVariant value = m_values.value(column.toUpper());
    return value.isNull() ? QString() : value.toString();
}

bool DatedRow::isNull(const QString &column) const
{
    const QVariant value = m_values.value(column.toUpper());
    return value.isNull() || (value.typeId() == QMetaType::QString && value.toString().isEmpty());
}

}  // namespace sorvik::documents
