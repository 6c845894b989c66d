#include "RosterMarks.h"

#include "data/DataField.h"
#include "data/TableDataSet.h"
#include "dates/DateText.h"
#include "dates/WorkerAge.h"
#include "db/Query.h"
#include "db/SqlText.h"
#include "db/StatementBatch.h"
#include "db/Transaction.h"

namespace sorvik::documents::RosterMarks {

namespace {

// Runs `change` on the table and commits; on failure the record being edited is given
// up, everything since the last commit undone, the rows read again and the error rethrown.
template<typename Change> void commitTableChange(TableDataSet &table, Change change)
{
    try {
        change();
        table.Transaction().commitRetaining();
    } catch (...) {
        if (table.State() != DataSetState::Browse)
            table.Cancel();
        table.Transaction().rollbackRetaining();
        table.Refresh();
        throw;
    }
}

}  // namespace

void MarkAll(db::Transaction &transaction, const QString &kojiCode, const QString &gyoCode, bool marked)
{
    db::commitAll(transaction,
                  {QStringLiteral("Update SAGYOIN set SEL = %1 where KJCD = ").arg(marked ? 1 : 0)
                   + SqlIntOrNull(kojiCode) + QStringLiteral(" AND GYOCD = ") + SqlIntOrNull(gyoCode)});
}

void MarkWorkersOfDay(db::Transaction &transaction, const QString &kojiCode, const QDate &day)
{
    const QString project = SqlIntOrNull(kojiCode);
    db::commitAll(transaction,
                  {QStringLiteral("Update SAGYOIN S set SEL = 0 where S.KJCD = ") + project,
                   QStringLiteral("Update SAGYOIN S set SEL = 1 where S.KJCD = ") + project
                       + QStringLiteral(" AND EXISTS( Select * from DEZURA D where")
                       + QStringLiteral(" S.KJCD = D.KJCD and S.GYOCD = D.GYOCD and S.INCD = D.INCD")
                       + QStringLiteral(" AND D.WKDT = ") + SqlStrOrNull(DateToDateText(day)) + u')'});
}

void ToggleMark(TableDataSet &table)
{
    commitTableChange(table, [&] {
        DataField mark = table.FieldByName(QStringLiteral("SEL"));
        table.Edit();
        mark.SetAsInteger(mark.AsInteger() == 1 ? 0 : 1);
        table.Post();
    });
}

int RecalculateAges(TableDataSet &table, const QDate &date, int oldAge, int youngAge)
{
    int changed = 0;
    const TableDataSet::Bookmark current = table.GetBookmark();
    commitTableChange(table, [&] {
        for (table.First(); !table.Eof(); table.Next()) {
            const std::optional<int> age = AgeInYears(table.FieldByName(QStringLiteral("BNDT")).AsString(), date);
            DataField old = table.FieldByName(QStringLiteral("OLD"));
            if (!age || (!old.IsNull() && old.AsInteger() == *age))
                continue;
            const AgeFlags flags = FlagsForAge(*age, {oldAge, youngAge});
            table.Edit();
            old.SetAsInteger(*age);
            table.FieldByName(QStringLiteral("ADVA")).SetAsInteger(flags.aged ? 1 : 0);
            table.FieldByName(QStringLiteral("YNG")).SetAsInteger(flags.young ? 1 : 0);
            table.Post();
            ++changed;
        }
    });
    table.GotoBookmark(current);
    return changed;
}

}  // namespace sorvik::documents::RosterMarks
