#pragma once

#include <QDate>
#include <QString>

class TableDataSet;

namespace db {
class Transaction;
}

// The print marks (SAGYOIN.SEL) and ages the roster print changes. Each change is
// committed at once, so marks outlive the window; a change that fails is undone whole and
// its database error rises for the window to show.
namespace sorvik::documents::RosterMarks {

// 全選択 / 全解除: every worker of one contractor.
void MarkAll(db::Transaction &transaction, const QString &kojiCode, const QString &gyoCode, bool marked);

// この日の勤務者を選択する: the project's workers who have an attendance row (DEZURA) on
// `day` become marked, every other worker of the project, of any contractor, unmarked.
void MarkWorkersOfDay(db::Transaction &transaction, const QString &kojiCode, const QDate &day);

// A click in the print column: the current worker's mark turns over (null counts as
// unmarked). On failure the row keeps its old mark.
void ToggleMark(TableDataSet &table);

// 作成日で年齢を再計算する: every worker of the table gets the age on `date` where it differs
// from OLD, with the aged and minor flags that follow (limits data/OLD and data/YOUNG). A
// worker without a real birth date is left alone. The current row stays current. Returns
// how many workers changed.
int RecalculateAges(TableDataSet &table, const QDate &date, int oldAge, int youngAge);

}  // namespace sorvik::documents::RosterMarks
