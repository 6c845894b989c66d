#include "LedgerContractors.h"

#include "db/Query.h"
#include "db/SqlText.h"

namespace sorvik::documents::LedgerContractors {

namespace {

QList<LedgerEntry> entries(db::Transaction &transaction, const QString &sql)
{
    db::Query query(transaction);
    query.setSql(sql);
    QList<LedgerEntry> list;
    for (query.open(); !query.eof(); query.next())
        list.append({query.field(QStringLiteral("GYOCD")).asString(), query.field(QStringLiteral("CPNM")).asString()});
    return list;
}

QString systemColumn(db::Transaction &transaction, const QString &column, const QString &kojiCode,
                     const QString &gyoCode)
{
    db::Query query(transaction);
    query.setSql(QStringLiteral("Select %1 from TAISEI where KJCD=%2 and GYOCD = %3")
                     .arg(column, SqlIntOrNull(kojiCode), SqlIntOrNull(gyoCode)));
    query.open();
    return query.eof() ? QString() : query.field(0).asString();
}

}  // namespace

std::optional<LedgerEntry> Prime(db::Transaction &transaction, const QString &kojiCode)
{
    const QList<LedgerEntry> top = entries(transaction,
                                           QStringLiteral("Select Distinct GYOCD,CPNM from TAISEI where KJCD = ")
                                               + SqlIntOrNull(kojiCode) + QStringLiteral(" and EFECT = 1 and UNUM=0"));
    if (top.isEmpty())
        return std::nullopt;
    return top.first();
}

QList<LedgerEntry> Below(db::Transaction &transaction, const QString &kojiCode, const QString &upper)
{
    if (DigitsOnly(upper).isEmpty())
        return {};
    return entries(transaction,
                   QStringLiteral("Select Distinct GYOCD,CPNM from TAISEI where KJCD = ") + SqlIntOrNull(kojiCode)
                       + QStringLiteral(" and EFECT = 1 and HTYCD = ") + SqlIntOrNull(upper)
                       + QStringLiteral(" order by GYOCD"));
}

QList<LedgerEntry> Subcontractors(db::Transaction &transaction, const QString &kojiCode)
{
    return entries(transaction,
                   QStringLiteral("Select Distinct CPNM,GYOCD from TAISEI where KJCD = ") + SqlIntOrNull(kojiCode)
                       + QStringLiteral(" and EFECT = 1 and HTYCD <> 0 order by GYOCD"));
}

QString UpperCode(db::Transaction &transaction, const QString &kojiCode, const QString &gyoCode)
{
    return systemColumn(transaction, QStringLiteral("HTYCD"), kojiCode, gyoCode);
}

int Tier(db::Transaction &transaction, const QString &kojiCode, const QString &gyoCode)
{
    const QString tier = systemColumn(transaction, QStringLiteral("UNUM"), kojiCode, gyoCode);
    return tier.isEmpty() ? -1 : tier.toInt();
}

}  // namespace sorvik::documents::LedgerContractors
