#pragma once

#include <QString>
#include <QStringList>

namespace sorvik::package {

// The SQL texts of the import, exactly as peers' programs write them (spacing included).
// Column names must already be checked against the table (ImportColumns); values go
// through the program's quoting (SqlStrOrNull, SqlNumberOrNull by type letter) and codes
// through SqlIntOrNull.

// "Insert into T(C1,C2) values(V1,V2)".
QString insertSql(const QString &table, const QStringList &columns, const QStringList &letters,
                  const QStringList &values);

// "Update T set C1=V1,C2=V2 where " + `condition`, over the columns that are not in
// `keyColumns`; empty when every column is a key column.
QString updateSql(const QString &table, const QStringList &columns, const QStringList &letters,
                  const QStringList &values, const QStringList &keyColumns, const QString &condition);

// " KJCD=k and GYOCD=g and INCD=i": the key condition of a worker.
QString workerKeyCondition(const QString &kojiCode, const QString &gyoCode, const QString &workerCode);

// The worker of the target contractor with that name (and, for qualifications, that
// birth date).
QString workerByNameSql(const QString &kojiCode, const QString &gyoCode, const QString &name);
QString workerByNameAndBirthSql(const QString &kojiCode, const QString &gyoCode, const QString &name,
                                const QString &birthDate);
// Staff by name and qualification (an empty qualification matches only a null one).
QString staffByNameSql(const QString &name, const QString &qualification);
// A names-master entry by abbreviation.
QString namesByAbbreviationSql(const QString &abbreviation);
// Every qualification of one worker.
QString deleteQualificationsSql(const QString &kojiCode, const QString &gyoCode, const QString &workerCode);

}  // namespace sorvik::package
