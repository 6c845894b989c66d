#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The statements and small rules of the pickers, apart from their windows.
namespace PickerSql {

// The project list: every distinct version line of KOJI, filtered by the start from
// `fromDate` and the end from `toDate` (date texts "yyyy/mm/dd"; empty means no filter).
QString ProjectList(const QString &fromDate, const QString &toDate);

// The contractors of a project, one line per contractor over all its versions, without
// the contractors of the comma list `leaveOut`.
QString ContractorList(const QString &kojiCode, const QString &leaveOut);

// Every worker of a contractor once per qualification of the kinds in the comma list
// `kinds`, or once with empty qualification columns.
QString WorkerQualificationList(const QString &kojiCode, const QString &gyoCode, const QString &kinds);

// The staff list, the lowest birth-date text first.
QString StaffList();

// The names of one names-master kind in display order.
QString NameList(int kind);

// A names-picker entry: the abbreviation in a field of nine characters, then the name.
QString NameEntry(const QString &abbreviation, const QString &name);

// What the names picker returns for an entry: the whole entry for licences, trainings,
// educations and engineer qualifications, the bare abbreviation for job types and marks.
QString NameResult(int kind, const QString &entry, const QString &abbreviation);

// The qualification names of the selected rows (given in data set order as parallel
// lists) that belong to the person `name`, joined by a blank.
QString JoinedQualifications(const QStringList &names, const QStringList &qualifications, const QString &name);

// A code list as the SQL takes it: only the codes that are numbers, joined by ",".
QString CodeList(const QString &codes);

}  // namespace PickerSql
