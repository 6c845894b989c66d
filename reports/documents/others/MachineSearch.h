#pragma once

#include "data/SqlStatement.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace db {
class Transaction;
}

namespace sorvik::documents {

// The machine search of the inspection sheets' picker: the project's machines by a part
// of their name, the first-tier company and a day of use. A machine is in use on a day
// when it came in on or before it and has not gone out before it (no exit date: still on
// site). Names reach the database as values, so a name with an apostrophe is searched
// for as it is typed.
struct MachineSearch
{
    QString kojiCode;
    QString name;     // part of KKNM; empty: any
    QString company;  // CMP1NM; empty: any
    QDate usedOn;     // invalid: any day

    SqlStatement Sql() const;

    // The first-tier companies of the picker's list: one entry per distinct company,
    // acceptance sign and number of the project's machines, so a company may repeat.
    static QStringList Companies(db::Transaction &transaction, const QString &kojiCode);
};

}  // namespace sorvik::documents
