#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace db {
class Transaction;
}

namespace sorvik::documents {

// A contractor as the construction system (TAISEI) names it.
struct LedgerEntry
{
    QString gyoCode;
    QString name;
};

// Who is above and below whom in a project's construction system, for the choices of the
// ledger window and sorvik-print. Only contractors in effect (EFECT = 1) take part.
namespace LedgerContractors {

// The prime contractor (tier 0); none in a project without a construction system.
std::optional<LedgerEntry> Prime(db::Transaction &transaction, const QString &kojiCode);
// The contractors directly below `upper`, by code; none for an empty `upper`.
QList<LedgerEntry> Below(db::Transaction &transaction, const QString &kojiCode, const QString &upper);
// Every subcontractor of the project (all but the prime), by code: who may report.
QList<LedgerEntry> Subcontractors(db::Transaction &transaction, const QString &kojiCode);
// The code of the contractor directly above `gyoCode`; empty when it is not placed.
QString UpperCode(db::Transaction &transaction, const QString &kojiCode, const QString &gyoCode);
// Its tier: 0 the prime, 1 the first tier …; -1 when it is not placed.
int Tier(db::Transaction &transaction, const QString &kojiCode, const QString &gyoCode);

}  // namespace LedgerContractors

}  // namespace sorvik::documents
