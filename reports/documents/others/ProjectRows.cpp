#include "ProjectRows.h"

#include "data/DataField.h"
#include "data/QueryDataSet.h"
#include "data/SqlStatement.h"
#include "program/DataModule1.h"

namespace sorvik::documents::ProjectRows {

QString NewestProjectItem(TDataModule1 &data, const QString &kojiCode, const QString &column)
{
    QueryDataSet rows(data.IBTransaction1);
    rows.SetSQL(QStringLiteral("Select %1 from KOJI where KJCD = ? order by APDT desc").arg(column),
                {CodeParam(kojiCode)});
    rows.Open();
    return rows.IsEmpty() ? QString() : rows.Fields(0).AsString();
}

void OpenPrimeContractor(QueryDataSet &rows, const QString &kojiCode, const QString &primeCode)
{
    if (primeCode.isEmpty()) {
        rows.SetSQL(QStringLiteral("Select * from GYOSYA where KJCD = ? and GYOCD IN (Select GYOCD from TAISEI"
                                   " where KJCD = ? and UNUM = 0) order by APDT desc"),
                    {CodeParam(kojiCode), CodeParam(kojiCode)});
    } else {
        rows.SetSQL(QStringLiteral("Select * from GYOSYA where KJCD = ? and GYOCD = ? order by APDT desc"),
                    {CodeParam(kojiCode), CodeParam(primeCode)});
    }
    rows.Open();
}

}  // namespace sorvik::documents::ProjectRows
