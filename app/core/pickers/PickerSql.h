#pragma once

#include "data/SqlStatement.h"

#include <QString>
#include <QStringList>

// The statements and small rules of the pickers, apart from their windows.
namespace PickerSql {

// The project list: every distinct version line of KOJI, filtered by the start from
// `fromDate` and the end from `toDate` (date texts "yyyy/mm/dd"; empty means no filter).
SqlStatement ProjectList(const QString &fromDate, const QString &toDate);

// The contractors of a project, one line per contractor over all its versions, without
// the contractors of the comma list `leaveOut` and, when `leaveOutPlaced`, without those
// already placed in the project's construction system. Any number of codes may be left
// out (the engine takes at most 1 500 values in one list).
SqlStatement ContractorList(const QString &kojiCode, const QString &leaveOut, bool leaveOutPlaced = false);

// Every worker of a contractor once per qualification of the kinds in the comma list
// `kinds`, or once with empty qualification columns.
SqlStatement WorkerQualificationList(const QString &kojiCode, const QString &gyoCode, const QString &kinds);

// The staff list, the lowest birth-date text first.
SqlStatement StaffList();

// The names of one names-master kind in display order.
SqlStatement NameList(int kind);

// A names-picker entry: the abbreviation in a field of nine characters, then the name.
QString NameEntry(const QString &abbreviation, const QString &name);

// What the names picker returns for an entry: the whole entry for licences, trainings,
// educations and engineer qualifications, the bare abbreviation for job types and marks.
QString NameResult(int kind, const QString &entry, const QString &abbreviation);

// The qualification names of the selected rows (given in data set order as parallel
// lists) that belong to the person `name`, joined by a blank.
QString JoinedQualifications(const QStringList &names, const QStringList &qualifications, const QString &name);

}  // namespace PickerSql
