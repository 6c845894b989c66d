#include "SiteLookups.h"

#include "data/SqlStatement.h"
#include "db/Error.h"
#include "db/Query.h"

#include <QRegularExpression>
#include <QSet>

namespace {

// Column names are written into the SQL as identifiers.
QString identifier(const QString &column)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z][A-Za-z0-9_$]*$"));
    if (!plain.match(column).hasMatch())
        throw db::Error(QStringLiteral("Not a column name: %1").arg(column));
    return column;
}

}  // namespace

bool SiteLookups::validVersionItem(const QString &from, const QString &column, const QString &where,
                                   const QVariantList &params, const QString &date, QString &value)
{
    db::Query query(m_transaction);
    const QString select = QStringLiteral("Select %1 AS DATA from %2 where %3").arg(identifier(column), from, where);
    SetStatement(query, {select + QStringLiteral(" and APDT <= ? order by APDT DESC"), QVariantList(params) << date});
    query.open();
    if (query.eof()) {
        // No version is that early: the newest one holds.
        SetStatement(query, {select + QStringLiteral(" order by APDT DESC"), params});
        query.open();
        if (query.eof())
            return false;
    }
    value = query.field(QStringLiteral("DATA")).asString();
    return true;
}

bool SiteLookups::GetContractorItem(const QString &kojiCode, const QString &gyoCode, const QString &column,
                                    const QString &date, QString &value)
{
    return validVersionItem(QStringLiteral("GYOSYA"), column, QStringLiteral("KJCD = ? and GYOCD = ?"),
                            {CodeParam(kojiCode), CodeParam(gyoCode)}, date, value);
}

bool SiteLookups::GetWorkerItem(const QString &kojiCode, const QString &gyoCode, const QString &workerCode,
                                const QString &column, const QString &date, QString &value)
{
    return validVersionItem(QStringLiteral("SAGYOIN"), column, QStringLiteral("KJCD = ? and GYOCD = ? and INCD = ?"),
                            {CodeParam(kojiCode), CodeParam(gyoCode), CodeParam(workerCode)}, date, value);
}

bool SiteLookups::GetPrimeContractorItem(int kind, const QString &date, const QString &kojiCode, QString &value)
{
    static const char *const columns[] = {"GBNM", "JGNM", "CPNM", "ANNM"};
    if (kind < 1 || kind > 4)
        return false;
    const QVariant project = CodeParam(kojiCode);
    return validVersionItem(
        QStringLiteral("GYOSYA"), QLatin1String(columns[kind - 1]),
        QStringLiteral("KJCD = ? and GYOCD = (Select GYOCD from TAISEI where KJCD = ? and UNUM = 0)"),
        {project, project}, date, value);
}

QString SiteLookups::GetFirstTierName(const QString &kojiCode, const QString &gyoCode)
{
    db::Query query(m_transaction);
    QVariant current = CodeParam(gyoCode);
    // A damaged tree whose parents run in a circle must not hang the program.
    QSet<qlonglong> visited;
    while (!current.isNull() && !visited.contains(current.toLongLong())) {
        visited.insert(current.toLongLong());
        SetStatement(query,
                     {QStringLiteral("Select CPNM,UNUM,HTYCD from TAISEI where KJCD = ? and GYOCD = ?"),
                      {CodeParam(kojiCode), current}});
        query.open();
        if (query.eof())
            return {};
        if (query.field(QStringLiteral("UNUM")).asInt() < 2)
            return query.field(QStringLiteral("CPNM")).asString();
        current = CodeParam(query.field(QStringLiteral("HTYCD")).asString());
    }
    return {};
}
