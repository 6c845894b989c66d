#include "RosterTable.h"

#include "data/TableDataSet.h"
#include "db/SqlText.h"

namespace sorvik::documents::RosterTable {

QString Filter(const QString &kojiCode, const QString &gyoCode)
{
    return QStringLiteral("KJCD = ") + SqlIntOrNull(kojiCode) + QStringLiteral(" AND GYOCD = ") + SqlIntOrNull(gyoCode);
}

QString IndexName(RosterOrder order)
{
    return order == RosterOrder::Display ? QStringLiteral("IDXINDT") : QStringLiteral("PK_SAGYOIN");
}

void Open(TableDataSet &table, const RosterChoices &choices, bool markedOnly)
{
    table.Close();
    table.SetTableName(QStringLiteral("SAGYOIN"));
    table.SetIndexName(IndexName(choices.order));
    table.SetFilter(Filter(choices.kojiCode, choices.gyoCode)
                    + (markedOnly ? QStringLiteral(" AND SEL = 1") : QString()));
    table.Open();
}

}  // namespace sorvik::documents::RosterTable
