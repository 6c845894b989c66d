#include "ChartPrintRows.h"

#include "data/SqlStatement.h"
#include "db/Query.h"

#include <algorithm>

namespace sorvik::documents::ChartPrintRows {

namespace {

// The first row of the statement for `date`, or of the same statement without the date
// when it finds none. `dated` carries one "%1" for the date condition.
bool openDatedOrAny(db::Query &query, const QString &dated, QVariantList params, const QString &date)
{
    SetStatement(query, {dated.arg(QStringLiteral(" and APDT <= ?")), params + QVariantList{date}});
    query.open();
    if (!query.eof())
        return true;
    SetStatement(query, {dated.arg(QString()), params});
    query.open();
    return !query.eof();
}

}  // namespace

QStringList Versions(db::Transaction &transaction, const QString &kojiCode)
{
    db::Query query(transaction);
    SetStatement(
        query,
        {QStringLiteral("Select Distinct APDT from TAIKEI where KJCD = ? Order by APDT DESC"), {CodeParam(kojiCode)}});
    QStringList dates;
    for (query.open(); !query.eof(); query.next())
        dates << query.field(0).asString();
    // Newest first as texts, whatever the database's collation.
    std::sort(dates.begin(), dates.end(), std::greater<>());
    return dates;
}

QList<ChartPrintBox> Boxes(db::Transaction &transaction, const QString &kojiCode, const QString &chartDate)
{
    db::Query query(transaction);
    SetStatement(query,
                 {QStringLiteral("Select * from TAIKEI where KJCD = ? and APDT = ? order by UNUM, LOCPG, LOCROW, "
                                 "LOCCOL"),
                  {CodeParam(kojiCode), chartDate}});
    QList<ChartPrintBox> boxes;
    for (query.open(); !query.eof(); query.next()) {
        ChartPrintBox box;
        box.gyoCode = query.field(QStringLiteral("GYOCD")).asString();
        box.parentCode = query.field(QStringLiteral("HTYCD")).asString();
        box.tier = query.field(QStringLiteral("UNUM")).asInt();
        box.name = query.field(QStringLiteral("CPNM")).asString();
        box.cell = {query.field(QStringLiteral("LOCPG")).asInt(), query.field(QStringLiteral("LOCROW")).asInt(),
                    query.field(QStringLiteral("LOCCOL")).asInt()};
        box.colourIsNull = query.field(QStringLiteral("YOBIS1")).isNull();
        box.colour = query.field(QStringLiteral("YOBIS1")).asString();
        box.frameStyle = query.field(QStringLiteral("YOBIN1")).asInt();
        boxes << box;
    }
    // The prime contractor first, the blocks in the order they are printed.
    std::stable_sort(boxes.begin(), boxes.end(), [](const ChartPrintBox &a, const ChartPrintBox &b) {
        const bool aPrime = a.tier == 0, bPrime = b.tier == 0;
        if (aPrime != bPrime)
            return aPrime;
        return std::tie(a.cell.Page, a.cell.Row, a.cell.Column) < std::tie(b.cell.Page, b.cell.Row, b.cell.Column);
    });
    return boxes;
}

std::optional<ContractorParticulars> Particulars(db::Transaction &transaction, const QString &kojiCode,
                                                 const QString &gyoCode, const QString &date)
{
    db::Query query(transaction);
    if (!openDatedOrAny(query, QStringLiteral("Select * from GYOSYA where KJCD = ? and GYOCD = ?%1 order by APDT DESC"),
                        {CodeParam(kojiCode), CodeParam(gyoCode)}, date))
        return std::nullopt;
    ContractorParticulars particulars;
    particulars.company = query.field(QStringLiteral("CPNM")).asString();
    particulars.engineer = query.field(QStringLiteral("SNNM1")).asString();
    particulars.engineerTitle = query.field(QStringLiteral("KSNM1")).asString();
    particulars.engineerBorn = query.field(QStringLiteral("SNDT1")).asString();
    particulars.fullTime = query.field(QStringLiteral("SNSE1")).asString();
    particulars.certificate = query.field(QStringLiteral("SDFILE1")).asString();
    particulars.siteManager = query.field(QStringLiteral("ISKJ")).asInt() == 1;
    return particulars;
}

QString ProjectName(db::Transaction &transaction, const QString &kojiCode, const QString &date)
{
    db::Query query(transaction);
    if (!openDatedOrAny(query, QStringLiteral("Select KJNM from KOJI where KJCD = ?%1 order by APDT DESC"),
                        {CodeParam(kojiCode)}, date))
        return {};
    return query.field(0).asString();
}

}  // namespace sorvik::documents::ChartPrintRows
