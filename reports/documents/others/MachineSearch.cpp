#include "MachineSearch.h"

#include "data/DataField.h"
#include "data/QueryDataSet.h"
#include "dates/DateText.h"

namespace sorvik::documents {

SqlStatement MachineSearch::Sql() const
{
    SqlStatement sql{QStringLiteral("Select * from KIKAI where KJCD=?"), {CodeParam(kojiCode)}};
    if (!name.isEmpty()) {
        sql.text += QStringLiteral(" and KKNM LIKE ?");
        sql.params << QStringLiteral("%") + name + QStringLiteral("%");
    }
    if (usedOn.isValid()) {
        const QString day = DateToDateText(usedOn);
        sql.text += QStringLiteral(" and INDT <= ? and ( OUTDT IS NULL or ? <= OUTDT )");
        sql.params << day << day;
    }
    if (!company.isEmpty()) {
        sql.text += QStringLiteral(" and CMP1NM = ?");
        sql.params << company;
    }
    sql.text += QStringLiteral(" Order by CMP1NM,HNDOWCMPNM,JYUNO");
    return sql;
}

QStringList MachineSearch::Companies(db::Transaction &transaction, const QString &kojiCode)
{
    QueryDataSet rows(transaction);
    rows.SetSQL(QStringLiteral("Select DISTINCT CMP1NM,JYUKG,JYUNO from KIKAI where KJCD=?"), {CodeParam(kojiCode)});
    rows.Open();
    QStringList companies;
    for (rows.First(); !rows.Eof(); rows.Next())
        if (!rows.Fields(0).IsNull())
            companies << rows.Fields(0).AsString();
    return companies;
}

}  // namespace sorvik::documents
